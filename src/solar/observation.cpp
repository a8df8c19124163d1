#include "solar/observation.h"

#include "solar/calculerror.h"
#include "solar/constants.h"
#include "solar/textformat.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>

namespace solar {

double HeureSolaire(double gmt, double lambda, double eq) {
    // Four minutes of time per degree of longitude; all three terms as day fractions.
    return Fini(gmt - (lambda / DegRad * 4.0 / 60.0 / 24.0) - eq / 60.0 / 24.0, "HeureSolaire");
}

double DeclinaisonMur(double azp, double k) {
    double d = Fini(azp + k - 180.0, "DeclinaisonMur");
    // azp in 0..360 and a reading in 0..180 need one turn at most.
    if (d > 180.0)
        d -= 360.0;
    if (d < -180.0)
        d += 360.0;
    return d;
}

double EcartAngle(double a, double b) {
    double e = Fini(b - a, "EcartAngle");
    if (e > 180.0)
        e -= 360.0;
    if (e < -180.0)
        e += 360.0;
    return e;
}

std::optional<double> Moyenne(const std::vector<double>& valeurs) {
    if (valeurs.empty())
        return std::nullopt;
    const auto n = static_cast<double>(valeurs.size());
    double somme = 0.0;
    bool surLeCercle = true;
    for (const double v : valeurs) {
        somme += v;
        surLeCercle = surLeCercle && v >= -180.0 && v <= 180.0;
    }
    Fini(somme, "Moyenne");
    if (!surLeCercle)
        return somme / n;
    // Circular mean direction: the direction of the sum of the unit vectors.
    double x = 0.0;
    double y = 0.0;
    for (const double v : valeurs) {
        x += std::cos(v * std::numbers::pi / 180.0);
        y += std::sin(v * std::numbers::pi / 180.0);
    }
    // A mean vector of length 0.5 or less: two directions 120 degrees or more apart, or
    // three spread round the circle. The margin keeps 0 and 120 (0.5 in exact arithmetic)
    // on the side of no average.
    if (std::hypot(x, y) / n <= 0.5 + 1e-12)
        return std::nullopt;
    const double direction = std::atan2(y, x) * 180.0 / std::numbers::pi;
    double tournes = 0.0;
    bool tour = false;
    for (const double v : valeurs) {
        double w = v;
        if (w - direction > 180.0)
            w -= 360.0;
        else if (w - direction < -180.0)
            w += 360.0;
        tour = tour || w != v;
        tournes += w;
    }
    if (!tour)
        return somme / n;
    double m = tournes / n;
    if (m > 180.0)
        m -= 360.0;
    if (m < -180.0)
        m += 360.0;
    return m;
}

OrientationMur Orientation(double d) {
    using Sens = OrientationMur::Sens;
    const long long c = std::llround(d * 100); // hundredths of a degree
    // South is 180, west 270.
    const double azimut = static_cast<double>(((18000 + c) % 36000 + 36000) % 36000) / 100;
    const long long a = std::llabs(c);
    if (a == 0)
        return {Sens::PleinSud, 0, azimut};
    if (a == 18000)
        return {Sens::PleinNord, 0, azimut};
    if (a == 9000)
        return {c > 0 ? Sens::PleinOuest : Sens::PleinEst, 0, azimut};
    if (a < 9000)
        return {c > 0 ? Sens::OuestDuSud : Sens::EstDuSud, static_cast<double>(a) / 100, azimut};
    return {c > 0 ? Sens::OuestDuNord : Sens::EstDuNord, static_cast<double>(18000 - a) / 100,
            azimut};
}

bool FuseauEloigne(int decalage, double lonOuest) {
    const double ecart = std::remainder(decalage / 3600.0 + lonOuest / 15, 24.0);
    return std::isfinite(ecart) && std::abs(ecart) > 3;
}

bool MoyenneHorsLimites(double moy) {
    // The average as shown, with a full stop so that it reads back exactly.
    const std::string texte = FormatDiese(moy, ".");
    double x = 0.0;
    std::from_chars(texte.data(), texte.data() + texte.size(), x);
    return x < -180.0 || x > 180.0;
}

} // namespace solar
