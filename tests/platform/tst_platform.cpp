#include "platform/nombrelocal.h"
#include "platform/settingsstore.h"

#include <QFile>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

void ecrireFichier(const QString& chemin, const QByteArray& contenu) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contenu);
}

} // namespace

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

    // Under a plain file no folder can be made, whoever runs the program.
    void ecritureImpossibleSignalee() {
        QTemporaryDir dossier;
        const QString fichier = dossier.filePath("un-fichier");
        ecrireFichier(fichier, "x");
        auto store = platform::QtSettingsStore::fromFile(fichier + "/sous/orsaline.ini");
        store->ecrire("Start", "Langue", "F");
        QVERIFY(!store->enregistrer());
        QCOMPARE(store->emplacement(), fichier + "/sous/orsaline.ini");
    }

    // Another program rewrites the file after it was read: relire() takes its keys in, and
    // saving keeps them beside this run's own.
    void relire() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("orsaline.ini");
        ecrireFichier(chemin, "[Start]\n0=10.00\n");
        auto store = platform::QtSettingsStore::fromFile(chemin);
        store->ecrire("Start", "Langue", "E");
        QSaveFile autre(chemin);
        QVERIFY(autre.open(QIODevice::WriteOnly));
        autre.write("[Start]\n0=12.50\n1=-3.25\n");
        QVERIFY(autre.commit());
        QCOMPARE(store->lire("Start", "1", "vide"), QStringLiteral("vide"));
        store->relire();
        QCOMPARE(store->lire("Start", "1", "vide"), QStringLiteral("-3.25"));
        QVERIFY(store->enregistrer());
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("[Start]\n0=12.50\n1=-3.25\nLangue=E\n"));
    }

    // List lines as stored or typed, read alike in a full-stop and a decimal-comma locale.
    void nombres_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<double>("valeur"); // NaN: not a number of the list
        const double non = qQNaN();
        QTest::newRow("comma") << "-12,44" << -12.44;
        QTest::newRow("full stop") << "-12.44" << -12.44;
        QTest::newRow("comma, not a group") << "0,180" << 0.18;
        QTest::newRow("no fraction digits") << "+7," << 7.0;
        QTest::newRow("no integer digit") << " ,5\t" << 0.5;
        QTest::newRow("exponent") << "12,5e1" << 125.0;
        QTest::newRow("groups") << "1,000.5" << non;
        QTest::newRow("spaced groups") << "1 234,5" << non;
        QTest::newRow("two separators") << "1.2.3" << non;
        QTest::newRow("bare sign") << "-" << non;
        QTest::newRow("bare separator") << "," << non;
        QTest::newRow("exponent without digits") << "1e" << non;
        QTest::newRow("overflow") << "1e400" << non;
        QTest::newRow("word") << "nan" << non;
        QTest::newRow("empty") << "" << non;
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
