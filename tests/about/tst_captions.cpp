#include "mainwindow/captions.h"

#include <QSet>
#include <QTest>

class TestCaptions : public QObject {
    Q_OBJECT

private slots:
    void lignes();
    void textes_data();
    void textes();
};

namespace {
// "window/objectName/property", e.g. "1/Label4/2" for the About window's Label4 Tag.
QString cible(const captions::Ligne& l) {
    return QStringLiteral("%1/%2/%3")
        .arg(int(l.fenetre))
        .arg(QLatin1String(l.nom))
        .arg(int(l.propriete));
}
} // namespace

void TestCaptions::lignes() {
    const auto table = captions::table();
    QCOMPARE(table.size(), 49u);
    QSet<QString> cibles;
    for (std::size_t i = 0; i < table.size(); ++i) {
        QCOMPARE(table[i].rang, int(i) + 1);
        QVERIFY2(*table[i].fr && *table[i].es, qPrintable(QString::number(i + 1)));
        cibles << cible(table[i]);
    }
    QCOMPARE(cibles.size(), 49); // no row overwrites another
    QCOMPARE(captions::aide().size(), 5u);
    QVERIFY(QString::fromUtf8(captions::aide()[1].fr).contains(QStringLiteral("''Calcul''")));
}

// rang: row of the table, or minus the number of a help line (no target).
void TestCaptions::textes_data() {
    QTest::addColumn<int>("rang");
    QTest::addColumn<QString>("cible");
    QTest::addColumn<QString>("fr");
    QTest::addColumn<QString>("es");

    QTest::newRow("2 PicHE, no closing parenthesis")
        << 2 << "0/PicHE/1"
        << "Hauteur du centre du soleil (sans tenir Compte de la réfraction atmosphérique)"
        << "Altura del centro del sol (sin tener en cuenta la refracción atmosférica";
    QTest::newRow("3 one word") << 3 << "0/Libelles_2/4"
                                << "Azimut"
                                << "Azimut";
    QTest::newRow("27 leading blank") << 27 << "0/Libelles_4/4"
                                      << " Secondes"
                                      << " Segundos";
    QTest::newRow("38 one word") << 38 << "0/Command8/0"
                                 << "Google"
                                 << "Google";
    QTest::newRow("41 About title") << 41 << "1/About/3"
                                    << "A propos"
                                    << "Acerca de";
    QTest::newRow("44 version tag") << 44 << "1/Label4/2"
                                    << "Version"
                                    << "Versión";
    QTest::newRow("48 doubled apostrophes")
        << 48 << "1/Label5/0"
        << "Traductions Espagnoles de Vantrell du site ''Brivane''"
        << "Traducción al español de Vantrell, colaborador de la revista''Brivane''";
    QTest::newRow("H1 ellipsis character") << -1 << ""
                                           << "- Renseignez votre position géographique puis..."
                                           << "- Introducir vuestra posición geográfica y después…";
}

void TestCaptions::textes() {
    QFETCH(int, rang);
    QFETCH(QString, cible);
    QFETCH(QString, fr);
    QFETCH(QString, es);
    if (rang < 0) {
        const captions::LigneAide& h = captions::aide()[-rang - 1];
        QCOMPARE(QString::fromUtf8(h.fr), fr);
        QCOMPARE(QString::fromUtf8(h.es), es);
        return;
    }
    const captions::Ligne& l = captions::table()[rang - 1];
    QCOMPARE(::cible(l), cible);
    QCOMPARE(QString::fromUtf8(l.fr), fr);
    QCOMPARE(QString::fromUtf8(l.es), es);
}

QTEST_APPLESS_MAIN(TestCaptions)
#include "tst_captions.moc"
