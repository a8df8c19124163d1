#pragma once

#include <QString>
#include <optional>

namespace platform {

// A number written in the user's regional format (as the list lines are written), blanks
// around it ignored; nullopt for anything else, infinities and NaN included.
std::optional<double> nombreLocal(const QString& texte);

} // namespace platform
