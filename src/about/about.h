#pragma once

#include "platform/services.h"

#include <QDialog>
#include <QIcon>
#include <QPixmap>
#include <QUrl>

class QLabel;
class QPushButton;
namespace platform {
class EtiquetteActive;
}

// Credits, version and links. Children, by objectName: "Label1_0" (formulas credit),
// "Image1" (the program's icon), "Label4" (version line; its dynamic property "Tag" holds
// the word "Version"), "Label5" (translator credit, link), "Label1_1" (free-distribution
// sentence), "Label3" (author's site, link), "Label2" (mail link), "Command1" (return),
// "Label6" (copyright, no warranty, licence; below the designed window).
// The texts are written by the main window's language routine.
class About : public QDialog {
    Q_OBJECT

public:
    // icone: the main window's icon; curseur: the picture of the main window's About
    // button, the mouse cursor over the three links.
    About(const platform::Services& services, const QIcon& icone, const QPixmap& curseur,
          QWidget* parent = nullptr);

    // "mailto:" + address + "?subject=" + executable name + " V3.0.0", percent-encoded.
    QUrl adresseCourriel() const;

    // The translator's site's page "/index.htm".
    QUrl adresseTraduction() const;

signals:
    void retour(); // Command1 clicked: the window has closed; the main window shows itself

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    // Keeps Label3 and Label2, sized to their text, centred on the window's middle.
    void recentrer();
    void ouvrir(const QLabel* lien); // Label2, Label3 or Label5

    platform::Services m_services;
    platform::EtiquetteActive* m_Label5 = nullptr; // translator's site
    platform::EtiquetteActive* m_Label3 = nullptr; // author's site
    platform::EtiquetteActive* m_Label2 = nullptr; // mail
};
