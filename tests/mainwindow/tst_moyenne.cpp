#include "fakes.h"
#include "mainwindow/formtalvan.h"

#include <QtTest>
#include <QtWidgets>

namespace {

const QString AvertFr =
    QString::fromUtf8("Fuseau de l'ordinateur à plus de 3 h de la longitude : vérifiez-le !");

// The window in a French user's regional format at the fake clock's instant (11 February
// 2008, 12:00 UTC), at a longitude given in degrees and minutes, east or west.
struct Banc {
    FakeServices fakes;
    std::unique_ptr<FormTalvan> w;

    Banc(const char* langue, const char* zone = "Europe/Paris", const char* deg = "02",
         const char* min = "20", bool est = true) {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        fakes.clock.reglerZone(zone);
        auto& v = fakes.settings.valeurs;
        v.insert("Start/Langue", langue);
        v.insert("Start/deglon", deg);
        v.insert("Start/minlon", min);
        v.insert("Start/lon", est ? "True" : "False");
        w = std::make_unique<FormTalvan>(fakes.services());
        w->Charger();
    }
    template <typename T = QLineEdit> T* c(const QString& nom) const {
        return w->findChild<T*>(nom);
    }
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
        const auto u = [](const char* s) { return QString::fromUtf8(s); };
        // mean 12; deviations -2, 0, 2: sd sqrt(8/2) = 2, se 2/sqrt 3 = 1.1547, range 4
        QTest::newRow("ouest du sud")
            << "F" << QStringList{"10", "12", "14"}
            << u("mur orienté 12,00° vers l'ouest du sud (azimut 192,00°)")
            << u("3 mesures cochées : écart type 2,00°, erreur type de "
                 "la moyenne 1,15°, étendue 4,00°");
        // One line: a direction, no spread.
        QTest::newRow("est du sud")
            << "F" << QStringList{"-12,10"}
            << u("mur orienté 12,10° vers l'est du sud (azimut 167,90°)") << QString();
        // Across ±180 the mean is north; deviations -1, +1: sd sqrt 2 = 1.414, se 1, range 2
        QTest::newRow("plein nord")
            << "F" << QStringList{"179", "-179"} << u("mur orienté plein nord (azimut 0,00°)")
            << u("2 mesures cochées : écart type 1,41°, erreur type de "
                 "la moyenne 1,00°, étendue 2,00°");
        QTest::newRow("plein sud")
            << "F" << QStringList{"0,5", "-0,5"} << u("mur orienté plein sud (azimut 180,00°)")
            << u("2 mesures cochées : écart type 0,71°, erreur type de "
                 "la moyenne 0,50°, étendue 1,00°");
        // Beyond 90° west the wall faces north-west: 180 - 120 = 60° west of north.
        QTest::newRow("ouest du nord")
            << "F" << QStringList{"120"}
            << u("mur orienté 60,00° vers l'ouest du nord (azimut 300,00°)") << QString();
        // No wall has 400°: no words, no spread.
        QTest::newRow("hors limites") << "F" << QStringList{"400", "10"} << QString() << QString();
        QTest::newRow("es este") << "E" << QStringList{"-12,1"}
                                 << u("pared orientada 12,10° al este del sur (azimut 167,90°)")
                                 << QString();
        // mean 20; deviations -10, 10: sd sqrt(200) = 14.142, se 10, range 20
        QTest::newRow("es oeste") << "E" << QStringList{"10", "30"}
                                  << u("pared orientada 20,00° al oeste del sur (azimut 200,00°)")
                                  << u("2 medidas marcadas: desviación típica 14,14°, error "
                                       "típico de la media 10,00°, rango 20,00°");
        QTest::newRow("es norte") << "E" << QStringList{"180"}
                                  << u("pared orientada al norte (azimut 0,00°)") << QString();
    }
    void resultatExplique() {
        QFETCH(QString, langue);
        QFETCH(QStringList, valeurs);
        QFETCH(QString, mots);
        QFETCH(QString, dispersion);
        Banc b(langue.toLatin1().constData());
        b.lignes(valeurs);
        auto* t15 = b.c("Text15");
        const QStringList bulle = t15->toolTip().split('\n');
        QStringList attendu;
        for (const QString& s : {mots, dispersion})
            if (!s.isEmpty())
                attendu << s;
        QCOMPARE(bulle.mid(0, attendu.size()), attendu);
        QVERIFY(!t15->toolTip().contains(QStringLiteral("°")) || !mots.isEmpty());
        QCOMPARE(t15->accessibleDescription(), dispersion);
        QCOMPARE(t15->accessibleName().endsWith(mots), true);
        QCOMPARE(t15->accessibleName().contains(QStringLiteral("orient")), !mots.isEmpty());

        // Unticking every line takes the explanation away.
        for (int i = 0; i < valeurs.size(); ++i)
            b.c<QCheckBox>(QStringLiteral("Chec_%1").arg(i))->setChecked(false);
        QVERIFY(!t15->toolTip().contains(QStringLiteral("orient")));
        QCOMPARE(t15->accessibleDescription(), QString());
    }

