#include "fakes.h"
#include "mainwindow/canvas.h"
#include "mainwindow/formtalvan.h"

#include <QtTest>
#include <QtWidgets>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QString Erreur = u"Erreur dans la saisie des données, recommencez !"_s;
const QString Error = u"Error en la introducción de datos, vuelva a empezar."_s;
const QString Angle = u"L'angle mesuré doit être entre 0 et 180°, recommencez !"_s;
const QString Angulo = u"El ángulo medido debe estar entre 0 y 180°, vuelva a empezar."_s;
const QString Nuit = u"Le soleil est sous l'horizon à l'heure de la mesure, recommencez !"_s;
const QString Noche = u"El sol está bajo el horizonte a la hora de la medida, vuelva a empezar."_s;

// The fake's 11 Feb 2008 12:00 UT in Paris (48 52 N 2 20 E, a first start's place) unless told.
struct Banc : Fenetre<FormTalvan> {
    explicit Banc(const char* utc = "", const char* langue = "F") : Fenetre(langue, utc) {}
    // Mem, then the lines; " !" if the input error shows.
    QString liste() const {
        return QString::number(w->etat().Mem) + ' ' + lignes() +
               (texte("Label7") == Erreur ? " !" : "");
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
};

// An instant (empty: the fake's), "d/m/y" chosen or not, the angle; the message.
struct Refus {
    const char* utc;
    QString date, angle, fr, es;
};
// Calcul (c and an angle), Garder (g), Efface le dernier (e a candidate, E a kept line), Reset (r),
// Ctrl+Z from a button (z), the typed angle (t), an untouched field (Z); the list, the angle.
struct Annule {
    QString gestes, liste, angle;
};
// Lines typed then ticked; the average shown and the message.
struct Moyenne {
    QStringList lignes;
    QString attendu, message;
};

} // namespace

Q_DECLARE_METATYPE(Refus)
Q_DECLARE_METATYPE(Annule)
Q_DECLARE_METATYPE(Moyenne)

class TestMesures : public QObject {
    Q_OBJECT

private slots:
    // Paris, 21 June 2008 18:00 UT. Sun, NOAA formulas (python3, no refraction): declination
    // 23.4382, azimuth 287.2089, altitude 16.2633. Wall by hand: D = az - angle - 90 (scale read
    // from the wall's right-hand end toward the sun) within -180..180: 10 gives 187.2089 - 360,
    // 30 gives 167.2089, the protractor's own end 0 gives 197.2089 - 360.
    void soleilEtMur() {
        Banc b("2008-06-21T18:00Z");
        for (const auto& [angle, mur] :
             {std::pair{10, -172.7911}, {30, 167.2089}, {0, -162.7911}}) {
            b.calculer(QString::number(angle));
            QVERIFY2(std::fabs(b.dg(0)->text().toDouble() - mur) < 0.03,
                     qPrintable(b.dg(0)->text() + ' ' + b.texte("Label7")));
        }
        // Two decimals shown; the program's short theory is within 0.006° of NOAA.
        const QString soleil =
            b.texte("Text9") + ' ' + b.texte("Label35") + ' ' + b.texte("Label36");
        QVERIFY2(QRegularExpression("^23\\.4[34]° Azimut = 287\\.2[01] ° He = 16\\.2[67] °$")
                     .match(soleil)
                     .hasMatch(),
                 qPrintable(soleil));
    }

    // No wall: nothing written, the reason said in the user's language, then in the other one.
    void refus_data() {
        QTest::addColumn<Refus>("cas");
        QTest::newRow("angle 250") << Refus{"", "", "250", Angle, Angulo};
        QTest::newRow("angle -0.5") << Refus{"", "", "-0,5", Angle, Angulo};
        QTest::newRow("no angle") << Refus{"", "", "abc5", Erreur, Error};
        // NOAA: sunrise (centre at -0.833) at Paris on 15 Dec 2008 at 07:37.8 UT; at 07:36
        // the centre is at -1.07, the whole disc below the horizon.
        QTest::newRow("before sunrise") << Refus{"2008-12-15T07:36Z", "", "45", Nuit, Noche};
        QTest::newRow("day 0") << Refus{"", "0/2/2008", "45", Erreur, Error};
    }
    void refus() {
        QFETCH(Refus, cas);
        const auto& [utc, date, angle, fr, es] = cas;
        for (const char* langue : {"F", "E"}) {
            Banc b(utc, langue);
            if (!date.isEmpty())
                b.date(date);
            b.calculer(angle);
            const bool f = *langue == 'F';
            QCOMPARE(b.dg(0)->text() + b.texte("Label7"), f ? fr : es);
            b.clic(f ? "Option5_1" : "Option5_0");
            QCOMPARE(b.texte("Label7"), f ? es : fr);
        }
    }

