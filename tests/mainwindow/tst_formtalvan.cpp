#include "about/about.h"
#include "fakes.h"
#include "mainwindow/canvas.h"
#include "mainwindow/diagrams.h"
#include "mainwindow/formtalvan.h"
#include "platform/fonts.h"
#include "solar/calculerror.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

namespace {

struct Banc : Fenetre<FormTalvan> {
    using Fenetre::Fenetre;
    bool coche(const QString& nom) const { return c(nom)->property("checked").toBool(); }
    // Every text a person can read on the window, as sorted "objectName=text|toolTip" lines.
    QStringList textes() const {
        QStringList l(w->etat().Libelles.begin(), w->etat().Libelles.end());
        l << w->windowTitle();
        for (const QWidget* x : w->findChildren<QWidget*>())
            if (!x->objectName().startsWith(QLatin1String("qt_")))
                l << x->objectName() + '=' + x->property("text").toString() + '|' + x->toolTip();
        l.sort();
        return l;
    }
};

QString legendes(const QWidget* f, const QStringList& noms) {
    QStringList l;
    for (const QString& n : noms)
        l << f->findChild<QWidget*>(n)->property("text").toString();
    return l.join('|');
}

QList<QLineF> lignes(const Canvas& pic, const QColor& couleur) {
    QList<QLineF> r;
    for (const Primitive& p : pic.primitives())
        if (p.genre == Primitive::Genre::Ligne && p.couleur == couleur)
            r << QLineF(p.p1, p.p2);
    return r;
}

} // namespace

