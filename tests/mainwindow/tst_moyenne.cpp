#include "fakes.h"
#include "mainwindow/formtalvan.h"

#include <QtTest>
#include <QtWidgets>

namespace {

const QString AvertFr =
    QString::fromUtf8("Fuseau de l'ordinateur à plus de 3 h de la longitude : vérifiez-le !");

// The window in a French user's regional format at the fake clock's instant (11 February
// 2008, 12:00 UTC), at a longitude of `deg`°41' east.
struct Banc : Fenetre<FormTalvan> {
    Banc(const char* langue, const char* zone = "Europe/Paris", const char* deg = "02")
        : Fenetre((QLocale::setDefault(QLocale(QLocale::French, QLocale::France)), langue), "",
                  zone, {{"deglon", deg}, {"minlon", "41"}, {"lon", "True"}}) {}
    void lignes(const QStringList& valeurs) const {
        for (int i = 0; i < valeurs.size(); ++i) {
            QTest::keyClicks(dg(i), valeurs[i]);
            chec(i)->setChecked(true);
        }
    }
};

// The language, the lines ticked; the wall in words, the statistics.
struct Explique {
    const char* langue;
    QStringList valeurs;
    QString mots, dispersion;
};

} // namespace

Q_DECLARE_METATYPE(Explique)

