#pragma once

#include <QColor>
#include <QPointF>
#include <QString>

// The drawing steps of a picture box, in twips from its top-left corner, y downward.
struct Primitive {
    enum class Genre { Ligne, Cercle, Arc, Texte };
    Genre genre = Genre::Ligne;
    QPointF p1;       // line start, circle or arc centre, text top-left corner
    QPointF p2;       // line end
    double rayon = 0; // circle and arc
    double debut = 0; // arc start angle, radians counter-clockwise from +x; ends at 2 pi
    QColor couleur;   // line, circle and arc colour
    int style = 0;    // pen: 0 solid, 1 dash, 2 dot
    int largeur = 1;  // pen width in pixels
    QString texte;
};

// The Qt pen style of a style (0 solid, 1 dash, 2 dot) at a width in pixels. Lines wider
// than 1 pixel are solid whatever the style: the diagrams draw the sun's ray, its arrow head
// and the wall at width 2 with the dashed style of the marks still set, and those must read
// as unbroken lines.
Qt::PenStyle styleQt(int style, int largeur);

// Whether a primitive is one of the small ring marks of the two views (a circle or an arc
// under 4 pixels of radius at the window's scale): it has no room for a dash pattern nor for
// an opening, which would read as a stray letter "c", so it is drawn as a whole solid ring.
bool EstMarque(const Primitive& p);
