#pragma once

#include <QUrl>

namespace overlay {

// The satellite map page centred on the place: lat in degrees north positive, lon in
// degrees WEST positive (the main window's convention; the map wants east positive).
QUrl adresseCarte(double lat, double lon);

// The overlay's three captions in the language (1 French, 2 Spanish).
struct LegendesDroite {
    const char* transparence;
    const char* angle;
    const char* retour;
};
LegendesDroite legendesDroite(int langue);

} // namespace overlay
