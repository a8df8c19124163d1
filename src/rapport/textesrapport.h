#pragma once

#include "platform/langue.h"

// The report of the list (copied, saved as CSV, printed) and its commands. "%1", "%2"...
// are filled in by the report; the formats are QLocale date and time formats.
struct TextesRapport {
    const char* titre;
    const char* etabli; // %1 the date and time the report was made
    const char* formatEtabli;
    const char* lieu;        // heading of the place
    const char* dateMesures; // heading of the date of the date lists
    const char* formatDate;
    const char* mesures; // heading of the lines, with the sign convention
    const char* aucuneMesure;
    const char* cochee;
    const char* nonCochee;
    const char* sansInstant;   // a line that kept no reading
    const char* formatInstant; // the date of a reading; its time follows as HH:mm:ss
    const char* angle;
    const char* azimut;
    const char* hauteur;
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
    const char* dispersion;       // %1 lines, %2 deviation, %3 standard error, %4 range
    const char* legendeDiagramme; // %1 the local time shown
    const char* sansDiagramme;
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
