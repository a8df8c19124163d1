#pragma once

#include <QKeySequence>
#include <QLabel>
#include <QLineF>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

// Green of a kept line of the list.
inline const QColor VertGarde(0, 128, 0);

// Sets the colour of a widget's text (QPalette::Text for text boxes, WindowText for labels).
void colorerTexte(QWidget* w, const QColor& c, QPalette::ColorRole role = QPalette::Text);

class QLineEdit;
// Writes a field only when its text changes: each write is an event for screen readers.
void ecrireChamp(QLineEdit* champ, const QString& texte);

// A text field claims a standard key (copy, undo) whenever it has the focus. For every text
// field of `fenetre`, the claim is withdrawn while `aQuoi` says the field has nothing of its
// own to act on: the key then reaches the window's shortcut.
void cederRaccourci(QWidget* fenetre, QKeySequence::StandardKey touche,
                    bool (*aQuoi)(const QLineEdit* champ));

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

// The message line. A new message is told to screen readers as the accessible description
// of the control that has the focus, which is what AT-SPI conveys (Qt 6.4 sends no value
// change for a text field) and what a screen reader speaks for the focused control; the
// line carries it as its own description too. setText() and clear() hide QLabel's so that
// every write through this type is announced. The description given to a control goes when
// the message goes or is written again.
class LigneMessage : public QLabel {
    Q_OBJECT

public:
    explicit LigneMessage(QWidget* parent = nullptr);

    void setText(const QString& texte);
    void clear() { setText(QString()); }
    // The message shown said again in another language: the control that carries it keeps
    // it, in the new words; nothing new is announced.
    void traduire(const QString& texte);
    // What a press did, told to screen readers the same way but not shown; it goes when the
    // focus leaves the control or with the next message or announcement.
    void annoncer(const QString& texte);

    // The next message is announced even if it repeats the one shown: the user acted again.
    // Otherwise a message written again (by the clock's tick) is not repeated.
    void nouvelleAction() { m_repeter = true; }

signals:
    void annonce(QWidget* cible); // a message was given to the focused control

private:
    void rendreDescription();
    void decrireFocus(const QString& texte);

    QPointer<QWidget> m_cible;  // the control that carries the message as its description
    QString m_descriptionCible; // its own description, given back when the message goes
    QString m_donnee;           // the description given to it
    bool m_annonce = false;     // m_donnee is an announcement, not the message shown
    bool m_repeter = false;
};
