#include "rapport/trace.h"

#include "platform/geometry.h"

Qt::PenStyle styleQt(int style, int largeur) {
    // Dashes and dots only at width 1: width 2 is for the rays and the wall, drawn solid.
    if (largeur > 1) {
        return Qt::SolidLine;
    }
    switch (style) {
    case 1:
        return Qt::DashLine;
    case 2:
        return Qt::DotLine;
    default:
        return Qt::SolidLine;
    }
}

bool EstMarque(const Primitive& p) {
    constexpr double RayonMarque = 4; // pixels
    return p.genre != Primitive::Genre::Ligne && p.rayon / platform::twipsParPixel < RayonMarque;
}
