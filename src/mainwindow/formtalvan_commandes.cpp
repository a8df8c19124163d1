// Wiring of the controls, the clicks caught by the event filter, and the map aid.

#include "mainwindow/controls.h"
#include "mainwindow/formtalvan.h"
#include "overlay/droite.h"
#include "overlay/maplink.h"
#include "platform/etiquetteactive.h"
#include "solar/calculerror.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

namespace {

// A key that changes the text of a field (the field's own editing keys).
bool modifieTexte(const QKeyEvent* touche) {
    const QKeySequence::StandardKey edition[] = {QKeySequence::Paste, QKeySequence::Cut,
                                                 QKeySequence::DeleteEndOfLine};
    for (QKeySequence::StandardKey k : edition)
        if (touche->matches(k))
            return true;
    if (touche->key() == Qt::Key_Backspace || touche->key() == Qt::Key_Delete)
        return true;
    const QString texte = touche->text();
    return !texte.isEmpty() && texte.at(0).isPrint() &&
           !(touche->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

bool estEntree(const QKeyEvent* touche) {
    return (touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter) &&
           !(touche->modifiers() & ~Qt::KeypadModifier);
}

} // namespace

void FormTalvan::relier() {
    connect(Timer1, &QTimer::timeout, this, &FormTalvan::Timer1_Timer);
    // The next reading is typed where this one was: the angle's field takes the focus
    // before the computation, so that its message is told there, and its text is selected
    // after it, so that the next reading replaces it.
    const auto avantCalcul = [this] {
        Text12->setFocus(Qt::OtherFocusReason);
        Label7->nouvelleAction();
    };
    const auto apresCalcul = [this] { Text12->selectAll(); };
    connect(Command1, &QAbstractButton::clicked, this, avantCalcul);
    connect(Command1, &QAbstractButton::clicked, this, &FormTalvan::Command1_Click);
    connect(Command1, &QAbstractButton::clicked, this, apresCalcul);
    connect(Command2, &QAbstractButton::clicked, this, &FormTalvan::Command2_Click);
    connect(Command3, &QAbstractButton::clicked, this, &FormTalvan::Command3_Click);
    connect(Command4, &QAbstractButton::clicked, this, &FormTalvan::Command4_Click);
    connect(Command5, &QAbstractButton::clicked, this, &FormTalvan::Command5_Click);
    connect(Command6, &QAbstractButton::clicked, this, &FormTalvan::Command6_Click);
    connect(Command7, &QAbstractButton::clicked, this, &FormTalvan::Command7_Click);
    connect(Command8, &QAbstractButton::clicked, this, &FormTalvan::Command8_Click);
    for (int i = 0; i < 5; ++i) {
        connect(Chec[i], &QCheckBox::toggled, this, [this, i] { Chec_Click(i); });
        // Emptying a ticked line by hand unticks it: an empty line is never ticked.
        connect(DG[i], &QLineEdit::textChanged, this, [this, i](const QString& t) {
            if (t.isEmpty() && Chec[i]->isChecked())
                Chec[i]->setChecked(false);
        });
    }
    for (int i = 0; i < 2; ++i)
        connect(Option5[i], &QAbstractButton::toggled, this, [this, i](bool actif) {
            if (actif)
                Option5_Click(i);
        });
    for (QRadioButton* o : {Option1, Option2, Option3, Option4})
        connect(o, &QAbstractButton::toggled, this, [this](bool actif) {
            if (actif)
                MajCalculs();
        });
    for (QComboBox* c : Combo1) {
        connect(c, &QComboBox::activated, this, &FormTalvan::MajCalculs);
        // The list opens on the entry its field shows, whoever wrote it (start-up, the
        // clock's restart, a person): Alt+Down from "6" opens at 6, and Down picks 7.
        connect(c, &QComboBox::editTextChanged, this, [c](const QString& texte) {
            const int i = c->findText(texte);
            if (i >= 0 && i != c->currentIndex())
                c->setCurrentIndex(i);
        });
        // Following the text, the list no longer sees a typed entry as a new choice when the
        // field is left; the typed date is taken then as a chosen one is.
        connect(c->lineEdit(), &QLineEdit::editingFinished, this, [this, c] {
            if (!c->lineEdit()->isModified())
                return;
            c->lineEdit()->setModified(false);
            MajCalculs();
        });
    }
    const std::pair<QLineEdit*, double> lieux[4] = {
        {Text1, 90}, {Text2, 60}, {Text3, 180}, {Text4, 60}};
    for (const auto& [champ, borne] : lieux) {
        connect(champ, &QLineEdit::textChanged, this,
                [this, c = champ, b = borne] { TextePlace_Change(c, b); });
        champ->installEventFilter(this);
    }
    suivreModifications();
    for (QObject* o :
         std::initializer_list<QObject*>{Text10, Text11, Image1, Label13, Image2, Label8})
        o->installEventFilter(this);
    for (platform::EtiquetteActive* montre : {Image1, Label13})
        connect(montre, &platform::EtiquetteActive::active, this, [this] {
            Horloge_Click();
            indiquerHorloge();
        });
    // Typed in however the field was reached (a paste from the menu, a dropped text): the
    // keys are seen first, by the event filter.
    for (QLineEdit* heure : {Text10, Text11})
        connect(heure, &QLineEdit::textEdited, this, [this, heure](const QString& texte) {
            const bool choisie = heure == Text10 ? m_etat.ModifHl : m_etat.ModifTU;
            if (!Timer1->isActive() && choisie)
                return;
            saisieManuelle(heure);
            heure->setText(texte);
        });
    for (int i = 0; i < 5; ++i) {
        connect(DG[i], &QLineEdit::textChanged, this, [this, i] { decrireLigne(i); });
        // A tick changes which lines disagree, however it was set.
        connect(Chec[i], &QCheckBox::toggled, this, [this] { analyseLignes(); });
        DG[i]->installEventFilter(this); // its colour: kept or not
    }
    // Enter presses a focused button, as Space does.
    for (QAbstractButton* b : findChildren<QAbstractButton*>())
        if (qobject_cast<QPushButton*>(b) || qobject_cast<QToolButton*>(b))
            b->installEventFilter(this);
    connect(Text12, &QLineEdit::returnPressed, this, avantCalcul);
    connect(Text12, &QLineEdit::returnPressed, this, &FormTalvan::Command1_Click);
    connect(Text12, &QLineEdit::returnPressed, this, apresCalcul);
    ordreTabulation();
}

void FormTalvan::saisieManuelle(QLineEdit* champ) {
    // A time typed while the clock runs would be overwritten at the next tick: typing stops
    // the clock as the watch does, then chooses the field as a click into it does.
    if (Timer1->isActive()) {
        Horloge_Click();
        indiquerHorloge();
    }
    if (champ == Text10 && !m_etat.ModifHl)
        Text10_Click();
    else if (champ == Text11 && !m_etat.ModifTU)
        Text11_Click();
}

// The watch and its mark are announced ticked while the clock is stopped.
void FormTalvan::indiquerHorloge() {
    const bool arretee = !Timer1->isActive();
    Image1->setEnfoncee(arretee);
    Label13->setEnfoncee(arretee);
}

// The way a person works: place, date, time and the watch, measured angle, "Calcul", the
// list, the command row; each result follows the inputs it comes from.
void FormTalvan::ordreTabulation() {
    QList<QWidget*> ordre{Text1,   Text2,    Option1,   Option2,   Text3,     Text4,
                          Option4, Option3,  Combo1[0], Combo1[1], Combo1[2], Text9,
                          Text7,   Text8,    Text10,    Text11,    Text13,    Image1,
                          Text12,  Command1, Command2,  Command3,  Command5};
    for (int i = 0; i < 5; ++i)
        ordre << DG[i] << Chec[i];
    ordre << Text15 << Option5[0] << Option5[1] << Command8 << Command7 << Command6 << Command4;
    for (qsizetype i = 1; i < ordre.size(); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);
}

bool FormTalvan::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* touche = static_cast<QKeyEvent*>(event);
        if ((watched == Text10 || watched == Text11) && modifieTexte(touche)) {
            saisieManuelle(static_cast<QLineEdit*>(watched));
        } else if (auto* bouton = qobject_cast<QAbstractButton*>(watched);
                   bouton && estEntree(touche)) {
            if (!touche->isAutoRepeat())
                bouton->click();
            return true;
        }
    } else if (event->type() == QEvent::PaletteChange) {
        for (int i = 0; i < 5; ++i)
            if (watched == DG[i])
                decrireLigne(i);
    } else if (event->type() == QEvent::MouseButtonPress) {
        if (watched == Text1 || watched == Text2 || watched == Text3 || watched == Text4)
            m_etat.Modif = true;
        else if (watched == Text10)
            Text10_Click();
        else if (watched == Text11)
            Text11_Click();
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto* souris = static_cast<QMouseEvent*>(event);
        const auto* w = qobject_cast<QWidget*>(watched);
        const bool dedans = w && w->rect().contains(souris->position().toPoint());
        if ((watched == Image1 || watched == Label13) && dedans) {
            Horloge_Click();
            indiquerHorloge();
        } else if ((watched == Image2 || watched == Label8) && dedans)
            masquerAide();
    }
    return QWidget::eventFilter(watched, event);
}

void FormTalvan::Command8_Click() {
    QUrl adresse;
    try {
        adresse = overlay::adresseCarte(m_etat.Lat, m_etat.Lon);
    } catch (const solar::CalculError&) {
        afficherErreurSaisie(); // no place to show
        return;
    }
    if (!m_droite) {
        m_droite = new Droite(m_services.effects);
        m_droite->placerSur(this);
        // However the overlay closes, the main window comes back, unless it is closing too.
        connect(m_droite, &Droite::fermee, this, [this] {
            if (m_fermetureDecidee)
                return;
            show();
            raise();
            activateWindow();
        });
    }
    m_droite->appliquerLangue(langue());
    m_droite->show();
    // Out of the way so that the map shows. Hidden, not minimised: no Wayland compositor
    // lets a program bring back a minimised window; the overlay's closing shows it again.
    hide();
    QCoreApplication::processEvents();
    m_services.opener.ouvrir(adresse);
}
