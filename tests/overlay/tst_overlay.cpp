#include "fakes.h"
#include "mainwindow/formtalvan.h"
#include "overlay/droite.h"
#include "overlay/maplink.h"

#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QtTest>

namespace {

// The overlay on fake window effects, made see-through by the desktop (X11) or by its own
// background (Wayland); its read-outs and bars by name.
struct Calque : Fenetre<Droite> {
    explicit Calque(bool parLeBureau = false)
        : Fenetre("F", "", "Europe/Paris", {}, nullptr,
                  parLeBureau ? +[](FakeServices& f) { f.effects.opaciteParLeBureau = true; }
                              : nullptr),
          effets(fakes.effects), d(*w) {}
    FakeWindowEffects& effets;
    Droite& d;
    QScrollBar* barre(const char* nom) const { return c<QScrollBar>(nom); }
};

} // namespace

class TstOverlay : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QLocale::French)); // decimal comma
    }

    // Latitude north positive, longitude WEST positive, as the main window holds them.
    void adresse() {
        for (const auto& [lat, lon, ll] :
             {std::tuple{48 + 52 / 60.0, -(2 + 20 / 60.0), "48.8666667,2.3333333"},
              std::tuple{45.0, 3.0, "45.0000000,-3."}, // a bare point
              std::tuple{-0.5, 0.5, "-0.5000000,-0.5"}})
            QCOMPARE(overlay::adresseCarte(lat, lon).toString(QUrl::FullyEncoded),
                     QString("https://www.google.com/maps?ll=") + ll +
                         "&spn=0.099583,0.219830&t=h&hl=fr");
    }

    // The opacity by the desktop (X11) or by the window's own background (Wayland), applied
    // when the transparency thumb is released, not while it is dragged.
    void ouverture() {
        for (const bool parLeBureau : {false, true}) {
            Calque k(parLeBureau);
            QVERIFY(k.effets.topmost);
            QCOMPARE(k.effets.opacite, 200);
            QCOMPARE(k.texte("Label3") + '|' + k.texte("Label4"),
                     QString::fromUtf8("180°|décl. 0°"));
            const QPoint coin(3, 3); // away from the lines and the panel
            QCOMPARE(k.d.grab().toImage().pixelColor(coin),
                     QColor(255, 255, 255, parLeBureau ? 255 : 200));
            QScrollBar* transparence = k.barre("HScroll1");
            transparence->setSliderDown(true);
            transparence->setSliderPosition(40);
            QCOMPARE(k.effets.opacite, 200);
            transparence->setSliderDown(false);
            QCOMPARE(k.effets.opacite, 40);
            QCOMPARE(k.d.grab().toImage().pixelColor(coin).alpha(), parLeBureau ? 255 : 40);
        }
    }

    // Li a full width each way from the centre, Fl a quarter; 0.017453292 is not quite
    // pi/180. The wall's declination is the read-out less 180 (168 -> -12, a wall looking
    // 12 degrees east of south). The line follows the angle thumb while it is dragged.
    void lignes() {
        const QPointF c(1777.5, 1277.5);
        const auto proche = [](QPointF a, QPointF b) { return QLineF(a, b).length() < 0.01; };
        Calque k;
        for (const auto& [angle, li, fl, decl] :
             {std::tuple(0, QPointF(5332.5, 1277.5), QPointF(1777.5, 388.75), "-180"),
              std::tuple(90, QPointF(1777.5, 4832.5), QPointF(2666.25, 1277.5), "-90"),
              std::tuple(360, QPointF(5332.5, 1277.5), QPointF(1777.5, 388.75), "180")}) {
            k.barre("HScroll2")->setValue(angle);
            QVERIFY(proche(k.d.Li().p1(), li) && proche(k.d.Li().p2(), 2 * c - li));
            QVERIFY(proche(k.d.Fl().p1(), c) && proche(k.d.Fl().p2(), fl));
            QCOMPARE(k.texte("Label3") + '|' + k.texte("Label4"),
                     QString::fromUtf8("%1°|décl. %2°").arg(angle).arg(decl));
        }
        k.barre("HScroll2")->setSliderDown(true);
        k.barre("HScroll2")->setSliderPosition(168);
        QCOMPARE(k.texte("Label3") + '|' + k.texte("Label4"), QString::fromUtf8("168°|décl. -12°"));
        QVERIFY(proche(k.d.Fl().p2(), c + QPointF(0.25 * 3555 * std::sin(12 * M_PI / 180),
                                                  0.25 * 3555 * std::cos(12 * M_PI / 180))));
    }

    // Tab reaches both bars from "Retour"; arrows step 1 degree, Page keys 10, Home goes to 0.
    void clavier() {
        Calque k;
        k.d.show();
        k.d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&k.d));
        k.d.findChild<QWidget*>("Command1")->setFocus();
        for (const char* suivant : {"HScroll1", "HScroll2", "Command1"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), suivant);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        for (const QString pas : {"Left=179", "Left=178", "PgDown=168", "PgDown=158", "Right=159",
                                  "Home=0", "Left=0"}) {
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(pas.section('=', 0, 0)));
            QCOMPARE(QString::number(k.barre("HScroll2")->value()), pas.section('=', 1));
        }
    }

    // Any button on the window's own surface drags it, not on the panel or the read-out; where
    // the desktop does not (here; X11's right button), it follows the mouse until the button is up.
    void deplacement() {
        Calque k;
        k.d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&k.d));
        QTest::mousePress(k.d.findChild<QWidget*>("Frame1"), Qt::LeftButton, {}, {5, 5});
        QTest::mousePress(k.d.findChild<QWidget*>("Label3"), Qt::RightButton, {}, {5, 5});
        QTest::mousePress(&k.d, Qt::LeftButton, {}, {5, 5});
        QTest::mousePress(&k.d, Qt::RightButton, {}, {5, 5});
        QCOMPARE(k.effets.deplacements, 2);
    }
    void deplacementSuivi() {
        platform::QtWindowEffects effets;
        Droite d(effets);
        d.move(100, 100);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QTest::mousePress(&d, Qt::RightButton, {}, {5, 5});
        QTest::mouseMove(&d, {45, 35});
        QCOMPARE(d.pos(), QPoint(140, 130));
        QTest::mouseRelease(&d, Qt::RightButton, {}, {5, 5});
        QTest::mouseMove(&d, {60, 60});
        QCOMPARE(d.pos(), QPoint(140, 130));
    }

    // The overlay over the main window, which steps aside and comes back however the overlay
    // is closed, the program still running; quitting closes both.
    void retour() {
        for (const bool parRetour : {true, false}) {
            Fenetre<FormTalvan> f;
            QVERIFY(QTest::qWaitForWindowExposed(f.w.get()));
            const QPoint centre = f.w->frameGeometry().center();
            f.clic("Command8");
            QPointer<Droite> d = f.w->fenetreDroite();
            QVERIFY(d && d->isVisible() && !f.w->isVisible());
            QVERIFY((d->geometry().center() - centre).manhattanLength() <= 2);
            QSignalSpy fin(qApp, &QGuiApplication::lastWindowClosed);
            fermerDansLaBoucle(d, parRetour ? "Command1" : "", 100);
            QVERIFY(d.isNull());
            QVERIFY(f.w->isVisible() && !f.w->isMinimized());
            QCOMPARE(fin.count(), 0);
            f.clic("Command8");
            d = f.w->fenetreDroite();
            f.w->close();
            QTRY_VERIFY(d.isNull());
            QVERIFY(!f.w->isVisible());
        }
    }
};

QTEST_MAIN(TstOverlay)
#include "tst_overlay.moc"
