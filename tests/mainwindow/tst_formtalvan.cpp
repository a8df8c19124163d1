#include "fakes.h"
#include "mainwindow/formtalvan.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Answers every modal box the window opens: the quit question with the given button,
// the save-failure warning with Ok. Keeps the names of the boxes and their texts.
class Repondeur {
public:
    explicit Repondeur(QMessageBox::StandardButton reponse) {
        QObject::connect(&m_minuterie, &QTimer::timeout, [this, reponse] {
            auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!m || !m->isVisible())
                return;
            vus << m->objectName();
            textes << m->text();
            const bool question = m->objectName() == QLatin1String("QuestionQuitter");
            m->button(question ? reponse : QMessageBox::Ok)->click();
        });
        m_minuterie.start(10);
    }
    QStringList vus;
    QStringList textes;

private:
    QTimer m_minuterie;
};

const QStringList TousLesChamps = {"deglat", "minlat", "deglon", "minlon", "lat", "lon",   "0",
                                   "1",      "2",      "3",      "4",      "Mem", "Langue"};

} // namespace

class TestFormTalvan : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeServices> m_f;
    std::unique_ptr<FormTalvan> m_w;
    QLocale m_locale; // the default locale before the tests change it

    void demarrer(platform::SettingsStore* autre = nullptr) {
        const platform::Services s =
            autre ? platform::Services{*autre,       m_f->clock,    m_f->opener,
                                       m_f->effects, m_f->identity, m_f->adresses}
                  : m_f->services();
        m_w = std::make_unique<FormTalvan>(s);
        m_w->Charger();
    }
    template <typename T = QLineEdit> T* c(const char* nom) {
        T* w = m_w->findChild<T*>(QLatin1String(nom));
        if (!w)
            qFatal("no control %s", nom);
        return w;
    }
    QString texte(const char* nom) { return c(nom)->text(); }
    QStringList lieu() { return {texte("Text1"), texte("Text2"), texte("Text3"), texte("Text4")}; }
    // Replaces the text of a field as a person pastes it: select all, paste.
    void coller(const char* nom, const QString& t) {
        QLineEdit* champ = c(nom);
        QTest::mouseClick(champ, Qt::LeftButton);
        QTest::keyClick(champ, Qt::Key_A, Qt::ControlModifier);
        QApplication::clipboard()->setText(t);
        QTest::keyClick(champ, Qt::Key_V, Qt::ControlModifier);
    }
    void taper(const char* nom, const QString& t) {
        QLineEdit* champ = c(nom);
        QTest::mouseClick(champ, Qt::LeftButton);
        QTest::keyClick(champ, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(champ, Qt::Key_Delete);
        QTest::keyClicks(champ, t);
    }
    void choisir(const char* liste, const QString& entree) {
        auto* combo = c<QComboBox>(liste);
        const int i = combo->findText(entree);
        QVERIFY(i >= 0);
        combo->setCurrentIndex(i);
        emit combo->activated(i);
    }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        m_locale = QLocale();
    }
    void init() { m_f = std::make_unique<FakeServices>(); }
    void cleanup() {
        m_w.reset();
        m_f.reset();
        QLocale::setDefault(m_locale);
    }

    // No settings yet, or a settings file that cannot be read: the built-in defaults.
    void premierDemarrage_data() {
        QTest::addColumn<bool>("corrompu");
        QTest::newRow("aucun reglage") << false;
        QTest::newRow("fichier illisible") << true;
    }
    void premierDemarrage() {
        QFETCH(bool, corrompu);
        QTemporaryDir dossier;
        std::unique_ptr<platform::QtSettingsStore> fichier;
        if (corrompu) {
            QFile f(dossier.filePath("orsaline.conf"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            for (int i = 0; i < 4096; ++i)
                f.putChar(static_cast<char>((i * 7919 + 13) % 256));
            f.close();
            fichier = platform::QtSettingsStore::fromFile(f.fileName());
        }
        demarrer(fichier.get());
        QCOMPARE(m_w->windowTitle(), QStringLiteral("Orsaline"));
        QCOMPARE(lieu(), QStringList({"48", "52", "02", "20"}));
        QVERIFY(c<QRadioButton>("Option1")->isChecked() && c<QRadioButton>("Option4")->isChecked());
        for (const char* nom : {"DG_0", "DG_1", "DG_2", "DG_3", "DG_4"})
            QVERIFY(texte(nom).isEmpty());
        QCOMPARE(m_w->etat().Mem, 0);
        QVERIFY(texte("Text15").isEmpty());
        const QStringList date = {c<QComboBox>("Combo1_0")->currentText(),
                                  c<QComboBox>("Combo1_1")->currentText(),
                                  c<QComboBox>("Combo1_2")->currentText()};
        QCOMPARE(date, QStringList({"11", "2", "2008"}));
        m_w.reset(); // before the store it uses
    }

    void langueLue_data() {
        QTest::addColumn<QString>("langue");
        QTest::addColumn<QString>("calcul");
        QTest::newRow("F") << u"F"_s << u"Calcul"_s;
        QTest::newRow("E") << u"E"_s << u"Calcular"_s;
        QTest::newRow("f minuscule") << u"f"_s << u"Calcular"_s;
        QTest::newRow("vide") << u""_s << u"Calcular"_s;
    }
    void langueLue() {
        QFETCH(QString, langue);
        QFETCH(QString, calcul);
        m_f->settings.valeurs["Start/Langue"] = langue;
        demarrer();
        QCOMPARE(c<QAbstractButton>("Command1")->text(), calcul);
    }

    void lignesEnregistrees_data() {
        QTest::addColumn<QStringList>("lignes"); // keys "0" to "4"
        QTest::addColumn<QList<bool>>("gardees");
        QTest::newRow("nombre local, vide, mot") << QStringList{"12,5", "", "mur", "", ""}
                                                 << QList<bool>{true, false, false, false, false};
        QTest::newRow("avec un trou")
            << QStringList{"-20", "", "", "7", ""} << QList<bool>{true, false, false, true, false};
    }
    void lignesEnregistrees() {
        QFETCH(QStringList, lignes);
        QFETCH(QList<bool>, gardees);
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        for (int i = 0; i < 5; ++i)
            m_f->settings.valeurs[QStringLiteral("Start/%1").arg(i)] = lignes[i];
        demarrer();
        for (int i = 0; i < 5; ++i) {
            auto* dg = c(qPrintable(QStringLiteral("DG_%1").arg(i)));
            QCOMPARE(dg->text(), lignes[i]);
            QCOMPARE(c<QCheckBox>(qPrintable(QStringLiteral("Chec_%1").arg(i)))->isChecked(),
                     gardees[i]);
            QCOMPARE(dg->palette().color(QPalette::Text),
                     gardees[i] ? QColor(0, 128, 0) : QColor(Qt::black));
        }
        QCOMPARE(m_w->etat().Mem, static_cast<int>(gardees.count(true)));
    }

    void hemisphereLu_data() {
        QTest::addColumn<QString>("lat");
        QTest::addColumn<bool>("sud");
        QTest::newRow("False") << u"False"_s << true;
        QTest::newRow("illisible") << u"nonsense"_s << false;
    }
    void hemisphereLu() {
        QFETCH(QString, lat);
        QFETCH(bool, sud);
        m_f->settings.valeurs["Start/lat"] = lat;
        demarrer();
        QCOMPARE(c<QRadioButton>("Option2")->isChecked(), sud);
        QCOMPARE(c<QRadioButton>("Option1")->isChecked(), !sud);
        QCOMPARE(m_w->etat().Lat < 0, sud);
    }

    // How the window ends: quit command or close box, with or without something to save.
    void quitter_data() {
        QTest::addColumn<bool>("parCommande");
        QTest::addColumn<bool>("modifie");
        QTest::addColumn<int>("reponse");
        QTest::addColumn<QStringList>("journal");
        const int oui = QMessageBox::Yes, non = QMessageBox::No;
        QTest::newRow("quitter sans rien toucher") << true << false << oui << QStringList{"Langue"};
        QTest::newRow("quitter, Oui") << true << true << oui << TousLesChamps;
        QTest::newRow("quitter, Non") << true << true << non << QStringList{};
        QTest::newRow("fermer sans rien toucher") << false << false << oui << QStringList{"Langue"};
        QTest::newRow("fermer, Oui") << false << true << oui << TousLesChamps;
        QTest::newRow("fermer, Non") << false << true << non << QStringList{};
    }
    void quitter() {
        QFETCH(bool, parCommande);
        QFETCH(bool, modifie);
        QFETCH(int, reponse);
        QFETCH(QStringList, journal);
        demarrer();
        if (modifie)
            QTest::mouseClick(c("Text1"), Qt::LeftButton);
        QTest::mouseClick(c<QRadioButton>("Option2"), Qt::LeftButton);
        Repondeur r(static_cast<QMessageBox::StandardButton>(reponse));
        if (parCommande)
            QTest::mouseClick(c<QAbstractButton>("Command4"), Qt::LeftButton);
        else
            m_w->close();
        QVERIFY(!m_w->isVisible());
        QCOMPARE(r.vus, modifie ? QStringList{"QuestionQuitter"} : QStringList{});
        QCOMPARE(m_f->settings.journal, journal);
        if (journal.size() > 1) {
            QCOMPARE(m_f->settings.valeurs["Start/lat"], QStringLiteral("False"));
            QCOMPARE(m_f->settings.valeurs["Start/lon"], QStringLiteral("True"));
            QCOMPARE(m_f->settings.valeurs["Start/deglat"], QStringLiteral("48"));
            QCOMPARE(m_f->settings.valeurs["Start/Langue"], QStringLiteral("F"));
        }
    }

    void quitterApresReset() {
        for (int i = 0; i < 5; ++i)
            m_f->settings.valeurs[QStringLiteral("Start/%1").arg(i)] = QString::number(i + 10);
        demarrer();
        QCOMPARE(m_w->etat().Mem, 5);
        QTest::mouseClick(c<QAbstractButton>("Command5"), Qt::LeftButton);
        Repondeur r(QMessageBox::Yes);
        QTest::mouseClick(c<QAbstractButton>("Command4"), Qt::LeftButton);
        QCOMPARE(r.vus, QStringList{"QuestionQuitter"});
        for (int i = 0; i < 5; ++i)
            QCOMPARE(m_f->settings.valeurs.value(QStringLiteral("Start/%1").arg(i), "?"),
                     QString());
        QCOMPARE(m_f->settings.valeurs["Start/Mem"], QStringLiteral("0"));
    }

    // A store that cannot be written: the warning names the file, the window still closes.
    void echecEnregistrement_data() {
        QTest::addColumn<bool>("fichier");
        QTest::newRow("magasin en echec") << false;
        QTest::newRow("dossier en lecture seule") << true;
    }
    void echecEnregistrement() {
        QFETCH(bool, fichier);
        QTemporaryDir dossier;
        const auto lecture = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
        QFile::setPermissions(dossier.path(), lecture);
        const auto retablir = qScopeGuard(
            [&] { QFile::setPermissions(dossier.path(), lecture | QFileDevice::WriteOwner); });
        QString chemin = dossier.filePath("orsaline.conf");
        QFile essai(dossier.filePath("essai"));
        if (essai.open(QIODevice::WriteOnly)) {
            // Permissions not enforced (root): a folder under a plain file cannot exist.
            essai.close();
            chemin = essai.fileName() + "/sous/orsaline.conf";
        }
        std::unique_ptr<platform::QtSettingsStore> store;
        if (fichier)
            store = platform::QtSettingsStore::fromFile(chemin);
        m_f->settings.echecEcriture = true;
        demarrer(store.get());
        Repondeur r(QMessageBox::Yes);
        QTest::mouseClick(c<QAbstractButton>("Command4"), Qt::LeftButton);
        QCOMPARE(r.vus, QStringList{"EchecEnregistrement"});
        QVERIFY(r.textes.value(0).contains(fichier ? chemin : m_f->settings.emplacement()));
        QVERIFY(!m_w->isVisible());
        m_w.reset();
    }

    void exemplesCalcules() {
        demarrer();
        QVERIFY(std::abs(m_w->etat().Lat - 48.8667) < 1e-4);
        QVERIFY(std::abs(m_w->etat().Lon + 2.3333) < 1e-4);
        QCOMPARE(texte("Text8"), QStringLiteral("00 h 09 m 20 Sec."));
        QCOMPARE(texte("Text7"), QStringLiteral("14 min 15 Secondes"));
        const QStringList avant = {texte("Text7"), texte("Text8"), texte("Text9")};
        QTest::mouseClick(c<QRadioButton>("Option2"), Qt::LeftButton);
        QVERIFY(std::abs(m_w->etat().Lat + 48.8667) < 1e-4);
        QCOMPARE(QStringList({texte("Text7"), texte("Text8"), texte("Text9")}), avant);
        choisir("Combo1_0", "3");
        choisir("Combo1_1", "11");
        QCOMPARE(texte("Text7"), QStringLiteral("16 min 29 Secondes"));
        QVERIFY(!m_w->etat().Modif); // date and hemisphere are not worth saving
        QTest::mouseClick(c("Text3"), Qt::LeftButton);
        QVERIFY(m_w->etat().Modif);
    }

    void bornesDuLieu_data() {
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("reste");
        QTest::newRow("latitude 95") << u"Text1"_s << u"95"_s << u""_s;
        QTest::newRow("latitude 90") << u"Text1"_s << u"90"_s << u"90"_s;
        QTest::newRow("minutes -3") << u"Text4"_s << u"-3"_s << u""_s;
        QTest::newRow("minutes 60") << u"Text2"_s << u"60"_s << u"60"_s;
        QTest::newRow("longitude 181") << u"Text3"_s << u"181"_s << u""_s;
        QTest::newRow("minutes 52,5") << u"Text2"_s << u"52,5"_s << u"52,5"_s;
    }
    void bornesDuLieu() {
        QFETCH(QString, champ);
        QFETCH(QString, tape);
        QFETCH(QString, reste);
        demarrer();
        taper(qPrintable(champ), tape);
        QCOMPARE(texte(qPrintable(champ)), reste);
        if (tape == QLatin1String("52,5"))
            QVERIFY(std::abs(m_w->etat().Lat - (48 + 52.5 / 60)) < 1e-9);
    }

    void declinaisonAvecVirgule() {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        demarrer();
        // About -14.1 degrees on 11 February.
        QVERIFY2(QRegularExpression("^-14,\\d\\d°$").match(texte("Text9")).hasMatch(),
                 qPrintable(texte("Text9")));
    }

    void saisiesAberrantes_data() {
        QTest::addColumn<QString>("colle");
        QTest::addColumn<bool>("vide"); // the field is emptied as out of bounds
        QTest::newRow("lettres") << u"abc"_s << false;
        QTest::newRow("exposant enorme") << u"1e400"_s << true;
        QTest::newRow("vingt chiffres") << u"99999999999999999999"_s << true;
        QTest::newRow("non latin") << QString::fromUtf8("四十八 ٤٨") << false;
        QTest::newRow("centaines de chiffres") << QString(400, '9') << true;
        QTest::newRow("centaines de lettres") << QString(400, 'z') << false;
    }
    void saisiesAberrantes() {
        QFETCH(QString, colle);
        QFETCH(bool, vide);
        demarrer();
        for (const char* nom : {"Text1", "Text2", "Text3", "Text4"}) {
            coller(nom, colle);
            QCOMPARE(texte(nom), vide ? QString() : colle);
            m_w->Timer1_Timer();
            QTest::mouseClick(c<QAbstractButton>("Command1"), Qt::LeftButton);
        }
        const QRegularExpression nonNombre("\\b(nan|inf)\\b",
                                           QRegularExpression::CaseInsensitiveOption);
        for (const QLineEdit* e : m_w->findChildren<QLineEdit*>())
            QVERIFY2(!nonNombre.match(e->text()).hasMatch(),
                     qPrintable(e->objectName() + ": " + e->text()));
        for (const QLabel* l : m_w->findChildren<QLabel*>())
            QVERIFY2(!nonNombre.match(l->text()).hasMatch(),
                     qPrintable(l->objectName() + ": " + l->text()));
        QVERIFY(m_w->isVisible());
    }
};

QTEST_MAIN(TestFormTalvan)
#include "tst_formtalvan.moc"
