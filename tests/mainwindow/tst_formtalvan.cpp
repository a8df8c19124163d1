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

    // The widest value each read-out can hold shows whole in both languages: its sign and its
    // "°" are not cut by the field's edges (digits are all as wide in the designed fonts). Run
    // with QT_SCALE_FACTOR=1.5 or 2 to check other densities.
    void chiffresEntiers() {
        Fenetre<FormTalvan> b;
        for (const char* drapeau : {"Option5_1", "Option5_0"}) {
            b.clic(drapeau);
            for (const char* k : {"Text9=-23,44°", "Text9=-23.44°", "Text7=00 min 00 Segundos",
                                  "Text7=00 min 00 Secondes", "Text8=00 h 00 m 00 Sec.",
                                  "Text8=00 h 00 m 00 Seg.", "Text10=00.00.00", "Text13=00.00.00",
                                  "DG_0=-179,99", "Text15=-179,99", "Text12=179,99"}) {
                const QString champ = QString(k).section('=', 0, 0);
                const QString t = QString::fromUtf8(k).section('=', 1);
                QLineEdit* le = b.c<QLineEdit>(champ);
                QStyleOptionFrame opt;
                opt.initFrom(le);
                opt.rect = le->rect();
                opt.lineWidth =
                    le->hasFrame()
                        ? le->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, le)
                        : 0;
                const QRect zone = le->style()
                                       ->subElementRect(QStyle::SE_LineEditContents, &opt, le)
                                       .marginsRemoved(le->textMargins());
                const int place = zone.width() - 4; // QLineEdit keeps 2 px each side of the text
                const QFontMetrics m = le->fontMetrics();
                const int largeur =
                    m.boundingRect(t).united(QRect(0, 0, m.horizontalAdvance(t), 1)).width();
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
            Fenetre<FormTalvan> b;
            b.clic(champ);
            QTest::keyClick(b.c(champ), Qt::Key_A, Qt::ControlModifier);
            QApplication::clipboard()->setText(colle);
            QTest::keyClick(b.c(champ), Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(champ + '=' + colle + '>' + b.texte(champ), cas);
            QVERIFY(colle != "52,5" || std::abs(b.w->etat().Lat - (48 + 52.5 / 60)) < 1e-9);
        }
    }
};

QTEST_MAIN(TestFormTalvan)
#include "tst_formtalvan.moc"
