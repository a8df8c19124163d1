#pragma once

#include "platform/langue.h"
#include "platform/windoweffects.h"

#include <QLineF>
#include <QWidget>

class QLabel;
class QPushButton;
class QScrollBar;

// The see-through protractor laid over the map: a red line turned along the wall and a
// blue one toward the side the wall faces, with the angle read out. Children by
// objectName: "Frame1", "Label1", "HScroll1" (opacity 20..255), "Label2", "HScroll2"
// (angle 0..360 degrees), "Command1" (return), "Label3" (read-out), "Label4" (the wall's
// declination beside the read-out).
class Droite : public QWidget {
    Q_OBJECT

public:
    // The load step runs here: topmost, opacity 200, angle 180.
    explicit Droite(platform::WindowEffects& effets, QWidget* parent = nullptr);

    // The captions and the names for screen readers in the language.
    void appliquerLangue(platform::Langue langue);
    // Centred over `fenetre`, inside the screen's free area.
    void placerSur(const QWidget* fenetre);

    void MajDroite();
    double Ag() const { return m_ag; } // angle of the lines, radians (x 0.017453292)
    // The two lines in twips from the window's top-left corner (X1, Y1) -> (X2, Y2).
    QLineF Li() const { return m_li; }
    QLineF Fl() const { return m_fl; }

signals:
    void fermee(); // closed, by "Retour" or by the desktop: the main window shows itself

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void DefinirTransparence(int opacite);
    void ecrireDeclinaison();

    platform::WindowEffects& m_effets;
    QScrollBar* m_angle = nullptr;   // HScroll2
    QLabel* m_lecture = nullptr;     // Label3
    QLabel* m_declinaison = nullptr; // Label4
    QString m_motDeclinaison;        // "décl." or "decl."
    int m_opaciteFond = 255;         // alpha of the background this window paints
    double m_ag = 0;
    QLineF m_li;
    QLineF m_fl;
};
