#include "fakes.h"
#include "overlay/droite.h"
#include "overlay/maplink.h"

#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Degrees and minutes to decimal degrees.
double dm(int degres, int minutes) {
    return degres + minutes / 60.0;
}

const QString adresseParis = QStringLiteral(
    "https://www.google.com/maps?ll=48.8666667,2.3333333&spn=0.099583,0.219830&t=h&hl=fr");

} // namespace

class TstOverlay : public QObject {
    Q_OBJECT

private slots:
    // Latitude north positive, longitude WEST positive, as the main window holds them.
    void adresse_data() {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lon");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("48N52 2E20") << dm(48, 52) << -dm(2, 20) << "?ll=48.8666667,2.3333333&";
        QTest::newRow("45N0 3W0: bare point") << 45.0 << 3.0 << "?ll=45.0000000,-3.&";
        QTest::newRow("3E30 trailing zeros dropped") << 45.0 << -dm(3, 30) << ",3.5&spn=";
        QTest::newRow("3N30 seven decimals") << dm(3, 30) << -2.0 << "?ll=3.5000000,";
        QTest::newRow("33S30 18E25") << -dm(33, 30) << -dm(18, 25) << "?ll=-33.5000000,18.4166667&";
        QTest::newRow("0W30 sign under a degree") << 45.0 << 0.5 << ",-0.5&spn=";
        QTest::newRow("0S30 sign under a degree") << -0.5 << -2.0 << "?ll=-0.5000000,";
    }

    void adresse() {
        QFETCH(double, lat);
        QFETCH(double, lon);
        QFETCH(QString, attendu);
        const QString texte = overlay::adresseCarte(lat, lon).toString(QUrl::FullyEncoded);
        QVERIFY2(texte.contains(attendu), qPrintable(texte));
        QVERIFY(texte.endsWith(QLatin1String("&spn=0.099583,0.219830&t=h&hl=fr")));
    }

