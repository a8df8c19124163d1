#include "solar/observation.h"

#include "solar/calculerror.h"
#include "solar/constants.h"
#include "solar/textformat.h"

#include <charconv>
#include <string>

namespace solar {

double HeureSolaire(double gmt, double lambda, double eq) {
    // Four minutes of time per degree of longitude; all three terms as day fractions.
    return Fini(gmt - (lambda / DegRad * 4.0 / 60.0 / 24.0) - eq / 60.0 / 24.0, "HeureSolaire");
}

double DeclinaisonMur(double azp, double k) {
    double d = Fini(azp + k - 180.0, "DeclinaisonMur");
    // Half turns, each applied once at most, as the original program did.
    if (d > 180.0)
        d -= 180.0;
    if (d < -180.0)
        d += 180.0;
    return d;
}

std::optional<double> Moyenne(const std::vector<double>& valeurs) {
    if (valeurs.empty())
        return std::nullopt;
    double somme = 0.0;
    for (const double v : valeurs)
        somme += v;
    Fini(somme, "Moyenne");
    return somme / static_cast<double>(valeurs.size());
}

bool MoyenneHorsLimites(double moy) {
    // The average as shown, with a full stop so that it reads back exactly.
    const std::string texte = FormatDiese(moy, ".");
    double x = 0.0;
    std::from_chars(texte.data(), texte.data() + texte.size(), x);
    return x < -180.0 || x > 180.0;
}

} // namespace solar
