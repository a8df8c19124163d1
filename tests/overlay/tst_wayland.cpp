// The overlay and the main window under a headless Weston (sous-weston.sh), where a program may
// neither place its windows, make a whole window see-through, nor bring back a minimised one.

#include "fakes.h"
#include "mainwindow/formtalvan.h"
#include "overlay/droite.h"

#include <QApplication>
#include <QProcess>
#include <QScrollBar>
#include <QWindow>
#include <QtTest>

namespace {

// How many pixels of the compositor's screen have the colour, within 2 per channel.
int pixelsVus(const QColor& couleur) {
    QTemporaryDir dossier;
    QProcess capture;
    capture.setWorkingDirectory(dossier.path());
    capture.start(QStringLiteral("weston-screenshooter"), {});
    if (!capture.waitForFinished(10000) || capture.exitCode() != 0)
        return -1;
    const QStringList images = QDir(dossier.path()).entryList({QStringLiteral("*.png")});
    const QImage ecran = images.isEmpty() ? QImage() : QImage(dossier.filePath(images[0]));
    int n = ecran.isNull() ? -1 : 0;
    for (int y = 0; y < ecran.height(); ++y)
        for (int x = 0; x < ecran.width(); ++x) {
            const QColor c = ecran.pixelColor(x, y);
            n += std::max({qAbs(c.red() - couleur.red()), qAbs(c.green() - couleur.green()),
                           qAbs(c.blue() - couleur.blue())}) <= 2;
        }
    return n;
}

} // namespace

class TestWayland : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        if (QGuiApplication::platformName() != QLatin1String("wayland"))
            QSKIP("no Wayland platform (qt6-wayland is not installed)");
    }

    // What the compositor shows: a green "map" through the overlay's white background,
    // mixed at 200/255 (200, 228, 200), and plain white once the bar is at 255. The
    // desktop's opacity is out of reach here; the overlay paints its own background.
    void carteVisible() {
        if (QStandardPaths::findExecutable(QStringLiteral("weston-screenshooter")).isEmpty())
            QSKIP("weston-screenshooter is not installed");
        const QColor vert(0, 128, 0);
        QWidget carte;
        carte.setPalette(vert);
        carte.setAutoFillBackground(true);
        carte.showMaximized(); // under any place the compositor gives the overlay
        QVERIFY(QTest::qWaitForWindowExposed(&carte));
        platform::QtWindowEffects effets;
        Droite d(effets);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        // 255 x 200/255 + 0 x 55/255 = 200; 255 x 200/255 + 128 x 55/255 = 227.6.
        QTRY_VERIFY_WITH_TIMEOUT(pixelsVus(QColor(200, 228, 200)) > 20000, 10000);
        d.findChild<QScrollBar*>("HScroll1")->setValue(255);
        QTRY_COMPARE_WITH_TIMEOUT(pixelsVus(QColor(200, 228, 200)), 0, 10000);
    }

    // The main window steps aside and is on screen again after "Retour" or any closing.
    void retour() {
        for (const bool parRetour : {true, false}) {
            Fenetre<FormTalvan> f;
            QVERIFY(QTest::qWaitForWindowExposed(f.w.get()));
            f.clic("Command8");
            QPointer<Droite> d = f.w->fenetreDroite();
            QVERIFY(d && QTest::qWaitForWindowExposed(d));
            QTRY_VERIFY(!f.w->windowHandle() || !f.w->windowHandle()->isExposed());
            QSignalSpy fin(qApp, &QGuiApplication::lastWindowClosed);
            fermerDansLaBoucle(d, parRetour ? "Command1" : "", 300);
            QVERIFY(d.isNull());
            QCOMPARE(fin.count(), 0);
            QVERIFY(QTest::qWaitForWindowExposed(f.w.get()));
            QCOMPARE(f.w->windowState(), Qt::WindowNoState);
        }
    }
};

QTEST_MAIN(TestWayland)
#include "tst_wayland.moc"
