// The live clock and the times typed by hand.

#include "mainwindow/captions.h"
#include "mainwindow/controls.h"
#include "mainwindow/etape.h"
#include "mainwindow/formtalvan.h"
#include "solar/calculerror.h"
#include "solar/ephemeris.h"
#include "solar/observation.h"
#include "solar/textformat.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <cmath>
#include <utility>

namespace {

double fractionDuJour(const QTime& t) {
    return (t.hour() * 3600 + t.minute() * 60 + t.second()) / 86400.0;
}

} // namespace

void FormTalvan::Timer1_Timer() {
    Line1->hide();
    Line2->hide();
    m_etat.ModifHl = false;
    m_etat.ModifTU = false;
    MajHeures();
    MajMoyenne();
    MajCalculs();
}

double FormTalvan::gmtDuJour(const QDateTime& utc, const QDateTime& local) const {
    // Universal time counted from the start of the local date shown in the date lists:
    // east of Greenwich in the morning it is still yesterday in universal time (negative),
    // west of it in the evening already tomorrow (above one day).
    const QTime t = utc.time();
    const double heures = solar::HeureGMT(t.hour(), t.minute(), t.second());
    return heures / 24 + static_cast<double>(local.date().daysTo(utc.date()));
}

// Offset of the computer's zone, seconds, in force when the typed time was read: at the
// date of the date lists with the typed time, or now when the lists hold no valid date.
int FormTalvan::decalageSecondes(double heureTapee, bool tapeeEnTU) const {
    const platform::Clock& horloge = m_services.clock;
    QDate date;
    if (const auto d = dateDesListes()) {
        const auto [j, m, a] = *d;
        if (j == std::floor(j) && m == std::floor(m) && a == std::floor(a) && a < 1e6)
            date = QDate(static_cast<int>(a), static_cast<int>(m), static_cast<int>(j));
    }
    int secondes;
    if (!date.isValid()) {
        secondes = horloge.decalageUtcInstant(horloge.maintenantUtc());
    } else {
        const QTime heure = QTime::fromMSecsSinceStartOfDay(
            static_cast<int>(std::lround(heureTapee * 86400.0)) % 86400 * 1000);
        secondes = tapeeEnTU ? horloge.decalageUtcInstant(QDateTime(date, heure, Qt::UTC))
                             : horloge.decalageUtc(date, heure);
    }
    return secondes;
}

void FormTalvan::montrerDate(const QDate& jour) {
    Combo1[0]->setEditText(QString::number(jour.day()));
    Combo1[1]->setEditText(QString::number(jour.month()));
    Combo1[2]->setEditText(QString::number(jour.year()));
}

// With the clock running, date lists that still show the clock's previous date follow it
// past midnight, so that the next morning's readings take the next morning's sun. A date
// chosen by hand stays.
void FormTalvan::suivreLaDate(const QDate& jour) {
    const QDate avant = std::exchange(m_jourHorloge, jour);
    if (!avant.isValid() || jour == avant)
        return;
    const auto date = dateDesListes();
    if (date && (*date)[0] == avant.day() && (*date)[1] == avant.month() &&
        (*date)[2] == avant.year())
        montrerDate(jour);
}

void FormTalvan::MajHeures() {
    colorerTexte(Label15, Qt::black, QPalette::WindowText);
    colorerTexte(Label16, Qt::black, QPalette::WindowText);
    if (Timer1->isActive()) {
        const QDateTime utc = m_services.clock.maintenantUtc();
        const QDateTime local = utc.toOffsetFromUtc(m_services.clock.decalageUtcInstant(utc));
        suivreLaDate(local.date());
        m_etat.Decalage = local.offsetFromUtc();
        m_etat.Hl = fractionDuJour(local.time());
        m_etat.GMT = gmtDuJour(utc, local);
    }
    if (m_etat.ModifTU) {
        // A time that cannot be read leaves the previous one.
        if (const auto t = solar::LireHeure(Text11->text().toStdString())) {
            m_etat.Decalage = decalageSecondes(*t, true);
            m_etat.GMT = *t;
            m_etat.Hl = m_etat.GMT + m_etat.Decalage / 86400.0;
        }
        colorerTexte(Label16, QColor(255, 0, 0), QPalette::WindowText);
    }
    if (m_etat.ModifHl) {
        if (const auto t = solar::LireHeure(Text10->text().toStdString())) {
            m_etat.Decalage = decalageSecondes(*t, false);
            m_etat.Hl = *t;
            m_etat.GMT = m_etat.Hl - m_etat.Decalage / 86400.0;
        }
        colorerTexte(Label15, QColor(255, 0, 0), QPalette::WindowText);
    }
    if (dateDesListes()) {
        etape([&] { m_etat.Hv = solar::HeureSolaire(m_etat.GMT, m_etat.Lambda, m_etat.EQ); });
        etape([&] {
            ecrireChamp(Text13, QString::fromStdString(solar::TexteHeureDuJour(m_etat.Hv)));
        });
    } else {
        Text13->clear(); // the solar time needs the date's equation of time
    }
    etape([&] { Text10->setText(QString::fromStdString(solar::TexteHeureDuJour(m_etat.Hl))); });
    etape([&] { Text11->setText(QString::fromStdString(solar::TexteHeureDuJour(m_etat.GMT))); });
    etape([&] { PosSoleil(); });
    // Said again whenever the message line has nothing else to say.
    if (Label7->text().isEmpty() && m_services.clock.fuseauInconnu())
        afficherMessage(captions::Message::FuseauInconnu);
}

void FormTalvan::Horloge_Click() {
    if (Timer1->isActive())
        Timer1->stop();
    else
        Timer1->start();
    const bool arretee = !Timer1->isActive();
    Line1->setVisible(arretee);
    Line2->setVisible(arretee);
    if (!arretee) {
        m_jourHorloge = m_services.clock.maintenantLocal().date();
        montrerDate(m_jourHorloge);
        MajCalculs();
    }
}

void FormTalvan::Text10_Click() {
    colorerTexte(Label16, Qt::black, QPalette::WindowText);
    colorerTexte(Label15, QColor(255, 0, 0), QPalette::WindowText);
    Text10->clear();
    Text11->clear();
    Text13->clear();
    m_etat.ModifHl = true;
    m_etat.ModifTU = false;
}

void FormTalvan::Text11_Click() {
    colorerTexte(Label16, QColor(255, 0, 0), QPalette::WindowText);
    colorerTexte(Label15, Qt::black, QPalette::WindowText);
    Text10->clear();
    Text11->clear();
    Text13->clear();
    m_etat.ModifHl = false;
    m_etat.ModifTU = true;
}
