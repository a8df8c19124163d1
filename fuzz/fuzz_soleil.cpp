// The sun's arithmetic with any doubles: finite results within their ranges, or
// CalculError.

#include "fuzz_commun.h"
#include "solar/calculerror.h"
#include "solar/ephemeris.h"
#include "solar/sunposition.h"

namespace {

using fuzz::Texte;
using fuzz::Verifier;

template <typename F> void Essayer(F&& f) {
    try {
        f();
    } catch (const solar::CalculError&) {
    }
}

void Fini(double v, const std::string& quoi) {
    Verifier(std::isfinite(v), quoi + " returned " + Texte(v));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    fuzz::Lecteur lecteur(donnees, taille);
    double v[6];
    for (double& x : v)
        x = lecteur.Double();
    const std::string args = "(" + Texte(v[0]) + ", " + Texte(v[1]) + ", " + Texte(v[2]) + ", " +
                             Texte(v[3]) + ", " + Texte(v[4]) + ", " + Texte(v[5]) + ")";

    Essayer([&] {
        const double m = solar::Modulo360(v[0]);
        const std::string quoi = "Modulo360(" + Texte(v[0]) + ") = " + Texte(m);
        Verifier(m >= 0.0 && m <= 360.0, quoi);
        if (v[0] >= 0.0 && v[0] <= 360.0)
            Verifier(m == v[0], quoi);
        // Same angle: the difference is whole turns, up to the rounding of x.
        const double d = std::fmod(std::fabs(m - v[0]), 360.0);
        Verifier(std::min(d, 360.0 - d) <= 1e-9 + std::fabs(v[0]) * 1e-15, quoi);
    });
    Essayer([&] { Fini(solar::JourJulien(v[0], v[1], v[2]), "JourJulien" + args); });
    Essayer([&] {
        const double d = solar::DeclinaisonSoleil(v[0], v[1]);
        Fini(d, "DeclinaisonSoleil" + args);
        Verifier(std::fabs(d) <= 90.0, "DeclinaisonSoleil" + args + " = " + Texte(d));
    });
    Essayer([&] {
        const double eq = solar::EquationTemps(v[0]);
        Fini(eq, "EquationTemps" + args);
        // Within two centuries of 2000 it stays between -14.5 and +16.5 minutes.
        if (std::fabs(v[0] - 2451545.0) < 73050.0)
            Verifier(std::fabs(eq) < 17.0, "EquationTemps" + args + " = " + Texte(eq));
    });
    Essayer([&] {
        const solar::PositionSoleil p = solar::PosSoleil(v[0], v[1], v[2], v[3], v[4], v[5]);
        Verifier(std::isfinite(p.azimut) && std::isfinite(p.hauteur) && p.azimut >= 0.0 &&
                     p.azimut <= 360.0 && std::fabs(p.hauteur) <= 90.0,
                 "PosSoleil" + args + " = " + Texte(p.azimut) + ", " + Texte(p.hauteur));
    });
    return 0;
}
