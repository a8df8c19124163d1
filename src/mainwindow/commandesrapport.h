#pragma once

#include "platform/langue.h"

#include <QByteArray>
#include <QString>
#include <functional>

class QPrinter;
class QWidget;

// What the window's report commands need besides the report itself.

// "Clic droit : ... Ctrl+C ... Ctrl+S ... Ctrl+P ...": the tooltip that names the report's
// commands, for the lines of the list and the result field.
QString AideRaccourcisRapport(platform::Langue langue);

// What the report's commands ask of the user through dialogs; tests put their own in place,
// so that no modal dialog opens and no printer is reached.
struct DialoguesRapport {
    // The file to save to, or an empty text when the user cancels. The standard dialog asks
    // before replacing an existing file and adds the ".csv" suffix itself.
    std::function<QString(QWidget* parent, const QString& titre, const QString& proposition,
                          const QString& filtre)>
        fichierEnregistrement;
    // Lets the user choose and set up the printer, or "Print to PDF"; false when cancelled.
    std::function<bool(QWidget* parent, QPrinter& imprimante, const QString& titre)>
        reglerImpression;
    // A warning with one button.
    std::function<void(QWidget* parent, const QString& titre, const QString& texte)> avertir;

    // Qt's file and print dialogs and a message box.
    static DialoguesRapport standard();
};
