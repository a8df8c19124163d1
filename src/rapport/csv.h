#pragma once

#include "solar/lecture.h"

#include <optional>
#include <string>
#include <string_view>

// The report as CSV (RFC 4180, UTF-8) in one of two spellings: spreadsheets whose locale
// writes a decimal comma read ";" between fields and "12,10"; the others "," and "12.10".

struct FormatCsv {
    char separateur = ',';           // between fields: ',' or ';'
    std::string_view decimale = "."; // in numbers: "." or ","
};

// Rows are joined, and the last one ended, by CRLF.
inline constexpr std::string_view FinLigneCsv = "\r\n";

// A text field, between double quotes (inner quotes doubled) when it holds the separator, a
// double quote, a CR or a LF. A text starting with =, +, -, @, a tab or a CR gets a leading
// apostrophe first, so that no spreadsheet takes it for a formula.
std::string ChampCsv(std::string_view texte, const FormatCsv& f);

// One row (no CRLF): the line's text as shown (a number stays as it is, anything else is a
// ChampCsv), "1" or "0" for the tick, then from the reading its TexteInstantIso, its offset
// as "UTC+01:00", the latitude and longitude in signed decimal degrees (north and EAST
// positive, six decimals), the angle in its shortest exact form, the sun's azimuth and
// altitude with two decimals, and the declination with two decimals (rounded as the list
// writes it). The reading's fields are empty without a reading or when !LectureValide; the
// declination's is empty without one (the text is then no number) or when it is not finite.
std::string LigneCsv(std::string_view texte, bool cochee,
                     const std::optional<solar::Lecture>& lecture,
                     std::optional<double> declinaison, const FormatCsv& f);
