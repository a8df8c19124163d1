// Draws the pictures of docs/ from the real windows, without a display:
//   capture <folder>
// writes main-fr.png, main-es.png, aide.png, lecture-fr.png, lecture-aberrante-fr.png,
// overlay.png, rapport-menu-fr.png, rapport-menu-es.png, rapport-page-fr.png,
// rapport-page-es.png, moyenne-fr.png (the result's tooltip) and horloge-fr.png (the same
// tooltip with the clock's offset found, at Madrid) into <folder>.
// The clock is fixed (21 June 2026, 10:30 UT, Paris time zone) and the settings live in
// memory, so the pictures are the same on every machine and the user's own settings are
// neither read nor written. Links and the map page are not opened. With
// ORSALINE_CAPTURE_PDF=<file> the report is also printed to that PDF file.

#include "fakes.h"
#include "mainwindow/formtalvan.h"
#include "overlay/droite.h"
#include "platform/fonts.h"
#include "platform/geometry.h"
#include "platform/palette.h"
#include "platform/services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QHash>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTimer>
#include <QToolTip>
#include <cmath>
#include <cstdio>

namespace {

template <typename T> T* controle(QWidget* fenetre, const char* nom) {
    T* c = fenetre->findChild<T*>(QLatin1String(nom));
    if (!c) {
        std::fprintf(stderr, "capture: no control %s\n", nom);
        std::exit(1);
    }
    return c;
}

void cliquer(QWidget* fenetre, const char* nom) {
    controle<QAbstractButton>(fenetre, nom)->click();
    QApplication::processEvents();
}

void enregistrer(const QPixmap& image, const QDir& dossier, const QString& nom) {
    const QString chemin = dossier.filePath(nom);
    if (!image.save(chemin)) {
        std::fprintf(stderr, "capture: cannot write %s\n", qPrintable(chemin));
        std::exit(1);
    }
    std::printf("%s\n", qPrintable(chemin));
}

// One reading as a careful user would take it: the protractor angle that gives a wall
// of declination d at the sun's present azimuth, to the half degree of the scale.
void mesurer(FormTalvan& f, double d, bool garder) {
    f.Timer1_Timer();
    const double angle = std::round((f.etat().AzP - 90 - d) * 2) / 2;
    controle<QLineEdit>(&f, "Text12")->setText(QLocale().toString(angle, 'f', 1));
    cliquer(&f, "Command1");
    if (garder)
        cliquer(&f, "Command2");
}

// An aerial view of fields, lanes and a farm: the overlay is laid on it with its centre on
// the south wall of the main building, whose direction on the map is `angle` degrees
// clockwise from east (the overlay's own convention).
QPixmap carte(QSize taille, QPointF mur, double angle) {
    QPixmap fond(taille);
    fond.fill(QColor(122, 142, 88));
    QPainter p(&fond);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    const QColor champs[] = {QColor(150, 162, 96), QColor(96, 128, 70),  QColor(176, 168, 112),
                             QColor(128, 150, 84), QColor(164, 138, 96), QColor(108, 136, 76)};
    const QPolygonF parcelles[] = {
        QPolygonF({QPointF(0, 0), QPointF(260, 0), QPointF(230, 150), QPointF(0, 170)}),
        QPolygonF({QPointF(260, 0), QPointF(520, 0), QPointF(500, 120), QPointF(230, 150)}),
        QPolygonF({QPointF(520, 0), QPointF(720, 0), QPointF(720, 190), QPointF(500, 120)}),
        QPolygonF({QPointF(0, 170), QPointF(160, 160), QPointF(140, 480), QPointF(0, 480)}),
        QPolygonF({QPointF(500, 300), QPointF(720, 330), QPointF(720, 480), QPointF(470, 480)}),
        QPolygonF({QPointF(160, 380), QPointF(470, 400), QPointF(470, 480), QPointF(150, 480)}),
    };
    for (int i = 0; i < 6; ++i) {
        p.setBrush(champs[i]);
        p.drawPolygon(parcelles[i]);
    }
    // Furrows on two fields.
    p.setPen(QPen(QColor(0, 0, 0, 22), 2));
    for (int y = 10; y < 160; y += 7)
        p.drawLine(QPointF(270, y), QPointF(510, y - 25));
    for (int x = 510; x < 720; x += 8)
        p.drawLine(QPointF(x, 320), QPointF(x - 40, 480));

    // A road and a lane, with their verges.
    QPainterPath route;
    route.moveTo(-10, 165);
    route.cubicTo(200, 95, 430, 60, 730, 170);
    QPainterPath chemin;
    chemin.moveTo(150, 490);
    chemin.cubicTo(180, 360, 260, 300, 330, 240);
    for (const auto& [trace, large] : {std::pair{route, 16.0}, std::pair{chemin, 8.0}}) {
        p.strokePath(trace, QPen(QColor(104, 100, 86), large + 4, Qt::SolidLine, Qt::RoundCap));
        p.strokePath(trace, QPen(QColor(196, 192, 180), large, Qt::SolidLine, Qt::RoundCap));
    }

    // Hedges and trees.
    p.setPen(Qt::NoPen);
    const QPointF arbres[] = {{40, 200},  {58, 214},  {70, 240},  {610, 120}, {630, 138},
                              {100, 330}, {560, 300}, {585, 290}, {420, 330}, {440, 345},
                              {300, 60},  {320, 70},  {660, 420}};
    for (const QPointF& a : arbres) {
        p.setBrush(QColor(30, 40, 20, 90));
        p.drawEllipse(a + QPointF(4, 4), 13, 13);
        p.setBrush(QColor(52, 84, 40));
        p.drawEllipse(a, 13, 13);
    }

    // The farm: the main building's south wall lies on the overlay's line through `mur`,
    // its body on the north side; a barn beside it.
    auto batiment = [&p](QPointF origine, double rotation, QRectF corps, QColor toit) {
        p.save();
        p.translate(origine);
        p.rotate(rotation);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawRect(corps.translated(5, 5));
        p.setBrush(toit);
        p.drawRect(corps);
        p.setPen(QPen(toit.darker(140), 1.5));
        p.drawLine(QPointF(corps.left(), corps.center().y()),
                   QPointF(corps.right(), corps.center().y()));
        p.setPen(Qt::NoPen);
        p.restore();
    };
    // Rotated by `angle`, local +y points away from the side the wall faces.
    batiment(mur, angle, QRectF(-60, 0, 120, 44), QColor(178, 98, 72));
    batiment(mur, angle, QRectF(80, 20, 34, 60), QColor(170, 110, 80));
    // The neighbours, square to the lane.
    batiment(QPointF(560, 215), 20, QRectF(-30, -18, 60, 36), QColor(160, 92, 70));
    batiment(QPointF(610, 50), -8, QRectF(-26, -16, 52, 32), QColor(140, 140, 136));
    return fond;
}

// The window with the report's context menu open on list line `ligne`.
QPixmap menuRapport(FormTalvan& f, int ligne) {
    auto* champ = controle<QLineEdit>(&f, qPrintable(QStringLiteral("DG_%1").arg(ligne)));
    const QPoint ici(champ->width() / 2, champ->height() / 2);
    QContextMenuEvent clic(QContextMenuEvent::Mouse, ici, champ->mapToGlobal(ici));
    QApplication::sendEvent(champ, &clic);
    QApplication::processEvents();
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) {
        std::fprintf(stderr, "capture: no context menu on the list\n");
        std::exit(1);
    }
    const QPixmap fenetre = f.grab();
    const QPixmap vue = menu->grab();
    const QPoint coin = menu->pos() - f.mapToGlobal(QPoint(0, 0));
    QPixmap image(
        fenetre.size().expandedTo(QSize(coin.x() + vue.width(), coin.y() + vue.height())));
    image.fill(Qt::white);
    QPainter p(&image);
    p.drawPixmap(0, 0, fenetre);
    p.drawPixmap(coin, vue);
    p.end();
    menu->close();
    return image;
}

