#include "fakes.h"
#include "mainwindow/formtalvan.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

namespace {

using Banc = Fenetre<FormTalvan>; // at the fake's 11 February 2008, 12:00 UTC unless told

} // namespace

class TestMoyenne : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    // What the result's tooltip and a screen reader say of the average; the arithmetic is the
    // solar tests'. By hand: mean 12, azimuth from north 180 + 12 (west positive); deviations
    // -2, 0, 2: sd sqrt(8 / 2) = 2, standard error 2 / sqrt 3 = 1.1547, range 4.
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

    // The clock's example 1: Madrid (40° 25,2' N, 3° 42' W), 21 June 2026, UTC+2, five
    // readings an hour apart on a clock 157 s fast. Each reading's declination at its
    // corrected instant, from tools/seance_horloge.py (NOAA): 24.855, 24.632, 24.776, 24.752,
    // 24.831. The fit's arithmetic is the solar tests' business.
    void horloge() {
        Banc b("E", "2026-06-21T12:12:10Z", "Europe/Madrid",
               {{"deglat", "40"},
                {"minlat", "25.2"},
                {"deglon", "3"},
                {"minlon", "42"},
                {"lon", "False"}});
        const QStringList angles{"59,6", "102,6", "128,2", "143,5", "154,4"};
        for (int i = 0; i < 5; ++i) {
            b.fakes.clock.regler(QDateTime(QDate(2026, 6, 21), QTime(12 + i, 12, 10), Qt::UTC));
            b.calculer(angles[i], true);
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
        const QString correction =
            u"Horas de las medidas 1, 2, 3, 4, 5 corregidas en −2 min 37 s"_s;
        QVERIFY(TexteRapport(b.w->rapport()).contains('\n' + correction + '\n'));

        // Undo (Ctrl+Z) gives back the readings as taken, and the report no longer says corrected.
        b.c<QAction>("ActionAnnulerListe")->trigger();
        QCOMPARE(b.w->lectureDeLigne(0), avant);
        QVERIFY(!TexteRapport(b.w->rapport()).contains(u"corregidas"_s));
        // About applies the same language again: the explanation stays.
        b.clic("Command6");
        QVERIFY(t15->toolTip().split('\n').contains(es));
    }
};

QTEST_MAIN(TestMoyenne)
#include "tst_moyenne.moc"