class TestFormTalvan : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        platform::substituerPolices(); // the fonts the program draws with
    }

    // The widest value each read-out can hold shows whole: its sign and its "°" are not cut
    // by the field's edges. Run with QT_SCALE_FACTOR=1.5 or 2 to check other densities.
    void chiffresEntiers() {
        Banc b;
        // Each field=its widest value; digits are all as wide in the designed fonts.
        const QStringList cas =
            u"Text9=-23,44°|Text9=-23.44°|Text7=00 min 00 Segundos|Text7=00 min 00 Secondes|"
            u"Text8=00 h 00 m 00 Sec.|Text8=00 h 00 m 00 Seg.|Text10=00.00.00|Text13=00.00.00|"
            u"DG_0=-179,99|Text15=-179,99|Text12=179,99"_s.split('|');
        for (const char* drapeau : {"Option5_1", "Option5_0"}) {
            b.clic(drapeau);
            for (const QString& k : cas) {
                const QString champ = k.section('=', 0, 0), t = k.section('=', 1);
                QLineEdit* le = b.c<QLineEdit>(champ);
                QStyleOptionFrame opt;
                opt.initFrom(le);
                opt.rect = le->rect();
                opt.lineWidth =
                    le->hasFrame()
                        ? le->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, le)
                        : 0;
                // QLineEdit keeps 2 px of its own on each side of the text.
                const int place = le->style()
                                      ->subElementRect(QStyle::SE_LineEditContents, &opt, le)
                                      .marginsRemoved(le->textMargins())
                                      .width() -
                                  4;
                const QFontMetrics m = le->fontMetrics();
                const int largeur =
                    std::max(m.boundingRect(t).right() + 1, m.horizontalAdvance(t)) -
                    std::min(m.boundingRect(t).left(), 0);
                QVERIFY2(largeur <= place,
                         qPrintable(
                             u"%1 \"%2\": %3 px in %4 px"_s.arg(champ, t).arg(largeur).arg(place)));
            }
        }
    }

    // Pasted place values, "field=pasted>left": out of bounds empties the field, a comma reads
    // as a decimal point.
    void saisiesDuLieu() {
        for (const QString& cas :
             u"Text1=95> Text1=90>90 Text3=181> Text3=1e400> Text2=52,5>52,5"_s.split(' ')) {
            const QString champ = cas.section('=', 0, 0),
                          colle = cas.section(QRegularExpression("[=>]"), 1, 1);
            Banc b;
            b.clic(champ);
            QTest::keyClick(b.c(champ), Qt::Key_A, Qt::ControlModifier);
            QApplication::clipboard()->setText(colle);
            QTest::keyClick(b.c(champ), Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(champ + '=' + colle + '>' + b.texte(champ), cas);
            QVERIFY(colle != "52,5" || std::abs(b.w->etat().Lat - (48 + 52.5 / 60)) < 1e-9);
        }
    }

    // One flag checked; the round trip equals a French start (only "F" starts in French). About,
    // modal, follows the language, with its notice: copyright, no warranty, the licence.
    void allerRetour() {
        Banc b("f"), reference;
        QVERIFY(b.coche("Option5_1"));
        for (const char* drapeau : {"Option5_0", "Option5_1", "Option5_0"}) {
            b.clic(drapeau);
            const bool es = b.coche("Option5_1");
            QVERIFY(b.coche(drapeau) && es != b.coche("Option5_0"));
            const QString aide = b.texte("Label8"); // 5 lines
            QVERIFY(aide.count('\n') == 4 && aide.split("\r\n", Qt::SkipEmptyParts).size() == 5);
            for (const char* l : {"Orsalina", "Adiós", "Chec_4=|Usar para el cálculo"})
                QVERIFY2(b.textes().contains(QString::fromUtf8(l)) == es, l);
            b.clic("Command6");
            QPointer<About> a = b.w->fenetreAbout();
            QVERIFY(a && a->isVisible() && a->isModal());
            QSignalSpy retour(a.data(), &About::retour); // the main window comes back on it
            const QStringList l =
                QString::fromUtf8(es ? "Acerca de|Versión : 3.0.0|Volver|SIN NINGUNA GARANTÍA"
                                     : "A propos|Version : 3.0.0|Retour|SANS AUCUNE GARANTIE")
                    .split('|');
            QCOMPARE(a->windowTitle() + '|' + legendes(a, {"Label4", "Command1"}),
                     l.mid(0, 3).join('|'));
            for (const QString& m : {l[3], u"Copyright © 2026"_s, u"(GPL-3.0-or-later)"_s})
                QVERIFY2(legendes(a, {"Label6"}).contains(m), qPrintable(m));
            QTest::mouseClick(a->findChild<QWidget*>("Command1"), Qt::LeftButton);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!a && retour.size() == 1);
        }
        b.tic();
        reference.tic();
        QCOMPARE(b.textes(), reference.textes());
    }

    // A renamed executable, revision 12, a translator's site with a trailing slash. By the mouse,
    // or Tab from "Retour" (focused first) and Enter: translator, author's site, mail, in order.
    void liens() {
        const QString courriel =
            "mailto:auteur@example.org?subject=Orsa%26line%20%23%C3%A9%20V3.0.12";
        const Fenetre<About> b("F", "", "Europe/Paris", {}, nullptr, [](FakeServices& f) {
            f.identity.nomExecutable = QStringLiteral("Orsa&line #é");
            f.identity.revision = 12;
            f.adresses.siteTraduction += '/';
        });
        About& about = *b.w;
        for (const char* n : {"Label2", "Label3", "Label5"}) // empty until a language is applied
            b.c<QLabel>(n)->setText("Lien");
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        b.clic("Label2");
        about.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
        for (const char* lien : {"Label5", "Label3", "Label2"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), lien);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QVERIFY(about.isVisible());
        QStringList ouvertes;
        for (const QUrl& u : b.fakes.opener.adresses)
            ouvertes << u.toString(QUrl::FullyEncoded);
        QCOMPARE(ouvertes, QStringList({courriel, "https://traduction.example.org/index.htm",
                                        "https://auteur.example.org", courriel}));
    }

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

QTEST_MAIN(TestFormTalvan)
#include "tst_formtalvan.moc"