// The window with the tooltip of control `nom` shown, as hovering over it shows it.
QPixmap infoBulle(FormTalvan& f, const char* nom) {
    auto* c = controle<QWidget>(&f, nom);
    const QPoint ici = c->mapToGlobal(QPoint(c->width() / 2, c->height() / 2));
    QToolTip::showText(ici, c->toolTip(), c);
    QApplication::processEvents();
    QWidget* bulle = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("qtooltip_label") && w->isVisible())
            bulle = w;
    if (!bulle) {
        std::fprintf(stderr, "capture: no tooltip on %s\n", nom);
        std::exit(1);
    }
    const QPixmap fenetre = f.grab();
    const QPixmap vue = bulle->grab();
    // The tooltip may stand out of the window on any side.
    const QRect rf(QPoint(0, 0), fenetre.size());
    const QRect rb(bulle->pos() - f.mapToGlobal(QPoint(0, 0)), vue.size());
    const QRect tout = rf.united(rb);
    QPixmap image(tout.size());
    image.fill(Qt::white);
    QPainter p(&image);
    p.drawPixmap(rf.topLeft() - tout.topLeft(), fenetre);
    p.drawPixmap(rb.topLeft() - tout.topLeft(), vue);
    p.end();
    QToolTip::hideText();
    return image;
}

