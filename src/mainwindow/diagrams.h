#pragma once

#include <optional>

class Canvas;

// The azimuth view: the sky seen from above, north up, east right; the sun's direction
// from azp (degrees from north through east) and the wall from moy (declination,
// degrees from south, west positive; none draws no wall). Leaves the pen dashed,
// width 1.
void DessinerAzimut(Canvas& pic, double azp, std::optional<double> moy);

// The altitude view: a quarter protractor seen from the side, the sun's ray at altitude
// h (degrees, negative below the horizon). Leaves the pen solid, width 1.
void DessinerHauteur(Canvas& pic, double h);
