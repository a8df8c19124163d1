#include "rapport/rapport.h"

#include <QtTest>

namespace {

using solar::Lecture;

// 5 Dec 2026, 10:12:00 at UTC+1, at Paris (48 52 N, 2 20 E); sun from NOAA.
const Lecture Paris(5, 12, 2026, 0.425, 3600, static_cast<double>(9.2f) / 24, 48 + 52 / 60.0,
                    -(2 + 20 / 60.0), 67.4, 145.13723350385487, 11.35751980623246);
// 6 Dec 2026, 15:00:00 at UTC+1, at Lyon (45 45 N, 4 50 E).
const Lecture Lyon(6, 12, 2026, 0.625, 3600, 0.625 - 1 / 24.0, 45.75, -(4 + 50 / 60.0), 120.5,
                   219.3, 12.1);

// In French in a French locale, in Spanish in any other.
Rapport rapport(QLocale locale, const Lecture& deuxieme) {
    QLocale::setDefault(locale);
    Rapport r;
    r.separateur = locale.decimalPoint(), r.moyenne = -12;
    if (locale.language() != QLocale::French)
        r.langue = platform::Langue::Espagnol;
    r.etabli = QDateTime(QDate(2026, 12, 7), QTime(9, 30));
    r.lignes[0] = {QStringLiteral("-12") + r.separateur + "40", true, Paris};
    r.lignes[1] = {"=1+2", false, {}}, r.lignes[2] = {"-\"mur\"", false, {}};
    r.lignes[3] = {QStringLiteral("-11") + r.separateur + "60", true, deuxieme};
    r.statistiques = StatistiquesLignes(r.lignes);
    return r;
}

// Fields of RFC 4180 rows ended by CRLF, separated by `separateur`.
QList<QStringList> lireCsv(const QByteArray& octets, QChar separateur) {
    const QRegularExpression champ(
        QString(R"re(\G(?:"((?:[^"]|"")*)"|([^"%1\r\n]*))(%1|\r\n))re").arg(separateur));
    QList<QStringList> rangees{{}};
    for (auto m = champ.globalMatch(QString::fromUtf8(octets)); m.hasNext();) {
        const QRegularExpressionMatch c = m.next();
        rangees.last() << (c.hasCaptured(1) ? c.captured(1).replace("\"\"", "\"") : c.captured(2));
        if (c.captured(3) == "\r\n")
            rangees << QStringList{};
    }
    rangees.removeLast();
    return rangees;
}

} // namespace

class TestRapport : public QObject {
    Q_OBJECT

private slots:
    // Place and date once when the readings share them, else on each line. Paris: 48.8667 N =
    // 48° 52', 2.3333 E = 2° 20'. Average -12: 12° east of south, azimuth 180 - 12 = 168.
    void texte() {
        QString t = TexteRapport(rapport(QLocale(QLocale::French, QLocale::France), Lyon));
        for (const char* attendu :
             {"\nLieu : mesures prises en plusieurs lieux (donnés sur chaque ligne)\n",
              "\nDate des mesures : mesures prises plusieurs jours (donnés sur chaque ligne)\n",
              "\n1. -12,40 — cochée — 5 déc. 2026 10:12:00 (UTC+01:00) · angle 67,40° · azimut "
              "du soleil 145,14° · hauteur 11,36° · lieu 48° 52' Nord, 2° 20' Est\n",
              "\n2. =1+2 — non cochée — sans instant\n",
              "\n4. -11,60 — cochée — 6 déc. 2026 15:00:00 (UTC+01:00) · angle 120,50° · "
              "azimut du soleil 219,30° · hauteur 12,10° · lieu 45° 45' Nord, 4° 50' Est\n",
              "\nMoyenne des mesures cochées : -12,00° — mur orienté 12,00° vers l'est du sud "
              "(azimut 168,00°)\n"})
            QVERIFY2(t.contains(attendu), qPrintable(t));

        Lecture parisPlusTard = Paris;
        parisPlusTard.heureLocale += 0.1, parisPlusTard.gmt += 0.1;
        t = TexteRapport(rapport(QLocale(QLocale::Spanish, QLocale::Spain), parisPlusTard));
        QVERIFY2(t.contains("\nLugar: 48° 52' Norte, 2° 20' Este\nFecha de las medidas: 5 de "
                            "diciembre de 2026\n") &&
                     !t.contains(" · lugar "),
                 qPrintable(t));
    }

    // Read back as a spreadsheet of each locale reads it, "," standing for its decimal separator.
    // By hand: Paris 48.866667 N, 2.333333 E; the angle as kept, azimuth and altitude to 0.01.
    void csv_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("entete");
        QTest::newRow("French: semicolons, decimal commas")
            << QLocale(QLocale::French, QLocale::France)
            << "texte|cochée|instant|décalage|latitude|longitude|angle|azimut|hauteur|déclinaison";
        QTest::newRow("English: commas, full stops")
            << QLocale(QLocale::English, QLocale::UnitedKingdom) // in Spanish
            << "texto|marcada|instante|desfase|latitud|longitud|ángulo|azimut|altura|declinación";
    }
    void csv() {
        QFETCH(QLocale, locale);
        QFETCH(QString, entete);
        const QString virgule = locale.decimalPoint();
        QList<QStringList> attendu{entete.split('|')};
        for (const char* l : {"-12,40|1|2026-12-05T10:12:00+01:00|UTC+01:00|48,866667|2,333333|"
                              "67,4|145,14|11,36|-12,40",
                              "'=1+2|0||||||||", "'-\"mur\"|0||||||||",
                              "-11,60|1|2026-12-06T15:00:00+01:00|UTC+01:00|45,750000|4,833333|"
                              "120,5|219,30|12,10|-11,60"})
            attendu << QString::fromUtf8(l).replace(",", virgule).split('|');
        const QByteArray octets = CsvRapport(rapport(locale, Lyon));
        QVERIFY(octets.startsWith("\xEF\xBB\xBF") && octets.endsWith("\r\n"));
        QCOMPARE(lireCsv(octets.mid(3), virgule == "," ? ';' : ','), attendu);
    }
};

QTEST_MAIN(TestRapport)
#include "tst_rapport.moc"
