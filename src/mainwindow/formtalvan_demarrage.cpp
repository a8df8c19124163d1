// Start-up, the settings record and quitting.

#include "about/about.h"
#include "mainwindow/captions.h"
#include "mainwindow/controls.h"
#include "mainwindow/etape.h"
#include "mainwindow/formtalvan.h"
#include "overlay/droite.h"
#include "platform/nombrelocal.h"
#include "solar/calculerror.h"
#include "solar/textformat.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

namespace {

const QString Section = QStringLiteral("Start");

// The keys of the place, in the order of FormTalvan::placeAffichee().
constexpr std::array ClesPlace{"deglat", "minlat", "deglon", "minlon", "lat", "lon"};

QString booleen(bool b) {
    return b ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

void FormTalvan::Charger() {
    platform::SettingsStore& s = m_services.settings;
    // The clock runs from the start: MajHeures below reads the time only while it runs.
    Timer1->start();

    const platform::Langue langue =
        platform::langueDeLettre(s.lire(Section, QStringLiteral("Langue"), QStringLiteral("F")));
    Option5[langue == platform::Langue::Francais ? 0 : 1]->setChecked(true);

    etape([&] {
        const auto nombres = [](int de, int a) {
            QStringList liste;
            liste.reserve(a - de + 1);
            for (int n = de; n <= a; ++n)
                liste << QString::number(n);
            return liste;
        };
        Combo1[0]->addItems(nombres(1, 31));
        Combo1[1]->addItems(nombres(1, 12));
        Combo1[2]->addItems(nombres(1900, 2100));
    });
    etape([&] {
        const QDate aujourdhui = m_services.clock.maintenantLocal().date();
        Combo1[0]->setEditText(QString::number(aujourdhui.day()));
        Combo1[1]->setEditText(QString::number(aujourdhui.month()));
        Combo1[2]->setEditText(QString::number(aujourdhui.year()));
    });
    etape([&] {
        Text1->setText(s.lire(Section, QStringLiteral("deglat"), QStringLiteral("48")));
        Text2->setText(s.lire(Section, QStringLiteral("minlat"), QStringLiteral("52")));
        Text3->setText(s.lire(Section, QStringLiteral("deglon"), QStringLiteral("02")));
        Text4->setText(s.lire(Section, QStringLiteral("minlon"), QStringLiteral("20")));
    });
    etape([&] {
        // A value that does not read as a boolean leaves the option as designed.
        const auto lat = solar::LireBooleen(
            s.lire(Section, QStringLiteral("lat"), QStringLiteral("True")).toStdString());
        const auto lon = solar::LireBooleen(
            s.lire(Section, QStringLiteral("lon"), QStringLiteral("True")).toStdString());
        if (lat)
            (*lat ? Option1 : Option2)->setChecked(true);
        if (lon)
            (*lon ? Option4 : Option3)->setChecked(true);
    });
    etape([&] {
        Text10->setText(
            solar::TexteHeure(m_services.clock.maintenantLocal().time().msecsSinceStartOfDay() /
                              86400000.0)
                .c_str());
    });
    etape([&] {
        // Every saved line is kept, gathered at the top in its order, so that no calculation
        // writes over it; those that read as numbers are ticked and count in the average.
        m_listeConnue = mesures::lireListe(s);
        const mesures::ListeMesures lignes = mesures::rassembler(m_listeConnue);
        for (int i = 0; i < 5; ++i) {
            m_lectures[i] = lignes[i].lecture;
            DG[i]->setText(lignes[i].texte);
            if (lignes[i].vide())
                continue;
            colorerTexte(DG[i], VertGarde);
            ++m_etat.Mem;
            if (platform::nombreLocal(lignes[i].texte))
                Chec[i]->setChecked(true);
        }
    });
    MajHeures();
    m_etat.Chargee = true;
    MajCalculs();
    // The clock above ran before the place was known; bring the solar time and the
    // diagrams to the place at once rather than a second later.
    MajHeures();

    if (!isVisible()) {
        if (const QScreen* ecran = QGuiApplication::primaryScreen())
            move(ecran->availableGeometry().center() - rect().center());
        show();
    }
    Text12->setFocus();
    MajMoyenne();
    m_placeConnue = placeAffichee();
}

void FormTalvan::Command4_Click() {
    close();
}

void FormTalvan::suivreModifications() {
    // Whatever the user changes in the place, however the field or button was reached, is
    // worth saving; what the program writes there itself (start-up, emptying a value out of
    // bounds) is not. A click into a place field counts too (event filter).
    for (QLineEdit* champ : {Text1, Text2, Text3, Text4})
        connect(champ, &QLineEdit::textEdited, this, [this] { m_etat.Modif = true; });
    for (QRadioButton* o : {Option1, Option2, Option3, Option4})
        connect(o, &QAbstractButton::clicked, this, [this] { m_etat.Modif = true; });
}

FormTalvan::Reponse FormTalvan::demander(const QString& nom, const QString& titre,
                                         const QString& texte, bool ouiParDefaut) {
    QMessageBox question(QMessageBox::NoIcon, titre, texte, QMessageBox::Yes | QMessageBox::No,
                         this);
    question.setObjectName(nom);
    question.setDefaultButton(ouiParDefaut ? QMessageBox::Yes : QMessageBox::No);
    const captions::TextesQuestions& t = captions::textesQuestions(langue());
    QAbstractButton* oui = question.button(QMessageBox::Yes);
    QAbstractButton* non = question.button(QMessageBox::No);
    oui->setText(QString::fromUtf8(t.oui));
    non->setText(QString::fromUtf8(t.non));
    // Escape and the question's close box cancel: neither Yes nor No.
    QAbstractButton* annuler = question.addButton(QMessageBox::Cancel);
    annuler->hide();
    question.setEscapeButton(annuler);
    question.exec();
    if (question.clickedButton() == oui)
        return Reponse::Oui;
    if (question.clickedButton() == non)
        return Reponse::Non;
    return Reponse::Annuler;
}

FormTalvan::Reponse FormTalvan::demanderConservation() {
    const Reponse r =
        demander(QStringLiteral("QuestionQuitter"), m_etat.Libelles[5], m_etat.Libelles[3], true);
    if (r != Reponse::Oui)
        return r;
    const auto liste = preparerListe(true);
    if (!liste)
        return Reponse::Annuler;
    enregistrerTout(*liste);
    return r;
}

void FormTalvan::closeEvent(QCloseEvent* event) {
    // The close box asks the same question as the quit command when something worth
    // saving changed, so that kept readings are never lost without a word.
    if (m_etat.Modif && !m_fermetureDecidee) {
        const Reponse r = demanderConservation();
        if (r == Reponse::Annuler) {
            event->ignore();
            return;
        }
        m_sansEnregistrer = r == Reponse::Non;
    }
    // At the end of a session the settings are already saved, and nobody is left to read a
    // message.
    if (!m_sansEnregistrer && !m_finDeSession) {
        enregistrerLangue();
        // Unsaved, what was typed is still on the window: the user may stay with it.
        if (!m_services.settings.enregistrer() && !quitterSansReglages()) {
            m_fermetureDecidee = false;
            event->ignore();
            return;
        }
    }
    m_fermetureDecidee = true;
    Timer1->stop();
    if (m_droite)
        m_droite->close();
    if (m_about)
        m_about->close();
    m_fermee = true;
    event->accept();
}

void FormTalvan::EnregistrerFinDeSession() {
    if (m_etat.Modif) {
        if (const auto liste = preparerListe(false))
            enregistrerTout(*liste);
        // All that was worth saving is saved: closing now asks nothing.
        m_etat.Modif = false;
    }
    enregistrerLangue();
    if (!m_services.settings.enregistrer())
        qWarning("Orsaline: the settings could not be saved in %s",
                 qPrintable(m_services.settings.emplacement()));
}

void FormTalvan::FinDeSession() {
    if (m_fermee)
        return;
    // A question's own event loop has to end before the window can close: cancel it, then
    // come back.
    if (QWidget* modale = QApplication::activeModalWidget()) {
        if (auto* d = qobject_cast<QDialog*>(modale))
            d->reject();
        modale->hide();
        QTimer::singleShot(0, this, &FormTalvan::FinDeSession);
        return;
    }
    EnregistrerFinDeSession();
    m_finDeSession = true;
    m_fermetureDecidee = true;
    close();
}

mesures::ListeMesures FormTalvan::listeAffichee() const {
    mesures::ListeMesures liste;
    for (int i = 0; i < 5; ++i) {
        liste[i].texte = DG[i]->text();
        liste[i].lecture = lectureDeLigne(i);
    }
    return liste;
}

std::optional<mesures::Enregistrement> FormTalvan::preparerListe(bool peutDemander) {
    // Held until the save that follows: another copy's save waits, then merges this one's.
    platform::SettingsStore& s = m_services.settings;
    s.verrouiller();
    s.relire();
    const mesures::ListeMesures stockee = mesures::lireListe(s);
    mesures::Enregistrement e =
        mesures::aEnregistrer(listeAffichee(), m_etat.Mem, m_listeConnue, stockee);
    if (e.deborde && peutDemander) {
        // Not held while the user reads: the other copy's save would wait on the answer.
        s.liberer();
        QStringList lignes;
        for (const mesures::LigneMesure& l : mesures::sauf(stockee, m_listeConnue))
            lignes << l.texte;
        const QString texte = QString::fromUtf8(captions::textesQuestions(langue()).listes)
                                  .arg(lignes.join(QLatin1Char('\n')));
        const Reponse r =
            demander(QStringLiteral("QuestionListes"), m_etat.Libelles[5], texte, false);
        if (r == Reponse::Annuler)
            return std::nullopt;
        s.verrouiller();
        s.relire();
        switch (r) {
        case Reponse::Annuler:
            break;
        case Reponse::Oui:
            e = {true, listeAffichee(), m_etat.Mem, false};
            break;
        case Reponse::Non:
            e.ecrire = false;
            break;
        }
    }
    return e;
}

void FormTalvan::ecrireListe(const mesures::Enregistrement& liste) {
    if (liste.ecrire)
        mesures::ecrireListe(m_services.settings, liste.lignes, liste.mem);
    // The lines another copy saved are not this window's: a later save keeps them again.
    m_listeConnue = listeAffichee();
}

std::array<QString, 6> FormTalvan::placeAffichee() const {
    return {Text1->text(),
            Text2->text(),
            Text3->text(),
            Text4->text(),
            booleen(Option1->isChecked()),
            booleen(Option4->isChecked())};
}

void FormTalvan::enregistrerTout(const mesures::Enregistrement& liste) {
    platform::SettingsStore& s = m_services.settings;
    const std::array<QString, 6> place = placeAffichee();
    for (std::size_t i = 0; i < place.size(); ++i) {
        // A value this window left as it found it gives way to one that another copy saved
        // since (the store was read again just before).
        const QString cle = QString::fromLatin1(ClesPlace[i]);
        s.ecrire(Section, cle,
                 place[i] == m_placeConnue[i] ? s.lire(Section, cle, place[i]) : place[i]);
    }
    m_placeConnue = place;
    ecrireListe(liste);
}

void FormTalvan::enregistrerLangue() {
    m_services.settings.ecrire(Section, QStringLiteral("Langue"),
                               platform::lettreDeLangue(langue()));
}

// Which file was not written, why when known, and whether the previous one is still there.
QString FormTalvan::texteEchecEnregistrement() const {
    const captions::TextesQuestions& t = captions::textesQuestions(langue());
    const auto echec = m_services.settings.dernierEchec();
    QString texte = QString::fromUtf8(t.echecReglages)
                        .arg(QDir::toNativeSeparators(m_services.settings.emplacement()));
    if (echec && !echec->raison.isEmpty())
        texte += QStringLiteral("\n(") + echec->raison + QLatin1Char(')');
    if (echec && echec->ancienIntact)
        texte += QLatin1Char('\n') + QString::fromUtf8(t.fichierIntact);
    return texte;
}

void FormTalvan::signalerEchecEnregistrement() {
    QMessageBox avis(QMessageBox::Warning, QStringLiteral("Orsaline"), texteEchecEnregistrement(),
                     QMessageBox::Ok, this);
    avis.setObjectName(QStringLiteral("EchecEnregistrement"));
    avis.exec();
}

bool FormTalvan::quitterSansReglages() {
    return demander(QStringLiteral("EchecEnregistrement"), QStringLiteral("Orsaline"),
                    texteEchecEnregistrement() + QStringLiteral("\n\n") +
                        QString::fromUtf8(captions::textesQuestions(langue()).quitterSansReglages),
                    false) == Reponse::Oui;
}
