#include "fakes.h"
#include "mainwindow/canvas.h"
#include "mainwindow/formtalvan.h"

#include <QtTest>
#include <QtWidgets>
#include <algorithm>
#include <cmath>

namespace {

// The messages as a user reads them, French and Spanish.
const QString Erreur = QString::fromUtf8("Erreur dans la saisie des données, recommencez !");
const QString Error = QString::fromUtf8("Error en la introducción de datos, vuelva a empezar.");
const QString Angle = QString::fromUtf8("L'angle mesuré doit être entre 0 et 180°, recommencez !");
const QString Angulo =
    QString::fromUtf8("El ángulo medido debe estar entre 0 y 180°, vuelva a empezar.");
const QString Nuit =
    QString::fromUtf8("Le soleil est sous l'horizon à l'heure de la mesure, recommencez !");
const QString Noche =
    QString::fromUtf8("El sol está bajo el horizonte a la hora de la medida, vuelva a empezar.");

// The fake's 11 Feb 2008 12:00 UT in Paris unless told; "F" French, "E" Spanish.
struct Banc : Fenetre<FormTalvan> {
    explicit Banc(const char* utc = "", const char* zone = "Europe/Paris", const char* langue = "F")
        : Fenetre(langue, utc, zone) {}
    // Mem, then per line X ticked, o a value not ticked, . empty; " !" if the input error shows.
    QString liste() const {
        QString r = QString::number(w->etat().Mem) + ' ';
        for (int i = 0; i < 5; ++i)
            r += chec(i)->isChecked() ? 'X' : dg(i)->text().isEmpty() ? '.' : 'o';
        return r + (texte("Label7") == Erreur ? " !" : "");
    }
    // Answers the next message box: Oui, Non or Echap; `vue` gets its name, text and default.
    void repondre(const QString& r, QString* vue = nullptr) const {
        QTimer::singleShot(0, [r, vue] {
            auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (vue)
                *vue = m->objectName() + ": " + m->text() +
                       (m->defaultButton() == m->button(QMessageBox::No) ? " [Non]" : " [Oui]");
            if (r == "Echap")
                QTest::keyClick(m, Qt::Key_Escape);
            else
                m->button(r == "Oui" ? QMessageBox::Yes : QMessageBox::No)->click();
        });
    }
    // "48 52 N 2 20 E": degrees and minutes typed, hemispheres clicked.
    void lieu(const QString& l) const {
        const QStringList p = l.split(' ');
        for (int i : {0, 1, 3, 4})
            taper(QStringLiteral("Text%1").arg(i < 3 ? i + 1 : i), p[i]);
        clic(p[2] == "N" ? "Option1" : "Option2");
        clic(p[5] == "O" ? "Option3" : "Option4");
    }
    // The number in a caption "word = 12.34 °", or NaN when the caption is not of that form.
    double lecture(const QString& nom, const QString& mot) const {
        const QRegularExpression forme('^' + mot + " = (-?\\d*\\.\\d\\d) °$");
        const auto m = forme.match(texte(nom));
        return m.hasMatch() ? m.captured(1).toDouble() : qQNaN();
    }
};

// A place, its zone, a UT instant, the language; the sun's declination, azimuth and altitude;
// angles read and the walls they give (angle, D, ...).
struct Ciel {
    const char *lieu, *zone, *utc, *langue;
    QList<double> soleil, murs;
};
// An instant (empty: the fake's), "Text1=90" typed or "d/m/y" chosen, the angle; the message.
struct Refus {
    const char* utc;
    QString saisie, angle, fr, es;
};
// Calcul (c and an angle), Garder (g), Efface le dernier (e a candidate, E a kept line), Reset
// (r), Ctrl+Z from a button (z) or from the angle's field with typed text (t).
struct Annule {
    QString gestes, liste, angle;
};

double ecartAngle(double a, double b) {
    const double e = std::fmod(std::fabs(a - b), 360.0);
    return std::min(e, 360 - e);
}

} // namespace

