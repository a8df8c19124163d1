#pragma once

#include "platform/langue.h"

#include <QUrl>

namespace overlay {

// The satellite map page centred on the place: lat in degrees north positive, lon in
// degrees WEST positive (the main window's convention; the map wants east positive).
QUrl adresseCarte(double lat, double lon);

// The overlay's texts in the language: the three captions, the name
// a screen reader gives the angle bar, and the words of the wall's declination beside the
// read-out (its caption and its name for screen readers).
struct LegendesDroite {
    const char* transparence;
    const char* angle;
    const char* retour;
    const char* nomAngle;
    const char* declinaison;
    const char* nomDeclinaison;
};
const LegendesDroite& legendesDroite(platform::Langue langue);

} // namespace overlay
