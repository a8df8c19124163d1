// The clock's offset found from the ticked readings: the result's line, the message line,
// and the correction of the readings' instants, offered and never applied by itself.

#include "mainwindow/captions.h"
#include "mainwindow/controls.h"
#include "mainwindow/formtalvan.h"
#include "solar/calculerror.h"
#include "solar/observation.h"
#include "solar/sunposition.h"
#include "solar/textformat.h"

#include <QAction>
#include <QDateTime>
#include <QLineEdit>
#include <QLocale>
#include <cmath>

namespace {

QString u8(const char* texte) {
    return QString::fromUtf8(texte);
}

QString degres(double valeur) {
    return QLocale().toString(valeur, 'f', 2);
}

// |secondes| as "2 min 37 s", "29 s", "1 h 0 min 2 s", rounded to the second.
QString duree(double secondes) {
    const long long s = std::llround(std::fabs(secondes));
    const QLocale l;
    QStringList morceaux;
    if (s >= 3600)
        morceaux << l.toString(s / 3600) + QStringLiteral(" h");
    if (s >= 60)
        morceaux << l.toString(s % 3600 / 60) + QStringLiteral(" min");
    morceaux << l.toString(s % 60) + QStringLiteral(" s");
    return morceaux.join(QLatin1Char(' '));
}

// The shift of the instants, signed: "−2 min 37 s", "+1 h 0 min 2 s".
QString decalageSigne(double secondes) {
    return (secondes < 0 ? QStringLiteral("\u2212") : QStringLiteral("+")) + duree(secondes);
}

bool Proposee(const std::optional<solar::AjustementHorloge>& h) {
    return h && (h->verdict == solar::VerdictHorloge::Corrigee ||
                 h->verdict == solar::VerdictHorloge::DecalageHeure);
}

} // namespace

// The fit on the ticked lines that have a reading; when it cannot tell the clock's offset,
// the planner for the date of the lists, from now on when that date is today.
void FormTalvan::ajusterHorloge(AnalyseLignes& a) const {
    std::vector<solar::Lecture> lectures;
    for (int i = 0; i < 5; ++i)
        if (a.cochees[i] && a.lectures[i]) {
            lectures.push_back(*a.lectures[i]);
            a.ajustees[i] = true;
        }
    a.horloge = solar::AjusterHorloge(lectures);
    if (!a.horloge || a.horloge->verdict != solar::VerdictHorloge::NonDeterminee || !a.statistiques)
        return;
    const auto date = dateDesListes();
    if (!date)
        return;
    const auto [j, m, an] = *date;
    const QDate jour(static_cast<int>(an), static_cast<int>(m), static_cast<int>(j));
    if (!jour.isValid() || j != std::floor(j) || m != std::floor(m) || an != std::floor(an))
        return;
    const QDateTime maintenant = m_services.clock.maintenantLocal();
    double depuis = jour > maintenant.date() ? 0.0 : 1.0;
    if (jour == maintenant.date())
        depuis = maintenant.time().msecsSinceStartOfDay() / 86400000.0;
    a.conseil = solar::PlanifierMesure(lectures, jour.day(), jour.month(), jour.year(),
                                       m_etat.Decalage, a.statistiques->moyenne, depuis);
}

