#include "fakes.h"
#include "mainwindow/formtalvan.h"
#include "platform/fonts.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

class TestFormTalvan : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::substituerPolices(); } // the fonts the program draws with

    // Regression: "Correction en Longitude" touched the outline. In both languages the
    // headings right-aligned on their fields keep clear of it.
    void miseEnPage() {
        Fenetre<FormTalvan> b;
        for (const char* drapeau : {"Option5_1", "Option5_0"}) {
            b.clic(drapeau);
            const int contour = b.c("Shape1")->x();
            for (const char* nom : {"Label10", "Label11"}) {
                auto* l = b.c<QLabel>(nom);
                const int debut =
                    l->geometry().right() - l->fontMetrics().horizontalAdvance(l->text());
                QVERIFY2(debut >= contour + 3, qPrintable(l->text()));
            }
        }
    }

    // The widest value each read-out can hold shows whole: its sign and its "°" are not cut
    // by the field's edges. Run with QT_SCALE_FACTOR=1.5 or 2 to check other densities.
    void chiffresEntiers() {
        Fenetre<FormTalvan> b;
        // Each field=its widest value; digits are all as wide in the designed fonts.
        const QStringList cas =
            QString::fromUtf8(
                "Text9=-23,44°|Text9=-23.44°|Text7=00 min 00 Segundos|Text7=00 min 00 Secondes|"
                "Text8=00 h 00 m 00 Sec.|Text8=00 h 00 m 00 Seg.|Text10=00.00.00|Text13=00.00.00|"
                "DG_0=-179,99|Text15=-179,99|Text12=179,99")
                .split('|');
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
                const QRect zone = le->style()
                                       ->subElementRect(QStyle::SE_LineEditContents, &opt, le)
                                       .marginsRemoved(le->textMargins())
                                       .adjusted(2, 0, -2, 0);
                const int largeur =
                    le->fontMetrics()
                        .boundingRect(t)
                        .united(QRect(0, 0, le->fontMetrics().horizontalAdvance(t), 1))
                        .width();
                QVERIFY2(largeur <= zone.width(),
                         qPrintable(u"%1 \"%2\": %3 px in %4 px"_s.arg(champ, t).arg(largeur).arg(
                             zone.width())));
            }
        }
    }

    // Pasted place values: out of bounds empties the field, a comma reads as a decimal point.
    void saisiesDuLieu_data() {
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("colle");
        QTest::addColumn<QString>("reste");
        QTest::newRow("latitude 95") << u"Text1"_s << u"95"_s << u""_s;
        QTest::newRow("latitude 90") << u"Text1"_s << u"90"_s << u"90"_s;
        QTest::newRow("longitude 181") << u"Text3"_s << u"181"_s << u""_s;
        QTest::newRow("minutes 52,5") << u"Text2"_s << u"52,5"_s << u"52,5"_s;
        QTest::newRow("exposant enorme") << u"Text3"_s << u"1e400"_s << u""_s;
    }

    void saisiesDuLieu() {
        QFETCH(QString, champ);
        QFETCH(QString, colle);
        QFETCH(QString, reste);
        Fenetre<FormTalvan> b;
        b.clic(champ);
        QTest::keyClick(b.c(champ), Qt::Key_A, Qt::ControlModifier);
        QApplication::clipboard()->setText(colle);
        QTest::keyClick(b.c(champ), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(b.texte(champ), reste);
        if (colle == "52,5")
            QVERIFY(std::abs(b.w->etat().Lat - (48 + 52.5 / 60)) < 1e-9);
    }
};

QTEST_MAIN(TestFormTalvan)
#include "tst_formtalvan.moc"