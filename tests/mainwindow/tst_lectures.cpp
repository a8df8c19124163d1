#include "fakes.h"
#include "mainwindow/formtalvan.h"
#include "platform/settingsstore.h"

#include <QtTest>
#include <QtWidgets>

// Expected suns from the NOAA solar calculator's formulas (python3, no refraction) for
// Paris, 48° 52' N 2° 20' E, the place a first start shows:
//   2026-12-05 09:12 UTC  azimuth 145.1373  altitude 11.3576  rate 0.2154°/min (sun at +-30 s)
//   2026-12-05 10:12 UTC  azimuth 158.5809
//   2026-12-05 11:12 UTC  azimuth 172.8704
//   2026-12-05 12:12 UTC  azimuth 187.4810
//   2026-06-21 11:50 UTC  azimuth 178.6703  altitude 64.5666  rate 0.5339°/min
// The window's sun (a shorter ephemeris) lies within 0.006° of these; every figure below
// is chosen to round alike anywhere in that band.
// A wall of declination D = azimuth - angle - 90 (the protractor's geometry).

namespace {

// The window on the given settings (the fakes' when null) at a UT instant in Paris.
struct Banc : Fenetre<FormTalvan> {
    explicit Banc(const QDateTime& utc, platform::SettingsStore* reglages = nullptr,
                  const char* langue = "F",
                  std::initializer_list<std::pair<const char*, const char*>> cles = {})
        : Fenetre(langue, qPrintable(utc.toString(Qt::ISODate)), "Europe/Paris", cles, reglages) {}
};

const QDateTime Decembre(QDate(2026, 12, 5), QTime(9, 12), Qt::UTC);

// The instant, the language, the angle; the reading's tooltip.
struct Bulle {
    QDateTime utc;
    const char* langue;
    QString angle, attendu;
};

} // namespace

Q_DECLARE_METATYPE(Bulle)

