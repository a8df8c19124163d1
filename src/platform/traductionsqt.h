#pragma once

#include "platform/langue.h"

namespace platform {

// Qt's own texts (a text field's context menu, standard buttons) in the program's
// language. Qt's catalogues come from Debian's qt6-translations-l10n;
// without them those texts stay in English.
void traduireQt(Langue langue);

} // namespace platform
