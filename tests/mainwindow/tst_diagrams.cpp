#include "mainwindow/canvas.h"
#include "mainwindow/diagrams.h"
#include "solar/calculerror.h"

#include <QtTest>
#include <cmath>

using Genre = Primitive::Genre;

namespace {

QVector<Primitive> filtrer(const Canvas& pic, Genre genre, const QColor& couleur) {
    QVector<Primitive> r;
    for (const Primitive& p : pic.primitives())
        if (p.genre == genre && p.couleur == couleur)
            r << p;
    return r;
}

const auto proche = [](QPointF a, QPointF b) { return QLineF(a, b).length() < 1e-3; };
const QColor Gris(128, 128, 128);

} // namespace

class TestDiagrammes : public QObject {
    Q_OBJECT

private slots:
    void azimut_data() {
        QTest::addColumn<double>("azp");
        QTest::addColumn<double>("moy");
        QTest::newRow("matin, pas de moyenne") << 100.0 << qQNaN();
        QTest::newRow("mur plein sud, moyenne 0") << 100.0 << 0.0;
        QTest::newRow("après-midi, mur ouest") << 250.0 << 30.0;
        QTest::newRow("mur est") << 200.0 << -30.0;
        QTest::newRow("mur nord, moyenne 180") << 300.0 << 180.0; // east-west, as a south wall
    }

    void azimut() {
        QFETCH(double, azp);
        QFETCH(double, moy);
        Canvas pic;
        pic.resize(200, 150); // 3000 x 2250 twips: the centre comes from the width alone
        const std::optional<double> moyenne = std::isnan(moy) ? std::nullopt : std::optional(moy);
        DessinerAzimut(pic, azp, moyenne);
        const QPointF centre(1500, 1420);

        const auto marques = filtrer(pic, Genre::Cercle, Gris);
        QCOMPARE(marques.size(), 13); // every 30 degrees from straight below, back to it
        for (int i = 0; i <= 12; ++i)
            QVERIFY(proche(marques[i].p1, centre + 1000 * QPointF(std::sin(i * M_PI / 6),
                                                                  std::cos(i * M_PI / 6))));

        const double z = qDegreesToRadians(azp); // north up, east right: (sin z, -cos z)
        const QPointF bout = centre + 3000 / 3.5 * QPointF(std::sin(z), -std::cos(z));
        const auto bleus = filtrer(pic, Genre::Ligne, QColor(0, 0, 255));
        QVERIFY(bleus.size() == 5 && proche(bleus[0].p1, centre) && proche(bleus[0].p2, bout));
        QVERIFY(proche(bleus[4].p2, 2 * centre - bout)); // the shadow

        // A west declination turns the wall clockwise on the screen (y downward).
        const double pente = std::tan(qDegreesToRadians(moy));
        const auto murs = filtrer(pic, Genre::Ligne, QColor(0, 128, 0));
        QCOMPARE(murs.size(), moyenne ? 1 : 0);
        for (const Primitive& m : murs)
            QCOMPARE_LE(std::abs(QLineF(m.p1, m.p2).dy() / QLineF(m.p1, m.p2).dx() - pente), 1e-6);
        QCOMPARE(std::pair(pic.style(), pic.largeur()), std::pair(1, 1)); // the pen left

        QVERIFY_THROWS_EXCEPTION(solar::CalculError, DessinerAzimut(pic, qQNaN(), moyenne));
        QCOMPARE(filtrer(pic, Genre::Cercle, Gris).size(), 13); // the last good drawing stays
    }

    void hauteur_data() {
        QTest::addColumn<double>("h");
        QTest::addColumn<double>("y");
        QTest::newRow("jour") << 30.0 << 2800.0;
        QTest::newRow("horizon") << 0.0 << 200.0;
        QTest::newRow("nuit") << -10.0 << 200.0;
    }

    void hauteur() {
        QFETCH(double, h);
        QFETCH(double, y);
        Canvas pic;
        pic.resize(200, 140); // 3000 x 2100 twips: the observer's height comes from the width
        DessinerHauteur(pic, h);
        const QPointF observateur(2800, y);

        const auto arcs = filtrer(pic, Genre::Arc, Gris);
        QCOMPARE(arcs.size(), h > 0 ? 7 : 0);
        if (h > 0) { // from straight above the observer to straight left of it
            QVERIFY(proche(arcs.first().p1, observateur - QPointF(0, 2000)));
            QVERIFY(proche(arcs.last().p1, observateur - QPointF(2000, 0)));
        }

        const auto rayon = filtrer(pic, Genre::Ligne, QColor(192, 64, 0));
        QCOMPARE(rayon.size(), 4); // leaving to the left, rising by h (y downward)
        const double c = qDegreesToRadians(h);
        QVERIFY(proche(rayon[0].p1, observateur));
        QVERIFY(proche(rayon[0].p2, observateur - 3000 / 1.7 * QPointF(std::cos(c), std::sin(c))));
        QCOMPARE(std::pair(pic.style(), pic.largeur()), std::pair(0, 1));
        QVERIFY_THROWS_EXCEPTION(solar::CalculError, DessinerHauteur(pic, -qInf()));
    }
};

QTEST_MAIN(TestDiagrammes)
#include "tst_diagrams.moc"
