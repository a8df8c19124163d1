// The reading of the wall and the list of readings.

#include "mainwindow/captions.h"
#include "mainwindow/controls.h"
#include "mainwindow/formtalvan.h"
#include "platform/nombrelocal.h"
#include "rapport/textesrapport.h"
#include "solar/calculerror.h"
#include "solar/observation.h"
#include "solar/statistiques.h"
#include "solar/sunposition.h"
#include "solar/textformat.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTime>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

// Not green (kept) nor black (candidate): the text keeps those colours.
const QColor FondAberrant(255, 204, 153);

// A button's caption as a title: without the "&" of its Alt key.
QString sansMnemonique(const QAbstractButton* b) {
    return QString(b->text()).remove(QLatin1Char('&'));
}

} // namespace

void FormTalvan::installerAnnulation() {
    auto* annuler = new QAction(this);
    annuler->setObjectName(QStringLiteral("ActionAnnulerListe"));
    annuler->setShortcuts(QKeySequence::Undo);
    annuler->setShortcutContext(Qt::WindowShortcut);
    connect(annuler, &QAction::triggered, this, &FormTalvan::annulerListe);
    addAction(annuler);
    // A field's own typing is undone first; with none, the list's last change.
    cederRaccourci(this, QKeySequence::Undo,
                   [](const QLineEdit* champ) { return champ->isUndoAvailable(); });
}

mesures::EtatListe FormTalvan::etatListe() const {
    mesures::EtatListe e;
    e.lignes = listeAffichee();
    for (int i = 0; i < 5; ++i)
        e.cochees[i] = Chec[i]->isChecked();
    e.mem = m_etat.Mem;
    return e;
}

void FormTalvan::memoriserListe() {
    m_annulation = etatListe();
    m_heuresCorrigeesAvant = m_heuresCorrigees;
}

void FormTalvan::annulerListe() {
    if (!m_annulation)
        return;
    const mesures::EtatListe e = *std::exchange(m_annulation, std::nullopt);
    m_heuresCorrigees = m_heuresCorrigeesAvant;
    m_etat.Mem = std::int16_t(e.mem);
    for (int i = 0; i < 5; ++i) {
        m_lectures[i] = e.lignes[i].lecture;
        DG[i]->setText(e.lignes[i].texte);
        colorerTexte(DG[i], i < e.mem ? VertGarde : QColor(Qt::black));
    }
    for (int i = 0; i < 5; ++i)
        Chec[i]->setChecked(e.cochees[i]);
    MajMoyenne();
}

void FormTalvan::afficherErreurSaisie() {
    afficherMessage(captions::Message::SaisieIncorrecte);
}

void FormTalvan::afficherMessage(captions::Message message) {
    m_message = message;
    Label7->setText(QString::fromUtf8(captions::texteMessage(message, langue())));
}

void FormTalvan::traduireMessage(platform::Langue langue) {
    // A message still on show is said again in the language now chosen.
    if (!m_message)
        return;
    for (const auto l : {platform::Langue::Francais, platform::Langue::Espagnol})
        if (Label7->text() == QString::fromUtf8(captions::texteMessage(*m_message, l))) {
            Label7->traduire(QString::fromUtf8(captions::texteMessage(*m_message, langue)));
            return;
        }
}

void FormTalvan::annoncerListe(int ligne, bool effacee) {
    const captions::TextesAnnonces& t = captions::textesAnnonces(langue());
    const auto u8 = [](const char* s) { return QString::fromUtf8(s); };
    // A minus sign, which is read as "minus", where the field shows a hyphen.
    const auto signe = [](QString s) {
        if (s.startsWith(QLatin1Char('-')))
            s[0] = QChar(0x2212);
        return s;
    };
    QStringList phrases;
    bool moyenne = true;
    if (effacee) {
        if (ligne >= 0)
            phrases << u8(t.effacee).arg(ligne + 1);
        const auto n = std::ranges::count_if(DG, [](QLineEdit* l) { return !l->text().isEmpty(); });
        phrases << (n == 0 ? u8(t.listeVide) : n == 1 ? u8(t.uneMesure) : u8(t.mesures).arg(n));
        moyenne = n > 0;
    } else {
        const bool gardee = DG[ligne]->palette().color(QPalette::Text) == VertGarde;
        phrases << u8(t.mesure).arg(
            QString::number(ligne + 1), signe(DG[ligne]->text()),
            platform::texte(gardee ? captions::LigneGardee : captions::LigneCandidate, langue()));
    }
    if (moyenne)
        phrases << (Text15->text().isEmpty() ? u8(t.sansMoyenne)
                                             : u8(t.moyenne).arg(signe(Text15->text())));
    // A message the press left (the time zone's warning) is said after it.
    if (!Label7->text().isEmpty())
        phrases << Label7->text();
    Label7->annoncer(phrases.join(QLatin1Char(' ')));
}

