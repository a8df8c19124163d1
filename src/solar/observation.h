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
// D = azp + k - 180, then a half turn back when it leaves -180..180: 180 stays 180.
double DeclinaisonMur(double azp, double k);

// Average of the numbers of the ticked lines (a line that holds no number is left out by
// the caller); nullopt when there is none. Throws CalculError when the sum overflows.
std::optional<double> Moyenne(const std::vector<double>& valeurs);

// Whether an average, as shown with two decimals, is outside -180..180.
bool MoyenneHorsLimites(double moy);

} // namespace solar
