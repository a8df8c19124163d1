#include "platform/fonts.h"

namespace platform {

void substituerPolices() {
    const QString sans = QStringLiteral("Liberation Sans");
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitution(QStringLiteral("Microsoft Sans Serif"), sans);
    QFont::insertSubstitution(QStringLiteral("Arial"), sans);
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
}

QFont police(const QString& famille, double points, bool gras, bool souligne) {
    // The substitute's own name spares fontconfig a lookup of the designed family, which
    // the system does not have, at every font made.
    QFont f(QFont::substitute(famille));
    f.setPointSizeF(points);
    f.setBold(gras);
    f.setUnderline(souligne);
    return f;
}

} // namespace platform
