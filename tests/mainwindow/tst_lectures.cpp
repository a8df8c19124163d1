#include "fakes.h"
#include "mainwindow/formtalvan.h"
#include "platform/settingsstore.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

// Expected suns from the NOAA solar calculator's formulas (python3, no refraction) for
// Paris, 48° 52' N 2° 20' E, the place a first start shows:
//   2026-12-05 09:12, 10:12, 11:12, 12:12 UTC  azimuth 145.1373, 158.5809, 172.8704, 187.4810
//   2026-06-21 11:50 UTC  azimuth 178.6703  altitude 64.5666  rate 0.5339°/min
// The window's sun (a shorter ephemeris) lies within 0.006° of these; every figure below
// is chosen to round alike anywhere in that band.
// A wall of declination D = azimuth - angle - 90 (the protractor's geometry).

namespace {

using Banc = Fenetre<FormTalvan>;
const char* const Decembre = "2026-12-05T09:12Z";

} // namespace

class TestLectures : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    // The reading, then the report's commands, which a line never stops naming. Near noon in
    // summer 0,53° per minute of clock error is above 0,5: said fragile.
    void infobulle() {
        Banc b("F", "2026-06-21T11:50Z");
        b.calculer("90");
        const QString bulle = b.c("DG_0")->toolTip();
        QCOMPARE(bulle.section('\n', 0, -2),
                 u"21 juin 2026 13:50:00 (UTC+02:00) · angle 90,00° · soleil : azimut 178,67°, "
                 u"hauteur 64,6° · 1 min d'horloge = 0,53°\nMesure fragile : une minute d'erreur "
                 u"sur l'heure déplace la déclinaison de plus de 0,5°."_s);
        QVERIFY2(bulle.section('\n', -1).contains("Ctrl+C"), qPrintable(bulle));
        QCOMPARE(b.c("DG_0")->accessibleDescription(), "non gardée\n" + bulle);
    }

    // Written to the real settings file and read back by the next start; a line edited by
    // hand keeps its text and loses its reading.
    void relecture() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("orsaline.ini");
        std::optional<solar::Lecture> lue;
        {
            auto reglages = platform::QtSettingsStore::fromFile(chemin);
            Banc b("F", Decembre, "Europe/Paris", {}, reglages.get());
            b.calculer("45,14", true);
            b.calculer("45,2", true);
            QTest::keyClick(b.c("DG_1"), Qt::Key_End);
            QTest::keyClicks(b.c("DG_1"), "5"); // -> "9,945": typed, not computed
            lue = b.w->lectureDeLigne(0);
            QVERIFY(lue && !b.w->lectureDeLigne(1));
            // 10:12:00 local is 36720 s of the day; 09:12 UTC 9.2 h, kept in single precision.
            QCOMPARE((QList<double>{lue->heureLocale, lue->gmt, 1.0 * lue->decalage, lue->angle}),
                     (QList<double>{36720 / 86400.0, double(9.2F) / 24, 3600, 45.14}));
            b.w->EnregistrerFinDeSession();
        }
        auto reglages = platform::QtSettingsStore::fromFile(chemin);
        Banc b("F", Decembre, "Europe/Paris", {}, reglages.get());
        QCOMPARE(b.texte("DG_0") + ' ' + b.texte("DG_1"), "10,00 9,945");
        QCOMPARE(b.w->lectureDeLigne(0), lue);
        QVERIFY(!b.w->lectureDeLigne(1) && !b.c("DG_1")->toolTip().contains('\n'));
    }

    // Angles 45.14 at 09:12 and 58.585 at 10:12 UTC give D = 9.9973 and 9.9959, mean
    // 9.9966. The third reading's shadow is that of 12:12 UTC on a clock that says 11:12:
    // angle 87.483 gives 172.8704 - 87.483 - 90 = -4.6126, 14.61 from the others' mean
    // (band max(3 x 0.001, 1) = 1); an hour later 187.4810 - 87.483 - 90 = 9.998. A saved word
    // line above them is kept but not ticked: the readings go to lines 1 to 3.
    void aberrante() {
        Banc b("F", Decembre, "Europe/Paris", {{"0", "mur ?"}, {"Mem", "1"}});
        b.calculer("45,14", true);
        b.fakes.clock.avancer(3600);
        b.calculer("58,585", true);
        b.fakes.clock.avancer(3600);
        b.calculer("87,483", true);
        QCOMPARE(b.texte("DG_3"), "-4,61");
        const auto fond = [&](const char* nom) {
            return b.c(nom)->palette().color(QPalette::Base);
        };
        QVERIFY(fond("DG_3") != fond("DG_1") && fond("DG_3") != Qt::black &&
                fond("DG_3") != QColor(0, 128, 0));
        QCOMPARE(b.c("DG_3")->palette().color(QPalette::Text), QColor(0, 128, 0)); // still kept
        const QStringList bulle = b.c("DG_3")->toolTip().split('\n');
        QCOMPARE(bulle.mid(1, 2), // between the reading and the report's commands
                 QStringList({"Mesure à l'écart : à 14,61° de la moyenne des autres mesures "
                              "cochées (10,00°), au-delà de la tolérance de 1,00°.",
                              "L'heure était sans doute fausse d'une heure (heure d'été) : avec "
                              "+1 h, la déclinaison serait 10,00°."}));
        QCOMPARE(b.c("DG_1")->toolTip().count('\n'), 1); // its reading, the report's commands
        // Unticked, it is compared no more: the mark goes.
        QTest::mouseClick(b.c<QCheckBox>("Chec_3"), Qt::LeftButton);
        QCOMPARE(fond("DG_3"), fond("DG_1"));
        QCOMPARE(b.c("DG_3")->toolTip().count('\n'), 1);
    }
};

QTEST_MAIN(TestLectures)
#include "tst_lectures.moc"
