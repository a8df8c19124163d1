#pragma once

#include "mainwindow/commandesrapport.h"
#include "mainwindow/listemesures.h"
#include "platform/langue.h"
#include "platform/services.h"
#include "rapport/rapport.h"
#include "solar/ajustement.h"

#include <QDate>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class QToolButton;
class About;
class Canvas;
class Droite;
class LigneMessage;
class Trait;
namespace captions {
enum class Message;
}
namespace platform {
class EtiquetteActive;
}

// The window-level state that the routines share. Angles in degrees, times of day as day
// fractions (0.5 is noon).
struct EtatFormTalvan {
    double Lat = 0;                  // latitude, north positive
    double Lon = 0;                  // longitude, WEST positive
    double Lambda = 0;               // Lon in radians (x 0.017453292)
    double EQ = 0;                   // equation of time, minutes, mean minus apparent solar time
    double Jd = 0;                   // Julian day at 0 h UT of the chosen date
    double Delta = 0;                // sun's declination, north positive
    double k = 0;                    // 90 - the angle measured on the wall
    double AzP = 0;                  // sun's azimuth, 0 = north, 90 = east
    std::optional<double> Moy;       // average wall declination from south, west positive;
                                     // none while no ticked line gives one
    double GMT = 0;                  // universal time of day
    double Hl = 0;                   // local time of day
    int Decalage = 0;                // UTC offset Hl - GMT was taken with, seconds, east positive
    double Hv = 0;                   // apparent solar time of the place
    bool ModifHl = false;            // the local time is typed by hand
    bool ModifTU = false;            // the universal time is typed by hand
    bool Modif = false;              // something worth saving was done
    bool Chargee = false;            // start-up has finished
    std::int16_t Mem = 0;            // number of kept lines of the list, 0 to 5
    std::array<QString, 6> Libelles; // entries 1 to 5: altitude symbol, azimuth word,
                                     // quit question, seconds word, quit title
};

// The ticked lines of the list compared with each other, computed when a line's text,
// tick or reading changes (never in the clock's tick).
struct AnalyseLignes {
    std::array<QString, 5> textes;
    std::array<bool, 5> cochees{};
    std::array<std::optional<solar::Lecture>, 5> lectures;
    // Of the ticked lines that read as numbers, as the average takes them.
    std::optional<solar::Statistiques> statistiques;
    // With three ticked numbers or more: each ticked number compared with the others.
    std::array<std::optional<solar::Aberration>, 5> aberrations;
    // A line out of the band whose reading fits with its instant moved by an hour.
    std::array<std::optional<solar::GlissementHeure>, 5> glissements;
    // The clock's offset fitted from the ticked lines that have a reading (those marked in
    // `ajustees`), and where one more reading would tell it when it cannot.
    std::optional<solar::AjustementHorloge> horloge;
    std::optional<solar::ConseilHorloge> conseil;
    std::array<bool, 5> ajustees{};
};

class FormTalvan : public QWidget {
    Q_OBJECT

public:
    explicit FormTalvan(const platform::Services& services, QWidget* parent = nullptr);
    ~FormTalvan() override;

    // The load step (formtalvan_demarrage.cpp): restores the language, the date, the place and the
    // list, brings everything up to date and shows the window.
    void Charger();

    const EtatFormTalvan& etat() const { return m_etat; }
    QTimer* horloge() const { return Timer1; }
    About* fenetreAbout() const;
    Droite* fenetreDroite() const;

    // The routines of the window: MajCalculs, DecSoleil, PosSoleil in formtalvan_calculs.cpp,
    // MajHeures in formtalvan_heures.cpp, MajMoyenne in formtalvan_liste.cpp, AppliquerLangue
    // in formtalvan_langue.cpp.
    void MajCalculs();
    void DecSoleil();
    void MajHeures();
    void MajMoyenne();
    void PosSoleil();
    void AppliquerLangue(platform::Langue langue);

    // formtalvan_demarrage.cpp. The session is ending (the session manager's request to save):
    // saves what "Oui" to the quit question would save, without asking; the window stays open.
    void EnregistrerFinDeSession();
    // The program is asked to end (SIGTERM): the same save, then the window closes, with
    // any question open cancelled first.
    void FinDeSession();
    // The report of the list (formtalvan_rapport.cpp): the window's state as a report, and
    // its three commands, also on the context menu of the lines and the result field and
    // on the standard shortcuts to copy, save and print.
    Rapport rapport() const;
    std::array<LigneRapport, 5> lignesRapport() const;
    // The reading kept with line i (0 to 4) of the list; nullopt while the lines keep none.
    std::optional<solar::Lecture> lectureDeLigne(int i) const;
    // The ticked lines compared (formtalvan_liste.cpp), brought up to date when the lines,
    // ticks or readings changed since the last call; the lines' marks follow it.
    const AnalyseLignes& analyseLignes();
    void copierRapport();
    void enregistrerRapportCsv();
    void imprimerRapport();
    DialoguesRapport& dialoguesRapport() { return m_dialoguesRapport; }

public slots:
    void Timer1_Timer(); // formtalvan_heures.cpp

protected:
    // formtalvan_demarrage.cpp and formtalvan_commandes.cpp.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // formtalvan.cpp: construction of the controls.
    void construire();
    void construireDate();
    void construirePlace();
    void construireHeures();
    void construireAngle();
    void construireListe();
    void construireDiagrammes();
    void construireCommandes();
    void construireAide();

