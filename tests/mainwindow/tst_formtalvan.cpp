#include "fakes.h"
#include "mainwindow/formtalvan.h"
#include "platform/fonts.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

class TestFormTalvan : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeServices> m_f;
    std::unique_ptr<FormTalvan> m_w;

    void demarrer() { (m_w = std::make_unique<FormTalvan>(m_f->services()))->Charger(); }
    template <typename T = QLineEdit> T* c(const QString& n) { return m_w->findChild<T*>(n); }
    QString texte(const QString& nom) { return c(nom)->text(); }
    void clic(const QString& n) { QTest::mouseClick(c<QWidget>(n), Qt::LeftButton); }

private slots:
    void initTestCase() { platform::substituerPolices(); } // the fonts the program draws with
    void init() { m_f = std::make_unique<FakeServices>(); }
    void cleanup() { m_w.reset(); }

    // The worked example on the built-in place and date: 2°20' E, 11 February 2008.
    void premierDemarrage() {
        demarrer();
        QCOMPARE(texte("Text8"), u"00 h 09 m 20 Sec."_s);
        QCOMPARE(texte("Text7"), u"14 min 15 Secondes"_s);
    }

    // Regression: "Correction en Longitude" touched the outline. In both languages the
    // headings right-aligned on their fields keep clear of it.
    void miseEnPage() {
        demarrer();
        for (const char* drapeau : {"Option5_1", "Option5_0"}) {
            clic(drapeau);
            const int contour = c<QWidget>("Shape1")->x();
            for (const char* nom : {"Label10", "Label11"}) {
                auto* l = c<QLabel>(nom);
                const int debut =
                    l->geometry().right() - l->fontMetrics().horizontalAdvance(l->text());
                QVERIFY2(debut >= contour + 3, qPrintable(l->text()));
            }
        }
    }

    // Only saved lines that read as numbers in the user's locale are ticked (green); "False"
    // for lat is the south.
    void reglagesLus() {
        const auto retablir = qScopeGuard([l = QLocale()] { QLocale::setDefault(l); });
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        const QStringList lignes = {"12,5", "", "mur", "7", ""};
        for (int i = 0; i < 5; ++i)
            m_f->settings.valeurs[u"Start/%1"_s.arg(i)] = lignes[i];
        m_f->settings.valeurs["Start/lat"] = "False";
        demarrer();
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(texte(u"DG_%1"_s.arg(i)), lignes[i]);
            const bool garde = i == 0 || i == 3;
            QCOMPARE(c<QCheckBox>(u"Chec_%1"_s.arg(i))->isChecked(), garde);
            QCOMPARE(c(u"DG_%1"_s.arg(i))->palette().color(QPalette::Text),
                     garde ? QColor(0, 128, 0) : QColor(Qt::black));
        }
        QCOMPARE(m_w->etat().Mem, 2);
        QVERIFY(c<QRadioButton>("Option2")->isChecked());
    }

    // Gestures: clicks by name, "fermer" the close box, "echec" a store that cannot be written.
    void quitter_data() {
        QTest::addColumn<QString>("gestes");
        QTest::addColumn<int>("reponse");
        QTest::addColumn<QStringList>("boites");
        QTest::addColumn<QStringList>("journal");
        const int oui = QMessageBox::Yes, non = QMessageBox::No;
        const QStringList q{"QuestionQuitter"}, langue{"Langue"},
            TousLesChamps{"deglat", "minlat", "deglon", "minlon", "lat", "lon",   "0",
                          "1",      "2",      "3",      "4",      "Mem", "Langue"};
        QTest::newRow("rien touche") << u"Option2 Command4"_s << oui << QStringList() << langue;
        QTest::newRow("quitter, Oui") << u"Text1 Option2 Command4"_s << oui << q << TousLesChamps;
        QTest::newRow("fermer, Non") << u"Text1 Option2 fermer"_s << non << q << QStringList();
        // The reset clears the five saved lines at once.
        QTest::newRow("effacer, fermer, Oui")
            << u"Command5 Option2 fermer"_s << oui << q << TousLesChamps.mid(6, 5) + TousLesChamps;
        QTest::newRow("magasin en echec")
            << u"echec Command4"_s << oui << QStringList{"EchecEnregistrement"} << langue;
    }
    void quitter() {
        QFETCH(QString, gestes);
        QFETCH(int, reponse);
        QFETCH(QStringList, boites);
        QFETCH(QStringList, journal);
        for (int i = 0; i < 5; ++i)
            m_f->settings.valeurs[u"Start/%1"_s.arg(i)] = QString::number(i + 10);
        m_f->settings.echecEcriture = gestes.contains("echec");
        demarrer();
        // Answers every box: the quit question with the given button, others with Ok.
        QTimer repondeur;
        QStringList vus, textes; // object names and texts of the boxes
        connect(&repondeur, &QTimer::timeout, [&] {
            if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                vus << m->objectName();
                textes << m->text();
                const auto b = vus.last() == "QuestionQuitter" ? reponse : int(QMessageBox::Ok);
                m->button(QMessageBox::StandardButton(b))->click();
            }
        });
        repondeur.start(10);
        for (const QString& g : gestes.split(' '))
            if (g == "fermer")
                m_w->close();
            else if (g != "echec")
                clic(g);
        QVERIFY(!m_w->isVisible());
        QCOMPARE(vus, boites);
        QCOMPARE(m_f->settings.journal, journal);
        QVERIFY(!m_f->settings.echecEcriture || textes[0].contains(m_f->settings.emplacement()));
        auto v = [&](const char* cle) { return m_f->settings.valeurs.value(u"Start/"_s + cle); };
        if (journal.size() > 1) // south, east, French | the first line | Mem, kept or reset
            QCOMPARE(v("lat") + v("lon") + v("Langue") + '|' + v("0") + '|' + v("Mem"),
                     gestes.startsWith("Command5") ? u"FalseTrueF||0"_s : u"FalseTrueF|10|5"_s);
    }

    // Pasted place values: out of bounds empties the field, a comma reads as a decimal point.
    void saisiesDuLieu_data() {
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("colle");
        QTest::addColumn<QString>("reste");
        QTest::newRow("latitude 95") << u"Text1"_s << u"95"_s << u""_s;
        QTest::newRow("latitude 90") << u"Text1"_s << u"90"_s << u"90"_s;
        QTest::newRow("minutes 60") << u"Text2"_s << u"60"_s << u"60"_s;
        QTest::newRow("longitude 181") << u"Text3"_s << u"181"_s << u""_s;
        QTest::newRow("minutes 52,5") << u"Text2"_s << u"52,5"_s << u"52,5"_s;
        QTest::newRow("exposant enorme") << u"Text3"_s << u"1e400"_s << u""_s;
    }
    void saisiesDuLieu() {
        QFETCH(QString, champ);
        QFETCH(QString, colle);
        QFETCH(QString, reste);
        demarrer();
        clic(champ);
        QTest::keyClick(c(champ), Qt::Key_A, Qt::ControlModifier);
        QApplication::clipboard()->setText(colle);
        QTest::keyClick(c(champ), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(texte(champ), reste);
        if (colle == "52,5")
            QVERIFY(std::abs(m_w->etat().Lat - (48 + 52.5 / 60)) < 1e-9);
    }
};

QTEST_MAIN(TestFormTalvan)
#include "tst_formtalvan.moc"