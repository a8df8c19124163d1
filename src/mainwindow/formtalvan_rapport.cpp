// The report of the list: copied as text, saved as CSV, printed.

#include "mainwindow/canvas.h"
#include "mainwindow/captions.h"
#include "mainwindow/controls.h"
#include "mainwindow/formtalvan.h"
#include "platform/ecriturefichier.h"
#include "rapport/textesrapport.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPdfWriter>
#include <QPrinter>
#include <QRadioButton>
#include <QStandardPaths>
#include <exception>

namespace {

QString u8(const char* texte) {
    return QString::fromUtf8(texte);
}

// "orsaline-2026-06-21" for the date of the date lists, "orsaline" without one: the name
// proposed for the CSV file and, by the print dialog, for a PDF.
QString nomFichier(const std::array<QComboBox*, 3>& date) {
    const auto n = [&](int i) { return date[i]->currentText().trimmed().toInt(); };
    const QDate jour(n(2), n(1), n(0));
    if (!jour.isValid())
        return QStringLiteral("orsaline");
    return QStringLiteral("orsaline-") + jour.toString(Qt::ISODate);
}

// The system's reason, and whether the file that was there before is still there as it was.
QString raisonEchec(const platform::EchecEcriture& echec, platform::Langue langue) {
    QString r = echec.raison;
    if (echec.ancienIntact)
        r += QLatin1Char('\n') + u8(captions::textesQuestions(langue).fichierIntact);
    return r;
}

} // namespace

// A line edited by hand since "Calcul" wrote it has no reading any more.
std::optional<solar::Lecture> FormTalvan::lectureDeLigne(int i) const {
    const auto& l = m_lectures[i];
    if (l && mesures::texteDeLecture(DG[i]->text(), *l))
        return l;
    return std::nullopt;
}

std::array<LigneRapport, 5> FormTalvan::lignesRapport() const {
    std::array<LigneRapport, 5> lignes;
    for (int i = 0; i < 5; ++i)
        lignes[i] = LigneRapport{DG[i]->text(), Chec[i]->isChecked(), lectureDeLigne(i)};
    return lignes;
}

Rapport FormTalvan::rapport() const {
    Rapport r;
    r.langue = langue();
    r.separateur = separateur();
    r.programme = QStringLiteral("%1 %2.%3")
                      .arg(windowTitle())
                      .arg(m_services.identity.majeure)
                      .arg(m_services.identity.mineure);
    r.etabli = m_services.clock.maintenantLocal();
    r.lignes = lignesRapport();
    r.moyenne = m_etat.Moy;
    r.statistiques = StatistiquesLignes(r.lignes);
    r.horloge = lignesHorlogeRapport();
    return r;
}

void FormTalvan::installerRapport() {
    struct Commande {
        const char* nom;
        QKeySequence::StandardKey touche;
        void (FormTalvan::*action)();
    };
    const Commande commandes[3] = {
        {"ActionCopierRapport", QKeySequence::Copy, &FormTalvan::copierRapport},
        {"ActionEnregistrerCsv", QKeySequence::Save, &FormTalvan::enregistrerRapportCsv},
        {"ActionImprimerRapport", QKeySequence::Print, &FormTalvan::imprimerRapport}};
    for (int i = 0; i < 3; ++i) {
        auto* a = new QAction(this);
        a->setObjectName(QLatin1String(commandes[i].nom));
        a->setShortcuts(commandes[i].touche);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, commandes[i].action);
        addAction(a);
        m_actionsRapport[i] = a;
    }
    m_actionHorloge = new QAction(this);
    m_actionHorloge->setObjectName(QStringLiteral("ActionCorrigerHeures"));
    connect(m_actionHorloge, &QAction::triggered, this, &FormTalvan::corrigerHeures);
    // A selection is copied as text boxes always do; without one, the report.
    cederRaccourci(this, QKeySequence::Copy,
                   [](const QLineEdit* champ) { return champ->hasSelectedText(); });
    std::vector<QLineEdit*> champs(DG.begin(), DG.end());
    champs.push_back(Text15);
    for (QLineEdit* champ : champs) {
        champ->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(champ, &QWidget::customContextMenuRequested, this,
                [this, champ](const QPoint& position) { menuRapport(champ, position); });
    }
}

