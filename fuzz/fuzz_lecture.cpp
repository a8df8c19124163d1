// LireLecture and TexteLecture: a stored reading's text, read and written back. What reads
// must write and read back the same reading; what is written must read back exactly.

#include "fuzz_commun.h"
#include "solar/calculerror.h"
#include "solar/lecture.h"

#include <optional>

namespace {

void RelireExactement(const solar::Lecture& l, const std::string& quoi) {
    const std::string texte = solar::TexteLecture(l);
    for (const char c : texte)
        fuzz::Verifier(c >= ' ' && c <= '~', quoi + " wrote a byte outside printable ASCII");
    fuzz::SansNanNiInf(texte, quoi);
    fuzz::Verifier(solar::LireLecture(texte) == l,
                   quoi + " wrote \"" + texte + "\", which does not read back the same");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    // The bytes as a settings value: never throws, and what it accepts is a valid reading.
    const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
    if (const std::optional<solar::Lecture> l = solar::LireLecture(texte)) {
        fuzz::Verifier(solar::LectureValide(*l), "LireLecture accepted an invalid reading");
        RelireExactement(*l, "TexteLecture of a text read");
    }

    // The same bytes as the numbers of a reading, local time made to agree with the offset.
    fuzz::Lecteur lecteur(donnees, taille);
    solar::Lecture l;
    const auto entier = [&lecteur](double borne) {
        const double x = lecteur.Double();
        return std::isfinite(x) && std::fabs(x) < borne ? static_cast<int>(x) : 0;
    };
    l.jour = entier(100);
    l.mois = entier(100);
    l.annee = entier(100000);
    l.decalage = entier(1e6);
    l.gmt = lecteur.Double();
    l.heureLocale = l.gmt + l.decalage / 86400.0;
    l.lat = lecteur.Double();
    l.lon = lecteur.Double();
    l.angle = lecteur.Double();
    l.azimut = lecteur.Double();
    l.hauteur = lecteur.Double();
    if (solar::LectureValide(l)) {
        RelireExactement(l, "TexteLecture");
    } else {
        bool refusee = false;
        try {
            solar::TexteLecture(l);
        } catch (const solar::CalculError&) {
            refusee = true;
        }
        fuzz::Verifier(refusee, "TexteLecture wrote an invalid reading");
    }
    return 0;
}
