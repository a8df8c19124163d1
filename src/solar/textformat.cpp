#include "solar/textformat.h"

#include "solar/calculerror.h"
#include "solar/constants.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace solar {

namespace {

// ---- Reading numbers ----

bool EstBlanc(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool EstChiffre(char c) {
    return c >= '0' && c <= '9';
}

// The leading number of a text, blanks skipped anywhere in it: earlier versions read the
// place fields and the settings file so, and a file they wrote must read the same.
// With virguleAussi a comma is a decimal separator too; only the first separator counts.
// nullopt when the text does not start with a number.
std::optional<double> LireNombreEnTete(std::string_view texte, bool virguleAussi) {
    std::size_t i = 0;
    auto suivant = [&]() -> char {
        while (i < texte.size() && EstBlanc(texte[i]))
            ++i;
        return i < texte.size() ? texte[i] : '\0';
    };

    bool negatif = false;
    char c = suivant();
    if (c == '+' || c == '-') {
        negatif = c == '-';
        ++i;
        c = suivant();
    }

    std::string entier;
    std::string fraction;
    while (EstChiffre(c)) {
        entier += c;
        ++i;
        c = suivant();
    }
    if (c == '.' || (virguleAussi && c == ',')) {
        ++i;
        c = suivant();
        while (EstChiffre(c)) {
            fraction += c;
            ++i;
            c = suivant();
        }
    }
    if (entier.empty() && fraction.empty())
        return std::nullopt;

    // Exponent: E or D, optional sign, digits; "1e" alone is 1.
    long long exposant = 0;
    if (c == 'e' || c == 'E' || c == 'd' || c == 'D') {
        ++i;
        c = suivant();
        bool exposantNegatif = false;
        if (c == '+' || c == '-') {
            exposantNegatif = c == '-';
            ++i;
            c = suivant();
        }
        while (EstChiffre(c)) {
            // Kept bounded: beyond this the value is zero or overflows anyway.
            if (exposant < 100000000)
                exposant = exposant * 10 + (c - '0');
            ++i;
            c = suivant();
        }
        if (exposantNegatif)
            exposant = -exposant;
    }

    // Position of the first significant digit, as a power of ten, to tell an underflow
    // (the value is 0) from an overflow.
    long long ordre = 0;
    bool zero = true;
    const std::size_t premier = entier.find_first_not_of('0');
    if (premier != std::string::npos) {
        ordre = static_cast<long long>(entier.size() - premier) - 1;
        zero = false;
    } else {
        const std::size_t premierFraction = fraction.find_first_not_of('0');
        if (premierFraction != std::string::npos) {
            ordre = -static_cast<long long>(premierFraction) - 1;
            zero = false;
        }
    }
    if (zero)
        return negatif ? -0.0 : 0.0;
    ordre += exposant;
    if (ordre < -400)
        return negatif ? -0.0 : 0.0;
    if (ordre > 400)
        throw CalculError("Val: number too large");

    const std::string nombre = (entier.empty() ? std::string("0") : entier) + "." +
                               (fraction.empty() ? std::string("0") : fraction) + "e" +
                               std::to_string(exposant);
    double valeur = 0.0;
    const std::errc erreur =
        std::from_chars(nombre.data(), nombre.data() + nombre.size(), valeur).ec;
    if (erreur == std::errc::result_out_of_range) {
        if (ordre < 0)
            return negatif ? -0.0 : 0.0;
        throw CalculError("Val: number too large");
    }
    if (erreur != std::errc())
        throw CalculError("Val: unreadable number");
    return Fini(negatif ? -valeur : valeur, "Val");
}

std::string_view SansBlancs(std::string_view texte) {
    while (!texte.empty() && EstBlanc(texte.front()))
        texte.remove_prefix(1);
    while (!texte.empty() && EstBlanc(texte.back()))
        texte.remove_suffix(1);
    return texte;
}

// ---- Fixed formats ----

// |x| rounded half away from zero to two decimals, as decimal digits: the integer part
// without leading zeros (possibly empty) and the two decimals. The decimal digits are
// those of the shortest text that reads back as x, so 0.125 and 1.005 round up as
// written.
struct Centiemes {
    bool negatif;
    std::string entier;
    std::string decimales;
};

Centiemes ArrondirCentiemes(double x) {
    Fini(x, "Format");
    // Fixed notation of the smallest subnormal needs some 330 characters.
    std::array<char, 1100> tampon{};
    const auto [fin, erreur] = std::to_chars(tampon.data(), tampon.data() + tampon.size(),
                                             std::fabs(x), std::chars_format::fixed);
    if (erreur != std::errc())
        throw CalculError("Format: number cannot be written");
    const std::string_view texte(tampon.data(), static_cast<std::size_t>(fin - tampon.data()));

    const std::size_t point = texte.find('.');
    std::string chiffres(texte.substr(0, point)); // integer digits
    std::string fraction(point == std::string_view::npos ? std::string_view()
                                                         : texte.substr(point + 1));
    fraction.resize(3, '0');
    chiffres += fraction.substr(0, 2); // integer and two decimals: a count of hundredths
    if (fraction[2] >= '5') {
        std::size_t j = chiffres.size();
        while (j > 0 && chiffres[j - 1] == '9') {
            chiffres[j - 1] = '0';
            --j;
        }
        if (j == 0)
            chiffres.insert(chiffres.begin(), '1');
        else
            ++chiffres[j - 1];
    }

    Centiemes resultat;
    resultat.decimales = chiffres.substr(chiffres.size() - 2);
    resultat.entier = chiffres.substr(0, chiffres.size() - 2);
    const std::size_t significatif = resultat.entier.find_first_not_of('0');
    resultat.entier.erase(0, significatif == std::string::npos ? resultat.entier.size()
                                                               : significatif);
    resultat.negatif = x < 0.0 && !(resultat.entier.empty() && resultat.decimales == "00");
    return resultat;
}

std::string Formater(double x, std::string_view separateur, std::size_t chiffresMinimum) {
    Centiemes c = ArrondirCentiemes(x);
    if (c.entier.size() < chiffresMinimum)
        c.entier.insert(0, chiffresMinimum - c.entier.size(), '0');
    std::string texte = c.negatif ? "-" : "";
    texte += c.entier;
    texte += separateur;
    texte += c.decimales;
    return texte;
}

// ---- Times of day ----

// One day past the last date a date-time can hold (9999-12-31).
constexpr double LimiteJours = 2958466.0;

// Seconds of the time of day shown for a day fraction: that of |jour|'s fraction.
long long SecondesDuJour(double jour) {
    Fini(jour, "TexteHeure");
    const double x = std::fabs(jour);
    if (x >= LimiteJours)
        throw CalculError("TexteHeure: beyond the range of a date");
    const long long secondes = std::llround((x - std::floor(x)) * 86400.0);
    return secondes % 86400;
}

struct HeureMinuteSeconde {
    int heures;
    int minutes;
    int secondes;
};

HeureMinuteSeconde Decomposer(long long secondes) {
    return {static_cast<int>(secondes / 3600), static_cast<int>(secondes / 60 % 60),
            static_cast<int>(secondes % 60)};
}

std::string DeuxChiffres(int n) {
    std::string texte(2, '0');
    texte[0] = static_cast<char>('0' + n / 10);
    texte[1] = static_cast<char>('0' + n % 10);
    return texte;
}

// The first n characters (code points) of a UTF-8 text.
std::string_view DebutUtf8(std::string_view texte, int n) {
    std::size_t i = 0;
    int vus = 0;
    while (i < texte.size()) {
        const bool suite = (static_cast<unsigned char>(texte[i]) & 0xC0) == 0x80;
        if (!suite) {
            if (vus == n)
                break;
            ++vus;
        }
        ++i;
    }
    return texte.substr(0, i);
}

// ---- Map address ----

// |x| as whole degrees and ten-millionths, rounded; the sign only when something remains.
struct DegresCarte {
    bool negatif;
    long long entier;
    long long fraction; // 0 to 9999999
};

DegresCarte DecouperCarte(double x) {
    Fini(x, "TexteCarte");
    const double a = std::fabs(x);
    if (a >= 2147483648.0)
        throw CalculError("TexteCarte: coordinate too large");
    const double entier = std::trunc(a);
    DegresCarte d{false, static_cast<long long>(entier), std::llround((a - entier) * 1e7)};
    if (d.fraction >= 10000000) {
        d.fraction -= 10000000;
        d.entier += 1;
    }
    d.negatif = x < 0.0 && (d.entier != 0 || d.fraction != 0);
    return d;
}

std::string SeptDecimales(long long fraction) {
    std::string texte = std::to_string(fraction);
    texte.insert(0, 7 - texte.size(), '0');
    return texte;
}

// Sign, whole degrees, "." and the digits of the fraction. Appended piece by piece:
// `"-" + std::string` draws a false -Wrestrict warning from GCC 12 in optimised builds.
std::string TexteCarte(const DegresCarte& d, const std::string& fraction) {
    std::string texte = d.negatif ? "-" : "";
    texte += std::to_string(d.entier);
    texte += '.';
    texte += fraction;
    return texte;
}

} // namespace

std::optional<double> LireVal(std::string_view texte) {
    return LireNombreEnTete(texte, false);
}

double ValMesure(std::string_view texte) {
    return LireNombreEnTete(texte, true).value_or(0.0);
}

std::optional<double> LireMesure(std::string_view texte) {
    return LireNombreEnTete(texte, true);
}

std::optional<double> LireHeure(std::string_view texte) {
    texte = SansBlancs(texte);
    std::array<int, 3> parties{0, 0, 0};
    std::size_t nombre = 0;
    char separateur = '\0';
    std::size_t i = 0;
    while (true) {
        std::size_t debut = i;
        int valeur = 0;
        while (i < texte.size() && EstChiffre(texte[i]) && i - debut < 2)
            valeur = valeur * 10 + (texte[i++] - '0');
        if (i == debut || nombre == parties.size())
            return std::nullopt;
        parties[nombre++] = valeur;
        if (i == texte.size())
            break;
        const char c = texte[i];
        if ((c != ':' && c != '.') || (separateur != '\0' && c != separateur))
            return std::nullopt;
        separateur = c;
        ++i;
    }
    if (nombre < 2 || parties[0] > 23 || parties[1] > 59 || parties[2] > 59)
        return std::nullopt;
    return (parties[0] * 3600.0 + parties[1] * 60.0 + parties[2]) / 86400.0;
}

std::optional<bool> LireBooleen(std::string_view texte) {
    texte = SansBlancs(texte);
    auto egalSansCasse = [&](std::string_view mot) {
        if (texte.size() != mot.size())
            return false;
        for (std::size_t i = 0; i < mot.size(); ++i) {
            const char c = texte[i];
            const char minuscule = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            if (minuscule != mot[i])
                return false;
        }
        return true;
    };
    if (egalSansCasse("true"))
        return true;
    if (egalSansCasse("false"))
        return false;

    // A plain decimal number: optional sign, digits, at most one full stop.
    std::string_view corps = texte;
    if (!corps.empty() && (corps.front() == '+' || corps.front() == '-'))
        corps.remove_prefix(1);
    bool chiffre = false;
    int points = 0;
    for (const char c : corps) {
        if (EstChiffre(c))
            chiffre = true;
        else if (c == '.')
            ++points;
        else
            return std::nullopt;
    }
    if (!chiffre || points > 1)
        return std::nullopt;
    return corps.find_first_not_of("0.") != std::string_view::npos;
}

std::string Format00(double x, std::string_view separateur) {
    return Formater(x, separateur, 2);
}

std::string FormatDiese0(double x, std::string_view separateur) {
    return Formater(x, separateur, 1);
}

std::string FormatDiese(double x, std::string_view separateur) {
    return Formater(x, separateur, 0);
}

std::string TexteHeure(double jour) {
    const HeureMinuteSeconde t = Decomposer(SecondesDuJour(jour));
    return DeuxChiffres(t.heures) + "." + DeuxChiffres(t.minutes) + "." + DeuxChiffres(t.secondes);
}

std::string TexteHeureDuJour(double jour) {
    Fini(jour, "TexteHeureDuJour");
    if (std::fabs(jour) >= LimiteJours)
        throw CalculError("TexteHeureDuJour: beyond the range of a date");
    return TexteHeure(jour - std::floor(jour));
}

std::string TexteDeclinaison(double delta, std::string_view separateur) {
    return Format00(delta, separateur) + "\u00B0";
}

std::string TexteEquationTemps(double eq, std::string_view motSecondes) {
    // Minutes of time as a day fraction; the hours of the time of day are not shown.
    const HeureMinuteSeconde t = Decomposer(SecondesDuJour(eq / 24.0 / 60.0));
    return DeuxChiffres(t.minutes) + " min " + DeuxChiffres(t.secondes) + std::string(motSecondes);
}

std::string TexteCorrectionLongitude(double lambda, std::string_view motSecondes) {
    // Four minutes of time per degree of longitude, as a day fraction.
    const HeureMinuteSeconde t = Decomposer(SecondesDuJour(lambda / DegRad * 4.0 / 60.0 / 24.0));
    return DeuxChiffres(t.heures) + " h " + DeuxChiffres(t.minutes) + " m " +
           DeuxChiffres(t.secondes) + std::string(DebutUtf8(motSecondes, 4)) + ".";
}

std::string TexteLatitudeCarte(double lat) {
    const DegresCarte d = DecouperCarte(lat);
    return TexteCarte(d, SeptDecimales(d.fraction));
}

std::string TexteLongitudeCarte(double lonEst) {
    const DegresCarte d = DecouperCarte(lonEst);
    std::string fraction = d.fraction == 0 ? std::string() : SeptDecimales(d.fraction);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    return TexteCarte(d, fraction);
}

} // namespace solar
