#pragma once

#include "platform/langue.h"
#include "rapport/trace.h"
#include "solar/statistiques.h"

#include <QDateTime>
#include <QFont>
#include <QSizeF>
#include <QString>
#include <QVector>
#include <array>
#include <optional>

class QPagedPaintDevice;
class QPainter;

// The report of the list of readings, to keep and to hand on: copied as text, saved as CSV,
// printed. Built from a description of the list that the window fills in when asked.

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
    QDateTime etabli;   // local date and time the report was made
    // The place as typed: degrees and minutes, and the hemispheres' captions.
    QString degLat, minLat, nordSud;
    QString degLon, minLon, estOuest;
    QString jour, mois, annee; // the date lists' texts
    std::array<LigneRapport, 5> lignes;
    // The average of the ticked lines, degrees from south, west positive; none without one.
    std::optional<double> moyenne;
    // Of the ticked lines that hold a number; a spread only from two of them on.
    std::optional<solar::Statistiques> statistiques;
    // The azimuth view as drawn on the window: its display list in twips, its size in
    // twips, its font and that font's height in screen pixels, and the local time shown.
    QVector<Primitive> diagramme;
    QSizeF tailleDiagramme;
    QFont policeDiagramme;
    double pixelsPolice = 11;
    QString heureDiagramme;
};

// The statistics of the ticked lines whose text is a number in the user's regional format.
std::optional<solar::Statistiques> StatistiquesLignes(const std::array<LigneRapport, 5>& lignes);

// Plain text for the clipboard, in the report's language; lines end with "\n". Empty lines
// of the list are left out.
QString TexteRapport(const Rapport& r);

// The CSV file's contents, UTF-8: the header, then one row per line of the list that is not
// empty (an empty line holds nothing a spreadsheet could use), each row ended by CRLF. The
// declination column is the line's number, written with a full stop.
QByteArray CsvRapport(const Rapport& r);

// Draws the report on one page whose printable area is `zone`, in the painter's device
// units, at `dpi` device units per inch.
void DessinerRapport(QPainter& p, const QRectF& zone, double dpi, const Rapport& r);

// Prints the report on a printer or a PDF writer: one page. False when the device cannot
// be painted on (a file that cannot be written, a printer that refuses the job).
bool ImprimerRapport(const Rapport& r, QPagedPaintDevice& appareil);
