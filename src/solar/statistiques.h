#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How good a set of wall readings is: the reading kept with each line of the list, its
// sensitivity to the clock, the spread of the ticked declinations on the circle, the
// readings that disagree and the hour slip that would explain one, and the report's CSV.
// Angles in degrees; declinations from south, west positive, within -180..180.

namespace solar {

// ---- The reading of one line ----

// What "Calcul" used for one line. Build it only from values that went into PosSoleil
// together, and attach it to a line only when LectureValide says so.
struct Lecture {
    // Civil date of the date lists as whole numbers (Gregorian, years 1583 to 9999): lists
    // that hold anything else give no reading. With the clock running it is the local
    // date; a universal time typed by hand is counted from it as well.
    int jour = 1;
    int mois = 1;
    int annee = 2000;
    // Local time, day fraction counted from 0 h of that date; below 0 or from 1 on when
    // the local instant falls on the day before or after (universal time typed by hand).
    double heureLocale = 0.0;
    // UTC offset used to relate local and universal time, seconds, EAST positive:
    // heureLocale = gmt + decalage / 86400 (UTC+01:00 is 3600).
    int decalage = 0;
    // Universal time handed to PosSoleil, day fraction counted from 0 h UT of that date,
    // below 0 or from 1 on as the window counts it from the local date.
    double gmt = 0.0;
    double lat = 0.0;     // degrees, north positive, strictly within -90..90
    double lon = 0.0;     // degrees, WEST positive
    double angle = 0.0;   // protractor reading a, degrees
    double azimut = 0.0;  // sun at that instant: degrees from north through east, 0..360
    double hauteur = 0.0; // sun's altitude, degrees, negative below the horizon

    friend bool operator==(const Lecture&, const Lecture&) = default;
};

// Whether a reading can be kept and written: every number finite; a valid date of 1583 to
// 9999; heureLocale and gmt within -1..2 days and agreeing with decalage within a second;
// |decalage| <= 18 h; |lat| < 90; |lon| <= 360; |angle| <= 360; azimut 0..360; |hauteur|
// <= 90.
bool LectureValide(const Lecture& l);

// The wall's declination this reading gives: DeclinaisonMur(azimut, 90 - angle).
double DeclinaisonLecture(const Lecture& l);

// The reading as one settings value: ASCII, no locale, space-separated fields after the tag
// "L1", every number in its shortest form that reads back to the same double, and a
// checksum of all that precedes it:
//   L1 j=5 m=12 a=2026 dz=3600 hl=0.425 tu=0.38333332538604736 lat=48.86666666666667
//   lon=-2.3333333333333335 ang=67.4 az=145.13723350385487 h=11.35751980623246 ck=f72a5330
// (one line; j, m, a the date, dz decalage, hl heureLocale, tu gmt, ang angle, az azimut,
// h hauteur).
// ck is the 32-bit FNV-1a hash of the bytes before " ck=", eight lower-case hex digits.
// A field added later gets a new key under the same tag (older readers skip unknown keys);
// a change of meaning gets a new tag, which older readers refuse.
// Throws CalculError when !LectureValide(l): nothing that cannot be read back is stored.
std::string TexteLecture(const Lecture& l);

// The reading of TexteLecture, or nullopt for any other text: another tag, a wrong or
// missing checksum (a hand edit), a field missing or given twice, a number with anything
// around it, or a reading that is not LectureValide. Never throws.
std::optional<Lecture> LireLecture(std::string_view texte);

// Local date and time of a reading, rounded to the second, the date moved by a day when
// heureLocale is below 0 or from 1 on.
struct InstantLocal {
    int annee, mois, jour, heure, minute, seconde;
    int decalage; // seconds, east positive
};
// Throws CalculError when !LectureValide(l), as does TexteInstantIso.
InstantLocal InstantLocalLecture(const Lecture& l);

// A UTC offset in seconds (east positive) as ISO 8601 writes it: "+01:00", "-03:30",
// "+00:00"; seconds are added only when there are some ("+00:09:21").
std::string TexteDecalage(int secondes);

// "2026-12-05T10:12:00+01:00": the local instant with its offset, ISO 8601.
std::string TexteInstantIso(const Lecture& l);

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
// nullopt for no value, and when a value is outside -180..180 or not a number (typed by
// hand: it is no direction, Moyenne falls back on the plain mean and no spread is given).
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

// One entry per value, in order; empty with fewer than three values or when a value is
// outside -180..180 (as StatistiquesCercle).
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

// ---- Report as CSV (RFC 4180, UTF-8, full stops) ----

// Rows are joined, and the last one ended, by CRLF.
inline constexpr std::string_view FinLigneCsv = "\r\n";

// A field, between double quotes (inner quotes doubled) when it holds a comma, a double
// quote, a CR or a LF.
std::string ChampCsv(std::string_view texte);

// "texte,cochée,instant,décalage,angle,azimut,hauteur,déclinaison" (no CRLF).
std::string EnteteCsv();

// One row (no CRLF): the line's text as shown, "1" or "0" for the tick, then from the
// reading its TexteInstantIso, TexteDecalage, the angle in its shortest exact form, the
// sun's azimuth and altitude with two decimals, and the declination with two decimals
// (rounded as the list writes it). The reading's fields are empty without a reading or
// when !LectureValide; the declination's is empty without one or when it is not finite.
std::string LigneCsv(std::string_view texte, bool cochee, const std::optional<Lecture>& lecture,
                     std::optional<double> declinaison);

} // namespace solar
