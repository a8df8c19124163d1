#include "rapport/csv.h"

#include "solar/textformat.h"

#include <array>
#include <charconv>
#include <cmath>

namespace {

// A number written with a full stop, given the decimal separator to use instead.
std::string Decimale(std::string nombre, std::string_view decimale) {
    if (const auto point = nombre.find('.'); point != std::string::npos)
        nombre.replace(point, 1, decimale);
    return nombre;
}

std::string Fixe(double x, int decimales) {
    std::array<char, 400> tampon{};
    const auto r = decimales < 0 ? std::to_chars(tampon.data(), tampon.data() + tampon.size(), x,
                                                 std::chars_format::fixed)
                                 : std::to_chars(tampon.data(), tampon.data() + tampon.size(), x,
                                                 std::chars_format::fixed, decimales);
    return std::string(tampon.data(), r.ptr);
}

} // namespace

std::string ChampCsv(std::string_view texte, const FormatCsv& f) {
    std::string t;
    if (!texte.empty() &&
        std::string_view("=+-@\t\r").find(texte.front()) != std::string_view::npos)
        t = "'";
    t += texte;
    if (t.find_first_of(std::string{f.separateur, '"', '\r', '\n'}) == std::string::npos)
        return t;
    std::string q = "\"";
    for (const char c : t) {
        if (c == '"')
            q += '"';
        q += c;
    }
    return q + '"';
}

std::string LigneCsv(std::string_view texte, bool cochee,
                     const std::optional<solar::Lecture>& lecture,
                     std::optional<double> declinaison, const FormatCsv& f) {
    const char s = f.separateur;
    // A line that reads as a number is one for the spreadsheet too, a negative one included.
    std::string t = declinaison ? std::string(texte) : ChampCsv(texte, f);
    if (declinaison && t.find_first_of(std::string{s, '"', '\r', '\n'}) != std::string::npos)
        t = ChampCsv(texte, f);
    t += s;
    t += cochee ? '1' : '0';
    if (lecture && solar::LectureValide(*lecture)) {
        const solar::Lecture& l = *lecture;
        for (const std::string& champ :
             {solar::TexteInstantIso(l), "UTC" + solar::TexteDecalage(l.decalage),
              Decimale(Fixe(l.lat, 6), f.decimale), Decimale(Fixe(-l.lon, 6), f.decimale),
              Decimale(Fixe(l.angle, -1), f.decimale),
              solar::FormatDiese0(l.azimut, std::string(f.decimale)),
              solar::FormatDiese0(l.hauteur, std::string(f.decimale))}) {
            t += s;
            t += champ;
        }
    } else {
        t += std::string(7, s);
    }
    t += s;
    if (declinaison && std::isfinite(*declinaison))
        t += solar::FormatDiese0(*declinaison, std::string(f.decimale));
    return t;
}
