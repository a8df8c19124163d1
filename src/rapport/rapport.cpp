#include "rapport/rapport.h"

#include "platform/geometry.h"
#include "platform/nombrelocal.h"
#include "rapport/csv.h"
#include "rapport/textesrapport.h"
#include "rapport/trace.h"
#include "solar/calculerror.h"
#include "solar/observation.h"
#include "solar/textformat.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

QString u8(const char* texte) {
    return QString::fromUtf8(texte);
}

// Two decimals with the user's separator ("0,21"); a dash for what cannot be written.
QString nombre(double x, const QString& separateur) {
    try {
        return QString::fromStdString(solar::FormatDiese0(x, separateur.toStdString()));
    } catch (const solar::CalculError&) {
        return QStringLiteral("—");
    }
}

QString degres(double x, const QString& separateur) {
    return nombre(x, separateur) + QStringLiteral("°");
}

bool vide(const LigneRapport& l) {
    return l.texte.trimmed().isEmpty() && !l.lecture;
}

bool lectureUtilisable(const LigneRapport& l) {
    return l.lecture && solar::LectureValide(*l.lecture);
}

// A reading's place to the minute: latitude and longitude in minutes of arc, north and
// WEST positive as the reading keeps them.
std::pair<long long, long long> lieuMinutes(const solar::Lecture& l) {
    return {std::llround(l.lat * 60), std::llround(l.lon * 60)};
}

// "48° 52' Nord, 2° 20' Est".
QString texteLieu(const solar::Lecture& l, const TextesRapport& t) {
    const auto [lat, lon] = lieuMinutes(l);
    const auto coord = [](long long minutes, const char* hemisphere) {
        const long long m = std::llabs(minutes);
        return QStringLiteral("%1° %2' ").arg(m / 60).arg(m % 60, 2, 10, QLatin1Char('0')) +
               u8(hemisphere);
    };
    return coord(lat, t.hemispheres[lat < 0 ? 1 : 0]) + QStringLiteral(", ") +
           coord(lon, t.hemispheres[lon > 0 ? 3 : 2]);
}

QDate dateLocale(const solar::Lecture& l) {
    const solar::InstantLocal i = solar::InstantLocalLecture(l);
    return QDate(i.annee, i.mois, i.jour);
}

// What the readings of the report share: one place to the minute, one local date.
struct Commun {
    bool aucune = true; // no line kept a usable reading
    bool memeLieu = true;
    bool memeJour = true;
    std::optional<solar::Lecture> premiere;
};

Commun commun(const Rapport& r) {
    Commun c;
    for (const LigneRapport& l : r.lignes) {
        if (!lectureUtilisable(l))
            continue;
        if (!c.premiere) {
            c.premiere = l.lecture;
            c.aucune = false;
            continue;
        }
        c.memeLieu = c.memeLieu && lieuMinutes(*l.lecture) == lieuMinutes(*c.premiere);
        c.memeJour = c.memeJour && dateLocale(*l.lecture) == dateLocale(*c.premiere);
    }
    return c;
}

// The heading lines of the place and the date, or the one line saying there are none.
QStringList texteEnTete(const Rapport& r, const TextesRapport& t, const Commun& c) {
    if (c.aucune)
        return {u8(t.sansLieu)};
    const QString dp = platform::deuxPoints(r.langue);
    return {u8(t.lieu) + dp + (c.memeLieu ? texteLieu(*c.premiere, t) : u8(t.plusieursLieux)),
            u8(t.dateMesures) + dp +
                (c.memeJour ? platform::localeDeLangue(r.langue).toString(dateLocale(*c.premiere),
                                                                          u8(t.formatDate))
                            : u8(t.plusieursJours))};
}

QString texteEtabli(const Rapport& r, const TextesRapport& t) {
    return u8(t.etabli).arg(
        platform::localeDeLangue(r.langue).toString(r.etabli, u8(t.formatEtabli)));
}

// "5 déc. 2026 10:12:00 (UTC+01:00)".
QString texteInstant(const solar::Lecture& l, const Rapport& r, const TextesRapport& t) {
    const solar::InstantLocal i = solar::InstantLocalLecture(l);
    const QString jour = platform::localeDeLangue(r.langue).toString(QDate(i.annee, i.mois, i.jour),
                                                                     u8(t.formatInstant));
    const QString heure = QTime(i.heure, i.minute, i.seconde).toString(QStringLiteral("HH:mm:ss"));
    return jour + QLatin1Char(' ') + heure + QStringLiteral(" (UTC") +
           QString::fromStdString(solar::TexteDecalage(i.decalage)) + QLatin1Char(')');
}

