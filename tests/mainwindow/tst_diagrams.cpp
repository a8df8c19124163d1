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
    // The sun's azimuth from north and the wall (its declination from south, west positive),
    // seen from above; no wall without an average, one for an average of 0.
    void azimut() {
        for (const auto& [azp, moyenne] : {std::pair{100.0, std::optional<double>()},
                                           {100.0, std::optional(0.0)},
                                           {250.0, std::optional(30.0)}}) {
            Canvas pic;
            pic.resize(200, 150); // 3000 x 2250 twips: the centre comes from the width alone
            DessinerAzimut(pic, azp, moyenne);
            const QPointF centre(1500, 1420);
            QCOMPARE(filtrer(pic, Genre::Cercle, Gris).size(), 13); // every 30 degrees, and back
            const double z = qDegreesToRadians(azp); // north up, east right: (sin z, -cos z)
            const QPointF bout = centre + 3000 / 3.5 * QPointF(std::sin(z), -std::cos(z));
            const auto bleus = filtrer(pic, Genre::Ligne, QColor(0, 0, 255));
            QVERIFY(bleus.size() == 5 && proche(bleus[0].p1, centre) && proche(bleus[0].p2, bout));
            QVERIFY(proche(bleus[4].p2, 2 * centre - bout)); // the shadow
            // A west declination turns the wall clockwise on the screen (y downward).
            const auto murs = filtrer(pic, Genre::Ligne, QColor(0, 128, 0));
            QCOMPARE(murs.size(), moyenne ? 1 : 0);
            for (const Primitive& m : murs)
                QCOMPARE_LE(std::abs(QLineF(m.p1, m.p2).dy() / QLineF(m.p1, m.p2).dx() -
                                     std::tan(qDegreesToRadians(*moyenne))),
                            1e-6);
            QVERIFY_THROWS_EXCEPTION(solar::CalculError, DessinerAzimut(pic, qQNaN(), moyenne));
            QCOMPARE(filtrer(pic, Genre::Cercle, Gris).size(), 13); // the last good drawing stays
        }
    }
};

QTEST_MAIN(TestDiagrammes)
#include "tst_diagrams.moc"
