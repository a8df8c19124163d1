// LireHeure and LireBooleen: what they accept must read back the same.

#include "fuzz_commun.h"
#include "solar/calculerror.h"
#include "solar/textformat.h"

#include <optional>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const std::string texte(reinterpret_cast<const char*>(donnees), taille);

    const std::optional<double> heure = solar::LireHeure(texte);
    fuzz::Verifier(solar::LireHeure(" \t" + texte + "\r\n") == heure,
                   "LireHeure is not blind to the blanks around the time");
    if (heure) {
        const double secondes = *heure * 86400.0;
        fuzz::Verifier(*heure >= 0.0 && *heure < 1.0 &&
                           std::fabs(secondes - std::round(secondes)) < 1e-6,
                       "LireHeure gave " + fuzz::Texte(*heure));
        // The clock fields' "HH.MM.SS" is a typed time too.
        const std::string affiche = solar::TexteHeure(*heure);
        const std::optional<double> relu = solar::LireHeure(affiche);
        fuzz::Verifier(relu && std::fabs(*relu - *heure) * 86400.0 < 1e-6,
                       "the time read is shown as " + affiche + ", which does not read back");
    }

    const std::optional<bool> booleen = solar::LireBooleen(texte);
    if (booleen) {
        std::string mot;
        for (const char c : texte)
            if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
                mot += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const bool nonNul = mot.find_first_of("123456789") != std::string::npos;
        fuzz::Verifier(*booleen ? mot == "true" || nonNul : mot == "false" || !nonNul,
                       "LireBooleen gave " + std::string(*booleen ? "true" : "false"));
    }
    return 0;
}