// "Sur 2 mesures cochées : écart type 0,35°, ...", or nothing below two values.
QString texteDispersion(const Rapport& r, const TextesRapport& t) {
    if (!r.statistiques || !r.statistiques->dispersion)
        return {};
    const solar::Dispersion& d = *r.statistiques->dispersion;
    return u8(t.dispersion)
        .arg(r.statistiques->nombre)
        .arg(nombre(d.ecartType, r.separateur), nombre(d.erreurType, r.separateur),
             nombre(d.etendue, r.separateur));
}

// As the result field shows it, and the wall in words.
QString texteMoyenne(const Rapport& r, const TextesRapport& t) {
    QString moyenne = u8(t.aucuneMoyenne);
    if (r.moyenne) {
        try {
            moyenne =
                QString::fromStdString(solar::FormatDiese(*r.moyenne, r.separateur.toStdString())) +
                QStringLiteral("° — ") + OrientationMur(*r.moyenne, r.langue);
        } catch (const solar::CalculError&) {
        }
    }
    return u8(t.moyenne) + platform::deuxPoints(r.langue) + moyenne;
}

} // namespace

std::optional<solar::Statistiques> StatistiquesLignes(const std::array<LigneRapport, 5>& lignes) {
    std::vector<double> valeurs;
    for (const LigneRapport& l : lignes)
        if (l.cochee)
            if (const auto v = platform::nombreLocal(l.texte))
                valeurs.push_back(*v);
    return solar::StatistiquesCercle(valeurs);
}

QString OrientationMur(double d, platform::Langue langue) {
    const TextesRapport& t = textesRapport(langue);
    const auto degres = [](double x) { return QLocale().toString(x, 'f', 2); };
    const solar::OrientationMur o = solar::Orientation(d);
    // The tables follow the order of OrientationMur::Sens: four due ways, then four others.
    const int i = static_cast<int>(o.sens);
    if (i < 4)
        return u8(t.plein[i]).arg(degres(o.azimut));
    return u8(t.depuis[i - 4]).arg(degres(o.ecart), degres(o.azimut));
}

