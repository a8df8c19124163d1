#include "mainwindow/listemesures.h"

#include "solar/calculerror.h"
#include "solar/textformat.h"

#include <algorithm>

namespace mesures {

namespace {

const QString Section = QStringLiteral("Start");

std::vector<LigneMesure> nonVides(const ListeMesures& liste) {
    std::vector<LigneMesure> r;
    for (const LigneMesure& l : liste)
        if (!l.vide())
            r.push_back(l);
    return r;
}

bool memes(const ListeMesures& a, const ListeMesures& b) {
    return sauf(a, b).empty() && sauf(b, a).empty();
}

} // namespace

bool texteDeLecture(const QString& texte, const solar::Lecture& l) {
    try {
        const double d = solar::DeclinaisonLecture(l);
        for (const char* separateur : {".", ","})
            if (texte == QString::fromStdString(solar::FormatDiese0(d, separateur)))
                return true;
    } catch (const solar::CalculError&) {
    }
    return false;
}

ListeMesures lireListe(const platform::SettingsStore& s) {
    ListeMesures liste;
    for (std::size_t i = 0; i < liste.size(); ++i) {
        liste[i].texte = s.lire(Section, QString::number(i), QString());
        const auto l =
            solar::LireLecture(s.lire(Section, QStringLiteral("L%1").arg(i), {}).toStdString());
        // A reading whose sun is not that of its instant and place is no reading.
        if (l && texteDeLecture(liste[i].texte, *l) && solar::LectureAccordeeAuCiel(*l))
            liste[i].lecture = l;
    }
    return liste;
}

void ecrireListe(platform::SettingsStore& s, const ListeMesures& liste, int mem) {
    for (std::size_t i = 0; i < liste.size(); ++i)
        s.ecrire(Section, QString::number(i), liste[i].texte);
    s.ecrire(Section, QStringLiteral("Mem"), QString::number(mem));
    for (std::size_t i = 0; i < liste.size(); ++i) {
        const auto& l = liste[i].lecture;
        const bool garder = l && solar::LectureValide(*l) && texteDeLecture(liste[i].texte, *l);
        s.ecrire(Section, QStringLiteral("L%1").arg(i),
                 garder ? QString::fromStdString(solar::TexteLecture(*l)) : QString());
    }
}

ListeMesures rassembler(const ListeMesures& liste) {
    ListeMesures r;
    std::ranges::copy(nonVides(liste), r.begin());
    return r;
}

std::vector<LigneMesure> sauf(const ListeMesures& a, const ListeMesures& b) {
    std::vector<LigneMesure> reste = nonVides(a);
    for (const LigneMesure& l : b)
        if (const auto it = std::ranges::find(reste, l); it != reste.end())
            reste.erase(it);
    return reste;
}

Enregistrement aEnregistrer(const ListeMesures& affichee, int memAffichee,
                            const ListeMesures& connue, const ListeMesures& stockee) {
    if (memes(stockee, connue))
        return {true, affichee, memAffichee, false};
    if (memes(affichee, connue))
        return {false, stockee, 0, false};
    const std::vector<LigneMesure> ajoutees = sauf(stockee, connue);
    std::vector<LigneMesure> lignes = nonVides(affichee);
    const std::size_t place = affichee.size() - std::min(ajoutees.size(), affichee.size());
    Enregistrement e;
    e.deborde = lignes.size() > place;
    lignes.resize(std::min(lignes.size(), place));
    e.mem = std::min(memAffichee, int(lignes.size())) + int(ajoutees.size());
    lignes.insert(lignes.end(), ajoutees.begin(), ajoutees.end());
    std::copy_n(lignes.begin(), std::min(lignes.size(), e.lignes.size()), e.lignes.begin());
    e.mem = std::min(e.mem, int(e.lignes.size()));
    return e;
}

} // namespace mesures
