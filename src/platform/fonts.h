#pragma once

#include <QFont>
#include <QString>

namespace platform {

// Maps the designed font families to ones Debian ships; call once at start-up.
void substituerPolices();

// A font of the designed family and size in points.
QFont police(const QString& famille, double points, bool gras = false, bool souligne = false);

} // namespace platform
