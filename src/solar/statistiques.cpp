#include "solar/statistiques.h"

#include "solar/calculerror.h"
#include "solar/observation.h"
#include "solar/sunposition.h"

#include <algorithm>
#include <cmath>

namespace solar {

namespace {

constexpr double SecondesJour = 86400.0;

bool Entre(double x, double bas, double haut) {
    return x >= bas && x <= haut; // false for a NaN
}

// Sample standard deviation of the wrapped deviations of values (at least two) from moy.
double EcartType(const std::vector<double>& valeurs, double moy) {
    double somme = 0.0;
    for (const double v : valeurs) {
        const double e = EcartAngle(moy, v);
        somme += e * e;
    }
    return std::sqrt(somme / static_cast<double>(valeurs.size() - 1));
}

bool SurLeCercle(const std::vector<double>& valeurs) {
    return std::all_of(valeurs.begin(), valeurs.end(),
                       [](double v) { return Entre(v, -180.0, 180.0); });
}

double AzimutA(const Lecture& l, double gmt) {
    return PosSoleil(l.jour, l.mois, l.annee, gmt, l.lat, l.lon).azimut;
}

} // namespace

// ---- Sensitivity to the clock ----

Sensibilite SensibiliteHorloge(const Lecture& l) {
    const double pas = 30.0 / SecondesJour;
    // Azimuths are within 0..360: one turn brings their difference across 0/360.
    const double parMinute = EcartAngle(AzimutA(l, l.gmt - pas), AzimutA(l, l.gmt + pas));
    return {parMinute, std::fabs(parMinute) > SeuilFragile};
}

// ---- Spread of the ticked declinations ----

std::optional<Statistiques> StatistiquesCercle(const std::vector<double>& valeurs) {
    if (valeurs.empty() || !SurLeCercle(valeurs))
        return std::nullopt;
    const std::optional<double> moyenne = Moyenne(valeurs);
    if (!moyenne)
        return std::nullopt;
    Statistiques s{static_cast<int>(valeurs.size()), *moyenne, std::nullopt};
    if (valeurs.size() < 2)
        return s;
    double bas = 0.0;
    double haut = 0.0;
    for (const double v : valeurs) {
        const double e = EcartAngle(s.moyenne, v);
        bas = std::min(bas, e);
        haut = std::max(haut, e);
    }
    const double et = EcartType(valeurs, s.moyenne);
    s.dispersion = Dispersion{et, et / std::sqrt(static_cast<double>(valeurs.size())), haut - bas};
    return s;
}

// ---- Readings that disagree ----

std::vector<Aberration> ValeursAberrantes(const std::vector<double>& valeurs) {
    std::vector<Aberration> resultat;
    if (valeurs.size() < 3 || !SurLeCercle(valeurs))
        return resultat;
    for (std::size_t i = 0; i < valeurs.size(); ++i) {
        std::vector<double> autres = valeurs;
        autres.erase(autres.begin() + static_cast<std::ptrdiff_t>(i));
        Aberration a{};
        const std::optional<double> moyenne = Moyenne(autres);
        if (!moyenne) // the others describe no one wall: nothing to compare with
            return {};
        a.moyenneAutres = *moyenne;
        a.ecartTypeAutres = EcartType(autres, a.moyenneAutres);
        a.bande = std::max(3.0 * a.ecartTypeAutres, 1.0);
        a.distance = EcartAngle(a.moyenneAutres, valeurs[i]);
        a.aberrante = std::fabs(a.distance) > a.bande;
        resultat.push_back(a);
    }
    return resultat;
}

// ---- An hour's slip ----

std::optional<GlissementHeure> GlissementHoraire(const Lecture& l, const Aberration& a) {
    std::optional<GlissementHeure> meilleur;
    double plusPres = 0.0;
    for (const int heures : {+1, -1}) {
        const double d = DeclinaisonMur(AzimutA(l, l.gmt + heures / 24.0), 90.0 - l.angle);
        const double ecart = std::fabs(EcartAngle(a.moyenneAutres, d));
        if (ecart <= a.bande && (!meilleur || ecart < plusPres)) {
            meilleur = GlissementHeure{heures, d};
            plusPres = ecart;
        }
    }
    return meilleur;
}

} // namespace solar