Q_DECLARE_METATYPE(Ciel)
Q_DECLARE_METATYPE(Refus)
Q_DECLARE_METATYPE(Annule)

class TestMesures : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // The sun and the wall at a UT instant in the place's own zone. Sun: NOAA solar calculator
    // formulas (python3, no refraction). Wall, by hand: D = az - a - 90 (scale read from the
    // wall's right-hand end toward the sun), brought into -180..180 by a full turn.
    void soleilEtMur_data() {
        QTest::addColumn<Ciel>("cas");
        // North-facing walls: 287.2089 - 10 - 90 = 187.2089 - 360; 287.2089 - 30 - 90; the
        // protractor's own end, 0: 287.2089 - 0 - 90 - 360.
        QTest::newRow("Paris N E, evening, north wall")
            << Ciel{"48 52 N 2 20 E",
                    "Europe/Paris",
                    "2008-06-21T18:00Z",
                    "F",
                    {23.4382, 287.2089, 16.2633},
                    {10, -172.7911, 30, 167.2089, 0, -162.7911}};
        // Local morning of 11 March, UT still 10 March: 65.3569 - 170 - 90 + 360.
        QTest::newRow("Sydney S E, UT the day before")
            << Ciel{"33 52 S 151 12 E",          "Australia/Sydney", "2008-03-10T23:00Z", "F",
                    {-3.6666, 65.3569, 37.4462}, {170, 165.3569}};
        // Local 21 June, UT already 22 June: 279.5196 - 90 - 90.
        QTest::newRow("Los Angeles N O, evening, UT the day after")
            << Ciel{"34 03 N 118 15 O",           "America/Los_Angeles", "2008-06-22T00:30Z", "E",
                    {23.4366, 279.5196, 29.8769}, {90, 99.5196}};
    }
    void soleilEtMur() {
        QFETCH(Ciel, cas);
        const auto& [lieu, zone, utc, langue, soleil, murs] = cas;
        Banc b(utc, zone, langue);
        b.lieu(lieu);
        const bool fr = *langue == 'F';
        for (qsizetype i = 0; i < murs.size(); i += 2) {
            b.calculer(QString::number(murs[i]));
            // Two decimals shown; the program's short theory is within 0.02 of NOAA.
            QString t9 = b.texte("Text9");
            QVERIFY2(t9.endsWith(u'°') && std::fabs(t9.chopped(1).toDouble() - soleil[0]) < 0.02,
                     qPrintable(t9));
            QVERIFY2(ecartAngle(b.lecture("Label35", "Azimut"), soleil[1]) < 0.03,
                     qPrintable(b.texte("Label35")));
            QVERIFY2(std::fabs(b.lecture("Label36", fr ? "He" : "Altura") - soleil[2]) < 0.03,
                     qPrintable(b.texte("Label36")));
            QVERIFY2(ecartAngle(b.dg(0)->text().toDouble(), murs[i + 1]) < 0.03,
                     qPrintable(b.dg(0)->text()));
            QVERIFY(std::fabs(b.dg(0)->text().toDouble()) <= 180);
            QCOMPARE(b.texte("Label7"), QString());
        }
    }

    // Readings that give no wall: nothing written, the reason said in the user's language, and
    // said again in the other one when the language changes. Sun: NOAA, as above.
    void refus_data() {
        QTest::addColumn<Refus>("cas");
        QTest::newRow("angle 250") << Refus{"", "", "250", Angle, Angulo};
        QTest::newRow("angle -0.5") << Refus{"", "", "-0,5", Angle, Angulo};
        QTest::newRow("no angle") << Refus{"", "", "abc5", Erreur, Error};
        QTest::newRow("angle beyond a double") << Refus{"", "", "1e999", Erreur, Error};
        // NOAA: sunrise (centre at -0.833) at Paris on 15 Dec 2008 at 07:37.8 UT; at 07:36
        // the centre is at -1.07, the whole disc below the horizon.
        QTest::newRow("before sunrise") << Refus{"2008-12-15T07:36Z", "", "45", Nuit, Noche};
        QTest::newRow("at the pole") << Refus{"", "Text1=90", "45", Erreur, Error};
        QTest::newRow("day 0") << Refus{"", "0/2/2008", "45", Erreur, Error};
    }
    void refus() {
        QFETCH(Refus, cas);
        const auto& [utc, saisie, angle, fr, es] = cas;
        for (const char* langue : {"F", "E"}) {
            Banc b(utc, "Europe/Paris", langue);
            if (saisie.contains('='))
                b.taper(saisie.section('=', 0, 0), saisie.section('=', 1));
            else if (!saisie.isEmpty())
                b.date(saisie);
            b.calculer(angle);
            QCOMPARE(b.dg(0)->text(), QString());
            QCOMPARE(b.texte("Label7"), *langue == 'F' ? fr : es);
            b.clic(*langue == 'F' ? "Option5_1" : "Option5_0");
            QCOMPARE(b.texte("Label7"), *langue == 'F' ? es : fr);
        }
    }

    // A minute after that sunrise (NOAA: centre at -0.67) the reading is taken, and its
    // tooltip says the sun was low.
    void leverDuSoleil() {
        Banc b("2008-12-15T07:39Z");
        b.calculer("45");
        QVERIFY(!b.dg(0)->text().isEmpty());
        QCOMPARE(b.texte("Label7"), QString());
        QVERIFY2(b.dg(0)->toolTip().contains(QString::fromUtf8("Soleil bas (moins de 5°)")),
                 qPrintable(b.dg(0)->toolTip()));
    }

    // Ticked readings that describe no one wall: no average, said in the message line until
    // the ticks describe one again.
    void moyenneImpossible() {
        const QString impossible =
            QString::fromUtf8("Mesures cochées trop différentes pour une moyenne.");
        Banc b;
        b.taper(b.dg(0), "90");
        b.cocher(0);
        b.taper(b.dg(1), "-90");
        b.cocher(1);
        QCOMPARE(b.texte("Text15"), QString());
        QVERIFY(!b.w->etat().Moy);
        QCOMPARE(b.texte("Label7"), impossible);
        b.cocher(1);
        QVERIFY(b.w->etat().Moy == 90.0);
        QCOMPARE(b.texte("Label7"), QString());
    }

    // The message stays through ticks and keeps until a press that writes a line, or a reset;
    // once cleared, a change of language does not bring it back.
    void messageGarde() {
        Banc b;
        b.calculer("250");
        b.tic();
        b.clic("Command2");
        QCOMPARE(b.texte("Label7"), Angle);
        b.calculer("45");
        QCOMPARE(b.liste(), "0 o....");
        QCOMPARE(b.texte("Label7"), QString());
        b.calculer("181");
        // The line of the good press stays: NOAA 178.6594 - 45 - 90.
        QVERIFY(std::fabs(b.dg(0)->text().toDouble() - 43.6594) < 0.03);
        b.clic("Command5");
        b.clic("Option5_1");
        QCOMPARE(b.texte("Label7"), QString());
    }

    // While a date list holds no calendar date the sun's data and diagrams are cleared; what the
    // arithmetic takes is kept: 31 November is 1 December, a year typed beyond the lists. At
    // 12:00 UT, NOAA: -21.9019 on 1 December 2008, -13.9464 on 11 February 2150.
    void dates_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<double>("declinaison"); // NaN: none shown
        QTest::newRow("day empty") << "/2/2008" << qQNaN();
        QTest::newRow("year 0") << "11/2/0" << qQNaN();
        QTest::newRow("31 November") << "31/11/2008" << -21.9019;
        QTest::newRow("year 2150") << "11/2/2150" << -13.9464;
    }
    void dates() {
        QFETCH(QString, date);
        QFETCH(double, declinaison);
        Banc b;
        b.date(date);
        b.tic();
        const bool aucune = std::isnan(declinaison);
        for (const char* nom : {"Text9", "Text7", "Text13", "Label35", "Label36"})
            QVERIFY2(b.texte(nom).isEmpty() == aucune, nom);
        QCOMPARE(b.c<Canvas>("PicAZ")->primitives().isEmpty(), aucune);
        QCOMPARE(b.c<Canvas>("PicHE")->primitives().isEmpty(), aucune);
        QCOMPARE(b.texte("Text8"), "00 h 09 m 20 Sec."); // the place's own, still shown
        if (!aucune)
            QVERIFY2(std::fabs(b.texte("Text9").chopped(1).toDouble() - declinaison) < 0.02,
                     qPrintable(b.texte("Text9")));
    }

    // Keep, erase and reset.
    void liste() {
        Banc b;
        b.clic("Command2"); // nothing computed: nothing kept
        QCOMPARE(b.liste(), "0 .....");
        b.calculer("45");
        b.clic("Command3"); // a candidate alone is not erased
        QCOMPARE(b.liste(), "0 o....");
        b.clic("Command2");
        QCOMPARE(b.liste(), "1 X....");
        b.calculer("46", true);
        b.calculer("47");
        b.clic("Command3"); // the candidate goes first, at once
        QCOMPARE(b.liste(), "2 XX...");
        QString vue; // then the last kept line, when the user says so
        for (const char* r : {"Echap", "Non", "Oui"}) {
            b.repondre(r, &vue);
            b.clic("Command3");
            QCOMPARE(vue, QString::fromUtf8("QuestionEffacer: Voulez vous effacer la dernière "
                                            "mesure gardée ? [Non]"));
            QCOMPARE(b.liste(), *r == 'O' ? "1 X...." : "2 XX...");
        }
        for (int i = 1; i < 5; ++i)
            b.calculer(QString::number(40 + i), true);
        const QString cinquieme = b.dg(4)->text();
        b.calculer("10", true); // a sixth: nothing written, nothing kept
        QCOMPARE(b.dg(4)->text(), cinquieme);
        QCOMPARE(b.liste(), "5 XXXXX");
        b.repondre("Oui");
        b.clic("Command3");
        QCOMPARE(b.liste(), "4 XXXX.");
        b.taper(b.dg(4), "1000"); // out of range: the message stays after unticking
        b.cocher(4);
        QTest::keyClick(b.chec(4), Qt::Key_Space); // unticked by keyboard
        QCOMPARE(b.liste(), "4 XXXXo !");
        b.repondre("Oui"); // kept lines: the reset asks first
        b.clic("Command5");
        QCOMPARE(b.liste(), "0 .....");
    }

    // One step of undo for each press; in a text field that has typed text, that field's own.
    void annuler_data() {
        QTest::addColumn<Annule>("cas"); // the gestures; the list and angle field at the end
        QTest::newRow("Calcul") << Annule{"c45 z", "0 .....", "45"};
        QTest::newRow("Calcul over a candidate") << Annule{"c50 c45 z", "0 o....", "45"};
        QTest::newRow("Garder") << Annule{"c45 g z", "0 o....", "45"};
        QTest::newRow("erase a candidate") << Annule{"c45 g c46 e z", "1 Xo...", "46"};
        QTest::newRow("erase a kept line") << Annule{"c45 g c46 g E z", "2 XX...", "46"};
        QTest::newRow("Reset") << Annule{"c45 g c46 g r z", "2 XX...", "46"};
        QTest::newRow("one step only") << Annule{"c45 g c46 g z z", "1 Xo...", "46"};
        QTest::newRow("the angle's own undo") << Annule{"c45 g t", "1 X....", ""};
        QTest::newRow("from a field with nothing to undo") << Annule{"c45 g Z", "0 o....", "45"};
    }
    void annuler() {
        QFETCH(Annule, cas);
        const auto& [gestes, liste, angle] = cas;
        Banc b;
        QStringList avant{QString()}; // lines 0 and 1 after each gesture
        for (const QString& g : gestes.split(' ')) {
            if (g[0] == 'c')
                b.calculer(g.mid(1));
            else if (g == "g")
                b.clic("Command2");
            else if (g == "e")
                b.clic("Command3");
            else if (g == "E" || g == "r") // asked first
                (b.repondre("Oui"), b.clic(g == "E" ? "Command3" : "Command5"));
            QWidget* focus = g == "z"   ? b.c("Command1")
                             : g == "Z" ? b.c("Text1") // untouched: nothing of its own to undo
                             : g == "t" ? b.c("Text12")
                                        : nullptr;
            if (focus) {
                QApplication::setActiveWindow(b.w.get());
                focus->setFocus();
                QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier);
            } else {
                avant << b.dg(0)->text() + b.dg(1)->text();
            }
        }
        QCOMPARE(b.liste(), liste);
        QCOMPARE(b.texte("Text12"), angle);
        // The lines' texts as before the last change undone; green only the kept ones.
        QCOMPARE(b.dg(0)->text() + b.dg(1)->text(),
                 avant[avant.size() - (angle.isEmpty() ? 1 : 2)]);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(b.dg(i)->palette().color(QPalette::Text) == QColor(0, 128, 0),
                     i < b.w->etat().Mem);
    }

    // Lines typed, then ticked by mouse. Every average redraws the wall in green (".50" is no 0);
    // a sum that overflows shows no average, not ".00". The average itself is the solar tests'.
    void moyenne_data() {
        QTest::addColumn<QStringList>("lignes");
        QTest::addColumn<QString>("attendu");
        QTest::addColumn<bool>("message");
        QTest::newRow("a word left out") << QStringList{"abc", "10.00", "20.00"} << "15.00" << true;
        QTest::newRow("below 1") << QStringList{"0.25", "0.75"} << ".50" << false;
        QTest::newRow("sum overflows") << QStringList{"1.7e308", "1.7e308"} << "" << true;
        // Typed beyond -180..180: the plain mean, (400 - 300) / 2, and the message.
        QTest::newRow("400 typed") << QStringList{"400", "-300"} << "50.00" << true;
    }
    void moyenne() {
        QFETCH(QStringList, lignes);
        QFETCH(QString, attendu);
        QFETCH(bool, message);
        Banc b;
        b.c<Canvas>("PicAZ")->effacer();
        for (int i = 0; i < lignes.size(); ++i) {
            b.taper(b.dg(i), lignes[i]);
            b.cocher(i);
        }
        QCOMPARE(b.texte("Text15"), attendu);
        QCOMPARE(b.texte("Label7"), message ? Erreur : QString());
        QVERIFY(attendu.isEmpty() ||
                std::ranges::any_of(b.c<Canvas>("PicAZ")->primitives(), [](auto& x) {
                    return x.genre == Primitive::Genre::Ligne && x.couleur == QColor(0, 128, 0);
                }));
    }

    // A minus sign typed into a place field never reaches the computation: the field is emptied
    // when its text reads below 0, and what remains is what is used (south selected).
    void lieuNegatif() {
        Banc b;
        b.clic("Option2");
        auto* text1 = b.c<QLineEdit>("Text1");
        b.taper(text1, "-48");
        QVERIFY2(!text1->text().contains('-'), qPrintable(text1->text()));
        QCOMPARE(b.w->etat().Lat, -(text1->text().toDouble() + 52.0 / 60));
        b.taper("Text4", "-3");
        QCOMPARE(b.texte("Text4"), QString());
        QCOMPARE(b.w->etat().Lon, -2.0);
    }
};

QTEST_MAIN(TestMesures)
#include "tst_mesures.moc"
