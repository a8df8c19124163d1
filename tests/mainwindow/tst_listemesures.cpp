// The merge of the list with what another copy of the program saved, without a window.

#include "fakes.h"
#include "mainwindow/listemesures.h"
#include "solar/lecture.h"

#include <QSet>
#include <QtTest>
#include <random>

using mesures::ListeMesures;

namespace {

// "10 20 30": the lines' texts from line 0, the others empty.
ListeMesures liste(const QString& textes) {
    ListeMesures l;
    for (qsizetype i = 0; const QString& t : textes.split(' ', Qt::SkipEmptyParts))
        l[i++].texte = t;
    return l;
}

QString textes(const ListeMesures& l) {
    QStringList t;
    for (const mesures::LigneMesure& m : l)
        if (!m.vide())
            t << m.texte;
    return t.join(' ');
}

// The window's list, its kept lines, the stored list as the window last read or wrote it and as
// it is now; what is written ("-" for nothing) then its count of kept lines, and ", left out"
// when some of the window's lines found no room.
struct Cas {
    QString affichee;
    int mem;
    QString connue, stockee, ecrite;
};

} // namespace

Q_DECLARE_METATYPE(Cas)

class TestListeMesures : public QObject {
    Q_OBJECT

private slots:
    void aEnregistrer_data() {
        QTest::addColumn<Cas>("c");
        QTest::newRow("another copy reset, list untouched") << Cas{"10 20", 2, "10 20", "", "-"};
        // Both changed: the window's lines, then what the other copy added (50, 60).
        QTest::newRow("five lines") << Cas{"10 20 30", 3, "10", "10 50 60", "10 20 30 50 60 5"};
        QTest::newRow("a line too many")
            << Cas{"10 20 30 40", 4, "10", "10 50 60", "10 20 30 50 60 5, left out"};
    }
    void aEnregistrer() {
        QFETCH(Cas, c);
        const auto e =
            mesures::aEnregistrer(liste(c.affichee), c.mem, liste(c.connue), liste(c.stockee));
        QCOMPARE((e.ecrire ? textes(e.lignes) + ' ' + QString::number(e.mem) : "-") +
                     (e.deborde ? ", left out" : ""),
                 c.ecrite);
    }

    // A stored reading whose sun is not that of its instant and place is dropped, its line
    // kept. 5 Dec 2026 10:12 at UTC+1 in Paris, sun from NOAA; D = az + (90 - 67.4) - 180.
    void lectureHorsDuCiel() {
        const solar::Lecture l(5, 12, 2026, 0.425, 3600, double(9.2f) / 24, 48 + 52 / 60.0,
                               -(2 + 20 / 60.0), 67.4, 145.13723350385487, 11.35751980623246);
        solar::Lecture fausse = l;
        fausse.azimut += 0.02;
        MemorySettings s;
        s.ecrire("Start", "0", "-12.26");
        s.ecrire("Start", "L0", QString::fromStdString(solar::TexteLecture(l)));
        s.ecrire("Start", "1", "-12.24");
        s.ecrire("Start", "L1", QString::fromStdString(solar::TexteLecture(fausse)));
        const ListeMesures liste = mesures::lireListe(s);
        QVERIFY(liste[0].lecture && !liste[1].lecture);
        QCOMPARE(liste[1].texte, "-12.24");
    }

    // Two copies on one stored list: random keeps, erases and saves, then both quit in a random
    // order, each saving as the window does. A reading kept and not erased is never lost: after
    // a save it is stored if it was stored or shown by the saving copy, unless the lines were full.
    void jamaisPerdue() {
        const quint64 graine = qEnvironmentVariable("ORSALINE_SEED", "20261206").toULongLong();
        std::mt19937_64 alea(graine);
        struct Copie {
            ListeMesures liste, connue;
            int mem = 0;
            bool finie = false;
        };
        for (int tour = 0; tour < 3000; ++tour) {
            Copie copies[2];
            ListeMesures stockee;
            QSet<QString> vivantes, excusees, perdues; // kept; left out for want of room; lost

            int suivante = 0;
            const auto sauver = [&](Copie& c) {
                QSet<QString> attendues;
                for (const ListeMesures& l : {c.liste, stockee})
                    for (const mesures::LigneMesure& m : l)
                        if (vivantes.contains(m.texte) && !excusees.contains(m.texte))
                            attendues << m.texte;
                const mesures::Enregistrement e =
                    mesures::aEnregistrer(c.liste, c.mem, c.connue, stockee);
                if (e.ecrire)
                    stockee = e.lignes;
                c.connue = c.liste;
                const QStringList apres = textes(stockee).split(' ', Qt::SkipEmptyParts);
                for (const QString& r : attendues)
                    if (!apres.contains(r))
                        (apres.size() == 5 ? excusees : perdues) << r;
            };
            for (int pas = 0; pas < 24; ++pas) {
                Copie& c = copies[alea() % 2];
                const unsigned geste = alea() % 5; // keep (0, 1), erase the last kept line,
                if (c.finie)                       // the session's save, quit with "Oui"
                    continue;
                if (geste < 2 && c.mem < 5)
                    vivantes << (c.liste[c.mem++].texte = QString::number(++suivante));
                else if (geste == 2 && c.mem > 0)
                    vivantes.remove(std::exchange(c.liste[--c.mem], {}).texte);
                else if (geste > 2)
                    (sauver(c), c.finie = geste == 4);
            }
            for (Copie* c : alea() % 2 ? std::array{&copies[0], &copies[1]}
                                       : std::array{&copies[1], &copies[0]})
                if (!c->finie)
                    sauver(*c);
            QVERIFY2(perdues.isEmpty(),
                     qPrintable(QString("seed %1 round %2: lost ").arg(graine).arg(tour) +
                                perdues.values().join(' ')));
        }
    }
};

QTEST_GUILESS_MAIN(TestListeMesures)
#include "tst_listemesures.moc"
