// The fixed formats with any double: a text is returned for finite values in range,
// CalculError otherwise, and the text reads back near the value.

#include "fuzz_commun.h"
#include "solar/calculerror.h"
#include "solar/constants.h"
#include "solar/observation.h"
#include "solar/textformat.h"

#include <functional>
#include <optional>

namespace {

using fuzz::Texte;
using fuzz::Verifier;

// f's text, or nullopt for CalculError. Each text is checked for "nan" and "inf" up to
// `finMesuree` characters from its end (the caller's word may hold anything).
std::optional<std::string> Appeler(const std::string& quoi, const std::function<std::string()>& f,
                                   std::size_t finMesuree = 0) {
    try {
        const std::string t = f();
        fuzz::SansNanNiInf(t.substr(0, t.size() - std::min(finMesuree, t.size())), quoi);
        return t;
    } catch (const solar::CalculError&) {
        return std::nullopt;
    }
}

// The digits-and-one-point text "-?\d*\.\d+" read back; nullopt for any other shape.
std::optional<double> Relire(std::string t, std::size_t minEntier, std::size_t decimales) {
    const std::size_t point = t.find('.');
    if (point == std::string::npos || t.size() - point - 1 != decimales)
        return std::nullopt;
    const std::size_t debut = !t.empty() && t[0] == '-' ? 1 : 0;
    if (point - debut < minEntier)
        return std::nullopt;
    for (std::size_t i = debut; i < t.size(); ++i)
        if (i != point && !(t[i] >= '0' && t[i] <= '9'))
            return std::nullopt;
    return std::strtod(t.c_str(), nullptr);
}

void VerifierFormat(const char* nom, std::string (*f)(double, std::string_view), double x,
                    std::size_t minEntier) {
    const std::string quoi = std::string(nom) + "(" + Texte(x) + ")";
    const auto texte = Appeler(quoi, [&] { return f(x, ","); });
    Verifier(texte.has_value() == std::isfinite(x), quoi + " threw or did not throw");
    if (!texte)
        return;
    std::string t = *texte;
    const std::size_t virgule = t.find(',');
    Verifier(virgule != std::string::npos, quoi + " has no separator: " + t);
    t[virgule] = '.';
    const std::optional<double> relu = Relire(t, minEntier, 2);
    Verifier(relu && std::fabs(*relu - x) <= 0.005 + std::fabs(x) * 1e-15,
             quoi + " wrote " + *texte);
    // No padding beyond the minimum, and no "-0,00".
    const std::size_t debut = t[0] == '-' ? 1 : 0;
    Verifier(virgule - debut <= minEntier || t[debut] != '0', quoi + " wrote " + *texte);
    Verifier(debut == 0 || *relu != 0.0, quoi + " wrote " + *texte);
    Verifier(Appeler(quoi, [&] { return f(x, "."); }) == t, quoi + " depends on the separator");
}

// Seconds of a text "HH<a>MM<b>SS" with two-digit fields; nullopt for any other shape.
std::optional<int> Secondes(std::string_view t, std::string_view a, std::string_view b) {
    const std::size_t taille = 6 + a.size() + b.size();
    if (t.size() < taille || t.substr(2, a.size()) != a || t.substr(4 + a.size(), b.size()) != b)
        return std::nullopt;
    const std::string_view champs[3] = {t.substr(0, 2), t.substr(2 + a.size(), 2),
                                        t.substr(4 + a.size() + b.size(), 2)};
    int valeurs[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        for (const char c : champs[i])
            if (c < '0' || c > '9')
                return std::nullopt;
        valeurs[i] = (champs[i][0] - '0') * 10 + (champs[i][1] - '0');
    }
    if (valeurs[0] > 23 || valeurs[1] > 59 || valeurs[2] > 59)
        return std::nullopt;
    return valeurs[0] * 3600 + valeurs[1] * 60 + valeurs[2];
}

// Whether s seconds show the attendu seconds, both taken modulo `tour`, to the second.
bool Proche(int s, double attendu, double tour) {
    const double d = std::fmod(std::fabs(s - std::fmod(attendu, tour)), tour);
    return std::min(d, tour - d) <= 0.5 + 1e-6 + attendu * 1e-15;
}

// The first four code points of a UTF-8 word.
std::string Debut4(std::string_view mot) {
    std::size_t i = 0;
    int vus = 0;
    for (; i < mot.size(); ++i)
        if ((static_cast<unsigned char>(mot[i]) & 0xC0) != 0x80 && vus++ == 4)
            break;
    return std::string(mot.substr(0, i));
}

void VerifierCarte(const char* nom, std::string (*f)(double), double x, bool septDecimales) {
    const std::string quoi = std::string(nom) + "(" + Texte(x) + ")";
    const auto texte = Appeler(quoi, [&] { return f(x); });
    Verifier(texte.has_value() == (std::isfinite(x) && std::fabs(x) < 2147483648.0),
             quoi + " threw or did not throw");
    if (!texte)
        return;
    const std::size_t point = texte->find('.');
    Verifier(point != std::string::npos, quoi + " wrote " + *texte);
    const std::size_t decimales = texte->size() - point - 1;
    Verifier(septDecimales ? decimales == 7 : decimales <= 7 && texte->back() != '0',
             quoi + " wrote " + *texte);
    const std::optional<double> relu = Relire(*texte, 1, decimales);
    Verifier(relu && std::fabs(*relu - x) <= 5e-8 + std::fabs(x) * 1e-15,
             quoi + " wrote " + *texte);
    Verifier((*texte)[0] != '-' || *relu != 0.0, quoi + " wrote " + *texte);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    fuzz::Lecteur lecteur(donnees, taille);
    const double x = lecteur.Double();
    const std::string mot(lecteur.Reste());

    VerifierFormat("Format00", solar::Format00, x, 2);
    VerifierFormat("FormatDiese0", solar::FormatDiese0, x, 1);
    VerifierFormat("FormatDiese", solar::FormatDiese, x, 0);
    const auto declinaison =
        Appeler("TexteDeclinaison", [&] { return solar::TexteDeclinaison(x, ","); });
    const auto format00 = Appeler("Format00", [&] { return solar::Format00(x, ","); });
    Verifier(declinaison == (format00 ? std::optional(*format00 + "\u00B0") : std::nullopt),
             "TexteDeclinaison(" + Texte(x) + ") is not Format00 with a degree sign");

    // Times of day: the seconds shown are those of |x|'s day fraction.
    const bool dansUneDate = std::isfinite(x) && std::fabs(x) < 2958466.0;
    const std::string quoi = "(" + Texte(x) + ")";
    if (const auto t = Appeler("TexteHeure" + quoi, [&] { return solar::TexteHeure(x); })) {
        const auto s = Secondes(*t, ".", ".");
        Verifier(t->size() == 8 && s && Proche(*s, std::fabs(x) * 86400.0, 86400.0),
                 "TexteHeure" + quoi + " wrote " + *t);
    } else {
        Verifier(!dansUneDate, "TexteHeure" + quoi + " threw");
    }
    if (const auto t =
            Appeler("TexteHeureDuJour" + quoi, [&] { return solar::TexteHeureDuJour(x); })) {
        const auto s = Secondes(*t, ".", ".");
        Verifier(t->size() == 8 && s && Proche(*s, (x - std::floor(x)) * 86400.0, 86400.0),
                 "TexteHeureDuJour" + quoi + " wrote " + *t);
    } else {
        Verifier(!dansUneDate, "TexteHeureDuJour" + quoi + " threw");
    }
    if (const auto t = Appeler(
            "TexteEquationTemps" + quoi, [&] { return solar::TexteEquationTemps(x, mot); },
            mot.size())) {
        const auto s = Secondes("00 h " + *t, " h ", " min ");
        Verifier(*t == t->substr(0, 9) + mot && s && Proche(*s, std::fabs(x) * 60.0, 3600.0),
                 "TexteEquationTemps" + quoi + " wrote " + *t);
    }
    const std::string fin = Debut4(mot) + ".";
    if (const auto t = Appeler(
            "TexteCorrectionLongitude" + quoi,
            [&] { return solar::TexteCorrectionLongitude(x, mot); }, fin.size())) {
        const auto s = Secondes(*t, " h ", " m ");
        Verifier(*t == t->substr(0, 12) + fin && s &&
                     Proche(*s, std::fabs(x) / solar::DegRad * 240.0, 86400.0),
                 "TexteCorrectionLongitude" + quoi + " wrote " + *t);
    }

    VerifierCarte("TexteLatitudeCarte", solar::TexteLatitudeCarte, x, true);
    VerifierCarte("TexteLongitudeCarte", solar::TexteLongitudeCarte, x, false);

    try {
        solar::MoyenneHorsLimites(x);
    } catch (const solar::CalculError&) {
    }
    return 0;
}
