#pragma once

#include "solar/lecture.h"

#include <optional>
#include <string>
#include <string_view>

// The report as CSV: RFC 4180, UTF-8, full stops.

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
std::string LigneCsv(std::string_view texte, bool cochee,
                     const std::optional<solar::Lecture>& lecture,
                     std::optional<double> declinaison);
