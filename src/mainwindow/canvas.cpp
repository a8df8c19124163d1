#include "mainwindow/canvas.h"

#include "platform/geometry.h"

#include <QPainter>
#include <QPen>
#include <cmath>

Canvas::Canvas(QWidget* parent) : QWidget(parent) {
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
    // A diagram is about thirty primitives; redrawn every second, so allocate once.
    m_primitives.reserve(64);
}

void Canvas::effacer() {
    m_primitives.clear(); // keeps the capacity
    update();
}

void Canvas::styleTrait(int style) {
    m_style = style;
}

void Canvas::largeurTrait(int largeur) {
    m_largeur = largeur;
}

Primitive& Canvas::ajouter(Primitive::Genre genre, QPointF p1, const QColor& couleur) {
    Primitive& p = m_primitives.emplace_back();
    p.genre = genre;
    p.p1 = p1;
    p.couleur = couleur;
    p.style = m_style;
    p.largeur = m_largeur;
    update();
    return p;
}

void Canvas::ligne(QPointF de, QPointF a, const QColor& couleur) {
    ajouter(Primitive::Genre::Ligne, de, couleur).p2 = a;
}

void Canvas::cercle(QPointF centre, double rayon, const QColor& couleur) {
    ajouter(Primitive::Genre::Cercle, centre, couleur).rayon = rayon;
}

void Canvas::arc(QPointF centre, double rayon, const QColor& couleur, double debut) {
    Primitive& p = ajouter(Primitive::Genre::Arc, centre, couleur);
    p.rayon = rayon;
    p.debut = debut;
}

void Canvas::texte(QPointF position, const QString& texte) {
    ajouter(Primitive::Genre::Texte, position, QColor()).texte = texte;
}

double Canvas::largeurTwips() const {
    return width() * platform::twipsParPixel;
}

double Canvas::hauteurTwips() const {
    return height() * platform::twipsParPixel;
}

void Canvas::paintEvent(QPaintEvent* /*event*/) {
    if (m_primitives.isEmpty()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    const double echelle = 1.0 / platform::twipsParPixel;
    const QTransform enTwips = QTransform::fromScale(echelle, echelle);
    const QColor couleurTexte = palette().color(QPalette::WindowText);
    const double ascendante = painter.fontMetrics().ascent();

    // Pen widths are in pixels: in the twip frame one pixel is 15 units wide.
    QPen pinceau;
    for (const Primitive& p : m_primitives) {
        if (p.genre == Primitive::Genre::Texte) {
            // Text keeps its point size: place it in pixels, top-left corner at the position.
            painter.setTransform(QTransform());
            painter.setPen(couleurTexte);
            painter.drawText(QPointF(p.p1.x() * echelle, p.p1.y() * echelle + ascendante), p.texte);
            continue;
        }
        painter.setTransform(enTwips);
        const bool marque = EstMarque(p);
        pinceau.setColor(p.couleur);
        pinceau.setWidthF(p.largeur * platform::twipsParPixel);
        pinceau.setStyle(marque ? Qt::SolidLine : styleQt(p.style, p.largeur));
        // Flat ends keep the dashes of thin lines apart; round ends close the arrow heads.
        pinceau.setCapStyle(p.largeur > 1 ? Qt::RoundCap : Qt::FlatCap);
        painter.setPen(pinceau);
        switch (p.genre) {
        case Primitive::Genre::Ligne:
            painter.drawLine(p.p1, p.p2);
            break;
        case Primitive::Genre::Cercle:
            painter.drawEllipse(p.p1, p.rayon, p.rayon);
            break;
        case Primitive::Genre::Arc: {
            if (marque) {
                painter.drawEllipse(p.p1, p.rayon, p.rayon);
                break;
            }
            // QPainter counts 1/16 degree, counter-clockwise on screen, as the start angle is.
            constexpr double seiziemesParRadian = 16.0 * 180.0 / 3.14159265358979323846;
            const int debut = static_cast<int>(std::lround(p.debut * seiziemesParRadian));
            painter.drawArc(
                QRectF(p.p1.x() - p.rayon, p.p1.y() - p.rayon, 2 * p.rayon, 2 * p.rayon), debut,
                360 * 16 - debut);
            break;
        }
        case Primitive::Genre::Texte:
            break;
        }
    }
}
