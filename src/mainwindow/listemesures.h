#pragma once

#include "platform/settingsstore.h"
#include "solar/lecture.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

// The list of readings as it is saved: section "Start", keys "0" to "4" (one line each, in
// the order of the list), "Mem" (the number of kept lines; written, never read) and "L0" to
// "L4" (the reading kept with each line as solar::TexteLecture, empty for none; files
// without them load with no readings).
namespace mesures {

// One line of the list: its text as shown (a declination written with the locale's decimal
// separator, or whatever the user typed). Whatever is saved with a line belongs here, so
// that it travels with the line when lines are gathered or merged.
struct LigneMesure {
    QString texte;
    // What "Calcul" used to write this text; none for a line typed or edited by hand.
    std::optional<solar::Lecture> lecture;

    bool vide() const { return texte.trimmed().isEmpty(); } // blanks carry nothing
    bool operator==(const LigneMesure&) const = default;
};
using ListeMesures = std::array<LigneMesure, 5>;

// The list on the window at one moment, for one step of undo: its lines, their ticks and the
// number of kept lines (lines 0 to mem - 1).
struct EtatListe {
    ListeMesures lignes;
    std::array<bool, 5> cochees{};
    int mem = 0;
};

// Whether texte is what "Calcul" writes for this reading (its declination with two
// decimals, a full stop or a comma as separator): a line whose text differs was edited by
// hand and keeps no reading.
bool texteDeLecture(const QString& texte, const solar::Lecture& l);

ListeMesures lireListe(const platform::SettingsStore& s);
// Writes the five lines, then "Mem", then the five readings.
void ecrireListe(platform::SettingsStore& s, const ListeMesures& liste, int mem);

// The lines that are not empty at the top, in their order, then empty lines.
ListeMesures rassembler(const ListeMesures& liste);

// The lines of a that are not in b, a line of b standing for one equal line of a.
std::vector<LigneMesure> sauf(const ListeMesures& a, const ListeMesures& b);

// What a save does with the stored list, so that it never silently drops the readings that
// another copy of the program saved since this one read or last wrote the list:
// - stored list as this copy knows it: the window's list is written, line for line;
// - stored list changed, window's list unchanged: the stored list stays as it is;
// - both changed: the window's lines, then the lines the other copy added, at most five;
//   `deborde` tells that the window's last lines did not fit and were left out.
// Lists are compared as collections of lines, whatever their order.
struct Enregistrement {
    bool ecrire = true; // false: leave the stored list as it is
    ListeMesures lignes;
    int mem = 0; // kept lines of `lignes`
    bool deborde = false;
};
Enregistrement aEnregistrer(const ListeMesures& affichee, int memAffichee,
                            const ListeMesures& connue, const ListeMesures& stockee);

} // namespace mesures
