#include "fakes.h"
#include "mainwindow/formtalvan.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

namespace {

// The window in a French user's regional format at the fake clock's instant (11 February
// 2008, 12:00 UTC) unless told, on the fake settings and `cles`.
struct Banc : Fenetre<FormTalvan> {
    Banc(const char* langue, const char* zone = "Europe/Paris",
         std::initializer_list<std::pair<const char*, const char*>> cles = {}, const char* utc = "")
        : Fenetre((QLocale::setDefault(QLocale(QLocale::French, QLocale::France)), langue), utc,
                  zone, cles) {}
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

    // What the result's tooltip and a screen reader say of the average; the arithmetic is the
    // solar tests'. The wall's azimuth from north is 180 + declination (west positive).
    void resultatExplique_data() {
        QTest::addColumn<Explique>("cas");
        // By hand: mean 12; deviations -2, 0, 2: sd sqrt(8 / 2) = 2, se 2 / sqrt 3, range 4.
        QTest::newRow("ouest du sud") << Explique{
            "F",
            {"10", "12", "14"},
            "mur orienté 12,00° vers l'ouest du sud (azimut 192,00°)",
            "3 mesures cochées : écart type 2,00°, erreur type de la moyenne 1,15°, étendue 4,00°"};
        // One line: no statistics at all.
        QTest::newRow("es norte") << Explique{
            "E", {"180"}, "pared orientada al norte (azimut 0,00°)", ""};
    }
    void resultatExplique() {
        QFETCH(Explique, cas);
        const auto& [langue, valeurs, mots, dispersion] = cas;
        Banc b(langue);
        for (int i = 0; i < valeurs.size(); ++i) {
            QTest::keyClicks(b.dg(i), valeurs[i]);
            b.chec(i)->setChecked(true);
        }
        auto* t15 = b.c("Text15");
        QCOMPARE(t15->toolTip().section('\n', 0, dispersion.isEmpty() ? 0 : 1),
                 dispersion.isEmpty() ? mots : mots + '\n' + dispersion);
        QCOMPARE(t15->accessibleDescription(), dispersion);
        QVERIFY(t15->accessibleName().endsWith(mots));
        // Unticking every line takes the explanation away.
        for (int i = 0; i < valeurs.size(); ++i)
            b.chec(i)->setChecked(false);
        QVERIFY(!t15->toolTip().contains("orient") && t15->accessibleDescription().isEmpty());
    }

    // Tokyo (139°41' E, solar time UTC+9.3 h) on UTC: the warning gives way to an input error
    // and comes back once the error is gone; it goes when the place is corrected.
    void avertissementEtErreurs() {
        const QString avert =
            u"Fuseau de l'ordinateur à plus de 3\u00A0h de la longitude\u00A0: vérifiez-le\u00A0!"_s;
        Banc b("F", "UTC", {{"deglon", "139"}, {"minlon", "41"}, {"lon", "True"}});
        QCOMPARE(b.texte("Label7"), avert);
        b.calculer("200");
        const QString erreur = b.texte("Label7");
        QVERIFY(erreur.startsWith(u"L'angle mesuré"_s));
        b.tic();
        QCOMPARE(b.texte("Label7"), erreur);
        b.fakes.clock.regler(QDateTime(QDate(2008, 2, 11), QTime(3, 0), Qt::UTC)); // noon there
        b.calculer("60");
        QCOMPARE(b.texte("Label7"), avert);
        b.c<QLineEdit>("Text3")->selectAll();
        QTest::keyClicks(b.c("Text3"), "2");
        QCOMPARE(b.texte("Label7"), QString());
        QCOMPARE(b.c("Text10")->toolTip(), u"Fuseau horaire utilisé : UTC+00:00, UTC"_s);
        QCOMPARE(b.c("Label15")->toolTip(), b.c("Text10")->toolTip());
    }

