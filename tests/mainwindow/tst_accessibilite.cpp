#include "fakes.h"
#include "mainwindow/controls.h"
#include "mainwindow/formtalvan.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

// A whole measurement with the keyboard alone, and what a screen reader is told.
namespace {

// The fakes' clock: 11 February 2008, 12:00 UT, Paris (UTC+1 in winter).
struct Banc : Fenetre<FormTalvan> {
    explicit Banc(const char* langue = "F") : Fenetre(langue) {
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    QString focus() const { return QApplication::focusWidget()->objectName(); }
    // Keys to the focused control as a person presses them: a capitalised word is a key as Qt
    // names it (Tab, Shift+Tab, Return, Alt+G), "Tab*3" three times; "attente" a second and a
    // half; any other word is typed.
    void touches(const QString& suite) const {
        for (const QString& mot : suite.split(' ', Qt::SkipEmptyParts)) {
            const QString t = mot.section('*', 0, 0);
            for (int n = qMax(1, mot.section('*', 1).toInt()); n > 0; --n) {
                if (t[0].isUpper())
                    QTest::keySequence(QApplication::focusWidget(), QKeySequence(t));
                else if (t != "attente")
                    QTest::keyClicks(QApplication::focusWidget(), t);
                if (int ms = t == "attente" ? 1500 : t.startsWith("Alt+") ? 300 : 0)
                    QTest::qWait(ms); // Alt+: a mnemonic's button clicks a moment later
            }
        }
    }
};

// What a screen reader reads as a control's name: a drop-down list is named by its label
// (under Linux its own name is its value), any other control by its accessible name.
QString nomLu(QWidget* w) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    if (qobject_cast<QComboBox*>(w))
        i = i->relations(QAccessible::Label).value(0).first; // none: unnamed
    return i ? i->text(QAccessible::Name) : QString();
}

struct Cas {
    const char* langue;
    QString touches, attendu;
};

} // namespace

Q_DECLARE_METATYPE(Cas)

class TestAccessibilite : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // A field under a heading is named by it, the result by what it holds, a list line by its
    // number, a button without its "&", the watch by its state; no input or output goes unnamed,
    // in either language.
    void noms() {
        Banc b;
        for (const char* attendu :
             {"Jour|Déclinaison du mur, moyenne|Mesure 3|Calcul|Horloge arrêtée",
              "Día|Declinación de la pared, media|Medida 3|Calcular|Reloj parado"}) {
            QStringList lus;
            for (const char* nom : {"Combo1_0", "Text15", "DG_2", "Command1", "Image1"})
                lus << nomLu(b.c(nom));
            QCOMPARE(lus.join('|'), QString::fromUtf8(attendu));
            for (QWidget* c : b.w->findChildren<QWidget*>())
                if ((qobject_cast<QLineEdit*>(c) && !qobject_cast<QComboBox*>(c->parent())) ||
                    qobject_cast<QComboBox*>(c) || qobject_cast<QCheckBox*>(c) ||
                    c->inherits("Canvas"))
                    QVERIFY2(!nomLu(c).isEmpty(), qPrintable(c->objectName()));
            b.clic("Option5_1");
        }
    }

    // Keys from the start, the focus in the angle field; then "key=value" pairs, only those
    // listed checked ("liste" as the driver's lignes()). A new message, and what each press on
    // the list did, are told once as the focused control's description ("annonces": the
    // controls told; "dit": the last one's, a pattern), again on a new attempt.
    void clavier_data() {
        QTest::addColumn<Cas>("cas");
        // Regression: a typed time was overwritten within a second; typed at the end, it replaces.
        QTest::newRow("heure locale tapee")
            << Cas{"F", "Shift+Tab*4 End 10:30 attente Tab*4 67,5 Return",
                   "horloge=arretee;Text10=10.30.00;liste=o....;focus=Text12;selection=67,5"};
        // Regression: a slip after Calcul only replaced the selected comma.
        QTest::newRow("la lecture suivante remplace, Entree sur Calcul puis sur Garder")
            << Cas{"F", "67,5 Return 66 Tab Return Tab*2 Return", "liste=X....;focus=Command2"};
        // Regression: the list of days stood at 1 whatever the day shown (the 11th); Down gave 2.
        QTest::newRow("jour suivant") << Cas{"F", "Shift+Tab*10 Down", "focus=Combo1_0;jour=12/12"};
        QTest::newRow("deux fois, remise a zero") << Cas{
            "F", "abc Return x Return Alt+R", "annonces=Text12 Text12 Text12;dit=Liste vide\\."};
        // NOAA azimuth 178.6594: 178.6594 - 112 - 90 = -23.3406, its minus sign read aloud.
        QTest::newRow("calcul") << Cas{
            "F", "112 Return",
            u"annonces=Text12;dit=Mesure 1 : −23[.,]3\\d°, non gardée\\. Pas de moyenne\\."_s};
        QTest::newRow("garder, espagnol") << Cas{
            "E", "67,5 Return Alt+G",
            u"annonces=Text12 Text12;dit=Medida 1: (−?\\d+[.,]\\d\\d)°, guardada\\. Media \\1°\\."_s};
        QTest::newRow("effacer") << Cas{
            "F", "67,5 Return Alt+G 66 Return Alt+E",
            u"annonces=Text12 Text12 Text12 Text12;dit=Mesure 2 effacée\\. 1 mesure dans la "
            "liste\\. Moyenne −?\\d+[.,]\\d\\d°\\."_s};
    }
    void clavier() {
        QFETCH(Cas, cas);
        const auto& [langue, touches, attendu] = cas;
        Banc b(langue);
        QCOMPARE(b.focus(), u"Text12"_s);
        auto* ligne = b.c<LigneMessage>("Label7");
        QStringList annonces;
        connect(ligne, &LigneMessage::annonce,
                [&](QWidget* cible) { annonces << cible->objectName(); });
        b.touches(touches);
        auto* jour = b.c<QComboBox>("Combo1_0");
        const QMap<QString, QString> vu{
            {"horloge", b.w->horloge()->isActive() ? "marche" : "arretee"},
            {"Text10", b.texte("Text10")},
            {"liste", b.lignes()},
            {"focus", b.focus()},
            {"selection", b.c<QLineEdit>("Text12")->selectedText()},
            {"jour", jour->currentText() + '/' + jour->itemText(jour->currentIndex())},
            {"annonces", annonces.join(' ')},
            {"dit", annonces.isEmpty() ? "" : b.c(annonces.last())->accessibleDescription()}};
        for (const QString& paire : attendu.split(';')) {
            const QString cle = paire.section('=', 0, 0), m = '^' + paire.section('=', 1) + '$';
            if (cle == "dit")
                QVERIFY2(QRegularExpression(m).match(vu["dit"]).hasMatch(), qPrintable(vu["dit"]));
            else
                QCOMPARE(cle + '=' + vu.value(cle), paire);
        }
        QCOMPARE(ligne->accessibleDescription(), ligne->text());
        QCOMPARE(QAccessible::queryAccessibleInterface(b.c("Image1"))->state().checked,
                 !b.w->horloge()->isActive());
    }
};

QTEST_MAIN(TestAccessibilite)
#include "tst_accessibilite.moc"
