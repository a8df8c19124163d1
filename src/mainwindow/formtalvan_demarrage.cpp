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
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

namespace {

const QString Section = QStringLiteral("Start");

QString booleen(bool b) {
    return b ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

void FormTalvan::Charger() {
    platform::SettingsStore& s = m_services.settings;
    // The clock runs from the start: MajHeures below reads the time only while it runs.
    Timer1->start();

    if (s.lire(Section, QStringLiteral("Langue"), QStringLiteral("F")) == QLatin1String("F"))
        Option5[0]->setChecked(true);
    else
        Option5[1]->setChecked(true);

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
    for (int i = 0; i < 5; ++i) {
        etape([&] {
            DG[i]->setText(s.lire(Section, QString::number(i), QString()));
            if (platform::nombreLocal(DG[i]->text())) {
                Chec[i]->setChecked(true);
                colorerTexte(DG[i], VertGarde);
                ++m_etat.Mem;
            }
            Chec[i]->setToolTip(QString::fromUtf8(captions::InfoBulleChec));
        });
    }
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
}

void FormTalvan::Command4_Click() {
    if (m_etat.Modif && !m_fermetureDecidee)
        demanderConservation();
    m_fermetureDecidee = true;
    close();
}

void FormTalvan::demanderConservation() {
    QMessageBox question(QMessageBox::NoIcon, m_etat.Libelles[5], m_etat.Libelles[3],
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setObjectName(QStringLiteral("QuestionQuitter"));
    question.setDefaultButton(QMessageBox::Yes);
    const bool fr = langue() == 1;
    question.button(QMessageBox::Yes)
        ->setText(fr ? QStringLiteral("Oui") : QString::fromUtf8("Sí"));
    question.button(QMessageBox::No)->setText(fr ? QStringLiteral("Non") : QStringLiteral("No"));
    if (question.exec() == QMessageBox::Yes)
        enregistrerTout();
    else
        m_sansEnregistrer = true;
}

void FormTalvan::closeEvent(QCloseEvent* event) {
    // The close box asks the same question as the quit command when something worth
    // saving changed, so that kept readings are never lost without a word.
    if (m_etat.Modif && !m_fermetureDecidee)
        demanderConservation();
    m_fermetureDecidee = true;
    Timer1->stop();
    if (!m_sansEnregistrer) {
        enregistrerLangue();
        if (!m_services.settings.enregistrer())
            signalerEchecEnregistrement();
    }
    if (m_droite)
        m_droite->close();
    if (m_about)
        m_about->close();
    event->accept();
}

void FormTalvan::enregistrerTout() {
    platform::SettingsStore& s = m_services.settings;
    s.ecrire(Section, QStringLiteral("deglat"), Text1->text());
    s.ecrire(Section, QStringLiteral("minlat"), Text2->text());
    s.ecrire(Section, QStringLiteral("deglon"), Text3->text());
    s.ecrire(Section, QStringLiteral("minlon"), Text4->text());
    s.ecrire(Section, QStringLiteral("lat"), booleen(Option1->isChecked()));
    s.ecrire(Section, QStringLiteral("lon"), booleen(Option4->isChecked()));
    for (int i = 0; i < 5; ++i)
        s.ecrire(Section, QString::number(i), DG[i]->text());
    s.ecrire(Section, QStringLiteral("Mem"), QString::number(m_etat.Mem));
}

void FormTalvan::enregistrerLangue() {
    m_services.settings.ecrire(Section, QStringLiteral("Langue"),
                               Option5[0]->isChecked() ? QStringLiteral("F") : QStringLiteral("E"));
}

void FormTalvan::signalerEchecEnregistrement() {
    const bool fr = langue() == 1;
    QMessageBox avis(
        QMessageBox::Warning, QStringLiteral("Orsaline"),
        (fr ? QString::fromUtf8("Les réglages n'ont pas pu être enregistrés dans :\n%1")
            : QString::fromUtf8("No se han podido guardar los ajustes en:\n%1"))
            .arg(m_services.settings.emplacement()),
        QMessageBox::Ok, this);
    avis.setObjectName(QStringLiteral("EchecEnregistrement"));
    avis.exec();
}
