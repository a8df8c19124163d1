#include "solar/ephemeris.h"

#include "solar/calculerror.h"
#include "solar/constants.h"

#include <cmath>
#include <cstdint>
#include <limits>

// The low-accuracy solar theory referred to 1900 January 0.5 of Meeus, "Astronomical
// Formulae for Calculators"; the equation of time is Smart's series in y = tan^2(eps/2).

namespace solar {

float HeureGMT(int heures, int minutes, int secondes) {
    // Summed in double, then narrowed once: 23:59:59 stays below 24.
    return static_cast<float>(heures + minutes / 60.0 + secondes / 3600.0);
}

double SiecleJulien(double jd) {
    return Fini((jd - Epoque1900) / JoursSiecle, "SiecleJulien");
}

double Modulo360(double x) {
    Fini(x, "Modulo360");
    if (x >= 0.0 && x <= 360.0)
        return x;
    const double n = std::floor(x);
    if (n < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
        n > static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        throw CalculError("Modulo360: angle beyond a 32-bit integer");
    const double f = x - n;
    double q = n / 360.0;
    q = q - std::floor(q);
    return q * 360.0 + f;
}

double EquationTemps(double jd) {
    const double t = SiecleJulien(jd);
    const double t2 = std::pow(t, 2.0);
    const double t3 = std::pow(t, 3.0);
    double l = Modulo360(279.69668 + 36000.76892 * t + 0.0003025 * t2);
    double m = Modulo360(358.47583 + 35999.04975 * t - 0.00015 * t2 - 0.0000033 * t3);
    const double e = 0.01675104 - 0.0000418 * t - 0.000000126 * t2;
    double eps = 23.452294 - 0.0130125 * t - 0.00000164 * t2 + 0.000000503 * t3;

    const double rad = Pi / 180.0;
    l *= rad;
    m *= rad;
    eps *= rad;

    const double tg = std::tan(eps / 2.0);
    const double y = tg * tg;
    // Radians of hour angle.
    const double eqt = -y * std::sin(2.0 * l) + 2.0 * e * std::sin(m) -
                       4.0 * e * y * std::sin(m) * std::cos(2.0 * l) +
                       (5.0 / 4.0) * e * e * std::sin(2.0 * m) + 0.5 * y * y * std::sin(4.0 * l);
    // Radians to degrees, degrees to hours (15 per hour), hours to minutes.
    return Fini(eqt * (180.0 / Pi) / 15.0 * 60.0, "EquationTemps");
}

double JourJulien(double jour, double mois, double annee) {
    if (mois < 3.0) {
        mois += 12.0;
        annee -= 1.0;
    }
    double jd = std::trunc(365.25 * annee) + std::trunc(30.6001 * (mois + 1.0)) + jour + 1720994.5;
    // 1582.10145: the last Julian date, 1582 October 4, in the form Y + M/100 + D/10000.
    if (annee + mois / 100.0 + jour / 10000.0 > 1582.10145) {
        const double a = std::trunc(annee / 100.0);
        jd += 2.0 - a + std::trunc(a / 4.0);
    }
    return Fini(jd, "JourJulien");
}

SoleilApparent SoleilApparentEn(double t) {
    Fini(t, "SoleilApparent");
    const double m = 358.47583 + 35999.04975 * t; // mean anomaly
    const double eps = 23.452294 - 0.01301 * t;
    // Mean longitude plus the equation of the centre, less the constant part of the
    // aberration and nutation (-0.00569).
    const double lambda = (1.919 - 0.004789 * t) * std::sin(m * DegRad) +
                          (279.69668 + 36000.76892 * t) + 0.020094 * std::sin((m + m) * DegRad) -
                          0.00569;
    Fini(lambda, "SoleilApparent");
    const double s = std::sin(lambda * DegRad) * std::sin(eps * DegRad);
    const double radicande = 1.0 - s * s;
    if (!(radicande > 0.0))
        throw CalculError("SoleilApparent: declination of +-90 degrees");
    const double delta = std::atan(s / std::sqrt(radicande)) / DegRad;
    return {lambda, eps, Fini(delta, "SoleilApparent")};
}

double DeclinaisonSoleil(double jd0, double gmt) {
    const double t = (jd0 - Epoque1900) / JoursSiecle + gmt / JoursSiecle;
    return SoleilApparentEn(t).declinaison;
}

} // namespace solar
