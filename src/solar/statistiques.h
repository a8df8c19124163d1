#pragma once

#include "solar/lecture.h"

#include <optional>
#include <vector>

// How good a set of wall readings is: a reading's sensitivity to the clock, the spread of
// the ticked declinations on the circle, the readings that disagree and the hour slip that
// would explain one.
// Angles in degrees; declinations from south, west positive, within -180..180.

namespace solar {

// ---- Sensitivity to the clock ----

// Readings whose declination moves by more than this per minute of clock error are fragile.
inline constexpr double SeuilFragile = 0.5; // degrees per minute

struct Sensibilite {
    // Rate of the sun's azimuth at the reading's instant, degrees per minute of time, which
    // is the declination's change per minute of clock error (a clock one minute fast gives
    // a declination this much too large). Positive when the azimuth grows: the sun passing
    // south of the zenith. From the sun at gmt +- 30 s, the difference taken across 0/360.
    double degresParMinute;
    bool fragile; // |degresParMinute| > SeuilFragile
};

// Throws CalculError when PosSoleil fails at either instant.
Sensibilite SensibiliteHorloge(const Lecture& l);

// ---- Spread of the ticked declinations ----

struct Dispersion {
    double ecartType;  // sample standard deviation (n - 1) of the wrapped deviations
    double erreurType; // standard error of the mean: ecartType / sqrt(n)
    double etendue;    // largest minus smallest wrapped deviation from the mean
};

struct Statistiques {
    int nombre;     // values counted
    double moyenne; // Moyenne(valeurs), to the last bit
    // Only from two values on. Deviations are EcartAngle(moyenne, value).
    std::optional<Dispersion> dispersion;
};

// The statistics of the ticked declinations, on the circle as Moyenne averages them;
// nullopt for no value, when Moyenne gives none (readings too far apart), and when a value
// is outside -180..180 or not a number (typed by hand: it is no direction, Moyenne falls
// back on the plain mean and no spread is given).
std::optional<Statistiques> StatistiquesCercle(const std::vector<double>& valeurs);

// ---- Readings that disagree ----

// One value compared with the others (all but itself).
struct Aberration {
    double moyenneAutres;   // Moyenne of the others
    double ecartTypeAutres; // their sample standard deviation
    double bande;           // max(3 * ecartTypeAutres, 1)
    double distance;        // EcartAngle(moyenneAutres, value): -180..180
    bool aberrante;         // |distance| > bande
};

// One entry per value, in order; empty with fewer than three values, when a value is
// outside -180..180 (as StatistiquesCercle), or when some of them give no Moyenne.
std::vector<Aberration> ValeursAberrantes(const std::vector<double>& valeurs);

// ---- An hour's slip ----

struct GlissementHeure {
    // +1: the reading fits with its universal time one hour later (the true instant was an
    // hour after the one used: the offset used was an hour too large, as with summer time
    // on the computer and a watch on winter time); -1: one hour earlier (the offset used
    // was an hour too small, e.g. a watch on summer time and the computer's zone not).
    int heures;
    double declinaison; // the reading's declination at that instant
};

// The declination of l recomputed with its instant moved by exactly one hour either way
// (PosSoleil at gmt +- 1/24, same angle); the shift whose declination lies within
// a.bande of a.moyenneAutres (the entry of ValeursAberrantes for this line), the nearer
// one when both do; nullopt when neither does. Throws CalculError when PosSoleil fails.
std::optional<GlissementHeure> GlissementHoraire(const Lecture& l, const Aberration& a);

} // namespace solar