void FormTalvan::Command1_Click() {
    MajHeures();
    // Without the sun's position for this instant there is no declination to give: the
    // azimuth left from an earlier instant would make a wrong number that looks right.
    const bool positionValide = m_positionValide;
    const double hauteur = m_hauteur;
    const std::optional<solar::Lecture> position = m_lecturePosition;
    bool dateValide = true;
    bool ecrite = false;
    try {
        DecSoleil();
    } catch (const solar::CalculError&) {
        dateValide = false;
    }
    MajCalculs();
    const std::optional<double> angle = lireAngle();
    if (!positionValide || !dateValide || !angle) {
        afficherErreurSaisie();
    } else if (*angle < 0 || *angle > 180) {
        // The protractor reads 0 to 180: anything else is a slip of the eye or the keyboard.
        afficherMessage(captions::Message::AngleHorsRapporteur);
    } else if (hauteur < solar::HauteurLever) {
        // No sun, no shadow of the string: the reading measures nothing.
        afficherMessage(captions::Message::SoleilSousHorizon);
    } else {
        m_etat.k = 90 - *angle;
        // The line keeps what went into its declination, when all of it can be kept.
        std::optional<solar::Lecture> lecture = position;
        if (lecture)
            lecture->angle = *angle;
        if (lecture && !solar::LectureValide(*lecture))
            lecture.reset();
        try {
            ecrite = ajouterMesure(solar::DeclinaisonMur(m_etat.AzP, m_etat.k), lecture);
        } catch (const solar::CalculError&) {
            afficherErreurSaisie();
        }
    }
    indiquerFuseau(); // said again when the line has nothing else to say
    if (ecrite)
        annoncerListe(m_etat.Mem, false);
}

bool FormTalvan::ajouterMesure(double d, const std::optional<solar::Lecture>& lecture) {
    if (m_etat.Mem < 0)
        m_etat.Mem = 0;
    if (m_etat.Mem >= 5)
        return false;
    const QString texte =
        QString::fromStdString(solar::FormatDiese0(d, separateur().toStdString()));
    memoriserListe();
    // A reading written: what earlier presses said no longer holds; MajMoyenne below says
    // again what still does.
    Label7->clear();
    m_lectures[m_etat.Mem] = lecture;
    m_heuresCorrigees[m_etat.Mem] = 0;
    DG[m_etat.Mem]->setText(texte);
    MajMoyenne();
    return true;
}

