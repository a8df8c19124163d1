#pragma once

#include <optional>
#include <string>
#include <string_view>

// Texts read from and written for the user. All strings are UTF-8. The decimal
// separator of the user's regional settings is passed in by the caller.

namespace solar {

// ---- Reading numbers ----

// The number at the start of a text: optional sign, digits, a full stop as decimal
// separator, an optional exponent (E or D); blanks (space, tab, CR, LF) are skipped
// anywhere in it ("12 34" is 1234, "45,5" is 45); nullopt when the text does not start
// with a number ("abc"). Throws CalculError when the number overflows a double.
std::optional<double> LireVal(std::string_view texte);

// As LireVal, but a comma is also taken as the decimal separator ("45,5" is 45.5), for the
// fields where a person types a measurement, and 0 when the text does not start with a
// number.
double ValMesure(std::string_view texte);

// As ValMesure, but nullopt when the text does not start with a number: a measurement
// that was not typed is not a reading of 0.
std::optional<double> LireMesure(std::string_view texte);

// A time of day typed by a person: hours and minutes with optional seconds, separated by
// colons or full stops ("10:00", "9:05:30", "10.00.00", "10.00"); hours 0 to 23, minutes
// and seconds 0 to 59; blanks around it are ignored. The day fraction, or nullopt.
std::optional<double> LireHeure(std::string_view texte);

// A stored boolean: "true"/"false" in any case, or a number (non-zero is true).
std::optional<bool> LireBooleen(std::string_view texte);

// ---- Fixed formats ----
// Rounded half away from zero to two decimals; a value that rounds to zero has no sign.
// Throw CalculError for a non-finite value.

// "00.00": at least two integer digits ("-05.30", "23.44").
std::string Format00(double x, std::string_view separateur);
// "#0.00": at least one integer digit ("0.00", "-30.00").
std::string FormatDiese0(double x, std::string_view separateur);
// "##.00" and "###.00": integer digits only as needed (".50", "-.25", "187.25").
std::string FormatDiese(double x, std::string_view separateur);

// ---- Times of day ----

// "HH.MM.SS" of a day fraction, rounded to the nearest second; one day or more shows the
// time of day of its fraction, a negative value that of its absolute value (no sign).
// Throws CalculError beyond the range of a date (about 2.9 million days).
std::string TexteHeure(double jour);
// As TexteHeure, but the value is first brought into one day (modulo 24 h): -10 min is
// "23.50.00". For the three clock fields.
std::string TexteHeureDuJour(double jour);

// The sun's declination: Format00 followed by the degree sign ("-05.30°").
std::string TexteDeclinaison(double delta, std::string_view separateur);
// The equation of time (minutes) as "MM min SS" followed by the word for seconds
// (" Secondes"); no sign.
std::string TexteEquationTemps(double eq, std::string_view motSecondes);
// The longitude lambda (radians) as time, 4 minutes per degree: "HH h MM m SS", the first
// four characters of the word for seconds and "." ("00 h 09 m 20 Sec."); no sign.
// Both show their value by the rule of TexteHeure and throw as it does.
std::string TexteCorrectionLongitude(double lambda, std::string_view motSecondes);

// ---- Map address ----

// Latitude (degrees, north positive) with a full stop and exactly seven decimals:
// "48.8666667", "-0.5000000".
std::string TexteLatitudeCarte(double lat);
// Longitude (degrees, EAST positive) with a full stop and up to seven decimals, trailing
// zeros dropped, nothing after the point when none is left: "2.3333333", "-3.", "3.5".
// Both throw CalculError for a non-finite value or one of 2^31 degrees or more.
std::string TexteLongitudeCarte(double lonEst);

} // namespace solar