    void langueChangee() {
        Banc b("F");
        b.lignes({"-12,10"});
        QTest::mouseClick(b.c<QToolButton>("Option5_1"), Qt::LeftButton);
        QVERIFY(b.c("Text15")->toolTip().startsWith(QString::fromUtf8("pared orientada 12,10°")));
        QVERIFY(b.c("Text10")->toolTip().startsWith(QString::fromUtf8("Zona horaria utilizada")));
    }

    // Tokyo is at 139°41' E: its solar time is UTC+9.3 h; Paris at 2°20' E, UTC+0.16 h.
    void fuseau_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("deg");
        QTest::addColumn<bool>("est");
        QTest::addColumn<QString>("bulle");
        QTest::addColumn<bool>("avertit");
        QTest::newRow("Tokyo en UTC") << "UTC"
                                      << "139" << true << "UTC+00:00, UTC" << true;
        QTest::newRow("Tokyo") << "Asia/Tokyo"
                               << "139" << true << "UTC+09:00, Asia/Tokyo" << false;
        QTest::newRow("Paris") << "Europe/Paris"
                               << "02" << true << "UTC+01:00, Europe/Paris" << false;
        // 74° W is UTC-4.9 h; Paris's UTC+1 is 5.9 h away.
        QTest::newRow("New York en Europe/Paris")
            << "Europe/Paris"
            << "74" << false << "UTC+01:00, Europe/Paris" << true;
        // Moscow's UTC+3 is 2.82 h from 2°41' E (within the band), 3.65 h from 9°41' W.
        QTest::newRow("Paris en Moscou") << "Europe/Moscow"
                                         << "02" << true << "UTC+03:00, Europe/Moscow" << false;
        QTest::newRow("Lisbonne en Moscou") << "Europe/Moscow"
                                            << "09" << false << "UTC+03:00, Europe/Moscow" << true;
    }
    void fuseau() {
        QFETCH(QString, zone);
        QFETCH(QString, deg);
        QFETCH(bool, est);
        QFETCH(QString, bulle);
        QFETCH(bool, avertit);
        Banc b("F", zone.toLatin1().constData(), deg.toLatin1().constData(), "41", est);
        const QString attendu = QString::fromUtf8("Fuseau horaire utilisé : ") + bulle;
        QCOMPARE(b.c("Text10")->toolTip(), attendu);
        QCOMPARE(b.c<QLabel>("Label15")->toolTip(), attendu);
        QCOMPARE(b.c<QLabel>("Label7")->text(), avertit ? AvertFr : QString());
    }

    // The warning gives way to an input error and comes back once the error is gone; it
    // goes when the place is corrected.
    void avertissementEtErreurs() {
        Banc b("F", "UTC", "139", "41", true);
        auto* label7 = b.c<QLabel>("Label7");
        QCOMPARE(label7->text(), AvertFr);
        QTest::keyClicks(b.c("Text12"), "200");
        QTest::mouseClick(b.c<QToolButton>("Command1"), Qt::LeftButton);
        const QString erreur = label7->text();
        QVERIFY(erreur.startsWith(QString::fromUtf8("L'angle mesuré")));
        b.w->Timer1_Timer();
        QCOMPARE(label7->text(), erreur);
        b.fakes.clock.regler(QDateTime(QDate(2008, 2, 11), QTime(3, 0), Qt::UTC)); // noon there
        b.c("Text12")->clear();
        QTest::keyClicks(b.c("Text12"), "60");
        QTest::mouseClick(b.c<QToolButton>("Command1"), Qt::LeftButton);
        QCOMPARE(label7->text(), AvertFr);
        b.c("Text3")->selectAll();
        QTest::keyClicks(b.c("Text3"), "2");
        QCOMPARE(label7->text(), QString());
        QCOMPARE(b.c("Text10")->toolTip(),
                 QString::fromUtf8("Fuseau horaire utilisé : UTC+00:00, UTC"));
    }
};

QTEST_MAIN(TestMoyenne)
#include "tst_moyenne.moc"
