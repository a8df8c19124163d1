#include "fakes.h"
#include "mainwindow/canvas.h"
#include "mainwindow/captions.h"
#include "mainwindow/formtalvan.h"
#include "solar/observation.h"
#include "solar/textformat.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <memory>

namespace {

const QString Erreur = QString::fromUtf8(captions::ErreurSaisie);
const QColor Vert(0, 128, 0);

// The main window loaded on the fakes: 11 February 2008, 12:00 UTC, Paris, 48°52' N 2°20' E.
struct Banc {
    FakeServices fakes;
    std::unique_ptr<FormTalvan> w;

    Banc() : w(std::make_unique<FormTalvan>(fakes.services())) { w->Charger(); }

    template <typename T = QWidget> T* c(const QString& nom) const {
        T* x = w->findChild<T*>(nom);
        if (!x)
            qFatal("no control %s", qPrintable(nom));
        return x;
    }
    QLineEdit* dg(int i) const { return c<QLineEdit>(QStringLiteral("DG_%1").arg(i)); }
    QCheckBox* chec(int i) const { return c<QCheckBox>(QStringLiteral("Chec_%1").arg(i)); }
    QString texte(const QString& nom) const { return c<QLabel>(nom)->text(); }
    QString champ(const QString& nom) const { return c<QLineEdit>(nom)->text(); }
    QStringList lignes() const {
        QStringList l;
        for (int i = 0; i < 5; ++i)
            l << dg(i)->text();
        return l;
    }
    void clic(const QString& nom) const { QTest::mouseClick(c(nom), Qt::LeftButton); }
    void cocher(int i) const {
        QTest::mouseClick(chec(i), Qt::LeftButton, {}, chec(i)->rect().center());
        QCoreApplication::processEvents();
    }
    static void taper(QLineEdit* t, const QString& s) {
        t->selectAll();
        QTest::keyClick(t, Qt::Key_Backspace);
        QTest::keyClicks(t, s);
    }
    void taper(const QString& nom, const QString& s) const { taper(c<QLineEdit>(nom), s); }
    void calculer(const QString& angle) const {
        taper("Text12", angle);
        clic("Command1");
    }
    // A reading with its declination kept.
    void garder(const QString& angle) const {
        calculer(angle);
        clic("Command2");
    }
    double azp() const { return w->etat().AzP; }
};

QString f2(double d) {
    return QString::fromStdString(solar::FormatDiese0(d, "."));
}

} // namespace

