#include "solar/lecture.h"

#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(std::string)

namespace {

using solar::Lecture;

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

class TestLecture : public QObject {
    Q_OBJECT

private slots:
    void textes_data() {
        QTest::addColumn<std::string>("texte");
        QTest::addColumn<std::string>("attendu");
        using namespace solar;
        using S = std::string;
        // The settings text of Decembre, with its FNV-1a checksum from python3.
        QTest::newRow("settings text")
            << TexteLecture(Decembre)
            << P + "dz=3600 hl=0.425" + Q + "ang=67.4" + R + " ck=f72a5330";
        QTest::newRow("leap day of 2000")
            << TexteInstantIso({29, 2, 2000, 0.5, 0, 0.5, 45, 0, 90, 180, 20})
            << S("2000-02-29T12:00:00+00:00");
        // Noon in Auckland in summer, UTC+13: 23:00 UT the day before.
        QTest::newRow("UTC+13") << TexteInstantIso({7, 1, 2026, 0.5, 46800, -1 / 24.0, -36.85,
                                                    -174.76, 90, 0, 20})
                                << S("2026-01-07T12:00:00+13:00");
        QTest::newRow("offset with seconds") << TexteDecalage(561) << S("+00:09:21");
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
        QTest::newRow("field missing")
            << P + "dz=3600 hl=0.425" + Q + "ang=67.4 az=145.13723350385487 ck=90ab1c14" << false;
        QTest::newRow("field twice") << j + " ang=67.4 ck=3d4b4836" << false;
        QTest::newRow("text after a number")
            << P + "dz=3600 hl=0.425" + Q + "ang=67.4x" + R + " ck=4c42118e" << false;
        QTest::newRow("30 February")
            << "L1 j=30 m=2 a=2026 dz=3600 hl=0.425" + Q + "ang=67.4" + R + " ck=acf2a2c3" << false;
        QTest::newRow("offset against the times")
            << P + "dz=-3600 hl=0.425" + Q + "ang=67.4" + R + " ck=9c164961" << false;
    }
    void lireLecture() {
        QFETCH(std::string, texte);
        QFETCH(bool, lue);
        const auto l = solar::LireLecture(texte);
        QCOMPARE(l.has_value(), lue);
        if (l)
            QVERIFY(*l == Decembre);
    }

    // The sun recomputed from the stored instant and place; Decembre's from NOAA. The
    // program's sun is within 0.003 of NOAA there: as stored, the altitude -40, the azimuth
    // 0.02 off.
    void accordeeAuCiel() {
        QString t;
        for (void (*changer)(Lecture&) : {+[](Lecture&) {}, +[](Lecture& l) { l.hauteur = -40; },
                                          +[](Lecture& l) { l.azimut += 0.02; }})
            t += solar::LectureAccordeeAuCiel(Avec(Decembre, changer)) ? '1' : '0';
        QCOMPARE(t, "100");
    }
};

QTEST_MAIN(TestLecture)
#include "tst_lecture.moc"
