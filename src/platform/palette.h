#pragma once

#include <QPalette>

namespace platform {

// The light face the windows were designed on, whatever the desktop's theme: black text
// on light grey, white fields, so that the designed black, red, navy and green stay
// readable under a dark theme too.
QPalette paletteClaire();

} // namespace platform
