#include "solar/sunposition.h"

#include "solar/calculerror.h"
#include "solar/constants.h"
#include "solar/ephemeris.h"

#include <cmath>

namespace solar {

namespace {

// The year as a 16-bit integer conversion takes it: rounded half to even.
int AnneeSeizeBits(double annee) {
    Fini(annee, "PosSoleil");
    const double arrondie = std::nearbyint(annee); // default mode: to nearest, ties to even
    if (arrondie < -32768.0 || arrondie > 32767.0)
        throw CalculError("PosSoleil: year beyond a 16-bit integer");
    return static_cast<int>(arrondie);
}

} // namespace

PositionSoleil PosSoleil(double jour, double mois, double annee, double gmt, double lat,
                         double lon) {
    const int y = AnneeSeizeBits(annee);
    // January and February are months 13 and 14 of the year before.
    if (mois < 3.0 && y == -32768)
        throw CalculError("PosSoleil: year beyond a 16-bit integer");
    const double jd = JourJulien(jour, mois, y);

    const double t0 = (jd - Epoque1900) / JoursSiecle;
    const double t = t0 + gmt / JoursSiecle;
    const double ut = 24.0 * gmt; // hours

    // Greenwich mean sidereal time, hours. Meeus, "Astronomical Formulae for Calculators",
    // sidereal time at Greenwich: 6.6460656 + 2400.051262 T0 + 0.00002581 T0^2 at 0 h UT (T0
    // in Julian centuries from 1900 January 0.5), plus 1.002737908 sidereal hours per hour
    // of UT. The T0^2 term (0.1 s in 2000) is left out and the rate rounded to 1.0027389
    // (under 0.1 s by the end of a day).
    double theta = 6.6460656 + 2400.051262 * t0 + 1.0027389 * ut;
    theta = theta - 24.0 * std::floor(theta / 24.0);

    const SoleilApparent soleil = SoleilApparentEn(t);
    const double lambda = soleil.longitude * DegRad;
    const double eps = soleil.obliquite * DegRad;
    const double delta = soleil.declinaison * DegRad;

    // Right ascension, degrees, in the quadrant of the longitude.
    double alpha = std::atan(std::cos(eps) * std::tan(lambda)) / DegRad;
    if (std::cos(lambda) < 0.0)
        alpha += 180.0;

    // Hour angle of the place, degrees west of the meridian (longitude west positive).
    double g = 15.0 * theta - alpha;
    g = g - 360.0 * std::floor(g / 360.0);
    double h = Fini(g - lon, "PosSoleil");
    if (h < 0.0)
        h += 360.0;
    if (h > 360.0)
        h -= 360.0;

    Fini(lat, "PosSoleil");
    if (std::fabs(lat) >= 90.0)
        throw CalculError("PosSoleil: no azimuth at a pole");
    const double phi = lat * DegRad;
    const double ha = h * DegRad;

    const double s =
        std::sin(delta) * std::sin(phi) + std::cos(phi) * std::cos(delta) * std::cos(ha);
    const double radicande = 1.0 - s * s;
    if (!(radicande > 0.0))
        throw CalculError("PosSoleil: sun at the zenith");
    const double hauteur = Fini(std::atan(s / std::sqrt(radicande)) / DegRad, "PosSoleil");

    const double hr = hauteur * DegRad;
    const double diviseur = std::cos(hr) * std::cos(phi);
    if (diviseur == 0.0)
        throw CalculError("PosSoleil: no azimuth");
    const double c = Fini((std::sin(delta) - std::sin(hr) * std::sin(phi)) / diviseur, "PosSoleil");

    // On the meridian rounding can put |c| at or a hair above 1.
    double a;
    if (c >= 1.0)
        a = 0.0;
    else if (c <= -1.0)
        a = 180.0;
    else
        a = std::acos(c) / DegRad;

    // Hour angle below 180: the sun is west of the meridian.
    const double azimut = h < 180.0 ? 360.0 - a : a;
    return {Fini(azimut, "PosSoleil"), hauteur};
}

} // namespace solar
