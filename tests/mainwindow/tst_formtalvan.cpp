#include "fakes.h"
#include "mainwindow/formtalvan.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

class TestFormTalvan : public QObject {
    Q_OBJECT

private slots:
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
