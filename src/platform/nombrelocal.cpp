#include "platform/nombrelocal.h"

#include <cmath>

namespace platform {

std::optional<double> nombreLocal(const QString& texte) {
    const QString t = texte.trimmed();
    QString c; // the number in the C locale's form
    c.reserve(t.size());
    qsizetype i = 0;
    const auto chiffres = [&] {
        const qsizetype debut = i;
        for (; i < t.size() && t[i] >= QLatin1Char('0') && t[i] <= QLatin1Char('9'); ++i)
            c += t[i];
        return i - debut;
    };
    const auto signe = [&] {
        if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
            c += t[i++];
    };
    signe();
    qsizetype n = chiffres();
    if (i < t.size() && (t[i] == QLatin1Char('.') || t[i] == QLatin1Char(','))) {
        c += QLatin1Char('.');
        ++i;
        n += chiffres();
    }
    if (n == 0)
        return std::nullopt;
    if (i < t.size() && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        c += QLatin1Char('e');
        ++i;
        signe();
        if (chiffres() == 0)
            return std::nullopt;
    }
    bool ok = false;
    const double v = c.toDouble(&ok);
    if (i != t.size() || !ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

} // namespace platform
