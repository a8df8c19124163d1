#pragma once

#include "rapport/trace.h"

#include <QColor>
#include <QPointF>
#include <QString>
#include <QVector>
#include <QWidget>

// A picture box: keeps what was drawn until the next clear and paints it at any scale.
class Canvas : public QWidget {
    Q_OBJECT

public:
    explicit Canvas(QWidget* parent = nullptr);

    void effacer();
    void styleTrait(int style); // 0 solid, 1 dash, 2 dot
    void largeurTrait(int largeur);
    int style() const { return m_style; }
    int largeur() const { return m_largeur; }
    void ligne(QPointF de, QPointF a, const QColor& couleur);
    void cercle(QPointF centre, double rayon, const QColor& couleur);
    void arc(QPointF centre, double rayon, const QColor& couleur, double debut);
    // Text with its top-left corner at the position, in the widget's font and text colour.
    void texte(QPointF position, const QString& texte);
    double largeurTwips() const; // read at each use
    double hauteurTwips() const;

    const QVector<Primitive>& primitives() const { return m_primitives; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // A new primitive in the current pen, its other fields left to the caller.
    Primitive& ajouter(Primitive::Genre genre, QPointF p1, const QColor& couleur);

    QVector<Primitive> m_primitives;
    int m_style = 0;
    int m_largeur = 1;
};
