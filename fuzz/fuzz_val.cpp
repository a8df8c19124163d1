// LireVal and ValMesure against the C library's strtod on the same number.

#include "fuzz_commun.h"
#include "solar/calculerror.h"
#include "solar/textformat.h"

#include <cerrno>
#include <optional>

namespace {

bool EstBlanc(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool EstChiffre(char c) {
    return c >= '0' && c <= '9';
}

// The leading number of the text with its blanks removed, in strtod's syntax (D as E,
// a bare exponent letter dropped); empty when the text starts with no number.
std::string PrefixeNumerique(std::string_view texte) {
    std::string s;
    for (const char c : texte)
        if (!EstBlanc(c))
            s += c;
    std::size_t i = 0;
    std::string n;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        n += s[i++];
    bool chiffre = false;
    while (i < s.size() && EstChiffre(s[i])) {
        n += s[i++];
        chiffre = true;
    }
    if (i < s.size() && s[i] == '.') {
        n += s[i++];
        while (i < s.size() && EstChiffre(s[i])) {
            n += s[i++];
            chiffre = true;
        }
    }
    if (!chiffre)
        return {};
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::string e = "e";
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            e += s[i++];
        bool chiffreExposant = false;
        while (i < s.size() && EstChiffre(s[i])) {
            e += s[i++];
            chiffreExposant = true;
        }
        if (chiffreExposant)
            n += e;
    }
    return n;
}

std::optional<double> Lire(double (*f)(std::string_view), std::string_view texte) {
    try {
        const double v = f(texte);
        fuzz::Verifier(std::isfinite(v), "Val returned " + fuzz::Texte(v));
        return v;
    } catch (const solar::CalculError&) {
        return std::nullopt;
    }
}

// 0 for a text without a number, as the place fields take it.
double Val(std::string_view texte) {
    return solar::LireVal(texte).value_or(0.0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
    const std::optional<double> val = Lire(Val, texte);

    const std::string prefixe = PrefixeNumerique(texte);
    if (prefixe.empty()) {
        fuzz::Verifier(val && *val == 0.0, "Val of a text without a number is not 0");
    } else {
        errno = 0;
        const double attendu = std::strtod(prefixe.c_str(), nullptr);
        if (!std::isfinite(attendu))
            fuzz::Verifier(!val, "Val did not refuse " + prefixe);
        else
            // A value below the smallest normal double may be read as 0.
            fuzz::Verifier(val && (*val == attendu ||
                                   (std::fabs(attendu) < 2.3e-308 && std::fabs(*val) < 2.3e-308)),
                           "Val read " + prefixe + " as " +
                               (val ? fuzz::Texte(*val) : std::string("an error")) +
                               ", strtod as " + fuzz::Texte(attendu));
    }

    // A comma is a full stop to ValMesure.
    std::string virgulesEnPoints(texte);
    for (char& c : virgulesEnPoints)
        if (c == ',')
            c = '.';
    const std::optional<double> mesure = Lire(solar::ValMesure, texte);
    const std::optional<double> reference = Lire(Val, virgulesEnPoints);
    fuzz::Verifier(mesure.has_value() == reference.has_value() &&
                       (!mesure || *mesure == *reference),
                   "ValMesure differs from Val with commas as full stops");
    return 0;
}
