#include "platform/nombrelocal.h"

#include <QLocale>
#include <cmath>

namespace platform {

std::optional<double> nombreLocal(const QString& texte) {
    bool ok = false;
    const double v = QLocale().toDouble(texte.trimmed(), &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

} // namespace platform
