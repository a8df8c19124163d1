#include "mainwindow/diagrams.h"

#include "mainwindow/canvas.h"
#include "solar/calculerror.h"
#include "solar/constants.h"

#include <QColor>
#include <cmath>

namespace {

const QColor Gris(128, 128, 128);
const QColor Bleu(0, 0, 255);
const QColor Vert(0, 128, 0);
const QColor CouleurSoleil(192, 64, 0);

} // namespace

void DessinerAzimut(Canvas& pic, double azp, std::optional<double> moy) {
    using solar::Pi;
    // A NaN or an infinity would reach the painter as a line to nowhere.
    solar::Fini(azp, "DessinerAzimut: AzP");
    if (moy)
        solar::Fini(*moy, "DessinerAzimut: Moy");

    // Both from the width, in single precision, as the picture was first drawn.
    const float cx = static_cast<float>(pic.largeurTwips() / 2);
    const float cy = static_cast<float>(pic.largeurTwips() / 2 - 80);
    const QPointF centre(cx, cy);

    pic.effacer();
    pic.styleTrait(2);
    pic.largeurTrait(1);
    pic.ligne(QPointF(350, cy), QPointF(pic.largeurTwips() - 300, cy), Gris);
    pic.ligne(QPointF(cx, 300), QPointF(cx, pic.hauteurTwips() - 400), Gris);

    // Twelve marks every 30 degrees; the thirteenth falls on the first.
    pic.styleTrait(1);
    for (int i = 0; i <= 12; ++i) {
        const double anneau = pic.largeurTwips() / 3;
        pic.cercle(QPointF(cx + anneau * std::sin(solar::DeuxPi * i / 12),
                           cy + anneau * std::cos(solar::DeuxPi * i / 12)),
                   pic.largeurTwips() / 75, Gris);
    }

    // Compass azimuth z (north up, east right) is the screen angle z - 90, clockwise from +x.
    const double a = (azp - 90) * Pi / 180;
    const double r = pic.largeurTwips() / 3.5;
    const QPointF soleil(cx + r * std::cos(a), cy + r * std::sin(a));
    pic.largeurTrait(2);
    pic.ligne(centre, soleil, Bleu);

    // Arrow head: back to 200 twips from the centre, 15 degrees either side of the ray.
    const double a1 = (azp - 75) * Pi / 180;
    const double a2 = (azp - 105) * Pi / 180;
    const QPointF p1(cx + 200 * std::cos(a1), cy + 200 * std::sin(a1));
    const QPointF p2(cx + 200 * std::cos(a2), cy + 200 * std::sin(a2));
    pic.ligne(soleil, p1, Bleu);
    pic.ligne(p2, soleil, Bleu);
    pic.ligne(p2, p1, Bleu);

    // The shadow's direction.
    pic.ligne(centre, QPointF(cx - r * std::cos(a), cy - r * std::sin(a)), Bleu);

    pic.texte(QPointF(cx - 50, 0), QStringLiteral("N"));
    pic.texte(QPointF(cx - 50, pic.hauteurTwips() - 250), QStringLiteral("S"));
    pic.texte(QPointF(50, cy - 100), QStringLiteral("O"));
    pic.texte(QPointF(pic.largeurTwips() - 200, cy - 100), QStringLiteral("E"));

    // The wall's trace: east-west at 0 (due south), none without an average; a positive
    // declination (toward the west) turns it clockwise, its east end toward the south.
    if (moy) {
        const double b = *moy * solar::DegRad;
        pic.largeurTrait(2);
        pic.ligne(QPointF(cx + r * std::cos(b), cy + r * std::sin(b)),
                  QPointF(cx - r * std::cos(b), cy - r * std::sin(b)), Vert);
    }
    pic.largeurTrait(1);
}

void DessinerHauteur(Canvas& pic, double h) {
    using solar::Pi;
    solar::Fini(h, "DessinerHauteur: h");

    pic.effacer();
    pic.styleTrait(1);
    pic.largeurTrait(1);

    // The observer: bottom right by day, top right when the sun is on or below the horizon.
    const float x0 = static_cast<float>(pic.largeurTwips() - 200);
    double y0 = 200;
    if (h > 0) {
        y0 = pic.largeurTwips() - 200;
        // Seven marks every 15 degrees of altitude, from 90 (i = 6, above) to 0 (i = 9, left).
        for (int k = 0; k <= 6; ++k) {
            const double i = 6 + 0.5 * k;
            const double rayon = pic.largeurTwips() / 1.5;
            pic.arc(QPointF(x0 + rayon * std::sin(solar::DeuxPi * i / 12),
                            y0 + rayon * std::cos(solar::DeuxPi * i / 12)),
                    30, Gris, 1);
        }
    }

    // c points left of the observer, rising by h (screen y downward).
    const double c = (h - 180) * Pi / 180;
    const double r = pic.largeurTwips() / 1.7;

    pic.styleTrait(2);
    pic.ligne(QPointF(500, y0), QPointF(x0, y0), Gris);
    pic.ligne(QPointF(x0, 400), QPointF(x0, y0), Gris);

    pic.styleTrait(0);
    const QPointF observateur(x0, y0);
    const QPointF soleil(x0 + r * std::cos(c), y0 + r * std::sin(c));
    pic.largeurTrait(2);
    pic.ligne(observateur, soleil, CouleurSoleil);

    // Arrow head: back to 500 twips from the observer, 0.15 radian either side of the ray.
    const double c1 = c - 0.15;
    const double c2 = c + 0.15;
    const QPointF b1(x0 + 500 * std::cos(c1), y0 + 500 * std::sin(c1));
    const QPointF b2(x0 + 500 * std::cos(c2), y0 + 500 * std::sin(c2));
    pic.ligne(soleil, b1, CouleurSoleil);
    pic.ligne(b2, soleil, CouleurSoleil);
    pic.ligne(b2, b1, CouleurSoleil);

    pic.largeurTrait(1);
}
