#include "platform/nombrelocal.h"
#include "platform/settingsstore.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTest>

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The file is found where Qt puts it, so that the settings of earlier runs are read.
    void cheminParDefaut() {
        const platform::QtSettingsStore store(QStringLiteral("orsaline"));
        const QSettings qt(QSettings::IniFormat, QSettings::UserScope, "orsaline", "orsaline");
        QCOMPARE(store.emplacement(), qt.fileName());
        QVERIFY(store.emplacement().endsWith("/orsaline/orsaline.ini"));
    }

    // List lines as stored or typed, read alike in a full-stop and a decimal-comma locale.
    void nombres_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<double>("valeur"); // NaN: not a number of the list
        const double non = qQNaN();
        QTest::newRow("comma") << "-12,44" << -12.44;
        QTest::newRow("comma, not a group") << "0,180" << 0.18;
        QTest::newRow("no fraction digits") << "+7," << 7.0;
        QTest::newRow("no integer digit") << " ,5\t" << 0.5;
        QTest::newRow("exponent") << "12,5e1" << 125.0;
        QTest::newRow("groups") << "1,000.5" << non;
        QTest::newRow("two separators") << "1.2.3" << non;
        QTest::newRow("bare sign") << "-" << non;
        QTest::newRow("exponent without digits") << "1e" << non;
        QTest::newRow("overflow") << "1e400" << non;
        QTest::newRow("word") << "nan" << non;
    }
    void nombres() {
        QFETCH(QString, texte);
        QFETCH(double, valeur);
        for (const QLocale& l : {QLocale::c(), QLocale(QLocale::French, QLocale::France)}) {
            QLocale::setDefault(l);
            const std::optional<double> v = platform::nombreLocal(texte);
            QCOMPARE(v.has_value(), !qIsNaN(valeur));
            if (v)
                QCOMPARE(*v, valeur);
        }
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
