#include "solar/calculerror.h"
#include "solar/observation.h"
#include "solar/statistiques.h"

#include <QtTest>

#include <cmath>
#include <vector>

using Valeurs = std::vector<double>;
Q_DECLARE_METATYPE(Valeurs)
Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(solar::Lecture)

namespace {

using solar::Lecture;

const double Aucun = -1; // no dispersion expected

// A reading at Paris (48 52 N, 2 20 E); local time = gmt + dz, all in hours. Lecture fields in
// order: day, month, year, local time (days), offset (s), UT (days), lat, lon, angle, az, h.
Lecture Paris(int j, int m, int a, double gmtH, int dzH, double angle, double az, double h) {
    return Lecture(j, m, a, (gmtH + dzH) / 24, dzH * 3600, gmtH / 24, 48 + 52 / 60.0,
                   -(2 + 20 / 60.0), angle, az, h);
}

// 5 Dec 2026, 10:12:00 at UTC+1: the window's universal time is single precision
// (9.2f / 24); sun from NOAA.
const Lecture Decembre(5, 12, 2026, 0.425, 3600, static_cast<double>(9.2f) / 24, 48 + 52 / 60.0,
                       -(2 + 20 / 60.0), 67.4, 145.13723350385487, 11.35751980623246);
const std::string P = "L1 j=5 m=12 a=2026 ";
const std::string Q = " tu=0.38333332538604736 lat=48.86666666666667 lon=-2.3333333333333335 ";
const std::string R = " az=145.13723350385487 h=11.35751980623246";

Lecture Avec(Lecture l, void (*changer)(Lecture&)) {
    changer(l);
    return l;
}

} // namespace

// Expectations by hand unless marked "NOAA": python3 with the NOAA solar calculator's
// formulas (Meeus, no refraction), the sun's azimuth at the instants named.
class TestStatistiques : public QObject {
    Q_OBJECT

private slots:
    void statistiques_data() {
        QTest::addColumn<Valeurs>("valeurs");
        QTest::addColumn<int>("nombre"); // 0: no statistics
        QTest::addColumn<double>("moyenne");
        QTest::addColumn<double>("ecartType");
        QTest::addColumn<double>("etendue");
        // Deviations from 180: -0.5, 0.5, -1, 1; sd = sqrt(2.5 / 3).
        QTest::newRow("straddling 180")
            << Valeurs{179.5, -179.5, 179, -179} << 4 << 180.0 << std::sqrt(2.5 / 3) << 2.0;
        QTest::newRow("identical") << Valeurs{-45.25, -45.25, -45.25} << 3 << -45.25 << 0.0 << 0.0;
        QTest::newRow("one: no spread") << Valeurs{5} << 1 << 5.0 << Aucun << 0.0;
        QTest::newRow("none") << Valeurs{} << 0 << 0.0 << Aucun << 0.0;
        QTest::newRow("typed 400: none") << Valeurs{400, 10, 11} << 0 << 0.0 << Aucun << 0.0;
        QTest::newRow("NaN: none") << Valeurs{std::nan(""), 10} << 0 << 0.0 << Aucun << 0.0;
    }
    void statistiques() {
        QFETCH(Valeurs, valeurs);
        QFETCH(int, nombre);
        const auto s = solar::StatistiquesCercle(valeurs);
        QCOMPARE(s.has_value(), nombre > 0);
        if (!s)
            return;
        QFETCH(double, moyenne);
        QFETCH(double, ecartType);
        QFETCH(double, etendue);
        QCOMPARE(s->nombre, nombre);
        QVERIFY(std::fabs(solar::EcartAngle(moyenne, s->moyenne)) < 1e-9);
        QCOMPARE(s->dispersion.has_value(), ecartType != Aucun);
        if (!s->dispersion)
            return;
        QVERIFY(std::fabs(s->dispersion->ecartType - ecartType) < 1e-9);
        QVERIFY(std::fabs(s->dispersion->erreurType - ecartType / std::sqrt(nombre)) < 1e-9);
        QVERIFY(std::fabs(s->dispersion->etendue - etendue) < 1e-9);
    }

