#pragma once

#include "platform/langue.h"
#include "solar/statistiques.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class QPagedPaintDevice;
class QPainter;
class QRectF;

// The report of the list of readings, to keep and to hand on: copied as text, saved as CSV,
// printed. Built from a plain description of the list that the window fills in when asked;
// the place and the dates are those of the readings themselves.

// One line of the list as the window shows it, and the reading it keeps when it has one.
struct LigneRapport {
    QString texte; // as shown, in the user's regional format
    bool cochee = false;
    std::optional<solar::Lecture> lecture;
};

struct Rapport {
    platform::Langue langue = platform::Langue::Francais;
    QString separateur; // the user's decimal separator
    QString programme;  // "Orsaline 3.0"
    QDateTime etabli;   // local date and time the report is made
    std::array<LigneRapport, 5> lignes;
    // The average of the ticked lines, degrees from south, west positive; none without one
    // (no ticked number, or readings too far apart to describe one wall).
    std::optional<double> moyenne;
    // Of the ticked lines that hold a number; a spread only from two of them on.
    std::optional<solar::Statistiques> statistiques;
    // The clock's offset as the readings tell it, then the lines whose times were corrected
    // and by how much; in the report's language.
    QStringList horloge;
};

// The statistics of the ticked lines whose text is a number in the user's regional format.
std::optional<solar::Statistiques> StatistiquesLignes(const std::array<LigneRapport, 5>& lignes);

// The wall's orientation in words from its declination d (degrees from south, west
// positive, within -180..180), rounded to the hundredth as the result field shows it, with
// numbers in the user's regional format: "mur orienté 12,34° vers l'est du sud (azimut
// 167,66°)". Beyond 90° either way the wall is counted from north.
QString OrientationMur(double d, platform::Langue langue);

// Plain text for the clipboard, in the report's language; lines end with "\n". Empty lines
// of the list are left out. The place and the date are said once when every reading
// shares them (the place to the minute, the local date), otherwise on each line.
QString TexteRapport(const Rapport& r);

// The CSV file's contents as a spreadsheet of the user's locale reads them: with a decimal
// comma, fields separated by ";" and numbers with commas; otherwise "," and full stops.
// UTF-8 with a byte-order mark; the header in the report's language, then one row per line
// of the list that is not empty (an empty line holds nothing a spreadsheet could use), each
// row ended by CRLF.
QByteArray CsvRapport(const Rapport& r);

// Draws the report on one page whose printable area is `zone`, in the painter's device
// units, at `dpi` device units per inch. The azimuth view shows the sun at each reading's
// instant, numbered as in the table, and the wall from the average.
void DessinerRapport(QPainter& p, const QRectF& zone, double dpi, const Rapport& r);

// Prints the report on a printer or a PDF writer: one page. False when the device cannot
// be painted on (a file that cannot be written, a printer that refuses the job).
bool ImprimerRapport(const Rapport& r, QPagedPaintDevice& appareil);