void FormTalvan::traduireRapport(platform::Langue langue) {
    const TextesRapport& t = textesRapport(langue);
    m_actionsRapport[0]->setText(u8(t.menuCopier));
    m_actionsRapport[1]->setText(u8(t.menuCsv));
    m_actionsRapport[2]->setText(u8(t.menuImprimer));
    // The lines name the same commands in their tooltips (decrireLigne).
    Text15->setToolTip(AideRaccourcisRapport(langue));
}

// The report's commands above the text box's own (undo, copy, paste...).
void FormTalvan::menuRapport(QLineEdit* champ, const QPoint& position) {
    QMenu* menu = champ->createStandardContextMenu();
    menu->setObjectName(QStringLiteral("MenuRapport"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* premiere = menu->actions().value(0);
    menu->insertActions(premiere,
                        QList<QAction*>(m_actionsRapport.begin(), m_actionsRapport.end()));
    menu->insertSeparator(premiere);
    // The correction of the clock, on the result's menu while the fit offers it.
    if (champ == Text15 && preparerActionHorloge()) {
        menu->insertAction(menu->actions().value(0), m_actionHorloge);
        menu->insertSeparator(premiere);
    }
    menu->popup(champ->mapToGlobal(position));
}

void FormTalvan::copierRapport() {
    try {
        QGuiApplication::clipboard()->setText(TexteRapport(rapport()));
    } catch (const std::exception&) {
        // Nothing is copied; the clipboard keeps what it held.
    }
}

void FormTalvan::enregistrerRapportCsv() {
    const TextesRapport& t = textesRapport(langue());
    QString dossier = m_dossierRapport;
    if (dossier.isEmpty()) {
        dossier = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!QDir(dossier).exists())
            dossier = QDir::homePath();
    }
    const QString chemin = m_dialoguesRapport.fichierEnregistrement(
        this, u8(t.titreCsv), QDir(dossier).filePath(nomFichier(Combo1) + QStringLiteral(".csv")),
        u8(t.filtreCsv));
    if (chemin.isEmpty())
        return;
    m_dossierRapport = QFileInfo(chemin).absolutePath();
    std::optional<platform::EchecEcriture> echec;
    try {
        echec = platform::EcrireFichierEntier(chemin, CsvRapport(rapport()));
    } catch (const std::exception& e) {
        echec = platform::EchecEcriture{chemin, platform::EtapeEcriture::Ouverture,
                                        QString::fromLocal8Bit(e.what()), QFile::exists(chemin)};
    }
    if (echec)
        m_dialoguesRapport.avertir(
            this, windowTitle(),
            u8(t.echecCsv).arg(QDir::toNativeSeparators(chemin), raisonEchec(*echec, langue())));
}

void FormTalvan::imprimerRapport() {
    const TextesRapport& t = textesRapport(langue());
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setDocName(nomFichier(Combo1));
    imprimante.setCreator(windowTitle());
    if (!m_dialoguesRapport.reglerImpression(this, imprimante, u8(t.titreImpression)))
        return;
    const QString fichier = imprimante.outputFileName();
    bool imprime = false;
    std::optional<platform::EchecEcriture> echec;
    try {
        if (fichier.isEmpty()) {
            imprime = ImprimerRapport(rapport(), imprimante);
        } else {
            // A PDF is made whole in memory, then put in place as any file the program writes.
            QBuffer pdf;
            pdf.open(QIODevice::WriteOnly);
            QPdfWriter ecrivain(&pdf);
            ecrivain.setPageLayout(imprimante.pageLayout());
            ecrivain.setResolution(imprimante.resolution());
            ecrivain.setCreator(imprimante.creator());
            ecrivain.setTitle(imprimante.docName());
            imprime = ImprimerRapport(rapport(), ecrivain);
            if (imprime) {
                echec = platform::EcrireFichierEntier(fichier, pdf.data());
                imprime = !echec;
            }
        }
    } catch (const std::exception&) {
        imprime = false;
    }
    if (!imprime) {
        QString cible =
            fichier.isEmpty() ? imprimante.printerName() : QDir::toNativeSeparators(fichier);
        if (echec)
            cible += QStringLiteral("\n\n") + raisonEchec(*echec, langue());
        m_dialoguesRapport.avertir(this, windowTitle(), u8(t.echecImpression).arg(cible));
    }
}
