#include "mainwindow/canvas.h"
#include "mainwindow/diagrams.h"
#include "solar/calculerror.h"

#include <QtTest>
#include <cmath>

namespace {

QList<QLineF> lignes(const Canvas& pic, const QColor& couleur) {
    QList<QLineF> r;
    for (const Primitive& p : pic.primitives())
        if (p.genre == Primitive::Genre::Ligne && p.couleur == couleur)
            r << QLineF(p.p1, p.p2);
    return r;
}

} // namespace

class TestDiagrammes : public QObject {
    Q_OBJECT

private slots:
    // Seen from above, north up and east right (y downward): the sun at its azimuth from north
    // and the shadow opposite; the wall, declining west of south, turned clockwise. No wall
    // without an average, one for an average of 0; a failed drawing leaves the last good one.
    void azimut() {
        for (const auto& [azp, moyenne] : {std::pair{100.0, std::optional<double>()},
                                           {100.0, std::optional(0.0)},
                                           {250.0, std::optional(30.0)}}) {
            Canvas pic;
            pic.resize(200, 150); // 3000 x 2250 twips: the centre comes from the width alone
            DessinerAzimut(pic, azp, moyenne);
            const QPointF centre(1500, 1420);
            const double z = qDegreesToRadians(azp);
            const QPointF bout = centre + 3000 / 3.5 * QPointF(std::sin(z), -std::cos(z));
            const auto bleus = lignes(pic, QColor(0, 0, 255));
            QVERIFY(bleus.size() == 5 && QLineF(bleus[0].p1(), centre).length() < 1e-3);
            QVERIFY(QLineF(bleus[0].p2(), bout).length() < 1e-3);
            QVERIFY(QLineF(bleus[4].p2(), 2 * centre - bout).length() < 1e-3); // the shadow
            const auto murs = lignes(pic, QColor(0, 128, 0));
            QCOMPARE(murs.size(), moyenne ? 1 : 0);
            for (const QLineF& m : murs)
                QCOMPARE_LE(std::abs(m.dy() / m.dx() - std::tan(qDegreesToRadians(*moyenne))),
                            1e-6);
            const qsizetype avant = pic.primitives().size();
            QVERIFY_THROWS_EXCEPTION(solar::CalculError, DessinerAzimut(pic, qQNaN(), moyenne));
            QCOMPARE(pic.primitives().size(), avant);
        }
    }
};

QTEST_MAIN(TestDiagrammes)
#include "tst_diagrams.moc"