class TestMoyenne : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // The wall's azimuth from north is 180 + declination (west positive). By hand: sd =
    // sqrt(sum of squared deviations / (n - 1)), standard error sd / sqrt(n), range.
    void resultatExplique_data() {
        QTest::addColumn<Explique>("cas");
        // mean 12; deviations -2, 0, 2: sd sqrt(8/2) = 2, se 2/sqrt 3 = 1.1547, range 4
        QTest::newRow("ouest du sud")
            << Explique{"F",
                        {"10", "12", "14"},
                        "mur orienté 12,00° vers l'ouest du sud (azimut 192,00°)",
                        "3 mesures cochées : écart type 2,00°, erreur type de la moyenne 1,15°, "
                        "étendue 4,00°"};
        QTest::newRow("plein nord")
            << Explique{"F", {"180"}, "mur orienté plein nord (azimut 0,00°)", ""};
        // mean 20; deviations -10, 10: sd sqrt(200) = 14.142, se 10, range 20
        QTest::newRow("es oeste") << Explique{
            "E",
            {"10", "30"},
            "pared orientada 20,00° al oeste del sur (azimut 200,00°)",
            "2 medidas marcadas: desviación típica 14,14°, error típico de la media "
            "10,00°, rango 20,00°"};
        QTest::newRow("es norte") << Explique{
            "E", {"180"}, "pared orientada al norte (azimut 0,00°)", ""};
    }
    void resultatExplique() {
        QFETCH(Explique, cas);
        const auto& [langue, valeurs, mots, dispersion] = cas;
        Banc b(langue);
        b.lignes(valeurs);
        auto* t15 = b.c("Text15");
        QStringList attendu{mots, dispersion};
        attendu.removeAll(QString());
        QCOMPARE(t15->toolTip().split('\n').mid(0, attendu.size()), attendu);
        QCOMPARE(t15->accessibleDescription(), dispersion);
        QVERIFY(t15->accessibleName().endsWith(mots));
        // Unticking every line takes the explanation away.
        for (int i = 0; i < valeurs.size(); ++i)
            b.chec(i)->setChecked(false);
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

    // Tokyo (139°41' E, solar time UTC+9.3 h) on UTC: the warning gives way to an input error
    // and comes back once the error is gone; it goes when the place is corrected.
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
        QCOMPARE(b.c<QLabel>("Label15")->toolTip(), b.c("Text10")->toolTip());
    }

    // The clock's example 1: Madrid (40° 25,2' N, 3° 42' W), 21 June 2026, UTC+2, five
    // readings an hour apart on a clock 157 s fast. Each reading's declination at its
    // corrected instant, from tools/seance_horloge.py (NOAA): 24.855, 24.632, 24.776, 24.752,
    // 24.831. The fit's arithmetic is the solar tests' business.
    void horloge() {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        Fenetre<FormTalvan> b("F", "2026-06-21T12:12:10Z", "Europe/Madrid",
                              {{"deglat", "40"},
                               {"minlat", "25.2"},
                               {"deglon", "3"},
                               {"minlon", "42"},
                               {"lon", "False"}});
        const QStringList angles{"59,6", "102,6", "128,2", "143,5", "154,4"};
        for (int i = 0; i < 5; ++i) {
            b.fakes.clock.regler(QDateTime(QDate(2026, 6, 21), QTime(12 + i, 12, 10), Qt::UTC));
            b.calculer(angles[i], true);
        }
        auto* t15 = b.c("Text15");
        const auto menu = [&] { // the first command of the result's context menu
            QContextMenuEvent clic(QContextMenuEvent::Mouse, QPoint(5, 5),
                                   t15->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(t15, &clic);
            auto* m = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            const QString texte = m ? m->actions().value(0)->text() : QString();
            if (m)
                m->close();
            return texte;
        };
        const QString fr = QString::fromUtf8("Horloge en avance de 2 min 37 s ± 29 s : déclinaison "
                                             "corrigée 24,77° ± 0,23° (moyenne brute 25,83°)");
        QVERIFY2(t15->toolTip().split('\n').contains(fr), qPrintable(t15->toolTip()));
        QVERIFY(t15->accessibleDescription().split('\n').contains(fr));
        QCOMPARE(b.texte("Label7"), "Horloge en avance de 2 min 37 s d'après les mesures");
        QCOMPARE(menu(), QString::fromUtf8("Corriger l'heure des mesures (−2 min 37 s)"));

        b.clic("Option5_1");
        QVERIFY(t15->toolTip().split('\n').contains(QString::fromUtf8(
            "Reloj adelantado 2 min 37 s ± 29 s: declinación corregida 24,77° ± 0,23° (media "
            "sin corregir 25,83°)")));
        QCOMPARE(b.texte("Label7"),
                 QString::fromUtf8("Reloj adelantado 2 min 37 s según las medidas"));
        QCOMPARE(menu(), QString::fromUtf8("Corregir la hora de las medidas (−2 min 37 s)"));

        const auto avant = b.w->lectureDeLigne(0);
        QVERIFY(avant);
        b.c<QAction>("ActionCorrigerHeures")->trigger();
        const double attendus[] = {24.855, 24.632, 24.776, 24.752, 24.831};
        for (int i = 0; i < 5; ++i)
            QVERIFY2(std::abs(QLocale().toDouble(b.dg(i)->text()) - attendus[i]) <= 0.015,
                     qPrintable(b.dg(i)->text()));
        QVERIFY(std::abs((b.w->lectureDeLigne(0).value().gmt - avant->gmt) * 86400 + 157) <= 3);
        QVERIFY(t15->toolTip().contains(
            QString::fromUtf8("Reloj comprobado: sin desfase significativo")));
        QCOMPARE(b.texte("Label7"), QString());
        QCOMPARE(menu(), QString::fromUtf8("Copiar el informe"));
        const QString correction =
            QString::fromUtf8("Horas de las medidas 1, 2, 3, 4, 5 corregidas en \u22122 min 37 s");
        QVERIFY(TexteRapport(b.w->rapport()).contains('\n' + correction + '\n'));
        QVERIFY(QString::fromUtf8(CsvRapport(b.w->rapport())).contains("\r\n" + correction + ';'));

        // Undo (Ctrl+Z) gives back the readings as taken, and the report no longer says corrected.
        b.c<QAction>("ActionAnnulerListe")->trigger();
        QCOMPARE(b.w->lectureDeLigne(0), avant);
        QVERIFY(!TexteRapport(b.w->rapport()).contains(QString::fromUtf8("corregidas")));
    }
};

QTEST_MAIN(TestMoyenne)
#include "tst_moyenne.moc"