    void liste() {
        Banc b;
        b.clic("Command2"); // nothing computed: nothing kept
        b.calculer("45");
        b.clic("Command3"); // a candidate alone is not erased
        QCOMPARE(b.liste(), "0 o....");
        b.clic("Command2");
        b.calculer("46", true);
        b.calculer("47");
        b.clic("Command3"); // the candidate goes first, at once
        QCOMPARE(b.liste(), "2 XX...");
        QString vue; // then the last kept line, when the user says so
        for (const char* r : {"Echap", "Non", "Oui"}) {
            b.repondre(r, &vue);
            b.clic("Command3");
            QCOMPARE(vue,
                     u"QuestionEffacer: Voulez vous effacer la dernière mesure gardée ? [Non]"_s);
            QCOMPARE(b.liste(), *r == 'O' ? "1 X...." : "2 XX...");
        }
        b.repondre("Echap"); // one kept line: the reset asks first
        b.clic("Command5");
        QCOMPARE(b.liste(), "1 X....");
        for (int i = 1; i < 5; ++i)
            b.calculer(QString::number(40 + i), true);
        const QString cinquieme = b.dg(4)->text();
        b.calculer("10", true); // a sixth: nothing written, nothing kept
        QCOMPARE(b.liste() + b.dg(4)->text(), "5 XXXXX" + cinquieme);
        b.repondre("Oui");
        b.clic("Command3");
        QCOMPARE(b.liste(), "4 XXXX.");
        b.repondre("Oui"); // kept lines: the reset asks first
        b.clic("Command5");
        QCOMPARE(b.liste(), "0 .....");
    }

    // One step of undo for each press; in a text field that has typed text, that field's own.
    void annuler_data() {
        QTest::addColumn<Annule>("cas");
        QTest::newRow("Calcul") << Annule{"c45 z", "0 .....", "45"};
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
            else if (g == "g" || g == "e")
                b.clic(g == "g" ? "Command2" : "Command3");
            else if (g == "E" || g == "r") // asked first
                (b.repondre("Oui"), b.clic(g == "E" ? "Command3" : "Command5"));
            const QString nom = g == "z" ? "Command1" : g == "Z" ? "Text1" : "Text12";
            if (g == "z" || g == "Z" || g == "t") {
                QApplication::setActiveWindow(b.w.get());
                b.c(nom)->setFocus();
                QTest::keyClick(b.c(nom), Qt::Key_Z, Qt::ControlModifier);
            } else {
                avant << b.dg(0)->text() + b.dg(1)->text();
            }
        }
        QCOMPARE(b.liste() + '|' + b.texte("Text12"), liste + '|' + angle);
        // The lines' texts as before the last change undone; green only the kept ones.
        QCOMPARE(b.dg(0)->text() + b.dg(1)->text(),
                 avant[avant.size() - (angle.isEmpty() ? 1 : 2)]);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(b.dg(i)->palette().color(QPalette::Text) == QColor(0, 128, 0),
                     i < b.w->etat().Mem);
    }

    // Lines typed then ticked: each average redraws the wall in green (".50" is no 0), none
    // without.
    void moyenne_data() {
        QTest::addColumn<Moyenne>("cas");
        QTest::newRow("a word left out") << Moyenne{{"abc", "10.00", "20.00"}, "15.00", Erreur};
        QTest::newRow("below 1") << Moyenne{{"0.25", "0.75"}, ".50", ""};
        QTest::newRow("sum overflows") << Moyenne{{"1.7e308", "1.7e308"}, "", Erreur};
        QTest::newRow("opposite walls")
            << Moyenne{{"90", "-90"}, "", u"Mesures cochées trop différentes pour une moyenne."_s};
    }
    void moyenne() {
        QFETCH(Moyenne, cas);
        const auto& [lignes, attendu, message] = cas;
        Banc b;
        b.c<Canvas>("PicAZ")->effacer();
        for (int i = 0; i < lignes.size(); ++i) {
            b.taper(b.dg(i), lignes[i]);
            b.cocher(i);
        }
        QCOMPARE(b.texte("Text15") + '|' + b.texte("Label7"), attendu + '|' + message);
        const auto mur = [](auto& x) {
            return x.genre == Primitive::Genre::Ligne && x.couleur == QColor(0, 128, 0);
        };
        QCOMPARE(std::ranges::any_of(b.c<Canvas>("PicAZ")->primitives(), mur), !attendu.isEmpty());
    }

    // No calendar date in the lists: no sun figure and no diagram rather than the last ones.
    // 31 November is 1 December: declination -21.9019 at 12:00 UT (NOAA).
    void dates() {
        for (const QString date : {"/2/2008", "11/2/0", "31/11/2008"}) {
            Banc b;
            b.date(date);
            b.tic();
            QString vu = b.texte("Text9") + b.texte("Text7") + b.texte("Text13") +
                         b.texte("Label35") + b.texte("Label36");
            for (const char* schema : {"PicAZ", "PicHE"})
                vu += b.c<Canvas>(schema)->primitives().isEmpty() ? "" : schema;
            QVERIFY2(date[0] == '3' ? vu.contains(QRegularExpression("^-21\\.9[01]°.*PicAZPicHE$"))
                                    : vu.isEmpty(),
                     qPrintable(vu));
        }
    }

    // The zone far from the place's longitude is said, but not while no longitude is typed.
    void fuseauEloigne() {
        Fenetre<FormTalvan> b("F", "", "Asia/Tokyo");
        b.tic();
        QVERIFY(b.texte("Label7").startsWith(u"Fuseau de l'ordinateur à plus de 3"_s));
        b.taper("Text3", "");
        b.tic();
        QCOMPARE(b.texte("Label7"), QString());
    }

    // A place field reading below 0 is emptied: a typed minus never reaches the computation.
    void lieuNegatif() {
        Banc b;
        b.clic("Option2");
        b.taper("Text1", "-48");
        b.taper("Text4", "-3");
        QVERIFY2(!b.texte("Text1").contains('-'), qPrintable(b.texte("Text1")));
        QCOMPARE(b.w->etat().Lat, -(b.texte("Text1").toDouble() + 52.0 / 60));
        QCOMPARE(b.texte("Text4") + ' ' + QString::number(b.w->etat().Lon), " -2");
    }
};

QTEST_MAIN(TestMesures)
#include "tst_mesures.moc"
