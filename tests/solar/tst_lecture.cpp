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
const std::string Texte = "L1 j=5 m=12 a=2026 dz=3600 hl=0.425 tu=0.38333332538604736 "
                          "lat=48.86666666666667 lon=-2.3333333333333335 ang=67.4 "
                          "az=145.13723350385487 h=11.35751980623246";

// Texte with a in place of b.
std::string Sauf(const std::string& a, const std::string& b) {
    return std::string(Texte).replace(Texte.find(a), a.size(), b);
}

} // namespace

class TestLecture : public QObject {
    Q_OBJECT

private slots:
    // The settings text of Decembre, with its FNV-1a checksum from python3; noon in Auckland
    // in summer, UTC+13, is 23:00 UT the day before.
    void textes() {
        using namespace solar;
        const std::string t =
            TexteLecture(Decembre) + '|' +
            TexteInstantIso({29, 2, 2000, 0.5, 0, 0.5, 45, 0, 90, 180, 20}) + '|' +
            TexteInstantIso({7, 1, 2026, 0.5, 46800, -1 / 24.0, -36.85, -174.76, 90, 0, 20}) + '|' +
            TexteDecalage(561);
        QCOMPARE(QString::fromStdString(t),
                 QString::fromStdString(Texte + " ck=f72a5330|2000-02-29T12:00:00+00:00|"
                                                "2026-01-07T12:00:00+13:00|+00:09:21"));
    }

    // Checksums from python3 for the text as shown.
    void lireLecture_data() {
        QTest::addColumn<std::string>("texte");
        QTest::addColumn<bool>("lue");
        QTest::newRow("as written") << Texte + " ck=f72a5330" << true;
        QTest::newRow("a later key is skipped") << Texte + " zz=1 ck=299f4196" << true;
        QTest::newRow("digit changed") << Sauf("67.4", "67.5") + " ck=f72a5330" << false;
        QTest::newRow("field missing")
            << Sauf(" h=11.35751980623246", "") + " ck=90ab1c14" << false;
        QTest::newRow("field twice") << Texte + " ang=67.4 ck=3d4b4836" << false;
        QTest::newRow("text after a number") << Sauf("67.4", "67.4x") + " ck=4c42118e" << false;
        QTest::newRow("30 February") << Sauf("j=5 m=12", "j=30 m=2") + " ck=acf2a2c3" << false;
        QTest::newRow("offset against the times")
            << Sauf("=3600", "=-3600") + " ck=9c164961" << false;
    }
    void lireLecture() {
        QFETCH(std::string, texte);
        QFETCH(bool, lue);
        const auto l = solar::LireLecture(texte);
        QCOMPARE(l.has_value(), lue);
        if (l)
            QVERIFY(*l == Decembre);
    }

    // The sun recomputed from the stored instant and place; Decembre's from NOAA, which the
    // program's sun meets within 0.003: as stored, the altitude -40, the azimuth 0.02 off.
    void accordeeAuCiel() {
        Lecture basse = Decembre, decalee = Decembre;
        basse.hauteur = -40, decalee.azimut += 0.02;
        QString t;
        for (const Lecture& l : {Decembre, basse, decalee})
            t += solar::LectureAccordeeAuCiel(l) ? '1' : '0';
        QCOMPARE(t, "100");
    }
};

QTEST_MAIN(TestLecture)
#include "tst_lecture.moc"