class TestMesures : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // The angle to read for a wall of declination d0 is AzP - 90 - d0, nudged to the double
    // that makes the raw declination exactly d0 (exactly 180 must stay 180).
    void declinaison_data() {
        QTest::addColumn<double>("d0");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("due south") << 0.0 << "0.00";
        QTest::newRow("30 east of south") << -30.0 << "-30.00";
        QTest::newRow("north-west") << 135.0 << "135.00";
        QTest::newRow("exactly 180 stays") << 180.0 << "180.00";
        QTest::newRow("250 comes back to 70") << 250.0 << "70.00";
        QTest::newRow("-250 comes back to -70") << -250.0 << "-70.00";
    }
    void declinaison() {
        QFETCH(double, d0);
        QFETCH(QString, attendu);
        Banc b;
        const double az = b.azp();
        const auto brut = [az](double a) { return az + (90 - a) - 180; };
        double a = az - 90 - d0;
        for (int n = 0; n < 100 && brut(a) != d0; ++n)
            a = std::nextafter(a, brut(a) > d0 ? 1e9 : -1e9);
        QCOMPARE(brut(a), d0);
        b.calculer(QString::number(a, 'g', 17));
        QCOMPARE(b.dg(0)->text(), attendu);
        QVERIFY(b.texte("Label7").isEmpty());
    }

    // An angle that is no number writes nothing and says so.
    void lecture_data() {
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<double>("angle"); // NaN: not a number
        QTest::addColumn<bool>("parEntree");
        const double pas = std::nan("");
        QTest::newRow("button") << "45" << 45.0 << false;
        QTest::newRow("Enter in the field") << "45" << 45.0 << true;
        QTest::newRow("decimal comma") << "45,5" << 45.5 << false;
        QTest::newRow("full stop, blanks") << " 45.5" << 45.5 << true;
        QTest::newRow("outside 0..180") << "200" << 200.0 << false;
        QTest::newRow("empty") << "" << pas << false;
        QTest::newRow("word, Enter") << "abc" << pas << true;
        QTest::newRow("too large for a number") << "1e999" << pas << false;
    }
    void lecture() {
        QFETCH(QString, saisie);
        QFETCH(double, angle);
        QFETCH(bool, parEntree);
        Banc b;
        b.taper("Text12", saisie);
        if (parEntree)
            QTest::keyClick(b.c("Text12"), Qt::Key_Return);
        else
            b.clic("Command1");
        if (std::isnan(angle)) {
            QCOMPARE(b.lignes(), QStringList(5));
            QCOMPARE(b.texte("Label7"), Erreur);
        } else {
            QCOMPARE(b.dg(0)->text(), f2(solar::DeclinaisonMur(b.azp(), 90 - angle)));
            QVERIFY(b.texte("Label7").isEmpty());
        }
    }

    // No sun position for the instant: no declination from an azimuth left from before.
    void positionIncalculable_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("valeur");
        QTest::newRow("latitude 90") << "Text1"
                                     << "90";
        QTest::newRow("year beyond 16 bits") << "Combo1_2"
                                             << "40000";
    }
    void positionIncalculable() {
        QFETCH(QString, nom);
        QFETCH(QString, valeur);
        Banc b;
        QVERIFY(!b.c<Canvas>("PicAZ")->primitives().isEmpty());
        b.taper("Text2", "0");
        auto* combo = b.w->findChild<QComboBox*>(nom);
        b.taper(combo ? combo->lineEdit() : b.c<QLineEdit>(nom), valeur);
        QCOMPARE(combo ? combo->currentText() : b.champ(nom), valeur);
        b.calculer("45");
        QCOMPARE(b.lignes(), QStringList(5));
        QCOMPARE(b.texte("Label7"), Erreur);
        QVERIFY(b.c<Canvas>("PicAZ")->primitives().isEmpty());
        QVERIFY(b.texte("Label35").isEmpty() && b.texte("Label36").isEmpty());
    }

    void garder() {
        Banc b;
        b.clic("Command2"); // nothing computed yet: nothing to keep
        QCOMPARE(b.w->etat().Mem, 0);
        QVERIFY(!b.w->etat().Modif);
        QVERIFY(!b.chec(0)->isChecked());

        b.calculer("50"); // calculations without keeping overwrite the same line
        QVERIFY(!b.w->etat().Modif);
        b.garder("45");
        QCOMPARE(b.lignes(), (QStringList{f2(solar::DeclinaisonMur(b.azp(), 45)), "", "", "", ""}));
        QCOMPARE(b.w->etat().Mem, 1);
        QVERIFY(b.w->etat().Modif);
        QVERIFY(b.chec(0)->isChecked());
        QCOMPARE(b.dg(0)->palette().color(QPalette::Text), Vert);
        QCOMPARE(b.dg(1)->palette().color(QPalette::Text), QColor(Qt::black));
        QCOMPARE(b.champ("Text15"),
                 QString::fromStdString(solar::FormatDiese(b.dg(0)->text().toDouble(), ".")));
    }

    void effacer() {
        Banc b;
        b.calculer("45");
        b.clic("Command3"); // a candidate alone is not erased
        QVERIFY(!b.dg(0)->text().isEmpty());
        QVERIFY(!b.w->etat().Modif);

        b.garder("45");
        b.garder("46");
        b.calculer("47");
        b.clic("Command3");
        QVERIFY(b.dg(2)->text().isEmpty());
        QVERIFY(!b.dg(1)->text().isEmpty());
        QCOMPARE(b.w->etat().Mem, 2);
        b.clic("Command3");
        QVERIFY(b.dg(1)->text().isEmpty());
        QVERIFY(!b.chec(1)->isChecked());
        QCOMPARE(b.w->etat().Mem, 1);

        for (int i = 1; i < 5; ++i)
            b.garder(QString::number(40 + i));
        const QStringList pleine = b.lignes();
        b.calculer("10"); // the list is full: nothing written, keep does nothing
        b.clic("Command2");
        QCOMPARE(b.lignes(), pleine);
        QCOMPARE(b.w->etat().Mem, 5);
        b.clic("Command3");
        QCOMPARE(b.w->etat().Mem, 4);
        QCOMPARE(b.lignes(), pleine.mid(0, 4) << QString());
        QVERIFY(!b.chec(4)->isChecked());
        QCOMPARE(b.dg(4)->palette().color(QPalette::Text), QColor(Qt::black));
    }

    void reset() {
        Banc b;
        b.garder("45");
        b.garder("46");
        b.calculer("abc");
        QCOMPARE(b.texte("Label7"), Erreur);
        b.fakes.settings.journal.clear();
        b.clic("Command5");
        QCOMPARE(b.lignes(), QStringList(5));
        for (int i = 0; i < 5; ++i) {
            QVERIFY(!b.chec(i)->isChecked());
            QCOMPARE(b.fakes.settings.valeurs.value(QStringLiteral("Start/%1").arg(i), "x"), "");
        }
        QCOMPARE(b.fakes.settings.journal, (QStringList{"0", "1", "2", "3", "4"}));
        QVERIFY(b.champ("Text15").isEmpty());
        QVERIFY(b.texte("Label7").isEmpty());
        QCOMPARE(b.w->etat().Mem, 0);
        QVERIFY(b.w->etat().Modif);
    }

    // Lines typed by hand, then ticked by mouse in order.
    void moyenne_data() {
        QTest::addColumn<QStringList>("lignes");
        QTest::addColumn<bool>("virgule");
        QTest::addColumn<int>("decoche"); // line unticked at the end, -1 none
        QTest::addColumn<QString>("attendu");
        QTest::addColumn<bool>("message");
        const QStringList dix{"10.00", "20.00"};
        QTest::newRow("10 and 20") << dix << false << -1 << "15.00" << false;
        QTest::newRow("20 unticked") << dix << false << 1 << "10.00" << false;
        QTest::newRow("comma") << QStringList{"10,00", "20,00"} << true << -1 << "15,00" << false;
        QTest::newRow("no leading 0")
            << QStringList{"0.25", "-0.75"} << false << -1 << "-.25" << false;
        QTest::newRow("400 alone") << QStringList{"400"} << false << -1 << "400.00" << true;
        QTest::newRow("message stays") << QStringList{"10", "400"} << false << 1 << "10.00" << true;
        QTest::newRow("-180") << QStringList{"-180"} << false << -1 << "-180.00" << false;
        QTest::newRow("180.004 is 180.00")
            << QStringList{"180.004"} << false << -1 << "180.00" << false;
        QTest::newRow("word") << QStringList{"abc", "10"} << false << -1 << "10.00" << true;
        QTest::newRow("180,50") << QStringList{"180,50"} << true << -1 << "180,50" << true;
    }
    void moyenne() {
        QFETCH(QStringList, lignes);
        QFETCH(bool, virgule);
        QFETCH(int, decoche);
        QFETCH(QString, attendu);
        QFETCH(bool, message);
        if (virgule)
            QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        Banc b;
        for (int i = 0; i < lignes.size(); ++i) {
            Banc::taper(b.dg(i), lignes[i]);
            b.cocher(i);
            QVERIFY(b.chec(i)->isChecked());
        }
        if (decoche >= 0)
            b.cocher(decoche);
        QCOMPARE(b.champ("Text15"), attendu);
        QCOMPARE(b.texte("Label7"), message ? Erreur : QString());
    }

    // With a decimal comma an average below 1 still draws the wall.
    void murRedessineVirgule() {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        Banc b;
        Banc::taper(b.dg(0), "0,50");
        auto* az = b.c<Canvas>("PicAZ");
        az->effacer();
        b.cocher(0);
        QCOMPARE(b.champ("Text15"), QStringLiteral(",50"));
        const auto& p = az->primitives();
        QVERIFY(std::any_of(p.begin(), p.end(), [](const Primitive& x) {
            return x.genre == Primitive::Genre::Ligne && x.couleur == Vert;
        }));
    }

    void caseVide() {
        Banc b;
        b.cocher(3);
        QVERIFY(!b.chec(3)->isChecked());
        b.chec(3)->setFocus();
        QTest::keyClick(b.chec(3), Qt::Key_Space);
        QCoreApplication::processEvents();
        QVERIFY(!b.chec(3)->isChecked());

        b.garder("45");
        QVERIFY(b.chec(0)->isChecked());
        QTest::keyClick(b.chec(0), Qt::Key_Space); // the key does toggle a line with a value
        QVERIFY(!b.chec(0)->isChecked());
        QTest::keyClick(b.chec(0), Qt::Key_Space);
        Banc::taper(b.dg(0), QString());
        QVERIFY(!b.chec(0)->isChecked());
        QVERIFY(b.champ("Text15").isEmpty());
    }

    // The read-outs take the locale's separator, and the new word at the next tick.
    void legendes() {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        Banc b;
        b.clic("Option5_1");
        b.w->Timer1_Timer();
        QCOMPARE(b.texte("Label35"),
                 "Azimut = " + QLocale().toString(b.azp(), 'f', 2) + QString::fromUtf8(" °"));
        const QRegularExpression hauteur(QString::fromUtf8("^Altura = -?\\d*,\\d\\d °$"));
        QVERIFY2(hauteur.match(b.texte("Label36")).hasMatch(), qPrintable(b.texte("Label36")));
    }
};

QTEST_MAIN(TestMesures)
#include "tst_mesures.moc"