// The result's line about the clock; empty without three ticked readings at one place.
QString FormTalvan::texteHorloge(const AnalyseLignes& a) const {
    if (!a.horloge || !a.statistiques)
        return {};
    const solar::AjustementHorloge& h = *a.horloge;
    const captions::TextesHorloge& t = captions::textesHorloge(langue());
    const QString sens = u8(h.delta < 0 ? t.avance : t.retard);
    const QString brute = degres(a.statistiques->moyenne);
    switch (h.verdict) {
    case solar::VerdictHorloge::Corrigee:
        return u8(t.corrigee)
            .arg(sens, duree(h.delta), duree(h.erreurDelta), degres(h.declinaison),
                 degres(h.erreurDeclinaison), brute);
    case solar::VerdictHorloge::DecalageHeure:
        return u8(t.decalageHeure).arg(degres(h.declinaison), degres(h.erreurDeclinaison), brute);
    case solar::VerdictHorloge::Controlee:
        return u8(t.controlee).arg(sens, duree(h.delta), duree(h.erreurDelta));
    case solar::VerdictHorloge::NonDeterminee:
        break;
    }
    if (!a.conseil)
        return u8(t.nonControlable);
    QString conseil;
    if (const auto& heure = a.conseil->heureLocale) {
        const long long minutes = std::llround(*heure * 1440);
        conseil = u8(t.conseil).arg(
            QStringLiteral("%1 h %2").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0')));
    } else {
        conseil = u8(a.conseil->possibleCeJour ? t.plusAujourdhui : t.saison);
    }
    return u8(t.joindre).arg(u8(t.nonControlable), conseil);
}

// A correction on offer is said in the message line while the line has nothing else to
// say; input errors and the zone's messages take the line over.
void FormTalvan::signalerHorloge() {
    const AnalyseLignes& a = analyseLignes();
    const captions::TextesHorloge& t = captions::textesHorloge(langue());
    QString texte;
    if (Proposee(a.horloge))
        texte =
            a.horloge->verdict == solar::VerdictHorloge::Corrigee
                ? u8(t.messageCorrigee)
                      .arg(u8(a.horloge->delta < 0 ? t.avance : t.retard), duree(a.horloge->delta))
                : u8(t.messageDecalage);
    const QString affiche = Label7->text();
    if (!m_messageHorloge.isEmpty() && affiche == m_messageHorloge) {
        if (texte.isEmpty())
            Label7->clear();
        else if (texte != affiche)
            Label7->setText(texte);
    } else if (affiche.isEmpty() && !texte.isEmpty()) {
        Label7->setText(texte);
    }
    m_messageHorloge = texte;
}

// The ticked readings' instants moved by the fitted offset, their sun and their lines
// computed again; nothing changes unless every one of them can be.
void FormTalvan::corrigerHeures() {
    const AnalyseLignes a = analyseLignes();
    if (!Proposee(a.horloge))
        return;
    const double delta = a.horloge->delta;
    std::array<std::optional<solar::Lecture>, 5> lectures;
    std::array<QString, 5> textes;
    try {
        for (int i = 0; i < 5; ++i) {
            if (!a.ajustees[i])
                continue;
            solar::Lecture l = *a.lectures[i];
            l.gmt += delta / 86400;
            l.heureLocale += delta / 86400;
            const solar::PositionSoleil p =
                solar::PosSoleil(l.jour, l.mois, l.annee, l.gmt, l.lat, l.lon);
            l.azimut = p.azimut;
            l.hauteur = p.hauteur;
            if (!solar::LectureValide(l))
                throw solar::CalculError("corrigerHeures: reading out of range");
            textes[i] = QString::fromStdString(
                solar::FormatDiese0(solar::DeclinaisonLecture(l), separateur().toStdString()));
            lectures[i] = l;
        }
    } catch (const solar::CalculError&) {
        afficherErreurSaisie();
        return;
    }
    memoriserListe();
    for (int i = 0; i < 5; ++i)
        if (lectures[i]) {
            m_lectures[i] = lectures[i]; // before the text, which must match it
            DG[i]->setText(textes[i]);
            m_heuresCorrigees[i] += delta;
        }
    m_etat.Modif = true;
    MajMoyenne();
    MajCalculs();
}

bool FormTalvan::preparerActionHorloge() {
    const auto& h = analyseLignes().horloge;
    if (!Proposee(h))
        return false;
    m_actionHorloge->setText(
        u8(captions::textesHorloge(langue()).action).arg(decalageSigne(h->delta)));
    return true;
}

// The report's lines: the clock's, then the corrections made, by shift.
QStringList FormTalvan::lignesHorlogeRapport() const {
    QStringList lignes;
    if (const QString h = texteHorloge(m_analyse); !h.isEmpty())
        lignes << h;
    std::array<bool, 5> dites{};
    for (int i = 0; i < 5; ++i) {
        if (dites[i] || m_heuresCorrigees[i] == 0)
            continue;
        QStringList numeros;
        for (int k = i; k < 5; ++k)
            if (m_heuresCorrigees[k] == m_heuresCorrigees[i]) {
                numeros << QString::number(k + 1);
                dites[k] = true;
            }
        lignes << u8(captions::textesHorloge(langue()).rapport)
                      .arg(numeros.join(QStringLiteral(", ")), decalageSigne(m_heuresCorrigees[i]));
    }
    return lignes;
}
