#include "rapport/csv.h"

#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(std::string)

namespace {

using solar::Lecture;

// 5 Dec 2026, 10:12:00 at UTC+1; sun from NOAA.
const Lecture Decembre(5, 12, 2026, 0.425, 3600, static_cast<double>(9.2f) / 24, 48 + 52 / 60.0,
                       -(2 + 20 / 60.0), 67.4, 145.13723350385487, 11.35751980623246);

Lecture Avec(Lecture l, void (*changer)(Lecture&)) {
    changer(l);
    return l;
}

} // namespace

class TestRapport : public QObject {
    Q_OBJECT

private slots:
    void lignesCsv_data() {
        QTest::addColumn<std::string>("texte");
        QTest::addColumn<std::string>("attendu");
        using S = std::string;
        QTest::newRow("row with a reading")
            << LigneCsv("12,10", true, Decembre, 12.104)
            << S("\"12,10\",1,2026-12-05T10:12:00+01:00,+01:00,67.4,145.14,11.36,12.10");
        QTest::newRow("quote and newline, no reading")
            << LigneCsv("a\"b\nc", false, {}, {}) << S("\"a\"\"b\nc\",0,,,,,,");
        const Lecture sansAzimut = Avec(Decembre, [](Lecture& l) { l.azimut = std::nan(""); });
        QTest::newRow("no NaN") << LigneCsv("x", true, sansAzimut, HUGE_VAL) << S("x,1,,,,,,");
    }
    void lignesCsv() {
        QFETCH(std::string, texte);
        QFETCH(std::string, attendu);
        QCOMPARE(QString::fromStdString(texte), QString::fromStdString(attendu));
    }
};

QTEST_MAIN(TestRapport)
#include "tst_rapport.moc"
