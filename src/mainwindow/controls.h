#pragma once

#include <QLineF>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

// Green of a kept line of the list.
inline const QColor VertGarde(0, 128, 0);

// Sets the colour of a widget's text (QPalette::Text for text boxes, WindowText for labels).
void colorerTexte(QWidget* w, const QColor& c, QPalette::ColorRole role = QPalette::Text);

// A straight line drawn over other controls, in the window's coordinates; ignores the mouse.
class Trait : public QWidget {
    Q_OBJECT

public:
    Trait(QPointF de, QPointF a, const QColor& couleur, int largeur, QWidget* parent);
    QLineF ligne() const { return m_ligne; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLineF m_ligne; // in the parent's pixels
    QColor m_couleur;
    int m_largeur;
};

// A rounded outline behind a group of controls; ignores the mouse.
class Contour : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A push button whose caption wraps onto several lines when it is too long for one.
class BoutonTexte : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};
