#include "fakes.h"
#include "mainwindow/formtalvan.h"
#include "overlay/droite.h"
#include "overlay/maplink.h"

#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QtTest>

namespace {

QString texte(const QWidget* f, const char* nom) {
    return f->findChild<QLabel*>(nom)->text();
}

QScrollBar* barre(const QWidget* f, const char* nom) {
    return f->findChild<QScrollBar*>(nom);
}

} // namespace

class TstOverlay : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QLocale::setDefault(QLocale(QLocale::French)); // decimal comma
    }

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

    // Where the desktop cannot make the whole window see-through (Wayland), the window's
    // own background carries the opacity; elsewhere it stays white and the desktop does it.
    void ouverture_data() {
        QTest::addColumn<bool>("parLeBureau");
        QTest::addColumn<int>("alphaFond");
        QTest::newRow("Wayland") << false << 200;
        QTest::newRow("X11") << true << 255;
    }

    void ouverture() {
        QFETCH(bool, parLeBureau);
        QFETCH(int, alphaFond);
        FakeWindowEffects effets;
        effets.opaciteParLeBureau = parLeBureau;
        Droite d(effets);
        QVERIFY(effets.topmost);
        QCOMPARE(effets.opacite, 200);
        QCOMPARE(texte(&d, "Label3") + '|' + texte(&d, "Label4"),
                 QString::fromUtf8("180°|décl. 0°"));
        const QPoint coin(3, 3); // away from the lines and the panel
        QCOMPARE(d.grab().toImage().pixelColor(coin), QColor(255, 255, 255, alphaFond));

        // Nothing follows the transparency thumb while it is dragged; the release applies it.
        QScrollBar* transparence = barre(&d, "HScroll1");
        transparence->setSliderDown(true);
        transparence->setSliderPosition(40);
        QCOMPARE(effets.opacite, 200);
        transparence->setSliderDown(false);
        QCOMPARE(effets.opacite, 40);
        QCOMPARE(d.grab().toImage().pixelColor(coin).alpha(), parLeBureau ? 255 : 40);
    }

    // Li a full width each way from the centre, Fl a quarter; 0.017453292 is not quite
    // pi/180. The wall's declination is the read-out less 180 (168 -> -12, a wall looking
    // 12 degrees east of south).
    void lignes() {
        const QPointF c(1777.5, 1277.5);
        const auto proche = [](QPointF a, QPointF b) { return QLineF(a, b).length() < 0.01; };
        FakeWindowEffects effets;
        Droite d(effets);
        for (const auto& [angle, li, fl, decl] :
             {std::tuple(0, QPointF(5332.5, 1277.5), QPointF(1777.5, 388.75), "-180"),
              std::tuple(90, QPointF(1777.5, 4832.5), QPointF(2666.25, 1277.5), "-90"),
              std::tuple(360, QPointF(5332.5, 1277.5), QPointF(1777.5, 388.75), "180")}) {
            barre(&d, "HScroll2")->setValue(angle);
            QVERIFY(proche(d.Li().p1(), li) && proche(d.Li().p2(), 2 * c - li));
            QVERIFY(proche(d.Fl().p1(), c) && proche(d.Fl().p2(), fl));
            QCOMPARE(texte(&d, "Label3"), QString::number(angle) + "°");
            QCOMPARE(texte(&d, "Label4"), QString::fromUtf8("décl. ") + decl + "°");
        }
        // The line follows the angle thumb while it is dragged.
        QScrollBar* angle = barre(&d, "HScroll2");
        angle->setSliderDown(true);
        angle->setSliderPosition(168);
        QCOMPARE(texte(&d, "Label3") + '|' + texte(&d, "Label4"),
                 QString::fromUtf8("168°|décl. -12°"));
        QVERIFY(proche(d.Fl().p2(), c + QPointF(0.25 * 3555 * std::sin(12 * M_PI / 180),
                                                0.25 * 3555 * std::cos(12 * M_PI / 180))));
    }

    // Tab reaches both bars from "Retour"; arrows step 1 degree, Page keys 10.
    void clavier_data() {
        QTest::addColumn<QList<int>>("touches");
        QTest::addColumn<int>("angle");
        QTest::newRow("Left x3") << QList<int>{Qt::Key_Left, Qt::Key_Left, Qt::Key_Left} << 177;
        QTest::newRow("PageDown x2, Right")
            << QList<int>{Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_Right} << 161;
        QTest::newRow("Home, Left") << QList<int>{Qt::Key_Home, Qt::Key_Left} << 0;
    }

    void clavier() {
        QFETCH(QList<int>, touches);
        QFETCH(int, angle);
        FakeWindowEffects effets;
        Droite d(effets);
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QWidget* retour = d.findChild<QWidget*>("Command1");
        retour->setFocus();
        QStringList chemin;
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            chemin << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(chemin.join(' '), QStringLiteral("HScroll1 HScroll2 Command1"));
        QTest::keyClick(retour, Qt::Key_Backtab);
        for (int t : touches)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(t));
        QCOMPARE(barre(&d, "HScroll2")->value(), angle);
    }

    // Any button on the window's own surface drags it, not on the panel or the read-out.
    void deplacement() {
        FakeWindowEffects effets;
        Droite d(effets);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QTest::mousePress(d.findChild<QWidget*>("Frame1"), Qt::LeftButton, {}, {5, 5});
        QTest::mousePress(d.findChild<QWidget*>("Label3"), Qt::RightButton, {}, {5, 5});
        QTest::mousePress(&d, Qt::LeftButton, {}, {5, 5});
        QTest::mousePress(&d, Qt::RightButton, {}, {5, 5});
        QCOMPARE(effets.deplacements, 2);
    }

    // Where the desktop does not move the window (here; X11 with the right button), the
    // window follows the mouse until the button is up, and no further.
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

    // The map button puts the overlay over the main window, which steps aside and comes
    // back however the overlay is closed; the program does not end meanwhile.
    void retour_data() {
        QTest::addColumn<bool>("parRetour");
        QTest::newRow("Retour") << true;
        QTest::newRow("closed by the desktop") << false;
    }

    void retour() {
        QFETCH(bool, parRetour);
        FakeServices fakes;
        FormTalvan f(fakes.services());
        f.Charger();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const QPoint centre = f.frameGeometry().center();
        QTest::mouseClick(f.findChild<QWidget*>("Command8"), Qt::LeftButton);
        QPointer<Droite> d = f.fenetreDroite();
        QVERIFY(d && d->isVisible() && !f.isVisible());
        QVERIFY((d->geometry().center() - centre).manhattanLength() <= 2);
        QSignalSpy fin(qApp, &QGuiApplication::lastWindowClosed);
        fermerDansLaBoucle(d, parRetour ? "Command1" : "", 100);
        QVERIFY(d.isNull());
        QVERIFY(f.isVisible() && !f.isMinimized());
        QCOMPARE(fin.count(), 0);

        // Quitting closes the overlay and does not bring the main window back.
        QTest::mouseClick(f.findChild<QWidget*>("Command8"), Qt::LeftButton);
        d = f.fenetreDroite();
        f.close();
        QTRY_VERIFY(d.isNull());
        QVERIFY(!f.isVisible());
    }
};

QTEST_MAIN(TstOverlay)
#include "tst_overlay.moc"
