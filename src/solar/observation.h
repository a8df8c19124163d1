#pragma once

#include <optional>
#include <vector>

namespace solar {

// Apparent solar time of the place (day fraction) from the universal time gmt (day
// fraction), the longitude lambda (radians, WEST positive, as 0.017453292 times degrees)
// and the equation of time eq (minutes, mean minus apparent).
double HeureSolaire(double gmt, double lambda, double eq);

// Declination of a wall, degrees from south, west positive, from the sun's azimuth azp
// (degrees from north through east) and k = 90 - the angle read on the protractor.
// The scale reads from the wall's right-hand end (seen facing the wall) toward the sun, so
// the wall's outward normal has the azimuth azp + 90 - a and D = azp + k - 180, brought
// into -180..180 by a full turn (a direction is defined modulo 360): 180 stays 180.
double DeclinaisonMur(double azp, double k);

// b - a as an angle, degrees, brought into -180..180 by a full turn (each of a and b
// within -180..180 needs one turn at most); a half turn either way is left as it is.
double EcartAngle(double a, double b);

// Average of the numbers of the ticked lines (a line that holds no number is left out by
// the caller); nullopt when there is none. Wall declinations are directions: when every
// value lies within -180..180 they are averaged on the circle, whatever their order: each
// is brought within 180 of their circular mean direction (the direction of the sum of their
// unit vectors), those are averaged and the mean brought back into -180..180 (180 kept as
// 180), so 179.5 and -179.5 give 180, not 0. Values that need no turn give the plain mean,
// to the last bit. nullopt too when they describe no one wall: the mean unit vector's
// length is 0.5 or less (90 and -90; 0, 120 and -120). A value outside -180..180 (typed by
// hand) makes it the plain mean of all. Throws CalculError when the sum overflows.
std::optional<double> Moyenne(const std::vector<double>& valeurs);

// Whether an average, as shown with two decimals, is outside -180..180.
bool MoyenneHorsLimites(double moy);

// A wall's orientation as words say it, from its declination d (degrees from south, west
// positive, within -180..180) rounded to the hundredth as the result shows it. A face
// within 90 of south is counted from south, beyond from north.
struct OrientationMur {
    enum class Sens {
        PleinSud,
        PleinOuest,
        PleinNord,
        PleinEst,
        EstDuSud,
        OuestDuSud,
        EstDuNord,
        OuestDuNord
    };
    Sens sens;
    double ecart;  // degrees from south or north, 0 for a face due one way, hundredths
    double azimut; // the face's azimuth, degrees from north through east, 0..360, hundredths
};
OrientationMur Orientation(double d);

// Whether the computer's UTC offset (seconds, east positive) is more than 3 hours from the
// place's mean solar time (UTC - lonOuest / 15 hours; lonOuest in degrees, west positive),
// the difference taken round the day: UTC+14 at 150 degrees west is 24 - 4 hours away, 4.
// False when the longitude is not a number.
bool FuseauEloigne(int decalage, double lonOuest);

} // namespace solar