    void aberrantes_data() {
        QTest::addColumn<Valeurs>("valeurs");
        QTest::addColumn<QString>("marques"); // one character per value; empty: no check
        QTest::addColumn<int>("i");           // the entry checked below
        QTest::addColumn<double>("moyenneAutres");
        QTest::addColumn<double>("bande");
        QTest::addColumn<double>("distance");
        // Others of 14: mean 10, sd 0.5, band 1.5. Of 10.5: 10, 9.5, 14, sd 2.47, band 7.4.
        QTest::newRow("one among four")
            << Valeurs{10, 10.5, 9.5, 14} << "...x" << 3 << 10.0 << 1.5 << 4.0;
        // Others of 170: mean 180, deviations -1, 1, 0, sd 1, band 3; 170 is 10 east.
        QTest::newRow("across 180")
            << Valeurs{179, -179, 180, 170} << "...x" << 3 << 180.0 << 3.0 << -10.0;
        QTest::newRow("exactly 1 is not beyond")
            << Valeurs{-45.25, -45.25, -45.25, -44.25} << "...." << 3 << -45.25 << 1.0 << 1.0;
        QTest::newRow("two: no check") << Valeurs{10, 30} << "" << 0 << 0.0 << 0.0 << 0.0;
        QTest::newRow("typed 400: no check")
            << Valeurs{400, 10, 11} << "" << 0 << 0.0 << 0.0 << 0.0;
    }
    void aberrantes() {
        QFETCH(Valeurs, valeurs);
        QFETCH(QString, marques);
        QFETCH(int, i);
        const auto r = solar::ValeursAberrantes(valeurs);
        QString vues;
        for (const auto& a : r)
            vues += a.aberrante ? 'x' : '.';
        QCOMPARE(vues, marques);
        if (r.empty())
            return;
        QFETCH(double, moyenneAutres);
        QFETCH(double, bande);
        QFETCH(double, distance);
        const auto& a = r[static_cast<std::size_t>(i)];
        QVERIFY(std::fabs(solar::EcartAngle(moyenneAutres, a.moyenneAutres)) < 1e-9);
        QVERIFY(std::fabs(a.bande - bande) < 1e-9);
        QVERIFY(std::fabs(a.distance - distance) < 1e-9);
    }