void FormTalvan::MajMoyenne() {
    std::vector<double> valeurs;
    bool motCoche = false;
    bool horsLimites = false; // a value typed beyond -180..180: no wall has it
    for (int i = 0; i < 5; ++i) {
        if (!Chec[i]->isChecked())
            continue;
        // A ticked line that is not a number takes no part in the average.
        if (const auto v = platform::nombreLocal(DG[i]->text())) {
            valeurs.push_back(*v);
            horsLimites = horsLimites || *v < -180 || *v > 180;
        } else if (!DG[i]->text().isEmpty()) {
            motCoche = true;
        }
    }
    if (motCoche || horsLimites)
        afficherErreurSaisie();

    std::optional<double> moy; // an overflowing sum shows no average, not ".00"
    bool calculee = false;
    try {
        moy = solar::Moyenne(valeurs);
        calculee = true;
    } catch (const solar::CalculError&) {
        afficherErreurSaisie();
    }
    // Ticked readings too far apart for one wall: said while it lasts.
    const QString impossible =
        QString::fromUtf8(captions::texteMessage(captions::Message::MoyenneImpossible, langue()));
    if (calculee && !moy && !valeurs.empty())
        afficherMessage(captions::Message::MoyenneImpossible);
    else if (Label7->text() == impossible)
        Label7->clear();
    m_etat.Moy = moy;
    std::string affiche;
    if (moy) {
        try {
            affiche = solar::FormatDiese(*moy, separateur().toStdString());
        } catch (const solar::CalculError&) {
        }
    }
    Text15->setText(QString::fromStdString(affiche));
    decrireMoyenne(valeurs);
    // Decided on the average as shown, whatever the decimal separator.
    if (moy && solar::MoyenneHorsLimites(*moy))
        afficherErreurSaisie();
    try {
        PosSoleil();
    } catch (const solar::CalculError&) {
    }
}

void FormTalvan::Chec_Click(int index) {
    // An empty line can never be ticked, by mouse or keyboard.
    if (Chec[index]->isChecked() && DG[index]->text().isEmpty()) {
        Chec[index]->setChecked(false);
        return;
    }
    MajMoyenne();
}

void FormTalvan::Command2_Click() {
    const int mem = m_etat.Mem;
    if (mem < 0 || mem >= 5)
        return;
    if (DG[mem]->text().isEmpty())
        return;
    memoriserListe();
    Chec[mem]->setChecked(true);
    colorerTexte(DG[mem], VertGarde);
    m_etat.Modif = true;
    ++m_etat.Mem;
    annoncerListe(mem, false);
}

void FormTalvan::Command3_Click() {
    if (m_etat.Mem <= 0)
        return;
    if (m_etat.Mem > 5)
        m_etat.Mem = 5;
    // An unkept candidate goes at once; a kept reading only when the user says so.
    if (!(m_etat.Mem < 5 && !DG[m_etat.Mem]->text().isEmpty())) {
        if (demander(QStringLiteral("QuestionEffacer"), sansMnemonique(Command3),
                     QString::fromUtf8(captions::textesQuestions(langue()).effacer),
                     false) != Reponse::Oui)
            return;
        memoriserListe();
        --m_etat.Mem;
    } else {
        memoriserListe();
    }
    const int i = m_etat.Mem;
    m_lectures[i].reset();
    m_heuresCorrigees[i] = 0;
    DG[i]->clear();
    colorerTexte(DG[i], Qt::black);
    Chec[i]->setChecked(false);
    m_etat.Modif = true;
    annoncerListe(i, true);
}

void FormTalvan::Command5_Click() {
    // The button sits under "Efface le dernier": kept readings go only when the user says so.
    if (m_etat.Mem > 0 && demander(QStringLiteral("QuestionReset"), sansMnemonique(Command5),
                                   QString::fromUtf8(captions::textesQuestions(langue()).reset),
                                   false) != Reponse::Oui)
        return;
    memoriserListe();
    for (int i = 0; i < 5; ++i) {
        m_lectures[i].reset();
        m_heuresCorrigees[i] = 0;
        DG[i]->clear();
        colorerTexte(DG[i], Qt::black);
        Chec[i]->setChecked(false);
    }
    // The saved list is emptied at once, but for the readings another copy saved meanwhile.
    m_etat.Mem = 0;
    if (const auto liste = preparerListe(false))
        ecrireListe(*liste);
    if (!m_services.settings.enregistrer())
        signalerEchecEnregistrement();
    m_etat.Moy.reset();
    Text15->clear();
    Label7->clear();
    indiquerFuseau();
    m_etat.Modif = true;
    annoncerListe(-1, true);
}