QString TexteRapport(const Rapport& r) {
    const TextesRapport& t = textesRapport(r.langue);
    const QString dp = platform::deuxPoints(r.langue);
    const Commun c = commun(r);
    QStringList l;
    l << u8(t.titre) << texteEtabli(r, t) << texteEnTete(r, t, c) << QString()
      << u8(t.mesures) + dp.chopped(1);
    bool aucune = true;
    for (int i = 0; i < 5; ++i) {
        const LigneRapport& ligne = r.lignes[i];
        if (vide(ligne))
            continue;
        aucune = false;
        QString s = QStringLiteral("%1. %2 — %3 — ")
                        .arg(i + 1)
                        .arg(ligne.texte, u8(ligne.cochee ? t.cochee : t.nonCochee));
        if (lectureUtilisable(ligne)) {
            const solar::Lecture& x = *ligne.lecture;
            s += texteInstant(x, r, t) + QStringLiteral(" · ") + u8(t.angle) + QLatin1Char(' ') +
                 degres(x.angle, r.separateur) + QStringLiteral(" · ") + u8(t.azimut) +
                 QLatin1Char(' ') + degres(x.azimut, r.separateur) + QStringLiteral(" · ") +
                 u8(t.hauteur) + QLatin1Char(' ') + degres(x.hauteur, r.separateur);
            if (!c.memeLieu)
                s += QStringLiteral(" · ") + u8(t.lieuLigne) + QLatin1Char(' ') + texteLieu(x, t);
        } else {
            s += u8(t.sansInstant);
        }
        l << s;
    }
    if (aucune)
        l << u8(t.aucuneMesure);
    l << QString() << texteMoyenne(r, t);
    if (const QString d = texteDispersion(r, t); !d.isEmpty())
        l << d;
    l << r.horloge;
    return l.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QByteArray CsvRapport(const Rapport& r) {
    const TextesRapport& t = textesRapport(r.langue);
    const bool virgule = r.separateur == QStringLiteral(",");
    const FormatCsv f{virgule ? ';' : ',', virgule ? "," : "."};
    std::string csv = "\xEF\xBB\xBF"; // UTF-8 byte-order mark
    for (std::size_t i = 0; i < std::size(t.enteteCsv); ++i) {
        if (i > 0)
            csv += f.separateur;
        csv += t.enteteCsv[i];
    }
    csv += FinLigneCsv;
    for (const LigneRapport& l : r.lignes) {
        if (vide(l))
            continue;
        csv +=
            LigneCsv(l.texte.toStdString(), l.cochee, l.lecture, platform::nombreLocal(l.texte), f);
        csv += FinLigneCsv;
    }
    // The clock's lines as summary rows: the text in the first field, the others empty.
    for (const QString& h : r.horloge) {
        csv += ChampCsv(h.toStdString(), f);
        csv += std::string(std::size(t.enteteCsv) - 1, f.separateur);
        csv += FinLigneCsv;
    }
    return QByteArray::fromStdString(csv);
}

namespace {

QFont police(double points, bool gras = false, bool italique = false) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(points);
    f.setBold(gras);
    f.setItalic(italique);
    return f;
}

// Writes a paragraph from the top of `y` across `largeur`, wrapping words; moves y below it.
void paragraphe(QPainter& p, double gauche, double& y, double largeur, const QString& texte,
                const QFont& f, const QColor& couleur = Qt::black) {
    p.setFont(f);
    p.setPen(couleur);
    QRectF occupe;
    p.drawText(QRectF(gauche, y, largeur, 1e6), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
               texte, &occupe);
    y += occupe.height();
}

// The azimuth view of the report, in twips as the window draws its own, y downward: the
// sky seen from above, north up, east right; one ray toward the sun at each reading's
// instant, numbered as its line, and the wall from the average.
constexpr double CoteVue = 3000;     // twips
constexpr double PixelsLettres = 11; // the letters' height at the window's scale

QVector<Primitive> vueAzimut(const Rapport& r) {
    const QColor gris(128, 128, 128), bleu(0, 0, 255), vert(0, 128, 0);
    const double c = CoteVue / 2;
    const QPointF centre(c, c);
    QVector<Primitive> v;
    const auto ligne = [&](QPointF a, QPointF b, const QColor& couleur, int style, int largeur) {
        Primitive x;
        x.p1 = a, x.p2 = b, x.couleur = couleur, x.style = style, x.largeur = largeur;
        v << x;
    };
    const auto texte = [&](QPointF coin, const QString& t) {
        Primitive x;
        x.genre = Primitive::Genre::Texte;
        x.p1 = coin, x.texte = t;
        v << x;
    };
    // Compass azimuth z (north up, east right) is the screen angle z - 90, clockwise from +x.
    const auto point = [&](double azimut, double rayon) {
        const double a = (azimut - 90) * std::numbers::pi / 180;
        return QPointF(c + rayon * std::cos(a), c + rayon * std::sin(a));
    };
    ligne(QPointF(350, c), QPointF(CoteVue - 300, c), gris, 2, 1);
    ligne(QPointF(c, 300), QPointF(c, CoteVue - 300), gris, 2, 1);
    for (int i = 0; i < 12; ++i) {
        Primitive x;
        x.genre = Primitive::Genre::Cercle;
        x.p1 = point(30.0 * i, CoteVue / 3), x.rayon = CoteVue / 75, x.couleur = gris;
        v << x;
    }
    texte(QPointF(c - 50, 0), QStringLiteral("N"));
    texte(QPointF(c - 50, CoteVue - 250), QStringLiteral("S"));
    texte(QPointF(50, c - 100), QStringLiteral("O"));
    texte(QPointF(CoteVue - 200, c - 100), QStringLiteral("E"));
    const double rayon = CoteVue / 3.5;
    for (int i = 0; i < 5; ++i) {
        if (!lectureUtilisable(r.lignes[i]))
            continue;
        const double az = r.lignes[i].lecture->azimut;
        ligne(centre, point(az, rayon), bleu, 0, 2);
        // Arrow head: back to 200 twips from the centre, 15 degrees either side of the ray.
        ligne(point(az, rayon), point(az + 15, 200), bleu, 0, 2);
        ligne(point(az, rayon), point(az - 15, 200), bleu, 0, 2);
        texte(point(az, rayon + 220) - QPointF(50, 100), QString::number(i + 1));
    }
    // A positive declination (toward the west) turns the wall clockwise from east-west.
    if (r.moyenne && std::isfinite(*r.moyenne))
        ligne(point(90 + *r.moyenne, rayon), point(270 + *r.moyenne, rayon), vert, 0, 2);
    return v;
}

// The report's azimuth view scaled into the square `carre`. Pens keep their widths of one
// and two pixels as 0.35 and 0.7 mm; letters keep their size relative to the picture.
void dessinerVue(QPainter& p, const QRectF& carre, const QVector<Primitive>& vue, double mm) {
    const double s = std::min(carre.width(), carre.height()) / CoteVue;
    const QTransform versPage = QTransform::fromTranslate(carre.center().x() - CoteVue * s / 2,
                                                          carre.center().y() - CoteVue * s / 2)
                                    .scale(s, s);
    QFont lettres(QStringLiteral("MS Sans Serif"));
    lettres.setPixelSize(
        std::max(1, static_cast<int>(std::lround(PixelsLettres * platform::twipsParPixel * s))));
    const double ascendante = QFontMetricsF(lettres, p.device()).ascent();

    p.save();
    p.setClipRect(carre);
    p.setBrush(Qt::NoBrush);
    p.setFont(lettres);
    QPen pinceau;
    for (const Primitive& x : vue) {
        if (x.genre == Primitive::Genre::Texte) {
            p.setPen(Qt::black);
            p.drawText(versPage.map(x.p1) + QPointF(0, ascendante), x.texte);
            continue;
        }
        pinceau.setColor(x.couleur);
        pinceau.setWidthF(x.largeur * 0.35 * mm);
        const bool marque = EstMarque(x);
        pinceau.setStyle(marque ? Qt::SolidLine : styleQt(x.style, x.largeur));
        pinceau.setCapStyle(x.largeur > 1 ? Qt::RoundCap : Qt::FlatCap);
        p.setPen(pinceau);
        const QPointF centre = versPage.map(x.p1);
        const double rayon = x.rayon * s;
        switch (x.genre) {
        case Primitive::Genre::Ligne:
            p.drawLine(centre, versPage.map(x.p2));
            break;
        case Primitive::Genre::Cercle:
            p.drawEllipse(centre, rayon, rayon);
            break;
        case Primitive::Genre::Arc: {
            if (marque) {
                p.drawEllipse(centre, rayon, rayon);
                break;
            }
            // QPainter counts 1/16 degree, counter-clockwise on the page, as the start angle is.
            constexpr double seiziemesParRadian = 16.0 * 180.0 / 3.14159265358979323846;
            const int debut = static_cast<int>(std::lround(x.debut * seiziemesParRadian));
            p.drawArc(QRectF(centre.x() - rayon, centre.y() - rayon, 2 * rayon, 2 * rayon), debut,
                      360 * 16 - debut);
            break;
        }
        case Primitive::Genre::Texte:
            break;
        }
    }
    p.restore();
}

} // namespace

