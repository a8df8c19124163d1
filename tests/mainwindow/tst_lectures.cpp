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

using Banc = Fenetre<FormTalvan>;
const char* const Decembre = "2026-12-05T09:12Z";

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
        for (const char* angle : {"45,14", "58,585", "87,483"}) {
            b.calculer(angle, true);
            b.fakes.clock.avancer(3600);
        }
        QCOMPARE(b.texte("DG_3"), "-4,61");
        const auto fond = [&](const char* n) { return b.c(n)->palette().color(QPalette::Base); };
        QVERIFY(fond("DG_3") != fond("DG_1") && fond("DG_3") != Qt::black &&
                fond("DG_3") != QColor(0, 128, 0));
        QCOMPARE(b.c("DG_3")->palette().color(QPalette::Text), QColor(0, 128, 0)); // still kept
        QCOMPARE(b.c("DG_3")->toolTip().section('\n', 1, 2), // between the reading and the commands
                 u"Mesure à l'écart : à 14,61° de la moyenne des autres mesures cochées (10,00°), "
                 u"au-delà de la tolérance de 1,00°.\nL'heure était sans doute fausse d'une heure "
                 u"(heure d'été) : avec +1 h, la déclinaison serait 10,00°."_s);
        QCOMPARE(b.c("DG_1")->toolTip().count('\n'), 1); // its reading, the report's commands
        QTest::mouseClick(b.c<QCheckBox>("Chec_3"), Qt::LeftButton); // unticked: the mark goes
        QVERIFY(fond("DG_3") == fond("DG_1") && b.c("DG_3")->toolTip().count('\n') == 1);
    }

    // What the result's tooltip and a screen reader say of the average. By hand: mean 12, azimuth
    // 180 + 12; deviations -2, 0, 2: sd sqrt(8 / 2) = 2, standard error 2 / sqrt 3 = 1.15, range 4.
    void resultatExplique() {
        const QString mots = u"mur orienté 12,00° vers l'ouest du sud (azimut 192,00°)"_s;
        const QString dispersion = u"3 mesures cochées : écart type 2,00°, erreur type de la "
                                   u"moyenne 1,15°, étendue 4,00°"_s;
        Banc b("F");
        for (int i = 0; i < 3; ++i) {
            QTest::keyClicks(b.dg(i), QString::number(10 + 2 * i));
            b.chec(i)->setChecked(true);
        }
        auto* t15 = b.c("Text15");
        QCOMPARE(t15->toolTip().section('\n', 0, 1), mots + '\n' + dispersion);
        QCOMPARE(t15->accessibleDescription(), dispersion);
        QVERIFY(t15->accessibleName().endsWith(mots));
        b.chec(0)->setChecked(false);
        b.chec(1)->setChecked(false);
        QCOMPARE(t15->accessibleDescription(), QString()); // one line: no statistics
        b.chec(2)->setChecked(false);                      // none: no explanation
        QVERIFY(!t15->toolTip().contains("orient"));
    }

    // The clock's example 1: Madrid (40° 25,2' N, 3° 42' W), 21 June 2026, UTC+2, five readings
    // an hour apart on a clock 157 s fast. Each one's declination at its corrected instant, from
    // tools/seance_horloge.py (NOAA): 24.855, 24.632, 24.776, 24.752, 24.831.
    void horloge() {
        Banc b("E", "2026-06-21T12:12:10Z", "Europe/Madrid",
               {{"deglat", "40"},
                {"minlat", "25.2"},
                {"deglon", "3"},
                {"minlon", "42"},
                {"lon", "False"}});
        for (const char* angle : {"59,6", "102,6", "128,2", "143,5", "154,4"}) {
            b.calculer(angle, true);
            b.fakes.clock.avancer(3600);
        }
        auto* t15 = b.c("Text15");
        const QString es = u"Reloj adelantado 2 min 37 s ± 29 s: declinación corregida 24,77° ± "
                           u"0,23° (media sin corregir 25,83°)"_s;
        // Raw mean 25.83 (above): azimuth from north 180 + 25.83.
        QVERIFY(t15->toolTip().startsWith(
            u"pared orientada 25,83° al oeste del sur (azimut 205,83°)"_s));
        QVERIFY(t15->toolTip().split('\n').contains(es) &&
                t15->accessibleDescription().split('\n').contains(es));
        QCOMPARE(b.texte("Label7"), u"Reloj adelantado 2 min 37 s según las medidas"_s);

        const auto avant = b.w->lectureDeLigne(0);
        QVERIFY(avant);
        b.c<QAction>("ActionCorrigerHeures")->trigger();
        const double attendus[] = {24.855, 24.632, 24.776, 24.752, 24.831};
        for (int i = 0; i < 5; ++i)
            QVERIFY2(std::abs(QLocale().toDouble(b.dg(i)->text()) - attendus[i]) <= 0.015,
                     qPrintable(b.dg(i)->text()));
        QVERIFY(std::abs((b.w->lectureDeLigne(0).value().gmt - avant->gmt) * 86400 + 157) <= 3);
        QVERIFY(t15->toolTip().contains(u"Reloj comprobado: sin desfase significativo"_s));
        QCOMPARE(b.texte("Label7"), QString());
        QVERIFY(
            TexteRapport(b.w->rapport())
                .contains(u"\nHoras de las medidas 1, 2, 3, 4, 5 corregidas en −2 min 37 s\n"_s));

        // Undo (Ctrl+Z) gives back the readings as taken, and the report no longer says corrected.
        b.c<QAction>("ActionAnnulerListe")->trigger();
        QCOMPARE(b.w->lectureDeLigne(0), avant);
        QVERIFY(!TexteRapport(b.w->rapport()).contains(u"corregidas"_s));
        // About applies the same language again: the explanation stays.
        b.clic("Command6");
        QVERIFY(t15->toolTip().split('\n').contains(es));
    }
};

QTEST_MAIN(TestLectures)
#include "tst_lectures.moc"
