#include "fakes.h"
#include "mainwindow/canvas.h"
#include "mainwindow/captions.h"
#include "mainwindow/formtalvan.h"

#include <QtTest>
#include <QtWidgets>
#include <algorithm>
#include <cmath>

namespace {

const QString Erreur = QString::fromUtf8(captions::ErreurSaisie);

struct Banc {
    FakeServices fakes;
    FormTalvan w{fakes.services()};

    Banc() { w.Charger(); }
    template <typename T = QWidget> T* c(const QString& nom) const { return w.findChild<T*>(nom); }
    QLineEdit* dg(int i) const { return c<QLineEdit>(QStringLiteral("DG_%1").arg(i)); }
    QCheckBox* chec(int i) const { return c<QCheckBox>(QStringLiteral("Chec_%1").arg(i)); }
    QString texte(const QString& nom) const { return c(nom)->property("text").toString(); }
    // Mem, then per line X ticked, o a value not ticked, . empty; " !" if the message shows.
    QString liste() const {
        QString r = QString::number(w.etat().Mem) + ' ';
        for (int i = 0; i < 5; ++i)
            r += chec(i)->isChecked() ? 'X' : dg(i)->text().isEmpty() ? '.' : 'o';
        return r + (texte("Label7") == Erreur ? " !" : "");
    }
    void clic(const QString& nom) const { QTest::mouseClick(c(nom), Qt::LeftButton); }
    void cocher(int i) const {
        QTest::mouseClick(chec(i), Qt::LeftButton);
        QCoreApplication::processEvents(); // the mouse-up check runs after the click
    }
    void taper(QLineEdit* t, const QString& s) const { (t->clear(), QTest::keyClicks(t, s)); }
    void calculer(const QString& angle, bool garde = false) const {
        taper(c<QLineEdit>("Text12"), angle);
        clic("Command1");
        if (garde)
            clic("Command2");
    }
};

} // namespace

class TestMesures : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // The angle read for a wall of declination d0, nudged so the raw declination is exactly d0.
    // Then no sun position (latitude 90): no declination from the azimuth left from before.
    void declinaison() {
        Banc b;
        const auto brut = [az = b.w.etat().AzP](double a) { return az + (90 - a) - 180; };
        for (const auto& [d0, attendu] : {std::pair{-30.0, "-30.00"}, std::pair{180.0, "180.00"},
                                          std::pair{250.0, "70.00"}, std::pair{-250.0, "-70.00"}}) {
            double a = b.w.etat().AzP - 90 - d0;
            for (int n = 0; n < 100 && brut(a) != d0; ++n)
                a = std::nextafter(a, brut(a) > d0 ? 1e9 : -1e9);
            b.calculer(QString::number(a, 'g', 17));
            QCOMPARE(b.dg(0)->text(), attendu);
        }
        QVERIFY(!b.c<Canvas>("PicAZ")->primitives().isEmpty());
        b.taper(b.c<QLineEdit>("Text1"), "90");
        b.calculer("45");
        QCOMPARE(b.liste(), "0 o.... !");
        QCOMPARE(b.dg(0)->text(), "-70.00");
        QVERIFY(b.c<Canvas>("PicAZ")->primitives().isEmpty());
    }

    // An angle that does not start with a number is no reading of 0.
    void angleIllisible() {
        Banc b;
        for (const char* angle : {"", "abc5", "-", "1e999"}) {
            b.calculer(angle);
            QCOMPARE(b.liste(), "0 ..... !");
        }
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
        b.clic("Command3"); // the candidate goes first
        QCOMPARE(b.liste(), "2 XX...");
        for (int i = 2; i < 5; ++i)
            b.calculer(QString::number(40 + i), true);
        const QString cinquieme = b.dg(4)->text();
        b.calculer("10", true); // a sixth: nothing written, nothing kept
        QCOMPARE(b.dg(4)->text(), cinquieme);
        QCOMPARE(b.liste(), "5 XXXXX");
        b.clic("Command3");
        QCOMPARE(b.liste(), "4 XXXX."); // then the last kept line
        b.taper(b.dg(4), "1000");       // out of range: the message stays after unticking
        b.cocher(4);
        QTest::keyClick(b.chec(4), Qt::Key_Space); // unticked by keyboard
        QCOMPARE(b.liste(), "4 XXXXo !");
        QTimer::singleShot(0, [] { // kept lines: the reset asks first
            qobject_cast<QMessageBox*>(QApplication::activeModalWidget())
                ->button(QMessageBox::Yes)
                ->click();
        });
        b.clic("Command5");
        QCOMPARE(b.liste(), "0 .....");
    }

    // Lines typed, then ticked by mouse; a comma means a French locale. Every average redraws the
    // wall in green (",50" is no 0); a sum that overflows shows no average, not ".00".
    void moyenne_data() {
        QTest::addColumn<QStringList>("lignes");
        QTest::addColumn<QString>("attendu");
        QTest::addColumn<bool>("message");
        QTest::newRow("a word left out") << QStringList{"abc", "10.00", "20.00"} << "15.00" << true;
        QTest::newRow("comma, below 1") << QStringList{"0,25", "0,75"} << ",50" << false;
        QTest::newRow("180,50 with comma") << QStringList{"180,50"} << "180,50" << true;
        QTest::newRow("sum overflows") << QStringList{"1.7e308", "1.7e308"} << "" << true;
    }
    void moyenne() {
        QFETCH(QStringList, lignes);
        QFETCH(QString, attendu);
        QFETCH(bool, message);
        if (attendu.contains(','))
            QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
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
};

QTEST_MAIN(TestMesures)
#include "tst_mesures.moc"
