#pragma once

#include <QIcon>
#include <QString>

namespace platform {

// The icon drawn by ":/images/<nom>.svg". The sizes the windows show at start are answered
// from images drawn at build time with the same pixels (":/icones/<nom>-<w>x<h>.argb"), so
// that the SVG is read only if something asks for another size or a disabled or active look.
QIcon icone(const QString& nom);

} // namespace platform
