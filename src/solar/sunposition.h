#pragma once

namespace solar {

// Altitude of the sun's centre (degrees, no refraction) when its upper edge touches the
// apparent horizon: refraction 34' and semi-diameter 16', as sunrise tables take them.
inline constexpr double HauteurLever = -50.0 / 60.0;
// Below this altitude (degrees) the plumb line's shadow is faint and broad.
inline constexpr double HauteurBasse = 5.0;

struct PositionSoleil {
    double azimut;  // degrees, 0 = north, 90 = east, 180 = south, 270 = west; 0 to 360
    double hauteur; // degrees above the horizon, negative below; no refraction
};

// Position of the sun's centre for the date read from the date lists (day and month as
// read, the year rounded half to even into a 16-bit integer), the universal time of day
// gmt (day fraction), the latitude lat (degrees, north positive) and the longitude lon
// (degrees, WEST positive).
// Throws CalculError for a year outside 16 bits (also after taking January and February
// as months 13 and 14 of the year before), for the sun exactly at the zenith, and at a
// latitude of +-90 degrees, where no azimuth exists. On the meridian the azimuth is 0 or
// 180 exactly.
PositionSoleil PosSoleil(double jour, double mois, double annee, double gmt, double lat,
                         double lon);

} // namespace solar
