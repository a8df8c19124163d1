#include "fakes.h"
#include "mainwindow/formtalvan.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

// Screen readers and the keyboard: every input and output is named in the current
// language, and Tab follows the way a person works.
class TestAccessibilite : public QObject {
    Q_OBJECT

    FakeServices m_fakes;
    std::unique_ptr<FormTalvan> m_fenetre;

    QMap<QString, QString> nomsDesChamps() const {
        QMap<QString, QString> noms;
        for (QWidget* w : m_fenetre->findChildren<QWidget*>()) {
            if (qobject_cast<QLineEdit*>(w) && qobject_cast<QComboBox*>(w->parentWidget()))
                continue; // the edit field inside a date list: the list carries the name
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                qobject_cast<QCheckBox*>(w) || w->inherits("Canvas"))
                noms.insert(w->objectName(), w->accessibleName());
        }
        return noms;
    }

private slots:
    void init() {
        QStandardPaths::setTestModeEnabled(true);
        m_fenetre = std::make_unique<FormTalvan>(m_fakes.services());
        m_fenetre->Charger();
        m_fenetre->horloge()->stop();
    }
    void cleanup() { m_fenetre.reset(); }

    void nomsPresentsEtTraduits() {
        const auto francais = nomsDesChamps();
        QCOMPARE(francais.size(), 27);
        for (auto it = francais.cbegin(); it != francais.cend(); ++it)
            QVERIFY2(!it.value().isEmpty(), qPrintable(it.key()));
        QCOMPARE(francais.value("Text1"), QStringLiteral("Latitude, degrés"));
        QCOMPARE(francais.value("DG_2"), QStringLiteral("Mesure 3"));

        QTest::mouseClick(m_fenetre->findChild<QAbstractButton*>("Option5_1"), Qt::LeftButton);
        const auto espagnol = nomsDesChamps();
        QCOMPARE(espagnol.value("Text12"), QStringLiteral("Ángulo medido en la pared"));
        QCOMPARE(espagnol.value("Combo1_2"), QStringLiteral("Año"));
        int differents = 0;
        for (auto it = francais.cbegin(); it != francais.cend(); ++it)
            differents += espagnol.value(it.key()) != it.value();
        QVERIFY(differents >= 25);
    }

    void ordreDeTabulation() {
        const QStringList attendu{"Text1",    "Text2",    "Option1", "Option2",  "Text3",
                                  "Text4",    "Option4",  "Option3", "Combo1_0", "Combo1_1",
                                  "Combo1_2", "Text9",    "Text7",   "Text8",    "Text10",
                                  "Text11",   "Text13",   "Text12",  "Command1", "Command2",
                                  "Command3", "Command5", "DG_0",    "Chec_0"};
        QWidget* w = m_fenetre->findChild<QWidget*>("Text1");
        QStringList suivis;
        while (suivis.size() < attendu.size()) {
            suivis << w->objectName();
            do
                w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus) || w->objectName().isEmpty() ||
                   qobject_cast<QComboBox*>(w->parentWidget()));
        }
        QCOMPARE(suivis, attendu);
    }
};

QTEST_MAIN(TestAccessibilite)
#include "tst_accessibilite.moc"
