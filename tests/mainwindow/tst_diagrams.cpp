#include "mainwindow/canvas.h"
#include "mainwindow/diagrams.h"
#include "solar/calculerror.h"

#include <QtTest>
#include <cmath>
#include <limits>

using Genre = Primitive::Genre;

namespace {

constexpr double Rad = 3.14159265358979323846 / 180;
// Positions agree to far better than this; the drawing constants round pi at 1e-12.
constexpr double Tol = 1e-3;

QVector<Primitive> filtrer(const Canvas& pic, Genre genre, const QColor& couleur = QColor()) {
    QVector<Primitive> r;
    for (const Primitive& p : pic.primitives()) {
        if (p.genre == genre && (!couleur.isValid() || p.couleur == couleur)) {
            r << p;
        }
    }
    return r;
}

bool proche(QPointF a, QPointF b) {
    return std::abs(a.x() - b.x()) < Tol && std::abs(a.y() - b.y()) < Tol;
}

const QColor Bleu(0, 0, 255);
const QColor Vert(0, 128, 0);
const QColor Soleil(192, 64, 0);

} // namespace

class TestDiagrammes : public QObject {
    Q_OBJECT

private slots:
    void azimutSelonLaTaille_data();
    void azimutSelonLaTaille();
    void rayonDuSoleil_data();
    void rayonDuSoleil();
    void traceDuMur_data();
    void traceDuMur();
    void hauteur_data();
    void hauteur();
    void traitsLargesPleins();
    void valeursNonFinies();
};

void TestDiagrammes::azimutSelonLaTaille_data() {
    QTest::addColumn<QSize>("taille"); // logical pixels, 15 twips each
    QTest::newRow("dessin 1770 x 1770") << QSize(118, 118);
    QTest::newRow("3000 x 2250") << QSize(200, 150);
}

void TestDiagrammes::azimutSelonLaTaille() {
    QFETCH(QSize, taille);
    Canvas pic;
    pic.resize(taille);
    const double w = taille.width() * 15.0, hp = taille.height() * 15.0;
    DessinerAzimut(pic, 135, 10);

    const QPointF centre(w / 2, w / 2 - 80);
    const auto axes = filtrer(pic, Genre::Ligne, QColor(128, 128, 128));
    QCOMPARE(axes.size(), 2);
    QVERIFY(proche(axes[0].p1, QPointF(350, centre.y())) &&
            proche(axes[0].p2, QPointF(w - 300, centre.y())));
    QVERIFY(proche(axes[1].p1, QPointF(centre.x(), 300)) &&
            proche(axes[1].p2, QPointF(centre.x(), hp - 400)));
    QCOMPARE(axes[0].style, 2);

    const auto marques = filtrer(pic, Genre::Cercle);
    QCOMPARE(marques.size(), 13);
    for (const Primitive& m : marques) {
        QCOMPARE_LE(std::abs(QLineF(centre, m.p1).length() - w / 3), Tol);
        QCOMPARE_LE(std::abs(m.rayon - w / 75), Tol);
        QCOMPARE(m.style, 1);
    }
    QVERIFY(proche(marques.first().p1, marques.last().p1));
    QVERIFY(proche(marques[3].p1, QPointF(centre.x() + w / 3, centre.y())));

    const auto lettres = filtrer(pic, Genre::Texte);
    QCOMPARE(lettres.size(), 4);
    QCOMPARE(lettres[0].texte + lettres[1].texte + lettres[2].texte + lettres[3].texte, "NSOE");
    QVERIFY(proche(lettres[1].p1, QPointF(centre.x() - 50, hp - 250)));
    QVERIFY(proche(lettres[3].p1, QPointF(w - 200, centre.y() - 100)));

    QCOMPARE(pic.style(), 1);
    QCOMPARE(pic.largeur(), 1);
    QVERIFY(!pic.grab().isNull()); // the replay paints without fault
}

void TestDiagrammes::rayonDuSoleil_data() {
    QTest::addColumn<double>("azp");
    QTest::newRow("matin") << 100.0;
    QTest::newRow("après-midi") << 250.0;
    QTest::newRow("plein sud") << 180.0;
    QTest::newRow("nord") << 0.0;
}

void TestDiagrammes::rayonDuSoleil() {
    QFETCH(double, azp);
    Canvas pic;
    pic.resize(118, 118);
    DessinerAzimut(pic, azp, 0);

    // North up, east right: azimuth z points along (sin z, -cos z) on the screen.
    const QPointF centre(885, 805);
    const QPointF vers(std::sin(azp * Rad), -std::cos(azp * Rad));
    const double r = 1770 / 3.5;
    const auto bleus = filtrer(pic, Genre::Ligne, Bleu);
    QCOMPARE(bleus.size(), 5);
    QVERIFY(proche(bleus[0].p1, centre));
    QVERIFY(proche(bleus[0].p2, centre + r * vers));
    QCOMPARE(bleus[0].largeur, 2);
    QVERIFY(proche(bleus[1].p1, centre + r * vers)); // the arrow head starts at the tip
    QVERIFY(proche(bleus[4].p2, centre - r * vers)); // the shadow
}

