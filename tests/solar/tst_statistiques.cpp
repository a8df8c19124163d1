#include "solar/observation.h"
#include "solar/statistiques.h"

#include <QtTest>

#include <cmath>
#include <vector>

using Valeurs = std::vector<double>;
Q_DECLARE_METATYPE(Valeurs)
Q_DECLARE_METATYPE(solar::Lecture)

namespace {

using solar::Lecture;

QString Texte(double x) {
    return QString::number(x, 'f', 6);
}

// A reading at Paris (48 52 N, 2 20 E); local time = gmt + dz, all in hours. Lecture fields in
// order: day, month, year, local time (days), offset (s), UT (days), lat, lon, angle, az, h.
Lecture Paris(int j, int m, int a, double gmtH, int dzH, double angle, double az, double h) {
    return Lecture(j, m, a, (gmtH + dzH) / 24, dzH * 3600, gmtH / 24, 48 + 52 / 60.0,
                   -(2 + 20 / 60.0), angle, az, h);
}

} // namespace

// Expectations by hand unless marked "NOAA": python3 with the NOAA solar calculator's
// formulas (Meeus, no refraction), the sun's azimuth at the instants named.
class TestStatistiques : public QObject {
    Q_OBJECT

private slots:
    // The count and mean, then the standard deviation, standard error and range to six
    // decimals; "-": no statistics.
    void statistiques_data() {
        QTest::addColumn<Valeurs>("valeurs");
        QTest::addColumn<QString>("attendu");
        // Deviations from 180: -0.5, 0.5, -1, 1; sd = sqrt(2.5 / 3), se = sd / 2, range 2.
        QTest::newRow("straddling 180")
            << Valeurs{179.5, -179.5, 179, -179} << "4 180.000000 0.912871 0.456435 2.000000";
        QTest::newRow("identical")
            << Valeurs{-45.25, -45.25, -45.25} << "3 -45.250000 0.000000 0.000000 0.000000";
        QTest::newRow("one: no spread") << Valeurs{5} << "1 5.000000";
        QTest::newRow("none") << Valeurs{} << "-";
        QTest::newRow("typed 400: none") << Valeurs{400, 10, 11} << "-";
        QTest::newRow("NaN: none") << Valeurs{std::nan(""), 10} << "-";
    }
    void statistiques() {
        QFETCH(Valeurs, valeurs);
        QFETCH(QString, attendu);
        const auto s = solar::StatistiquesCercle(valeurs);
        QString t = s ? QString::number(s->nombre) + ' ' + Texte(s->moyenne) : "-";
        if (s && s->dispersion)
            t += ' ' + Texte(s->dispersion->ecartType) + ' ' + Texte(s->dispersion->erreurType) +
                 ' ' + Texte(s->dispersion->etendue);
        QCOMPARE(t, attendu);
    }

    // One mark per value, then the others' mean, the band and the distance of the entry i.
    void aberrantes_data() {
        QTest::addColumn<Valeurs>("valeurs");
        QTest::addColumn<int>("i");
        QTest::addColumn<QString>("attendu");
        // Others of 14: mean 10, sd 0.5, band 1.5. Of 10.5: 10, 9.5, 14, sd 2.47, band 7.4.
        QTest::newRow("one among four")
            << Valeurs{10, 10.5, 9.5, 14} << 3 << "...x 10.000000 1.500000 4.000000";
        // Others of 170: mean 180, deviations -1, 1, 0, sd 1, band 3; 170 is 10 east.
        QTest::newRow("across 180")
            << Valeurs{179, -179, 180, 170} << 3 << "...x 180.000000 3.000000 -10.000000";
        QTest::newRow("exactly 1 is not beyond")
            << Valeurs{-45.25, -45.25, -45.25, -44.25} << 3 << ".... -45.250000 1.000000 1.000000";
    }
    void aberrantes() {
        QFETCH(Valeurs, valeurs);
        QFETCH(int, i);
        QFETCH(QString, attendu);
        const auto r = solar::ValeursAberrantes(valeurs);
        QString t;
        for (const auto& a : r)
            t += a.aberrante ? 'x' : '.';
        if (!r.empty()) {
            const auto& a = r[static_cast<std::size_t>(i)];
            t += ' ' + Texte(a.moyenneAutres) + ' ' + Texte(a.bande) + ' ' + Texte(a.distance);
        }
        QCOMPARE(t, attendu);
    }

    void glissement_data() {
        QTest::addColumn<Lecture>("lecture");
        QTest::addColumn<Valeurs>("valeurs"); // the reading's own declination last
        QTest::addColumn<int>("heures");      // 0: no slip found
        QTest::addColumn<double>("declinaison");
        // Paris, 15 Jul 2026, true instant 10:00 UT, recorded 09:00. NOAA azimuths 111.98149
        // (09:00), 129.28782 (10:00), 98.40927 (08:00); angle 129.29 - 110 = 19.29, so the
        // list holds 111.98 - 19.29 - 90 = 2.69; at 10:00 it gives 19.998, at 08:00 -10.88.
        const Lecture juillet = Paris(15, 7, 2026, 9, 2, 19.29, 111.98, 45.64);
        QTest::newRow("an hour later") << juillet << Valeurs{20.0, 20.4, 19.6, 2.69} << 1 << 19.998;
        QTest::newRow("neither way") << juillet << Valeurs{5.0, 5.4, 4.6, 2.69} << 0 << 0.0;
        // Paris, 21 Jun 2026, a wall facing north; true 04:30 UT, recorded 05:30. NOAA
        // azimuths 59.55042 (04:30), 70.17532 (05:30), 80.65825 (06:30); angle 59.55 + 90;
        // the list holds -169.37; at 04:30 it gives -179.9996, at 06:30 -158.89.
        QTest::newRow("an hour earlier")
            << Paris(21, 6, 2026, 5.5, 2, 149.55, 70.18, 13.92)
            << Valeurs{179.5, -179.5, 180.0, -169.37} << -1 << -179.9996;
    }
    void glissement() {
        QFETCH(Lecture, lecture);
        QFETCH(Valeurs, valeurs);
        QFETCH(int, heures);
        QFETCH(double, declinaison);
        const auto aberrations = solar::ValeursAberrantes(valeurs);
        QVERIFY(aberrations.back().aberrante);
        const auto g = solar::GlissementHoraire(lecture, aberrations.back());
        QCOMPARE(g ? g->heures : 0, heures);
        if (g)
            QVERIFY2(std::fabs(solar::EcartAngle(declinaison, g->declinaison)) < 0.01,
                     qPrintable(QString::number(g->declinaison)));
    }
};

QTEST_MAIN(TestStatistiques)
#include "tst_statistiques.moc"
