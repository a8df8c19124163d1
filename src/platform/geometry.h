#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

namespace platform {

// Layouts are designed in twips (1/1440 inch); 15 twips make one logical pixel.
// Qt's high-DPI scaling takes logical pixels to the screen.
constexpr double twipsParPixel = 15.0;

constexpr int px(double twips) {
    return static_cast<int>(twips / twipsParPixel + (twips < 0 ? -0.5 : 0.5));
}
inline QRect rectTw(double left, double top, double width, double height) {
    return QRect(px(left), px(top), px(width), px(height));
}
inline QPoint pointTw(double x, double y) {
    return QPoint(px(x), px(y));
}
inline QSize sizeTw(double w, double h) {
    return QSize(px(w), px(h));
}

} // namespace platform