void TestDiagrammes::traceDuMur_data() {
    QTest::addColumn<double>("moy");
    QTest::newRow("pas de résultat") << 0.0;
    QTest::newRow("ouest") << 30.0;
    QTest::newRow("est") << -30.0;
    QTest::newRow("faible") << 0.01;
}

void TestDiagrammes::traceDuMur() {
    QFETCH(double, moy);
    Canvas pic;
    pic.resize(118, 118);
    DessinerAzimut(pic, 200, moy);

    const auto murs = filtrer(pic, Genre::Ligne, Vert);
    QCOMPARE(murs.size(), moy == 0 ? 0 : 1);
    if (moy == 0) {
        return;
    }
    const Primitive& mur = murs[0];
    QCOMPARE(mur.largeur, 2);
    QCOMPARE_LE(std::abs(QLineF(mur.p1, mur.p2).length() - 2 * 1770 / 3.5), Tol);
    // Screen angle of the east end, clockwise (y downward): a west declination sends it south.
    const QPointF est = mur.p1.x() > mur.p2.x() ? mur.p1 : mur.p2;
    const double angle = std::atan2(est.y() - 805, est.x() - 885) / Rad;
    QCOMPARE_LE(std::abs(angle - moy), 1e-4);
}

void TestDiagrammes::hauteur_data() {
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<double>("h");
    QTest::addColumn<QPointF>("observateur");
    QTest::addColumn<int>("marques");
    QTest::newRow("jour") << QSize(118, 118) << 30.0 << QPointF(1570, 1570) << 7;
    QTest::newRow("horizon") << QSize(118, 118) << 0.0 << QPointF(1570, 200) << 0;
    QTest::newRow("nuit") << QSize(118, 118) << -10.0 << QPointF(1570, 200) << 0;
    QTest::newRow("plus grand") << QSize(200, 140) << 60.0 << QPointF(2800, 2800) << 7;
}

void TestDiagrammes::hauteur() {
    QFETCH(QSize, taille);
    QFETCH(double, h);
    QFETCH(QPointF, observateur);
    QFETCH(int, marques);
    Canvas pic;
    pic.resize(taille);
    const double w = taille.width() * 15.0;
    DessinerHauteur(pic, h);

    const auto arcs = filtrer(pic, Genre::Arc);
    QCOMPARE(arcs.size(), marques);
    for (const Primitive& a : arcs) {
        QCOMPARE_LE(std::abs(QLineF(observateur, a.p1).length() - w / 1.5), Tol);
        QCOMPARE(a.rayon, 30.0);
        QCOMPARE(a.debut, 1.0);
    }
    if (marques > 0) { // from straight above the observer to straight left of it
        QVERIFY(proche(arcs.first().p1, observateur - QPointF(0, w / 1.5)));
        QVERIFY(proche(arcs.last().p1, observateur - QPointF(w / 1.5, 0)));
    }

    const auto horizon = filtrer(pic, Genre::Ligne, QColor(128, 128, 128));
    QCOMPARE(horizon.size(), 2);
    QVERIFY(proche(horizon[0].p1, QPointF(500, observateur.y())));
    QVERIFY(proche(horizon[1].p1, QPointF(observateur.x(), 400)));
    QCOMPARE(horizon[0].style, 2);

    // The ray leaves to the left, rising by h (y downward).
    const auto rayon = filtrer(pic, Genre::Ligne, Soleil);
    QCOMPARE(rayon.size(), 4);
    QVERIFY(proche(rayon[0].p1, observateur));
    QVERIFY(proche(rayon[0].p2,
                   observateur + w / 1.7 * QPointF(-std::cos(h * Rad), -std::sin(h * Rad))));
    QCOMPARE(rayon[0].largeur, 2);
    QCOMPARE(rayon[0].style, 0);

    QCOMPARE(pic.style(), 0);
    QCOMPARE(pic.largeur(), 1);
}

void TestDiagrammes::traitsLargesPleins() {
    struct Cas {
        int style, largeur;
        Qt::PenStyle attendu;
    };
    for (const Cas& c : {Cas{1, 1, Qt::DashLine}, Cas{2, 1, Qt::DotLine}, Cas{0, 1, Qt::SolidLine},
                         Cas{1, 2, Qt::SolidLine}, Cas{2, 2, Qt::SolidLine}}) {
        QCOMPARE(styleQt(c.style, c.largeur), c.attendu);
    }
}

void TestDiagrammes::valeursNonFinies() {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    Canvas pic;
    pic.resize(118, 118);
    DessinerAzimut(pic, 90, 0);
    const auto avant = pic.primitives().size();
    QVERIFY_THROWS_EXCEPTION(solar::CalculError, DessinerAzimut(pic, nan, 0));
    QVERIFY_THROWS_EXCEPTION(solar::CalculError, DessinerAzimut(pic, 90, inf));
    QVERIFY_THROWS_EXCEPTION(solar::CalculError, DessinerHauteur(pic, -inf));
    QCOMPARE(pic.primitives().size(), avant); // the last good drawing stays
}

QTEST_MAIN(TestDiagrammes)
#include "tst_diagrams.moc"
