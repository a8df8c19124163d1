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
    // The mnemonic's letter underlined as the style shows it on other buttons.
    const int mnemonique = style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this)
                               ? Qt::TextShowMnemonic
                               : Qt::TextHideMnemonic;
    p.drawText(rect().adjusted(3, 2, -3, -2), Qt::AlignCenter | Qt::TextWordWrap | mnemonique,
               legende);
}

void LigneMessage::setText(const QString& texte) {
    const QString ancien = text();
    const bool nouveau = m_repeter || texte != ancien;
    m_repeter = false;
    QLabel::setText(texte);
    if (!nouveau)
        return;
    // A description changed since (a line kept meanwhile) is newer than the one kept here.
    if (m_cible && m_cible->accessibleDescription() == ancien)
        m_cible->setAccessibleDescription(m_descriptionCible);
    m_cible = nullptr;
    setAccessibleDescription(texte);
    QWidget* focus = window()->focusWidget();
    if (texte.isEmpty() || !focus || focus == this)
        return;
    m_cible = focus;
    m_descriptionCible = focus->accessibleDescription();
    if (m_descriptionCible == texte)
        focus->setAccessibleDescription(QString()); // the same message again is a change too
    focus->setAccessibleDescription(texte);
    emit annonce(focus);
}