void DessinerRapport(QPainter& p, const QRectF& zone, double dpi, const Rapport& r) {
    const TextesRapport& t = textesRapport(r.langue);
    const double mm = dpi / 25.4;
    const QColor gris(96, 96, 96);
    const double gauche = zone.left();
    const double largeur = zone.width();
    double y = zone.top();

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    paragraphe(p, gauche, y, largeur, u8(t.titre), police(16, true));
    y += 1 * mm;
    paragraphe(p, gauche, y, largeur, texteEtabli(r, t), police(9), gris);
    y += 5 * mm;
    const Commun communs = commun(r);
    for (const QString& ligne : texteEnTete(r, t, communs)) {
        paragraphe(p, gauche, y, largeur, ligne, police(11));
        y += 1 * mm;
    }
    y += 6 * mm;
    paragraphe(p, gauche, y, largeur, u8(t.mesures), police(11, true));
    y += 2 * mm;

    // The table: number, declination, tick, instant, angle, sun's azimuth, altitude.
    const double parts[7] = {0.05, 0.13, 0.12, 0.38, 0.10, 0.11, 0.11};
    double bords[8] = {gauche};
    for (int c = 0; c < 7; ++c)
        bords[c + 1] = bords[c] + parts[c] * largeur;
    // Cells from `grises` on are in grey italics (a line that kept no reading).
    const auto rangee = [&](const QStringList& cellules, const QFont& f, int grises = 7) {
        QFont f2 = f;
        f2.setItalic(true);
        const QFontMetricsF m(f, p.device());
        const double hauteur = m.height() * 1.5;
        const double marge = 1.2 * mm;
        for (int c = 0; c < cellules.size(); ++c) {
            // The last cell of a short row runs to the table's right edge.
            const double droite = c == cellules.size() - 1 ? bords[7] : bords[c + 1];
            const QRectF cadre(bords[c] + marge, y, droite - bords[c] - 2 * marge, hauteur);
            const bool chiffres = c == 1 || (c >= 4 && cellules.size() == 7);
            p.setFont(c < grises ? f : f2);
            p.setPen(c < grises ? QColor(Qt::black) : gris);
            p.drawText(cadre, Qt::AlignVCenter | (chiffres ? Qt::AlignRight : Qt::AlignLeft),
                       QFontMetricsF(p.font(), p.device())
                           .elidedText(cellules[c], Qt::ElideRight, cadre.width()));
        }
        y += hauteur;
    };
    const auto filet = [&](double epaisseur) {
        p.setPen(QPen(gris, epaisseur * mm));
        p.drawLine(QPointF(bords[0], y), QPointF(bords[7], y));
    };
    rangee({u8(t.colNumero), u8(t.colDeclinaison), u8(t.colCochee), u8(t.colInstant),
            u8(t.colAngle), u8(t.colAzimut), u8(t.colHauteur)},
           police(9.5, true));
    filet(0.3);
    bool aucune = true;
    for (int i = 0; i < 5; ++i) {
        const LigneRapport& l = r.lignes[i];
        if (vide(l))
            continue;
        aucune = false;
        QStringList cellules{QString::number(i + 1), l.texte,
                             u8(l.cochee ? t.cochee : t.nonCochee)};
        if (lectureUtilisable(l)) {
            const solar::Lecture& x = *l.lecture;
            cellules << texteInstant(x, r, t) << degres(x.angle, r.separateur)
                     << degres(x.azimut, r.separateur) << degres(x.hauteur, r.separateur);
            rangee(cellules, police(9.5));
            if (!communs.memeLieu)
                rangee({QString(), QString(), QString(),
                        u8(t.lieuLigne) + QLatin1Char(' ') + texteLieu(x, t)},
                       police(8.5), 3);
        } else {
            rangee(cellules << u8(t.sansInstant), police(9.5), 3);
        }
        filet(0.1);
    }
    if (aucune) {
        y += 2 * mm;
        paragraphe(p, gauche, y, largeur, u8(t.aucuneMesure), police(10, false, true), gris);
    }

    y += 6 * mm;
    paragraphe(p, gauche, y, largeur, texteMoyenne(r, t), police(12, true));
    if (const QString d = texteDispersion(r, t); !d.isEmpty()) {
        y += 1 * mm;
        paragraphe(p, gauche, y, largeur, d, police(10));
    }
    for (const QString& h : r.horloge) {
        y += 1 * mm;
        paragraphe(p, gauche, y, largeur, h, police(10));
    }
    y += 8 * mm;

    // The azimuth view, as large as the rest of the page leaves room for, up to 90 mm.
    const QFont pied = police(8);
    const double hauteurPied = QFontMetricsF(pied, p.device()).height() * 2;
    const double hauteurLegende = QFontMetricsF(police(9), p.device()).height() * 3;
    const double cote =
        std::min({90 * mm, largeur, zone.bottom() - hauteurPied - hauteurLegende - 3 * mm - y});
    const bool dessine = !communs.aucune || r.moyenne;
    if (!dessine) {
        paragraphe(p, gauche, y, largeur, u8(t.sansDiagramme), police(10, false, true), gris);
    } else if (cote >= 30 * mm) { // else a page too small for it: the numbers above stand
        const QRectF carre(gauche + (largeur - cote) / 2, y, cote, cote);
        p.setPen(QPen(gris, 0.2 * mm));
        p.setBrush(Qt::NoBrush);
        p.drawRect(carre);
        dessinerVue(p, carre, vueAzimut(r), mm);
        y += cote + 2 * mm;
        p.setFont(police(9));
        p.setPen(gris);
        p.drawText(QRectF(gauche, y, largeur, hauteurLegende),
                   Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, u8(t.legendeDiagramme));
    }

    p.setFont(pied);
    p.setPen(gris);
    p.drawText(QRectF(gauche, zone.bottom() - hauteurPied, largeur, hauteurPied),
               Qt::AlignRight | Qt::AlignBottom, r.programme);
    p.restore();
}

bool ImprimerRapport(const Rapport& r, QPagedPaintDevice& appareil) {
    QPainter p;
    if (!p.begin(&appareil))
        return false;
    const double dpi = appareil.logicalDpiY();
    const double mm = dpi / 25.4;
    // At least 15 mm of white paper around the report, whatever margins the device keeps.
    const QMarginsF marges = appareil.pageLayout().margins(QPageLayout::Millimeter);
    const auto complement = [mm](double marge) { return std::max(0.0, 15 - marge) * mm; };
    const QRectF zone = QRectF(0, 0, appareil.width(), appareil.height())
                            .adjusted(complement(marges.left()), complement(marges.top()),
                                      -complement(marges.right()), -complement(marges.bottom()));
    DessinerRapport(p, zone, dpi, r);
    return p.end();
}
