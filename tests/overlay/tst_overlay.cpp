#include "fakes.h"
#include "overlay/droite.h"
#include "overlay/maplink.h"

#include <QLabel>
#include <QScrollBar>
#include <QtTest>

class TstOverlay : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French)); } // decimal comma

    // Latitude north positive, longitude WEST positive, as the main window holds them.
    void adresse_data() {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("lon");
        QTest::addColumn<QString>("ll");
        QTest::newRow("48N52 2E20") << 48 + 52 / 60.0 << -(2 + 20 / 60.0) << "48.8666667,2.3333333";
        QTest::newRow("45N0 3W0: bare point") << 45.0 << 3.0 << "45.0000000,-3.";
        QTest::newRow("0S30 0W30: signs under a degree") << -0.5 << 0.5 << "-0.5000000,-0.5";
    }

    void adresse() {
        QFETCH(double, lat);
        QFETCH(double, lon);
        QFETCH(QString, ll);
        QCOMPARE(overlay::adresseCarte(lat, lon).toString(QUrl::FullyEncoded),
                 "https://www.google.com/maps?ll=" + ll + "&spn=0.099583,0.219830&t=h&hl=fr");
    }

    void ouverture() {
        FakeWindowEffects effets;
        Droite d(effets);
        QVERIFY(effets.topmost);
        QCOMPARE(effets.opacite, 200);
        QCOMPARE(d.findChild<QLabel*>("Label3")->text(), QStringLiteral("180°"));
        // Nothing follows the thumb while it is dragged; the release applies the value.
        auto* transparence = d.findChild<QScrollBar*>("HScroll1");
        transparence->setSliderDown(true);
        transparence->setSliderPosition(40);
        QCOMPARE(effets.opacite, 200);
        transparence->setSliderDown(false);
        QCOMPARE(effets.opacite, 40);
    }

    // Li a full width each way from the centre, Fl a quarter; 0.017453292 is not quite pi/180.
    void lignes() {
        const QPointF c(1777.5, 1277.5);
        const auto proche = [](QPointF a, QPointF b) { return QLineF(a, b).length() < 0.01; };
        FakeWindowEffects effets;
        Droite d(effets);
        for (const auto& [angle, li, fl] :
             {std::tuple(0, QPointF(5332.5, 1277.5), QPointF(1777.5, 388.75)),
              std::tuple(90, QPointF(1777.5, 4832.5), QPointF(2666.25, 1277.5)),
              std::tuple(360, QPointF(5332.5, 1277.5), QPointF(1777.5, 388.75))}) {
            d.findChild<QScrollBar*>("HScroll2")->setValue(angle);
            QVERIFY(proche(d.Li().p1(), li) && proche(d.Li().p2(), 2 * c - li));
            QVERIFY(proche(d.Fl().p1(), c) && proche(d.Fl().p2(), fl));
            QCOMPARE(d.findChild<QLabel*>("Label3")->text(), QString::number(angle) + "°");
        }
    }

    // Any button on the window's own surface drags it, not on the panel or the read-out.
    void deplacementEtRetour() {
        FakeWindowEffects effets;
        QPointer<Droite> d = new Droite(effets);
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(d));
        QTest::mousePress(d->findChild<QWidget*>("Frame1"), Qt::LeftButton, {}, {5, 5});
        QTest::mousePress(d->findChild<QWidget*>("Label3"), Qt::RightButton, {}, {5, 5});
        QTest::mousePress(d, Qt::LeftButton, {}, {5, 5});
        QTest::mousePress(d, Qt::RightButton, {}, {5, 5});
        QCOMPARE(effets.deplacements, 2);

        QSignalSpy spy(d.data(), &Droite::retour);
        QTest::mouseClick(d->findChild<QWidget*>("Command1"), Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QTRY_VERIFY(d.isNull());
    }
};

QTEST_MAIN(TstOverlay)
#include "tst_overlay.moc"