// The printed report's page, drawn as on paper (A4, 15 mm margins) at 100 dpi.
QPixmap pageRapport(const FormTalvan& f) {
    constexpr double dpi = 100;
    const double mm = dpi / 25.4;
    QImage page(qRound(210 * mm), qRound(297 * mm), QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(dpi / 0.0254));
    page.setDotsPerMeterY(qRound(dpi / 0.0254));
    page.fill(Qt::white);
    QPainter p(&page);
    DessinerRapport(p, QRectF(15 * mm, 15 * mm, 180 * mm, 267 * mm), dpi, f.rapport());
    p.end();
    return QPixmap::fromImage(page);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Anything that would still reach for a standard location gets a test one.
    QStandardPaths::setTestModeEnabled(true);
    platform::substituerPolices();
    QApplication::setPalette(platform::paletteClaire()); // as main() does
    // A French user's regional settings: decimal comma in the numbers shown.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));

    const QDir dossier(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));
    if (!dossier.exists() && !QDir().mkpath(dossier.path())) {
        std::fprintf(stderr, "capture: cannot create %s\n", qPrintable(dossier.path()));
        return 1;
    }

    // The fakes of the tests: a fixed clock, settings in memory, an opener that opens nothing.
    FakeServices fakes;
    fakes.clock.regler(QDateTime(QDate(2026, 6, 21), QTime(10, 30), Qt::UTC));
    fakes.effects.opaciteParLeBureau = true; // the whole overlay see-through, as on X11
    const platform::Services services = fakes.services();
    FakeClock& horloge = fakes.clock;
    const FakeWindowEffects& effets = fakes.effects;

    // Paris, the built-in place; the wall looks a little east of south.
    FormTalvan f(services);
    f.Charger();
    constexpr double Declinaison = -12.4;
    mesurer(f, Declinaison + 0.2, true);
    horloge.avancer(25 * 60);
    mesurer(f, Declinaison - 0.3, true);
    horloge.avancer(20 * 60);
    mesurer(f, Declinaison + 1.9, false); // a doubtful reading, not kept
    controle<QWidget>(&f, "Text12")->setFocus();
    QApplication::processEvents();
    enregistrer(f.grab(), dossier, QStringLiteral("main-fr.png"));

    cliquer(&f, "Command7");
    enregistrer(f.grab(), dossier, QStringLiteral("aide.png"));
    cliquer(&f, "Command7");

    // A kept reading's tooltip; then the doubtful one ticked: it disagrees with the others.
    enregistrer(infoBulle(f, "DG_0"), dossier, QStringLiteral("lecture-fr.png"));
    cliquer(&f, "Chec_2");
    enregistrer(infoBulle(f, "DG_2"), dossier, QStringLiteral("lecture-aberrante-fr.png"));
    cliquer(&f, "Chec_2");

    cliquer(&f, "Option5_1");
    enregistrer(f.grab(), dossier, QStringLiteral("main-es.png"));
    enregistrer(menuRapport(f, 1), dossier, QStringLiteral("rapport-menu-es.png"));
    enregistrer(pageRapport(f), dossier, QStringLiteral("rapport-page-es.png"));
    cliquer(&f, "Option5_0");
    enregistrer(menuRapport(f, 1), dossier, QStringLiteral("rapport-menu-fr.png"));
    enregistrer(pageRapport(f), dossier, QStringLiteral("rapport-page-fr.png"));
    enregistrer(infoBulle(f, "Text15"), dossier, QStringLiteral("moyenne-fr.png"));
    if (qEnvironmentVariableIsSet("ORSALINE_CAPTURE_PDF")) {
        // The same report through the printer, for a look at the real file.
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(qEnvironmentVariable("ORSALINE_CAPTURE_PDF"));
        if (!ImprimerRapport(f.rapport(), pdf))
            return 1;
    }

    {
        // The clock checked from the readings: Madrid, 21 June 2026, five readings an hour
        // apart on a watch 157 s fast.
        FakeServices madrid;
        madrid.clock.reglerZone("Europe/Madrid");
        for (const auto& [cle, valeur] : {std::pair{"deglat", "40"},
                                          {"minlat", "25.2"},
                                          {"deglon", "3"},
                                          {"minlon", "42"},
                                          {"lon", "False"}})
            madrid.settings.valeurs.insert(QStringLiteral("Start/") + QLatin1String(cle),
                                           QLatin1String(valeur));
        FormTalvan g(madrid.services());
        g.Charger();
        const char* angles[] = {"59,6", "102,6", "128,2", "143,5", "154,4"};
        for (int i = 0; i < 5; ++i) {
            madrid.clock.regler(QDateTime(QDate(2026, 6, 21), QTime(12 + i, 12, 10), Qt::UTC));
            g.Timer1_Timer();
            controle<QLineEdit>(&g, "Text12")->setText(QLatin1String(angles[i]));
            cliquer(&g, "Command1");
            cliquer(&g, "Command2");
        }
        enregistrer(infoBulle(g, "Text15"), dossier, QStringLiteral("horloge-fr.png"));
    }

    cliquer(&f, "Command8");
    Droite* droite = f.fenetreDroite();
    if (!droite) {
        std::fprintf(stderr, "capture: the map button opened no overlay\n");
        return 1;
    }
    // Lighter than the overlay's start so that the map shows through, turned along the wall.
    controle<QScrollBar>(droite, "HScroll1")->setValue(120);
    const int angle = 168;
    controle<QScrollBar>(droite, "HScroll2")->setValue(angle);
    QApplication::processEvents();

    const QPixmap calque = droite->grab();
    const QPointF centre = droite->Li().center() / platform::twipsParPixel;
    const QPointF mur(330, 215);
    QPixmap image = carte(QSize(640, 430), mur, angle);
    QPainter p(&image);
    p.setOpacity(effets.opacite / 255.0);
    p.drawPixmap((mur - centre).toPoint(), calque);
    p.end();
    enregistrer(image, dossier, QStringLiteral("overlay.png"));
    return 0;
}