    // The address keeps its full stops whatever the user's locale.
    void adresseComplete_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("C") << QLocale::c();
        QTest::newRow("French, decimal comma") << QLocale(QLocale::French);
    }

    void adresseComplete() {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        const QUrl url = overlay::adresseCarte(dm(48, 52), -dm(2, 20));
        QLocale::setDefault(QLocale::c());
        QCOMPARE(url.toString(QUrl::FullyEncoded), adresseParis);
        QCOMPARE(url.toString(), adresseParis);
        const QString texte = url.toString();
        QCOMPARE(texte.left(texte.indexOf(QLatin1String("&spn="))).count(QLatin1Char(',')), 1);
    }

    void legendes_data() {
        QTest::addColumn<int>("langue");
        QTest::addColumn<QStringList>("attendu");
        QTest::newRow("francais") << 1 << QStringList{"Transparence", "Angle", "Retour"};
        QTest::newRow("espagnol") << 2 << QStringList{"Transparencia", "ángulo", "Volver"};
    }

    void legendes() {
        QFETCH(int, langue);
        QFETCH(QStringList, attendu);
        const overlay::LegendesDroite l = overlay::legendesDroite(langue);
        QCOMPARE((QStringList{QString::fromUtf8(l.transparence), QString::fromUtf8(l.angle),
                              QString::fromUtf8(l.retour)}),
                 attendu);
    }

    void ouverture() {
        FakeWindowEffects effets;
        Droite d(effets);
        QVERIFY(effets.topmost);
        QCOMPARE(effets.opacite, 200);
        QCOMPARE(d.findChild<QScrollBar*>("HScroll1")->value(), 200);
        QCOMPARE(d.findChild<QScrollBar*>("HScroll2")->value(), 180);
        QCOMPARE(d.findChild<QLabel*>("Label3")->text(), QStringLiteral("180°"));
        QCOMPARE(d.width() * 15, 3555);
    }

    // Width 3555 twips: centre (1777.5, 1277.5), Li a full width each way, Fl a quarter.
    // Tolerance 0.01 twip: 0.017453292 is not exactly pi/180, so 180 and 360 miss by < 0.001.
    void lignes_data() {
        QTest::addColumn<int>("angle");
        QTest::addColumn<QLineF>("li");
        QTest::addColumn<QPointF>("boutFl");
        QTest::newRow("0: Fl up") << 0 << QLineF(5332.5, 1277.5, -1777.5, 1277.5)
                                  << QPointF(1777.5, 388.75);
        QTest::newRow("90: Fl right")
            << 90 << QLineF(1777.5, 4832.5, 1777.5, -2277.5) << QPointF(2666.25, 1277.5);
        QTest::newRow("180, as opened: Fl down")
            << 180 << QLineF(-1777.5, 1277.5, 5332.5, 1277.5) << QPointF(1777.5, 2166.25);
        QTest::newRow("360 as 0") << 360 << QLineF(5332.5, 1277.5, -1777.5, 1277.5)
                                  << QPointF(1777.5, 388.75);
    }

    void lignes() {
        QFETCH(int, angle);
        QFETCH(QLineF, li);
        QFETCH(QPointF, boutFl);
        FakeWindowEffects effets;
        Droite d(effets);
        d.findChild<QScrollBar*>("HScroll2")->setValue(angle);
        const auto proche = [](QPointF a, QPointF b) { return QLineF(a, b).length() < 0.01; };
        QVERIFY(proche(d.Li().p1(), li.p1()));
        QVERIFY(proche(d.Li().p2(), li.p2()));
        QVERIFY(proche(d.Fl().p1(), QPointF(1777.5, 1277.5)));
        QVERIFY(proche(d.Fl().p2(), boutFl));
        QCOMPARE(d.findChild<QLabel*>("Label3")->text(), QString::number(angle) + "°");
    }

    // Nothing follows the thumb while it is dragged; the release applies the value.
    void barreSansSuivi() {
        FakeWindowEffects effets;
        Droite d(effets);
        auto* transparence = d.findChild<QScrollBar*>("HScroll1");
        auto* angle = d.findChild<QScrollBar*>("HScroll2");
        transparence->setSliderDown(true);
        transparence->setSliderPosition(40);
        angle->setSliderDown(true);
        angle->setSliderPosition(90);
        QCOMPARE(effets.opacite, 200);
        QCOMPARE(d.findChild<QLabel*>("Label3")->text(), QStringLiteral("180°"));
        transparence->setSliderDown(false);
        angle->setSliderDown(false);
        QCOMPARE(effets.opacite, 40);
        QCOMPARE(d.findChild<QLabel*>("Label3")->text(), QStringLiteral("90°"));
    }

    void deplacement_data() {
        QTest::addColumn<QString>("cible");
        QTest::addColumn<Qt::MouseButton>("bouton");
        QTest::addColumn<int>("deplacements");
        QTest::newRow("surface, left") << "" << Qt::LeftButton << 1;
        QTest::newRow("surface, right") << "" << Qt::RightButton << 1;
        QTest::newRow("panel") << "Frame1" << Qt::LeftButton << 0;
        QTest::newRow("caption in the panel") << "Label1" << Qt::LeftButton << 0;
        QTest::newRow("read-out") << "Label3" << Qt::RightButton << 0;
    }

    void deplacement() {
        QFETCH(QString, cible);
        QFETCH(Qt::MouseButton, bouton);
        QFETCH(int, deplacements);
        FakeWindowEffects effets;
        Droite d(effets);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QWidget* w = cible.isEmpty() ? &d : d.findChild<QWidget*>(cible);
        QTest::mousePress(w, bouton, {}, QPoint(5, 5));
        QCOMPARE(effets.deplacements, deplacements);
    }

    void retour() {
        FakeWindowEffects effets;
        QPointer<Droite> d = new Droite(effets);
        d->show();
        QSignalSpy spy(d.data(), &Droite::retour);
        QTest::mouseClick(d->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QTRY_VERIFY(d.isNull());
    }
};

QTEST_MAIN(TstOverlay)
#include "tst_overlay.moc"