    void sensibilite_data() {
        QTest::addColumn<Lecture>("lecture");
        QTest::addColumn<double>("parMinute");
        QTest::addColumn<bool>("fragile");
        // NOAA, azimuth at gmt -+ 30 s: 145.02958, 145.24496.
        QTest::newRow("December morning")
            << Paris(5, 12, 2026, 9.2, 1, 67.4, 145.14, 11.36) << 0.21537 << false;
        // NOAA: 178.93723, 179.47127 at 11:51 UT.
        QTest::newRow("June noon: fragile")
            << Paris(21, 6, 2026, 11.85, 2, 90, 179.2, 64.57) << 0.53404 << true;
        // 40 S, 2.5 E, 10 Mar 2008, 12:00 UT, sun north. NOAA: 0.28054, 359.85765.
        QTest::newRow("across north")
            << Lecture{10, 3, 2008, 0.5, 0, 0.5, -40, -2.5, 90, 0.07, 53.85} << -0.42289 << false;
    }
    void sensibilite() {
        QFETCH(Lecture, lecture);
        QFETCH(double, parMinute);
        QFETCH(bool, fragile);
        const solar::Sensibilite s = solar::SensibiliteHorloge(lecture);
        QVERIFY2(std::fabs(s.degresParMinute - parMinute) < 0.005,
                 qPrintable(QString::number(s.degresParMinute)));
        QCOMPARE(s.fragile, fragile);
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

    void textes_data() {
        QTest::addColumn<std::string>("texte");
        QTest::addColumn<std::string>("attendu");
        using namespace solar;
        using S = std::string;
        // The settings text of Decembre, with its FNV-1a checksum from python3.
        QTest::newRow("settings text")
            << TexteLecture(Decembre)
            << P + "dz=3600 hl=0.425" + Q + "ang=67.4" + R + " ck=f72a5330";
        // Universal time 23:30 typed on 31 Dec at UTC+1: local 00:30 the next day.
        QTest::newRow("next year")
            << TexteInstantIso({31, 12, 2026, 1 + 1 / 48.0, 3600, 1 - 1 / 48.0, 45, 0, 90, 180, 20})
            << S("2027-01-01T00:30:00+01:00");
        // 02:24 UT on 1 Mar 2024 at UTC-3:30 is 22:54 on the leap day.
        QTest::newRow("day before, leap year")
            << TexteInstantIso({1, 3, 2024, 0.1 - 12600 / 86400.0, -12600, 0.1, 47, 52, 90, 180, 0})
            << S("2024-02-29T22:54:00-03:30");
        QTest::newRow("23:59:59.6 rounds to the next day")
            << TexteInstantIso({28, 2, 2026, 86399.6 / 86400, 0, 86399.6 / 86400, 0, 0, 0, 0, 0})
            << S("2026-03-01T00:00:00+00:00");
        QTest::newRow("offset with seconds") << TexteDecalage(561) << S("+00:09:21");
        QTest::newRow("row with a reading")
            << LigneCsv("12,10", true, Decembre, 12.104)
            << S("\"12,10\",1,2026-12-05T10:12:00+01:00,+01:00,67.4,145.14,11.36,12.10");
        QTest::newRow("quote and newline, no reading")
            << LigneCsv("a\"b\nc", false, {}, {}) << S("\"a\"\"b\nc\",0,,,,,,");
        const Lecture sansAzimut = Avec(Decembre, [](Lecture& l) { l.azimut = std::nan(""); });
        QTest::newRow("no NaN") << LigneCsv("x", true, sansAzimut, HUGE_VAL) << S("x,1,,,,,,");
    }
    void textes() {
        QFETCH(std::string, texte);
        QFETCH(std::string, attendu);
        QCOMPARE(QString::fromStdString(texte), QString::fromStdString(attendu));
    }

    void lireLecture_data() {
        QTest::addColumn<std::string>("texte");
        QTest::addColumn<bool>("lue");
        const std::string j = P + "dz=3600 hl=0.425" + Q + "ang=67.4" + R; // checksum f72a5330
        // Checksums from python3 for the text as shown.
        QTest::newRow("as written") << j + " ck=f72a5330" << true;
        QTest::newRow("a later key is skipped") << j + " zz=1 ck=299f4196" << true;
        QTest::newRow("digit changed")
            << P + "dz=3600 hl=0.425" + Q + "ang=67.5" + R + " ck=f72a5330" << false;
        QTest::newRow("line end added") << j + " ck=f72a5330\n" << false;
        QTest::newRow("field missing")
            << P + "dz=3600 hl=0.425" + Q + "ang=67.4 az=145.13723350385487 ck=90ab1c14" << false;
        QTest::newRow("field twice") << j + " ang=67.4 ck=3d4b4836" << false;
        QTest::newRow("NaN") << P + "dz=3600 hl=0.425" + Q +
                                    "ang=67.4 az=nan h=11.35751980623246 ck=1654250c"
                             << false;
        QTest::newRow("text after a number")
            << P + "dz=3600 hl=0.425" + Q + "ang=67.4x" + R + " ck=4c42118e" << false;
        QTest::newRow("30 February")
            << "L1 j=30 m=2 a=2026 dz=3600 hl=0.425" + Q + "ang=67.4" + R + " ck=acf2a2c3" << false;
        QTest::newRow("offset against the times")
            << P + "dz=-3600 hl=0.425" + Q + "ang=67.4" + R + " ck=9c164961" << false;
        QTest::newRow("empty") << std::string() << false;
    }
    void lireLecture() {
        QFETCH(std::string, texte);
        QFETCH(bool, lue);
        const auto l = solar::LireLecture(texte);
        QCOMPARE(l.has_value(), lue);
        if (l)
            QVERIFY(*l == Decembre);
    }

    void allerRetour() {
        // Doubles that need all their digits.
        const Lecture l(29, 2, 2024, 1 / 3.0, -34200, 1 / 3.0 + 34200 / 86400.0, -33.86666666666667,
                        -151.2, 0.1 + 0.2, std::nextafter(360.0, 0.0), -1e-7);
        const auto lu = solar::LireLecture(solar::TexteLecture(l));
        QVERIFY(lu.has_value());
        QVERIFY(*lu == l);
        QVERIFY_THROWS_EXCEPTION(solar::CalculError,
                                 solar::TexteLecture(Avec(l, [](Lecture& x) { x.lat = 90; })));
    }
};

QTEST_MAIN(TestStatistiques)
#include "tst_statistiques.moc"
