#include "fakes.h"
#include "mainwindow/formtalvan.h"

#include <QtTest>
#include <QtWidgets>

namespace {

const QString AvertFr =
    QString::fromUtf8("Fuseau de l'ordinateur à plus de 3 h de la longitude : vérifiez-le !");

// The window in a French user's regional format at the fake clock's instant (11 February
// 2008, 12:00 UTC), at a longitude of `deg`°41' east or west.
struct Banc : Fenetre<FormTalvan> {
    Banc(const char* langue, const char* zone = "Europe/Paris", const char* deg = "02",
         bool est = true)
        : Fenetre((QLocale::setDefault(QLocale(QLocale::French, QLocale::France)), langue), "",
                  zone, {{"deglon", deg}, {"minlon", "41"}, {"lon", est ? "True" : "False"}}) {}
    void lignes(const QStringList& valeurs) const {
        for (int i = 0; i < valeurs.size(); ++i) {
            QTest::keyClicks(c(QStringLiteral("DG_%1").arg(i)), valeurs[i]);
            c<QCheckBox>(QStringLiteral("Chec_%1").arg(i))->setChecked(true);
        }
    }
};

} // namespace

class TestMoyenne : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // Expected deviations by hand: sd = sqrt(sum of squared deviations / (n - 1)),
    // standard error = sd / sqrt(n), range = largest - smallest deviation from the mean.
    // The wall's azimuth from north is 180 + declination (west positive).
    void resultatExplique_data() {
        QTest::addColumn<QString>("langue");
        QTest::addColumn<QStringList>("valeurs");
        QTest::addColumn<QString>("mots");
        QTest::addColumn<QString>("dispersion");
        const auto ligne = [](const char* nom, const char* langue, const QStringList& valeurs,
                              const char* mots, const char* dispersion = "") {
            QTest::newRow(nom) << langue << valeurs << mots << dispersion;
        };
        // mean 12; deviations -2, 0, 2: sd sqrt(8/2) = 2, se 2/sqrt 3 = 1.1547, range 4
        ligne("ouest du sud", "F", {"10", "12", "14"},
              "mur orienté 12,00° vers l'ouest du sud (azimut 192,00°)",
              "3 mesures cochées : écart type 2,00°, erreur type de la moyenne 1,15°, étendue "
              "4,00°");
        ligne("est du sud", "F", {"-12,10"},
              "mur orienté 12,10° vers l'est du sud (azimut 167,90°)");
        // Across ±180 the mean is north; deviations -1, +1: sd sqrt 2 = 1.414, se 1, range 2
        ligne("plein nord", "F", {"179", "-179"}, "mur orienté plein nord (azimut 0,00°)",
              "2 mesures cochées : écart type 1,41°, erreur type de la moyenne 1,00°, étendue "
              "2,00°");
        // deviations ±0.5: sd sqrt(0.5) = 0.707, se 0.5, range 1
        ligne("plein sud", "F", {"0,5", "-0,5"}, "mur orienté plein sud (azimut 180,00°)",
              "2 mesures cochées : écart type 0,71°, erreur type de la moyenne 0,50°, étendue "
              "1,00°");
        // Beyond 90° west the wall faces north-west: 180 - 120 = 60° west of north.
        ligne("ouest du nord", "F", {"120"},
              "mur orienté 60,00° vers l'ouest du nord (azimut 300,00°)");
        ligne("hors limites", "F", {"400", "10"}, ""); // no wall has 400°
        ligne("es este", "E", {"-12,1"}, "pared orientada 12,10° al este del sur (azimut 167,90°)");
        // mean 20; deviations -10, 10: sd sqrt(200) = 14.142, se 10, range 20
        ligne("es oeste", "E", {"10", "30"},
              "pared orientada 20,00° al oeste del sur (azimut 200,00°)",
              "2 medidas marcadas: desviación típica 14,14°, error típico de la media 10,00°, "
              "rango 20,00°");
        ligne("es norte", "E", {"180"}, "pared orientada al norte (azimut 0,00°)");
    }
    void resultatExplique() {
        QFETCH(QString, langue);
        QFETCH(QStringList, valeurs);
        QFETCH(QString, mots);
        QFETCH(QString, dispersion);
        Banc b(langue.toLatin1().constData());
        b.lignes(valeurs);
        auto* t15 = b.c("Text15");
        QStringList attendu{mots, dispersion};
        attendu.removeAll(QString());
        QCOMPARE(t15->toolTip().split('\n').mid(0, attendu.size()), attendu);
        QCOMPARE(t15->toolTip().contains("orient"), !mots.isEmpty());
        QCOMPARE(t15->accessibleDescription(), dispersion);
        QVERIFY(t15->accessibleName().endsWith(mots));
        // Unticking every line takes the explanation away.
        for (int i = 0; i < valeurs.size(); ++i)
            b.c<QCheckBox>(QStringLiteral("Chec_%1").arg(i))->setChecked(false);
        QVERIFY(!t15->toolTip().contains("orient") && t15->accessibleDescription().isEmpty());
    }

    void langueChangee() {
        Banc b("F");
        b.lignes({"-12,10"});
        b.clic("Option5_1");
        QVERIFY(b.c("Text15")->toolTip().startsWith(QString::fromUtf8("pared orientada 12,10°")));
        QVERIFY(b.c("Text10")->toolTip().startsWith(QString::fromUtf8("Zona horaria utilizada")));
        // About applies the same language again: the explanation stays.
        b.clic("Command6");
        QVERIFY(b.c("Text15")->toolTip().startsWith(QString::fromUtf8("pared orientada 12,10°")));
    }

    // Longitudes at 41' past the degree. Tokyo 139°41' E: solar time UTC+9.3 h; 2°41' E:
    // UTC+0.18 h; 74°41' W: UTC-4.98 h. The rule's edges are the solar tests' business.
    void fuseau_data() {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QByteArray>("deg");
        QTest::addColumn<bool>("est");
        QTest::addColumn<QString>("bulle");
        QTest::addColumn<bool>("avertit");
        const auto ligne = [](const char* nom, const char* zone, const char* deg, bool est,
                              const char* bulle, bool avertit) {
            QTest::newRow(nom) << QByteArray(zone) << QByteArray(deg) << est << bulle << avertit;
        };
        ligne("Tokyo en UTC", "UTC", "139", true, "UTC+00:00, UTC", true); // 9.3 h
        ligne("Paris", "Europe/Paris", "02", true, "UTC+01:00, Europe/Paris", false);
        ligne("New York en Europe/Paris", "Europe/Paris", "74", false, "UTC+01:00, Europe/Paris",
              true); // 5.98 h
    }
    void fuseau() {
        QFETCH(QByteArray, zone);
        QFETCH(QByteArray, deg);
        QFETCH(bool, est);
        QFETCH(QString, bulle);
        QFETCH(bool, avertit);
        Banc b("F", zone, deg, est);
        QCOMPARE(b.c("Text10")->toolTip(), QString::fromUtf8("Fuseau horaire utilisé : ") + bulle);
        QCOMPARE(b.c<QLabel>("Label15")->toolTip(), b.c("Text10")->toolTip());
        QCOMPARE(b.c<QLabel>("Label7")->text(), avertit ? AvertFr : QString());
    }

    // The warning gives way to an input error and comes back once the error is gone; it
    // goes when the place is corrected.
    void avertissementEtErreurs() {
        Banc b("F", "UTC", "139");
        auto* label7 = b.c<QLabel>("Label7");
        QCOMPARE(label7->text(), AvertFr);
        QTest::keyClicks(b.c("Text12"), "200");
        b.clic("Command1");
        const QString erreur = label7->text();
        QVERIFY(erreur.startsWith(QString::fromUtf8("L'angle mesuré")));
        b.w->Timer1_Timer();
        QCOMPARE(label7->text(), erreur);
        b.fakes.clock.regler(QDateTime(QDate(2008, 2, 11), QTime(3, 0), Qt::UTC)); // noon there
        b.c<QLineEdit>("Text12")->clear();
        QTest::keyClicks(b.c("Text12"), "60");
        b.clic("Command1");
        QCOMPARE(label7->text(), AvertFr);
        b.c<QLineEdit>("Text3")->selectAll();
        QTest::keyClicks(b.c("Text3"), "2");
        QCOMPARE(label7->text(), QString());
        QCOMPARE(b.c("Text10")->toolTip(),
                 QString::fromUtf8("Fuseau horaire utilisé : UTC+00:00, UTC"));
    }
};

QTEST_MAIN(TestMoyenne)
#include "tst_moyenne.moc"