const AnalyseLignes& FormTalvan::analyseLignes() {
    AnalyseLignes a;
    for (int i = 0; i < 5; ++i) {
        a.textes[i] = DG[i]->text();
        a.cochees[i] = Chec[i]->isChecked();
        a.lectures[i] = lectureDeLigne(i);
    }
    if (a.textes == m_analyse.textes && a.cochees == m_analyse.cochees &&
        a.lectures == m_analyse.lectures)
        return m_analyse;
    // The values the average takes, and the line each comes from.
    std::vector<double> valeurs;
    std::vector<int> lignes;
    for (int i = 0; i < 5; ++i)
        if (a.cochees[i])
            if (const auto v = platform::nombreLocal(a.textes[i])) {
                valeurs.push_back(*v);
                lignes.push_back(i);
            }
    a.statistiques = solar::StatistiquesCercle(valeurs);
    const std::vector<solar::Aberration> ab = solar::ValeursAberrantes(valeurs);
    for (std::size_t k = 0; k < ab.size(); ++k) {
        const int i = lignes[k];
        a.aberrations[i] = ab[k];
        if (ab[k].aberrante && a.lectures[i]) {
            try {
                a.glissements[i] = solar::GlissementHoraire(*a.lectures[i], ab[k]);
            } catch (const solar::CalculError&) {
            }
        }
    }
    ajusterHorloge(a);
    m_analyse = std::move(a);
    marquerLignes();
    return m_analyse;
}

// A ticked line that disagrees with the others is shown on a light orange ground, which
// leaves its text green (kept) or black (candidate).
void FormTalvan::marquerLignes() {
    for (int i = 0; i < 5; ++i) {
        const bool aberrante = m_analyse.aberrations[i] && m_analyse.aberrations[i]->aberrante;
        const QColor fond =
            aberrante ? FondAberrant : QApplication::palette(DG[i]).color(QPalette::Base);
        if (DG[i]->palette().color(QPalette::Base) != fond)
            colorerTexte(DG[i], fond, QPalette::Base);
        decrireLigne(i);
    }
}

// The line's reading, its sensitivity to the clock and, when it disagrees with the other
// ticked lines, why; empty for a line with neither.
QString FormTalvan::texteLectureLigne(int i) {
    const captions::TextesLecture& t = captions::textesLecture(langue());
    const QLocale nombres;
    const auto n = [&](double x, int decimales = 2) { return nombres.toString(x, 'f', decimales); };
    QStringList lignes;
    const AnalyseLignes& a = analyseLignes();
    if (const auto& l = a.lectures[i]) {
        try {
            const solar::InstantLocal h = solar::InstantLocalLecture(*l);
            const QLocale mots = platform::localeDeLangue(langue());
            const QString instant =
                mots.toString(QDate(h.annee, h.mois, h.jour),
                              QString::fromUtf8(textesRapport(langue()).formatInstant)) +
                QLatin1Char(' ') +
                QTime(h.heure, h.minute, h.seconde).toString(QStringLiteral("HH:mm:ss")) +
                QStringLiteral(" (UTC") + QString::fromStdString(solar::TexteDecalage(h.decalage)) +
                QLatin1Char(')');
            const solar::Sensibilite s = solar::SensibiliteHorloge(*l);
            lignes << QString::fromUtf8(t.lecture).arg(instant, n(l->angle), n(l->azimut),
                                                       n(l->hauteur, 1),
                                                       n(std::abs(s.degresParMinute)));
            if (s.fragile)
                lignes << QString::fromUtf8(t.fragile).arg(n(solar::SeuilFragile, 1));
            if (l->hauteur < solar::HauteurBasse)
                lignes << QString::fromUtf8(t.soleilBas).arg(n(solar::HauteurBasse, 0));
        } catch (const solar::CalculError&) {
        }
    }
    if (const auto& ab = a.aberrations[i]; ab && ab->aberrante) {
        lignes << QString::fromUtf8(t.aberrante)
                      .arg(n(std::abs(ab->distance)), n(ab->moyenneAutres), n(ab->bande));
        if (const auto& g = a.glissements[i])
            lignes << QString::fromUtf8(t.glissement)
                          .arg(g->heures > 0 ? QStringLiteral("+1") : QString::fromUtf8("−1"),
                               n(g->declinaison));
    }
    return lignes.join(QLatin1Char('\n'));
}
