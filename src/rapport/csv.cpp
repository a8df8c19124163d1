#include "rapport/csv.h"

#include "solar/textformat.h"

#include <array>
#include <charconv>
#include <cmath>

std::string ChampCsv(std::string_view texte) {
    if (texte.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(texte);
    std::string t = "\"";
    for (const char c : texte) {
        if (c == '"')
            t += '"';
        t += c;
    }
    return t + '"';
}

std::string EnteteCsv() {
    return "texte,coch\u00e9e,instant,d\u00e9calage,angle,azimut,hauteur,d\u00e9clinaison";
}

std::string LigneCsv(std::string_view texte, bool cochee,
                     const std::optional<solar::Lecture>& lecture,
                     std::optional<double> declinaison) {
    std::string t = ChampCsv(texte) + (cochee ? ",1" : ",0");
    if (lecture && solar::LectureValide(*lecture)) {
        std::array<char, 64> angle{};
        const auto r = std::to_chars(angle.data(), angle.data() + angle.size(), lecture->angle,
                                     std::chars_format::fixed);
        // Appended piece by piece: `"," + std::string` draws a false -Wrestrict from GCC 12.
        for (const std::string& champ :
             {solar::TexteInstantIso(*lecture), solar::TexteDecalage(lecture->decalage),
              std::string(angle.data(), r.ptr), solar::FormatDiese0(lecture->azimut, "."),
              solar::FormatDiese0(lecture->hauteur, ".")}) {
            t += ',';
            t += champ;
        }
    } else {
        t += ",,,,,";
    }
    t += ",";
    if (declinaison && std::isfinite(*declinaison))
        t += solar::FormatDiese0(*declinaison, ".");
    return t;
}
