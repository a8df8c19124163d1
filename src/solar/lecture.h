#pragma once

#include <optional>
#include <string>
#include <string_view>

// The reading kept with a line of the list: what "Calcul" used, its settings text and its
// local instant. Angles in degrees.

namespace solar {

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

// Whether the reading's sun is the sun of its instant and place: PosSoleil recomputed from
// its date, gmt, lat and lon gives its azimut and hauteur within 0.01 degree. Never throws.
bool LectureAccordeeAuCiel(const Lecture& l);

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

} // namespace solar
