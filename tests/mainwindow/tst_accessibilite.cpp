#include "fakes.h"
#include "mainwindow/formtalvan.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

// Screen readers and the keyboard: every input and output is named in the current
// language, and Tab follows the way a person works.
class TestAccessibilite : public QObject {
    Q_OBJECT

private slots:
    void nomsEtTabulation() {
        FakeServices fakes;
        FormTalvan w(fakes.services());
        w.Charger();
        const auto noms = [&w] {
            QMap<QString, QString> n;
            for (QWidget* c : w.findChildren<QWidget*>())
                if ((qobject_cast<QLineEdit*>(c) && !qobject_cast<QComboBox*>(c->parentWidget())) ||
                    qobject_cast<QComboBox*>(c) || qobject_cast<QCheckBox*>(c) ||
                    c->inherits("Canvas"))
                    n.insert(c->objectName(), c->accessibleName());
            return n;
        };
        const auto francais = noms();
        QCOMPARE(francais.size(), 27);
        QVERIFY2(!francais.values().contains(QString()), qPrintable(francais.key(QString())));
        QCOMPARE(francais.value("Text1"), QStringLiteral("Latitude, degrés"));
        QTest::mouseClick(w.findChild<QAbstractButton*>("Option5_1"), Qt::LeftButton);
        const auto espagnol = noms();
        QCOMPARE(espagnol.value("DG_2"), QStringLiteral("Medida 3"));
        QCOMPARE(espagnol.value("Text12"), QStringLiteral("Ángulo medido en la pared"));

        QStringList suivis;
        for (QWidget* c = w.findChild<QWidget*>("Text1"); suivis.size() < 20;
             c = c->nextInFocusChain())
            if ((c->focusPolicy() & Qt::TabFocus) && !c->objectName().isEmpty() &&
                !qobject_cast<QComboBox*>(c->parentWidget()))
                suivis << c->objectName();
        QCOMPARE(suivis.join(' '),
                 QStringLiteral("Text1 Text2 Option1 Option2 Text3 Text4 Option4 "
                                "Option3 Combo1_0 Combo1_1 Combo1_2 Text9 Text7 "
                                "Text8 Text10 Text11 Text13 Text12 Command1 Command2"));
    }
};

QTEST_MAIN(TestAccessibilite)
#include "tst_accessibilite.moc"
