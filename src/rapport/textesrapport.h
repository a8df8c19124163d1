#pragma once

#include "platform/langue.h"

// The report of the list (copied, saved as CSV, printed) and its commands. "%1", "%2"...
// are filled in by the report; the formats are QLocale date and time formats.
struct TextesRapport {
    const char* titre;
    const char* etabli; // %1 the date and time the report was made
    const char* formatEtabli;
    const char* lieu;        // heading of the place of the readings
    const char* dateMesures; // heading of their local date
    const char* formatDate;
    const char* plusieursLieux; // the readings were taken at several places
    const char* plusieursJours; // ... on several days
    const char* sansLieu;       // no line kept its reading: no place nor date to give
    const char* hemispheres[4]; // north, south, east, west
    const char* mesures;        // heading of the lines, with the sign convention
    const char* aucuneMesure;
    const char* cochee;
    const char* nonCochee;
    const char* sansInstant;   // a line that kept no reading
    const char* formatInstant; // the date of a reading; its time follows as HH:mm:ss
    const char* angle;
    const char* azimut;
    const char* hauteur;
    const char* lieuLigne; // before the place of one line, when they differ
    // Column headings of the printed table.
    const char* colNumero;
    const char* colDeclinaison;
    const char* colCochee;
    const char* colInstant;
    const char* colAngle;
    const char* colAzimut;
    const char* colHauteur;
    const char* moyenne;
    const char* aucuneMoyenne;
    const char* dispersion; // %1 lines, %2 deviation, %3 standard error, %4 range
    const char* legendeDiagramme;
    const char* sansDiagramme;
    // The wall's orientation: "%1" its angle from south or north, "%2" (or "%1" when due)
    // its azimuth from north through east.
    const char* plein[4];      // due south, west, north, east: %1 azimuth
    const char* depuis[4];     // %1 east of south, west of south, east of north, west of north
    const char* enteteCsv[10]; // the CSV's column names
    const char* menuCopier;
    const char* menuCsv;
    const char* menuImprimer;
    const char* aideRaccourcis; // %1 copy, %2 save, %3 print shortcuts
    const char* titreCsv;
    const char* filtreCsv;
    const char* echecCsv; // %1 the file, %2 the system's reason
    const char* titreImpression;
    const char* echecImpression; // %1 the printer or the file
};
const TextesRapport& textesRapport(platform::Langue langue);
