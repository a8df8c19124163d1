#include "solar/ajustement.h"

#include "solar/calculerror.h"
#include "solar/observation.h"
#include "solar/sunposition.h"

#include <algorithm>
#include <cmath>

namespace solar {

namespace {

constexpr double SecondesJour = 86400.0;
constexpr double PasMax = 900.0;     // largest step of the fit, s
constexpr double PasFin = 1e-4;      // the fit stops under this step, s
constexpr int EtapesMax = 60;        // a start that has not stopped by then fails
constexpr double DemiPasTaux = 30.0; // centred difference of the rate, s
constexpr double PasPlan = 300.0;    // planner's step, s

PositionSoleil Soleil(const Lecture& l, double secondes) {
    return PosSoleil(l.jour, l.mois, l.annee, l.gmt + secondes / SecondesJour, l.lat, l.lon);
}

// Rate of the sun's azimuth at the reading's instant moved by `secondes`, degrees per second.
double Taux(const Lecture& l, double secondes) {
    const double avant = Soleil(l, secondes - DemiPasTaux).azimut;
    const double apres = Soleil(l, secondes + DemiPasTaux).azimut;
    return EcartAngle(avant, apres) / (2.0 * DemiPasTaux);
}

double DeclinaisonA(const Lecture& l, double secondes) {
    return DeclinaisonMur(Soleil(l, secondes).azimut, 90.0 - l.angle);
}

// Sum of (x - mean x)^2.
double SommeCarres(const std::vector<double>& x) {
    double moyenne = 0;
    for (const double v : x)
        moyenne += v;
    moyenne /= static_cast<double>(x.size());
    double s = 0;
    for (const double v : x)
        s += (v - moyenne) * (v - moyenne);
    return Fini(s, "AjusterHorloge");
}

// 0.25 / sqrt(S_rho,rho), or nullopt when the rates are all alike.
std::optional<double> Se0(const std::vector<double>& taux) {
    const double s = SommeCarres(taux);
    if (!(s > 0.0))
        return std::nullopt;
    const double se = ErreurLecture / std::sqrt(s);
    return std::isfinite(se) ? std::optional<double>(se) : std::nullopt;
}

struct Solution {
    double delta, declinaison, sommeResidus, residuMax, srr, tauxMoyen;
};

// The fit from one start; CalculError when a step has no result or it does not settle.
Solution Ajuster(const std::vector<Lecture>& lectures, double delta) {
    const auto n = lectures.size();
    std::vector<double> d(n);
    std::vector<double> taux(n);
    for (int etape = 0;; ++etape) {
        if (etape == EtapesMax)
            throw CalculError("AjusterHorloge: no convergence");
        double tm = 0;
        double em = 0;
        for (std::size_t i = 0; i < n; ++i) {
            d[i] = DeclinaisonA(lectures[i], delta);
            taux[i] = Taux(lectures[i], delta);
            tm += taux[i];
            em += EcartAngle(d[0], d[i]);
        }
        tm /= static_cast<double>(n);
        em /= static_cast<double>(n);
        double srr = 0;
        double sre = 0;
        for (std::size_t i = 0; i < n; ++i) {
            srr += (taux[i] - tm) * (taux[i] - tm);
            sre += (taux[i] - tm) * (EcartAngle(d[0], d[i]) - em);
        }
        if (!(srr > 0.0))
            throw CalculError("AjusterHorloge: rates all alike");
        const double pas = std::clamp(Fini(-sre / srr, "AjusterHorloge"), -PasMax, PasMax);
        delta += pas;
        if (std::fabs(pas) < PasFin)
            break;
    }
    Solution s{delta, 0, 0, 0, 0, 0};
    for (std::size_t i = 0; i < n; ++i) {
        d[i] = DeclinaisonA(lectures[i], delta);
        taux[i] = Taux(lectures[i], delta);
        s.tauxMoyen += taux[i] / static_cast<double>(n);
    }
    s.srr = SommeCarres(taux);
    if (!(s.srr > 0.0))
        throw CalculError("AjusterHorloge: rates all alike");
    const std::optional<double> moyenne = Moyenne(d);
    if (!moyenne)
        throw CalculError("AjusterHorloge: declinations too far apart");
    s.declinaison = *moyenne;
    for (const double di : d) {
        const double r = EcartAngle(s.declinaison, di);
        s.sommeResidus += r * r;
        s.residuMax = std::max(s.residuMax, std::fabs(r));
    }
    return s;
}

bool MemeLieu(const Lecture& a, const Lecture& b) {
    return std::fabs(a.lat - b.lat) <= 1e-9 && std::fabs(a.lon - b.lon) <= 1e-9;
}

} // namespace

std::optional<AjustementHorloge> AjusterHorloge(const std::vector<Lecture>& lectures) {
    if (lectures.size() < 3)
        return std::nullopt;
    for (const Lecture& l : lectures)
        if (!MemeLieu(l, lectures.front()))
            return std::nullopt;

    AjustementHorloge a;
    a.nombre = static_cast<int>(lectures.size());
    std::optional<double> se0;
    try {
        std::vector<double> taux;
        for (const Lecture& l : lectures)
            taux.push_back(Taux(l, 0.0));
        se0 = Se0(taux);
    } catch (const CalculError&) {
    }
    if (!se0 || *se0 > Se0SansAjustement) {
        a.se0 = se0.value_or(-1.0);
        return a;
    }
    a.se0 = *se0;

    std::optional<Solution> meilleure;
    for (const double depart : {0.0, 3600.0, -3600.0}) {
        try {
            const Solution s = Ajuster(lectures, depart);
            if (!meilleure || s.sommeResidus < meilleure->sommeResidus)
                meilleure = s;
        } catch (const CalculError&) {
        }
    }
    if (!meilleure)
        return a;

    const double n = static_cast<double>(lectures.size());
    const Solution& s = *meilleure;
    a.ajuste = true;
    a.delta = s.delta;
    a.declinaison = s.declinaison;
    a.sigma = std::max(std::sqrt(s.sommeResidus / (n - 2.0)), ErreurLecture);
    a.erreurDelta = a.sigma / std::sqrt(s.srr);
    a.erreurDeclinaison = a.sigma * std::sqrt(1.0 / n + s.tauxMoyen * s.tauxMoyen / s.srr);
    a.residuMax = s.residuMax;
    if (!std::isfinite(a.erreurDelta) || !std::isfinite(a.erreurDeclinaison)) {
        a.ajuste = false;
        return a;
    }

    const bool determinee =
        a.erreurDelta <= SeDeterminee && a.residuMax <= std::max(3.0 * a.sigma, 1.0);
    const double ecart = std::fabs(a.delta);
    if (!determinee || ecart > 5400.0)
        a.verdict = VerdictHorloge::NonDeterminee;
    else if (ecart >= 1800.0)
        a.verdict = VerdictHorloge::DecalageHeure;
    else if (ecart >= 3.0 * a.erreurDelta)
        a.verdict = VerdictHorloge::Corrigee;
    else
        a.verdict = VerdictHorloge::Controlee;
    return a;
}

ConseilHorloge PlanifierMesure(const std::vector<Lecture>& lectures, int jour, int mois, int annee,
                               int decalage, double declinaison, double depuis) {
    ConseilHorloge conseil;
    if (lectures.empty())
        return conseil;
    std::vector<double> taux;
    try {
        for (const Lecture& l : lectures)
            taux.push_back(Taux(l, 0.0));
    } catch (const CalculError&) {
        return conseil;
    }
    const Lecture& lieu = lectures.front();
    double meilleur = 0;
    taux.push_back(0);
    for (double s = 0; s < SecondesJour; s += PasPlan) {
        // A reading at local time s on that date.
        Lecture l = lieu;
        l.jour = jour;
        l.mois = mois;
        l.annee = annee;
        l.gmt = (s - decalage) / SecondesJour;
        try {
            const PositionSoleil p = Soleil(l, 0.0);
            // Angle on the protractor for this wall: a = Az - 90 - D, taken into 0..360.
            const double angle =
                std::fmod(std::fmod(p.azimut - 90.0 - declinaison, 360.0) + 360.0, 360.0);
            if (p.hauteur <= 0.0 || angle > 180.0)
                continue;
            taux.back() = Taux(l, 0.0);
            const std::optional<double> se = Se0(taux);
            if (!se || *se >= SeDeterminee)
                continue;
            conseil.possibleCeJour = true;
            if (s / SecondesJour >= depuis && (!conseil.heureLocale || *se < meilleur)) {
                conseil.heureLocale = s / SecondesJour;
                meilleur = *se;
            }
        } catch (const CalculError&) {
        }
    }
    return conseil;
}

} // namespace solar