    // The clock's example 1: Madrid (40° 25,2' N, 3° 42' W), 21 June 2026, UTC+2, five
    // readings an hour apart on a clock 157 s fast. Each reading's declination at its
    // corrected instant, from tools/seance_horloge.py (NOAA): 24.855, 24.632, 24.776, 24.752,
    // 24.831. The fit's arithmetic is the solar tests' business.
    void horloge() {
        Banc b("F", "Europe/Madrid",
               {{"deglat", "40"},
                {"minlat", "25.2"},
                {"deglon", "3"},
                {"minlon", "42"},
                {"lon", "False"}},
               "2026-06-21T12:12:10Z");
        const QStringList angles{"59,6", "102,6", "128,2", "143,5", "154,4"};
        for (int i = 0; i < 5; ++i) {
            b.fakes.clock.regler(QDateTime(QDate(2026, 6, 21), QTime(12 + i, 12, 10), Qt::UTC));
            b.calculer(angles[i], true);
        }
        auto* t15 = b.c("Text15");
        // Label7, then the first command of the result's context menu.
        const auto dit = [&] {
            QContextMenuEvent clic(QContextMenuEvent::Mouse, QPoint(5, 5),
                                   t15->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(t15, &clic);
            auto* m = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            const QString texte = m ? m->actions().value(0)->text() : QString();
            if (m)
                m->close();
            return b.texte("Label7") + '|' + texte;
        };
        const QString fr = u"Horloge en avance de 2 min 37 s ± 29 s : déclinaison corrigée "
                           u"24,77° ± 0,23° (moyenne brute 25,83°)"_s;
        QVERIFY2(t15->toolTip().split('\n').contains(fr), qPrintable(t15->toolTip()));
        QVERIFY(t15->accessibleDescription().split('\n').contains(fr));
        QCOMPARE(dit(), u"Horloge en avance de 2 min 37 s d'après les mesures|"
                        u"Corriger l'heure des mesures (−2 min 37 s)"_s);

        b.clic("Option5_1");
        const QString es = u"Reloj adelantado 2 min 37 s ± 29 s: declinación corregida 24,77° ± "
                           u"0,23° (media sin corregir 25,83°)"_s;
        QVERIFY(t15->toolTip().split('\n').contains(es));
        QCOMPARE(dit(), u"Reloj adelantado 2 min 37 s según las medidas|"
                        u"Corregir la hora de las medidas (−2 min 37 s)"_s);
        QVERIFY(b.c("Text10")->toolTip().startsWith(u"Zona horaria utilizada"_s));

        const auto avant = b.w->lectureDeLigne(0);
        QVERIFY(avant);
        b.c<QAction>("ActionCorrigerHeures")->trigger();
        const double attendus[] = {24.855, 24.632, 24.776, 24.752, 24.831};
        for (int i = 0; i < 5; ++i)
            QVERIFY2(std::abs(QLocale().toDouble(b.dg(i)->text()) - attendus[i]) <= 0.015,
                     qPrintable(b.dg(i)->text()));
        QVERIFY(std::abs((b.w->lectureDeLigne(0).value().gmt - avant->gmt) * 86400 + 157) <= 3);
        QVERIFY(t15->toolTip().contains(u"Reloj comprobado: sin desfase significativo"_s));
        QCOMPARE(dit(), "|Copiar el informe");
        const QString correction =
            u"Horas de las medidas 1, 2, 3, 4, 5 corregidas en −2 min 37 s"_s;
        QVERIFY(TexteRapport(b.w->rapport()).contains('\n' + correction + '\n'));
        QVERIFY(QString::fromUtf8(CsvRapport(b.w->rapport())).contains("\r\n" + correction + ';'));

        // Undo (Ctrl+Z) gives back the readings as taken, and the report no longer says corrected.
        b.c<QAction>("ActionAnnulerListe")->trigger();
        QCOMPARE(b.w->lectureDeLigne(0), avant);
        QVERIFY(!TexteRapport(b.w->rapport()).contains(u"corregidas"_s));
        // About applies the same language again: the explanation stays.
        b.clic("Command6");
        QVERIFY(t15->toolTip().split('\n').contains(es));
    }
};

QTEST_MAIN(TestMoyenne)
#include "tst_moyenne.moc"
