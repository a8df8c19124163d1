#include "mainwindow/controls.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

void colorerTexte(QWidget* w, const QColor& c, QPalette::ColorRole role) {
    QPalette p = w->palette();
    p.setColor(role, c);
    w->setPalette(p);
}

void ecrireChamp(QLineEdit* champ, const QString& texte) {
    if (champ->text() != texte)
        champ->setText(texte);
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

LigneMessage::LigneMessage(QWidget* parent) : QLabel(parent) {
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* quitte, QWidget*) {
        if (m_annonce && quitte && quitte == m_cible)
            rendreDescription();
    });
}

void LigneMessage::rendreDescription() {
    // A description changed since (a line kept meanwhile) is newer than the one given here.
    if (m_cible && m_cible->accessibleDescription() == m_donnee)
        m_cible->setAccessibleDescription(m_descriptionCible);
    m_cible = nullptr;
    m_annonce = false;
}

void LigneMessage::decrireFocus(const QString& texte) {
    QWidget* focus = window()->focusWidget();
    if (texte.isEmpty() || !focus || focus == this)
        return;
    m_cible = focus;
    m_donnee = texte;
    m_descriptionCible = focus->accessibleDescription();
    if (m_descriptionCible == texte)
        focus->setAccessibleDescription(QString()); // the same text again is a change too
    focus->setAccessibleDescription(texte);
    emit annonce(focus);
}

void LigneMessage::setText(const QString& texte) {
    const bool nouveau = m_repeter || texte != text();
    m_repeter = false;
    QLabel::setText(texte);
    if (!nouveau)
        return;
    rendreDescription();
    setAccessibleDescription(texte);
    decrireFocus(texte);
}

void LigneMessage::traduire(const QString& texte) {
    QLabel::setText(texte);
    setAccessibleDescription(texte);
    if (m_cible && !m_annonce && m_cible->accessibleDescription() == m_donnee) {
        m_cible->setAccessibleDescription(texte);
        m_donnee = texte;
    }
}

void LigneMessage::annoncer(const QString& texte) {
    rendreDescription();
    decrireFocus(texte);
    m_annonce = !texte.isEmpty() && m_cible;
}

namespace {

class CederRaccourci : public QObject {
public:
    CederRaccourci(QObject* parent, QKeySequence::StandardKey touche,
                   bool (*aQuoi)(const QLineEdit*))
        : QObject(parent), m_touche(touche), m_aQuoi(aQuoi) {}

protected:
    bool eventFilter(QObject* cible, QEvent* e) override {
        if (e->type() == QEvent::ShortcutOverride) {
            const auto* champ = qobject_cast<QLineEdit*>(cible);
            if (champ && !m_aQuoi(champ) && static_cast<QKeyEvent*>(e)->matches(m_touche))
                return true; // left unaccepted: the window's shortcut takes it
        }
        return false;
    }

private:
    QKeySequence::StandardKey m_touche;
    bool (*m_aQuoi)(const QLineEdit*);
};

} // namespace

void cederRaccourci(QWidget* fenetre, QKeySequence::StandardKey touche,
                    bool (*aQuoi)(const QLineEdit* champ)) {
    auto* filtre = new CederRaccourci(fenetre, touche, aQuoi);
    for (QLineEdit* champ : fenetre->findChildren<QLineEdit*>())
        champ->installEventFilter(filtre);
}
