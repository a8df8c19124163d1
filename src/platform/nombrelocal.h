#pragma once

#include <QString>
#include <optional>

namespace platform {

// A number of the measurement list, as stored or typed in any locale: an optional sign, digits
// with a full stop or a comma as decimal separator ("-12.44", "-12,44", ",5"), an optional
// exponent; no group separators ("0,180" is 0.18, "1,000.5" no number); blanks around it
// ignored. nullopt for anything else, infinities and NaN included.
std::optional<double> nombreLocal(const QString& texte);

} // namespace platform
