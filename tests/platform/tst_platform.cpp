#include "platform/settingsstore.h"

#include <QFile>
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
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
