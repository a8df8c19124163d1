#include "mainwindow/captions.h"

#include <QTest>

class TestCaptions : public QObject {
    Q_OBJECT

private slots:
    void table() {
        const auto table = captions::table();
        QCOMPARE(table.size(), 49u);
        for (std::size_t i = 0; i < table.size(); ++i)
            QCOMPARE(table[i].rang, int(i) + 1);

        // Rows 3 and 38 read the same in both languages; row 27 keeps its leading blank.
        for (const auto& [rang, fr, es] :
             {std::tuple(3, "Azimut", "Azimut"), std::tuple(38, "Google", "Google"),
              std::tuple(27, " Secondes", " Segundos"), std::tuple(44, "Version", "Versión")}) {
            QCOMPARE(QString::fromUtf8(table[rang - 1].fr), QString::fromUtf8(fr));
            QCOMPARE(QString::fromUtf8(table[rang - 1].es), QString::fromUtf8(es));
        }
    }
};

QTEST_APPLESS_MAIN(TestCaptions)
#include "tst_captions.moc"
