#include "mainwindow/controls.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

void colorerTexte(QWidget* w, const QColor& c, QPalette::ColorRole role) {
    QPalette p = w->palette();
    p.setColor(role, c);
    w->setPalette(p);
}

Trait::Trait(QPointF de, QPointF a, const QColor& couleur, int largeur, QWidget* parent)
    : QWidget(parent), m_ligne(de, a), m_couleur(couleur), m_largeur(largeur) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int marge = largeur;
    setGeometry(QRectF(de, a).normalized().toAlignedRect().adjusted(-marge, -marge, marge, marge));
}

void Trait::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(m_couleur, m_largeur, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(m_ligne.translated(-QPointF(pos())));
}

void Contour::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}

void BoutonTexte::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString legende = option.text;
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(rect().adjusted(3, 2, -3, -2), Qt::AlignCenter | Qt::TextWordWrap, legende);
}