    // formtalvan_commandes.cpp: the controls wired to their handlers, keys, focus order.
    void relier();
    void Command8_Click(); // map aid
    void ordreTabulation();
    void saisieManuelle(QLineEdit* champ); // a time typed into Text10 or Text11
    void indiquerHorloge();

    // formtalvan_liste.cpp: Calcul, keep, erase, reset, ticks; the list's marks and messages.
    void Command1_Click(); // Calcul
    void Command2_Click(); // keep
    void Command3_Click(); // erase the last line
    void Command5_Click(); // reset
    void Chec_Click(int index);
    // False when the list is full and nothing was written.
    bool ajouterMesure(double d, const std::optional<solar::Lecture>& lecture = {});
    QString texteLectureLigne(int i); // the reading, the outlier check: tooltip of line i
    void marquerLignes();
    void afficherErreurSaisie();
    void afficherMessage(captions::Message message);
    void traduireMessage(platform::Langue langue);
    // Tells a screen reader what a press did to line `ligne` (0 to 4; -1 for the whole
    // list): written or kept, or erased and what is left; then the average.
    void annoncerListe(int ligne, bool effacee);
    // One step of undo for the list (Ctrl+Z): memoriserListe() before a change of the list,
    // annulerListe() puts it back as it was then; what is put back is what the next save
    // writes.
    void installerAnnulation();
    mesures::EtatListe etatListe() const;
    void memoriserListe();
    void annulerListe();

    // formtalvan_calculs.cpp: the place and the date read from their controls.
    void TextePlace_Change(QLineEdit* champ, double borne);
    std::optional<std::array<double, 3>> dateDesListes() const;
    std::optional<double> lireAngle() const;
    QString separateur() const;
    void effacerDiagrammes();

    // formtalvan_heures.cpp: the clock, typed times, the date lists following the clock.
    void Horloge_Click(); // Image1, Label13
    void Text10_Click();
    void Text11_Click();
    void suivreLaDate(const QDate& jour);
    void montrerDate(const QDate& jour);
    int decalageSecondes(double heureTapee, bool tapeeEnTU) const;
    double gmtDuJour(const QDateTime& utc, const QDateTime& local) const;

    // formtalvan_langue.cpp: the two languages, the help panel, About, names for readers.
    void Command6_Click(); // About
    void Command7_Click(); // help panel
    void Option5_Click(int index);
    void masquerAide();
    platform::Langue langue() const; // from the flag buttons
    void nommerPourLecteurs(platform::Langue langue);
    void decrireLigne(int i);

    // formtalvan_demarrage.cpp: quitting and writing the settings.
    void Command4_Click(); // quit
    enum class Reponse { Oui, Non, Annuler };
    Reponse demander(const QString& nom, const QString& titre, const QString& texte,
                     bool ouiParDefaut);
    Reponse demanderConservation();
    void suivreModifications();
    mesures::ListeMesures listeAffichee() const;
    // What a save writes of the list; nullopt when the user cancelled (asked only when the
    // list cannot hold both this window's readings and those another copy saved).
    std::optional<mesures::Enregistrement> preparerListe(bool peutDemander);
    void ecrireListe(const mesures::Enregistrement& liste);
    void enregistrerTout(const mesures::Enregistrement& liste);
    std::array<QString, 6> placeAffichee() const; // as saved: Text1 to Text4, lat, lon
    void enregistrerLangue();
    QString texteEchecEnregistrement() const;
    void signalerEchecEnregistrement();
    // The settings could not be saved at quit: true when the user quits all the same.
    bool quitterSansReglages();

    // formtalvan_rapport.cpp: the report's commands and menu.
    void installerRapport();
    void traduireRapport(platform::Langue langue);
    void menuRapport(QLineEdit* champ, const QPoint& position);

    // formtalvan_moyenne.cpp: the result and the zone explained, tooltips and screen readers'
    // texts set only when what they say changes.
    void decrireMoyenne(const std::vector<double>& valeurs);
    void indiquerFuseau();