class TestLectures : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void infobulle_data() {
        QTest::addColumn<Bulle>("cas");
        QTest::newRow("fr") << Bulle{Decembre, "F", "45,14",
                                     "5 déc. 2026 10:12:00 (UTC+01:00) · angle 45,14° · soleil : "
                                     "azimut 145,14°, hauteur 11,4° · 1 min d'horloge = 0,22°"};
        QTest::newRow("es") << Bulle{Decembre, "E", "45,14",
                                     "5 dic 2026 10:12:00 (UTC+01:00) · ángulo 45,14° · sol: "
                                     "azimut 145,14°, altura 11,4° · 1 min de reloj = 0,22°"};
        // Near noon in summer: 0,53° per minute of clock error is above 0,5.
        QTest::newRow("fragile") << Bulle{
            QDateTime(QDate(2026, 6, 21), QTime(11, 50), Qt::UTC), "F", "90",
            "21 juin 2026 13:50:00 (UTC+02:00) · angle 90,00° · soleil : azimut "
            "178,67°, hauteur 64,6° · 1 min d'horloge = 0,53°\nMesure fragile : une "
            "minute d'erreur sur l'heure déplace la déclinaison de plus de 0,5°."};
    }
    void infobulle() {
        QFETCH(Bulle, cas);
        const auto& [utc, langue, angle, attendu] = cas;
        Banc b(utc, nullptr, langue);
        b.calculer(angle);
        // The reading, then the report's commands, which a line never stops naming.
        const QString bulle = b.c("DG_0")->toolTip();
        QCOMPARE(bulle.section('\n', 0, -2), attendu);
        QVERIFY2(bulle.section('\n', -1).contains("+C"), qPrintable(bulle)); // Ctrl+C, Control+C
        QCOMPARE(b.c("DG_0")->accessibleDescription(),
                 (*langue == 'F' ? "non gardée\n" : "no guardada\n") + bulle);
    }

    // Written to the real settings file and read back by the next start; a line edited by
    // hand keeps its text and loses its reading.
    void relecture() {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("orsaline.ini");
        std::optional<solar::Lecture> lue;
        {
            auto reglages = platform::QtSettingsStore::fromFile(chemin);
            Banc b(Decembre, reglages.get());
            b.calculer("45,14", true);
            b.calculer("45,2", true);
            QTest::keyClick(b.c("DG_1"), Qt::Key_End);
            QTest::keyClicks(b.c("DG_1"), "5"); // -> "9,945": typed, not computed
            lue = b.w->lectureDeLigne(0);
            QVERIFY(lue && !b.w->lectureDeLigne(1));
            // 10:12:00 local is 36720 s of the day, 09:12 UTC 9.2 h.
            QCOMPARE(lue->heureLocale, 36720 / 86400.0);
            QCOMPARE(lue->gmt, double(9.2F) / 24); // universal hours are kept in single precision
            QCOMPARE(lue->decalage, 3600);
            QCOMPARE(lue->angle, 45.14);
            b.w->EnregistrerFinDeSession();
        }
        auto reglages = platform::QtSettingsStore::fromFile(chemin);
        Banc b(Decembre, reglages.get());
        QCOMPARE(b.texte("DG_0"), "10,00");
        QCOMPARE(b.texte("DG_1"), "9,945");
        QCOMPARE(b.w->lectureDeLigne(0), lue);
        QVERIFY(!b.w->lectureDeLigne(1) && !b.c("DG_1")->toolTip().contains('\n'));
    }

    // Angles 45.14 at 09:12 and 58.585 at 10:12 UTC give D = 9.9973 and 9.9959, mean
    // 9.9966. The third reading's shadow is that of 12:12 UTC on a clock that says 11:12:
    // angle 87.483 gives 172.8704 - 87.483 - 90 = -4.6126, 14.61 from the others' mean
    // (band max(3 x 0.001, 1) = 1); an hour later 187.4810 - 87.483 - 90 = 9.998. A saved word
    // line above them is kept but not ticked: the readings go to lines 1 to 3.
    void aberrante() {
        Banc b(Decembre, nullptr, "F", {{"0", "mur ?"}, {"Mem", "1"}});
        b.calculer("45,14", true);
        b.fakes.clock.regler(Decembre.addSecs(3600));
        b.calculer("58,585", true);
        b.fakes.clock.regler(Decembre.addSecs(7200));
        b.calculer("87,483", true);
        QCOMPARE(b.texte("DG_3"), "-4,61");
        const QColor fond = b.c("DG_3")->palette().color(QPalette::Base);
        QCOMPARE_NE(fond, b.c("DG_1")->palette().color(QPalette::Base));
        QVERIFY(fond != Qt::black && fond != QColor(0, 128, 0));
        QCOMPARE(b.c("DG_3")->palette().color(QPalette::Text), QColor(0, 128, 0)); // still kept
        const QStringList bulle = b.c("DG_3")->toolTip().split('\n');
        QCOMPARE(bulle.mid(1, 2), // between the reading and the report's commands
                 QStringList({"Mesure à l'écart : à 14,61° de la moyenne des autres mesures "
                              "cochées (10,00°), au-delà de la tolérance de 1,00°.",
                              "L'heure était sans doute fausse d'une heure (heure d'été) : avec "
                              "+1 h, la déclinaison serait 10,00°."}));
        QCOMPARE(b.c("DG_1")->toolTip().count('\n'), 1); // its reading, the report's commands
        // Unticked, it is compared no more: the mark goes.
        QTest::mouseClick(b.c<QCheckBox>("Chec_3"), Qt::LeftButton);
        QCOMPARE(b.c("DG_3")->palette().color(QPalette::Base),
                 b.c("DG_1")->palette().color(QPalette::Base));
        QCOMPARE(b.c("DG_3")->toolTip().count('\n'), 1);
    }
};

QTEST_MAIN(TestLectures)
#include "tst_lectures.moc"
