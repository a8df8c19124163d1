#include "platform/clock.h"
#include "platform/settingsstore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

class ZoneFixe final : public platform::ZoneClock {
public:
    explicit ZoneFixe(const QByteArray& id) : m_zone(id) {}
    QDateTime maintenantUtc() const override {
        return QDateTime(QDate(2026, 1, 15), QTime(12, 0), Qt::UTC);
    }
    QTimeZone zone() const override { return m_zone; }

private:
    QTimeZone m_zone;
};

void ecrireFichier(const QString& chemin, const QByteArray& contenu) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contenu);
}

} // namespace

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    // A file that does not parse starts with the defaults and is replaced by a clean one.
    void fichierCorrompu() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("orsaline.conf");
        QByteArray binaire;
        for (int i = 0; i < 512; ++i)
            binaire.append(char(i * 37 % 256));
        binaire.append("\n[Start]\ndeglat=12\n");
        ecrireFichier(chemin, binaire);
        auto store = platform::QtSettingsStore::fromFile(chemin);
        QCOMPARE(store->lire("Start", "deglat", "48"), QStringLiteral("48"));
        store->ecrire("Start", "Langue", "E");
        QVERIFY(store->enregistrer());
        auto relu = platform::QtSettingsStore::fromFile(chemin);
        QCOMPARE(relu->lire("Start", "Langue", "F"), QStringLiteral("E"));
        QCOMPARE(relu->lire("Start", "deglat", "48"), QStringLiteral("48"));
    }

    // Under a plain file no folder can be made, whoever runs the program.
    void ecritureImpossibleSignalee() {
        QTemporaryDir dossier;
        const QString fichier = dossier.filePath("un-fichier");
        ecrireFichier(fichier, "x");
        auto store = platform::QtSettingsStore::fromFile(fichier + "/sous/orsaline.conf");
        store->ecrire("Start", "Langue", "F");
        QVERIFY(!store->enregistrer());
        QCOMPARE(store->emplacement(), fichier + "/sous/orsaline.conf");
    }

    // Offsets (seconds east of UTC) in force at the date concerned, not now.
    void decalages_data() {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("heure");
        QTest::addColumn<int>("decalage");
        QTest::newRow("Paris winter")
            << QByteArray("Europe/Paris") << QDate(2026, 1, 10) << QTime(12, 0) << 3600;
        QTest::newRow("Paris summer")
            << QByteArray("Europe/Paris") << QDate(2026, 7, 10) << QTime(12, 0) << 7200;
        QTest::newRow("Santiago July")
            << QByteArray("America/Santiago") << QDate(2026, 7, 10) << QTime(12, 0) << -4 * 3600;
    }
    void decalages() {
        QFETCH(QByteArray, zone);
        QFETCH(QDate, date);
        QFETCH(QTime, heure);
        QFETCH(int, decalage);
        const ZoneFixe horloge(zone);
        QCOMPARE(horloge.decalageUtc(date, heure), decalage);
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
