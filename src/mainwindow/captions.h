#pragma once

#include "platform/langue.h"

#include <span>

// The French and Spanish texts of the program.
namespace captions {

using platform::Bilingue;
using platform::Langue;

enum class Fenetre { Principale, About };
enum class Propriete {
    Caption, // text of a label or button
    ToolTip,
    Tag,   // dynamic property "Tag" of the control
    Titre, // window title
    Texte  // an entry of Libelles; the name is "Libelles_<entry>"
};

struct Ligne {
    int rang; // row number of the caption table
    Fenetre fenetre;
    const char* nom; // objectName of the target ("Option5_0", "LabAide_3", "Libelles_4",
                     // "FormTalvan", "About", "Label1_0" in the About window, ...)
    Propriete propriete;
    const char* fr; // UTF-8
    const char* es; // UTF-8
};

// Rows 1 to 49, in order.
std::span<const Ligne> table();

struct LigneAide {
    const char* fr;
    const char* es;
};
// The five help lines H1 to H5.
std::span<const LigneAide> aide();

// Names read by screen readers for the controls that have no caption of their own.
// "%1" in a name takes the line's number (1 to 5).
struct NomAccessible {
    const char* nom; // objectName, or a prefix ending in "_" for the five lines of the list
    const char* fr;
    const char* es;
};
std::span<const NomAccessible> nomsAccessibles();

// The input error message in French; texteMessage gives it in both languages.
inline constexpr const char* ErreurSaisie = "Erreur dans la saisie des données, recommencez !";

// The messages of the message line Label7.
enum class Message {
    SaisieIncorrecte,    // input that gives no result
    AngleHorsRapporteur, // a measured angle outside the protractor's 0..180
    SoleilSousHorizon,   // no shadow: the sun at or below the horizon at the reading
    FuseauInconnu,       // no time zone for the computer: local time taken as UTC
    FuseauEloigne,       // the computer's zone is more than 3 h from the place's longitude
    MoyenneImpossible,   // the ticked readings are too far apart to describe one wall
};
// A message in the language, UTF-8.
const char* texteMessage(Message message, Langue langue);

// Rows written after the caption table, as its rows are: texts that it does not hold.
std::span<const Ligne> supplements();

// Keyboard mnemonics (Alt + letter) of the command row and of the list's buttons: the
// letter is the first one of the caption that matches exactly; it is shown underlined.
struct Mnemonique {
    const char* nom; // objectName of the button
    char fr;
    char es;
};
std::span<const Mnemonique> mnemoniques();

// What a screen reader says after a line of the list that holds a reading: kept (green)
// or only a candidate (black); the colour alone tells nothing to a listener.
inline constexpr Bilingue LigneGardee{"gardée", "guardada"};
inline constexpr Bilingue LigneCandidate{"non gardée", "no guardada"};

// What a screen reader hears after "Calcul", "Garder", "Efface le dernier" and "Reset".
struct TextesAnnonces {
    const char* mesure;  // %1 the line's number, %2 its value, %3 "gardée" or "non gardée"
    const char* moyenne; // %1 the average as shown
    const char* sansMoyenne;
    const char* effacee; // %1 the line's number
    const char* listeVide;
    const char* uneMesure;
    const char* mesures; // %1 the number of lines that hold a text
};
const TextesAnnonces& textesAnnonces(Langue langue);

// The window's questions and warnings.
struct TextesQuestions {
    const char* oui;
    const char* non;
    const char* reset; // before Reset empties a list that holds a kept line
    // Another copy saved lines that the list cannot hold with this window's; %1 those lines.
    const char* listes;
    const char* echecReglages;       // %1 the settings file
    const char* effacer;             // before "Efface le dernier" erases a kept line
    const char* fichierIntact;       // after a file not written: the previous one is as it was
    const char* quitterSansReglages; // at quit, the settings not saved; "Non", the default, stays
};
const TextesQuestions& textesQuestions(Langue langue);
// The tooltip of a line of the list that keeps its reading, and of a ticked line that
// disagrees with the others. Numbers are filled in with the user's separator.
struct TextesLecture {
    // %1 the instant ("5 déc. 2026 10:12:00 (UTC+01:00)"), %2 the angle, %3 the sun's
    // azimuth, %4 its altitude, %5 degrees of declination per minute of clock error.
    const char* lecture;
    const char* fragile;   // %1 the threshold, degrees per minute
    const char* soleilBas; // %1 the altitude below which the sun is low, degrees
    // %1 distance to the mean of the others, %2 that mean, %3 the band allowed.
    const char* aberrante;
    // %1 "+1" or "−1" hours, %2 the declination the reading would then give.
    const char* glissement;
};
const TextesLecture& textesLecture(Langue langue);

// The result and the local time explained (tooltips and screen readers). The wall's
// orientation: "%1" its angle from south or north, "%2" (or "%1" when due) its azimuth from
// north through east; both in degrees as the user's locale writes them.
struct TextesResultat {
    const char* dispersion; // %1 lines, %2 deviation, %3 standard error, %4 range
    const char* fuseau;     // %1 the offset and the zone's id, "UTC+01:00, Europe/Paris"
};
const TextesResultat& textesResultat(Langue langue);

// The clock's offset fitted from the readings. Durations as "2 min 37 s".
struct TextesHorloge {
    const char* avance;        // the clock was fast
    const char* retard;        // slow
    const char* corrigee;      // %1 avance/retard, %2 offset, %3 its SE, %4 D, %5 SE(D), %6 average
    const char* decalageHeure; // %1 D, %2 SE(D), %3 average
    const char* controlee;     // %1 avance/retard, %2 offset, %3 its SE
    const char* nonControlable;
    const char* joindre; // %1 nonControlable, %2 the advice
    const char* conseil; // %1 "15 h 20"
    const char* plusAujourdhui;
    const char* saison;
    const char* messageCorrigee; // %1 avance/retard, %2 offset
    const char* messageDecalage;
    const char* action;  // %1 the shift, signed
    const char* rapport; // %1 the lines ("1, 2, 3"), %2 the shift, signed
};
const TextesHorloge& textesHorloge(Langue langue);

} // namespace captions