    // formtalvan_horloge.cpp: the clock's offset: the result's line, the message, the
    // correction of the readings' instants.
    void ajusterHorloge(AnalyseLignes& a) const;
    QString texteHorloge(const AnalyseLignes& a) const;
    QStringList lignesHorlogeRapport() const;
    void signalerHorloge();
    void corrigerHeures();
    bool preparerActionHorloge(); // names the action; false while no correction is offered

    platform::Services m_services;
    EtatFormTalvan m_etat;
    bool m_fermetureDecidee = false;      // the quit question has been answered
    bool m_sansEnregistrer = false;       // "No" to the quit question: nothing is written
    bool m_finDeSession = false;          // closing because the program was asked to end
    bool m_fermee = false;                // the window has closed for good
    mesures::ListeMesures m_listeConnue;  // the saved list as this window last read or wrote it
    std::array<QString, 6> m_placeConnue; // the place as this window showed it when it last
                                          // read or wrote it
    bool m_positionValide = false;        // the last PosSoleil computed the sun's position
    // The inputs and result of the last PosSoleil as a reading (angle not yet known);
    // nullopt when its date lists hold no whole calendar date.
    std::optional<solar::Lecture> m_lecturePosition;
    std::array<std::optional<solar::Lecture>, 5> m_lectures; // what "Calcul" wrote, by line
    AnalyseLignes m_analyse;
    std::optional<mesures::EtatListe> m_annulation; // the list before its last change
    std::array<double, 5> m_heuresCorrigeesAvant{}; // and its lines' clock corrections

    double m_hauteur = 0;                       // sun altitude of the last PosSoleil, degrees
    std::optional<captions::Message> m_message; // the last message put into Label7
    QDate m_jourHorloge;                        // the clock's local date at its last reading
    QPointer<About> m_about;
    QPointer<Droite> m_droite;
    DialoguesRapport m_dialoguesRapport = DialoguesRapport::standard();
    std::array<QAction*, 3> m_actionsRapport{}; // copy, save as CSV, print
    QAction* m_actionHorloge = nullptr;         // shift the readings by the clock's offset
    QString m_messageHorloge;                   // the clock's message last put into Label7
    // Seconds the instants of each line were moved by "Corriger l'heure des mesures".
    std::array<double, 5> m_heuresCorrigees{};
    QString m_dossierRapport; // where the last CSV went
    struct CleMoyenne {       // what the result's texts were made from
        std::vector<double> valeurs;
        QString resultat, locale;
        platform::Langue langue{};
        std::optional<solar::AjustementHorloge> horloge;
        std::optional<solar::ConseilHorloge> conseil;
        bool operator==(const CleMoyenne&) const = default;
    };
    std::optional<CleMoyenne> m_cleMoyenne; // reset: the texts are made again

    // Area 1: date and sun data.
    std::array<QLabel*, 3> Label6{};
    std::array<QComboBox*, 3> Combo1{};
    QLabel* Label9 = nullptr;
    QLineEdit* Text9 = nullptr;
    QLabel* Label10 = nullptr;
    QLineEdit* Text7 = nullptr;
    QLabel* Label11 = nullptr;
    QLineEdit* Text8 = nullptr;
    // Area 2: place.
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QRadioButton* Option1 = nullptr; // north
    QRadioButton* Option2 = nullptr; // south
    QRadioButton* Option3 = nullptr; // west
    QRadioButton* Option4 = nullptr; // east
    // Area 3: time.
    QLineEdit* Text10 = nullptr; // local time
    QLineEdit* Text11 = nullptr; // universal time
    QLineEdit* Text13 = nullptr; // solar time
    QLabel* Label15 = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* Label18 = nullptr;
    platform::EtiquetteActive* Label13 = nullptr;
    platform::EtiquetteActive* Image1 = nullptr;
    Trait* Line1 = nullptr;
    Trait* Line2 = nullptr;
    QTimer* Timer1 = nullptr;
    // Area 4: measured angle.
    QToolButton* Command1 = nullptr;
    QLabel* Label17 = nullptr;
    QLineEdit* Text12 = nullptr;
    // Area 5: the list.
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command5 = nullptr;
    std::array<QLineEdit*, 5> DG{};
    std::array<QCheckBox*, 5> Chec{};
    // Area 6: result.
    QLabel* Label5 = nullptr;
    QLineEdit* Text15 = nullptr;
    LigneMessage* Label7 = nullptr;
    // Area 7: diagrams.
    Canvas* PicHE = nullptr;
    Canvas* PicAZ = nullptr;
    QLabel* Label35 = nullptr;
    QLabel* Label36 = nullptr;
    // Area 8: commands.
    std::array<QToolButton*, 2> Option5{};
    QToolButton* Command4 = nullptr;
    QToolButton* Command6 = nullptr;
    QToolButton* Command7 = nullptr;
    QToolButton* Command8 = nullptr;
    // Area 9: help panel.
    QWidget* Frame3 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* Label8 = nullptr;
};
