#include "fakes.h"
#include "mainwindow/captions.h"
#include "mainwindow/controls.h"
#include "mainwindow/formtalvan.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

// A whole measurement with the keyboard alone, and what a screen reader is told.
namespace {

const QString Erreur = QString::fromUtf8(captions::ErreurSaisie);

// The fakes' clock: 11 February 2008, 12:00 UT, Paris (UTC+1 in winter).
struct Banc : Fenetre<FormTalvan> {
    explicit Banc(const char* langue = "F") : Fenetre(langue) {
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
    }
    QString focus() const {
        QWidget* f = QApplication::focusWidget();
        return f ? f->objectName() : QString();
    }
    // Keys to the focused control as a person presses them: Tab, S-Tab, Enter, Space, Down,
    // End, A-g, A-r, A-e (Alt+G, Alt+R, Alt+E); "x*3" three times; "tic" a tick of the clock,
    // "attente" a second and a half; any other word is typed.
    void touches(const QString& suite) const {
        static const QMap<QString, std::pair<Qt::Key, Qt::KeyboardModifiers>> noms{
            {"Tab", {Qt::Key_Tab, {}}},           {"S-Tab", {Qt::Key_Backtab, Qt::ShiftModifier}},
            {"Enter", {Qt::Key_Return, {}}},      {"Space", {Qt::Key_Space, {}}},
            {"Down", {Qt::Key_Down, {}}},         {"A-g", {Qt::Key_G, Qt::AltModifier}},
            {"End", {Qt::Key_End, {}}},           {"A-r", {Qt::Key_R, Qt::AltModifier}},
            {"A-e", {Qt::Key_E, Qt::AltModifier}}};
        for (const QString& mot : suite.split(' ', Qt::SkipEmptyParts)) {
            const QString touche = mot.section('*', 0, 0);
            for (int n = mot.contains('*') ? mot.section('*', 1).toInt() : 1; n > 0; --n) {
                QWidget* f = QApplication::focusWidget();
                if (touche == "tic")
                    w->Timer1_Timer();
                else if (touche == "attente")
                    QTest::qWait(1500);
                else if (noms.contains(touche))
                    QTest::keyClick(f, noms[touche].first, noms[touche].second);
                else
                    QTest::keyClicks(f, touche);
                if (touche.startsWith("A-"))
                    QTest::qWait(300); // a mnemonic's button clicks a moment later
            }
        }
    }
    // Per line of the list: X kept (ticked), o a value not kept, . empty.
    QString liste() const {
        QString r;
        for (int i = 0; i < 5; ++i)
            r += c<QCheckBox>(u"Chec_%1"_s.arg(i))->isChecked()      ? 'X'
                 : c<QLineEdit>(u"DG_%1"_s.arg(i))->text().isEmpty() ? '.'
                                                                     : 'o';
        return r;
    }
};

// What a screen reader reads as a control's name: a drop-down list is named by its label
// (under Linux its own name is its value), any other control by its accessible name.
QString nomLu(QWidget* w) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    if (qobject_cast<QComboBox*>(w)) {
        const auto titres = i->relations(QAccessible::Label);
        return titres.isEmpty() ? QString() : titres.first().first->text(QAccessible::Name);
    }
    return i->text(QAccessible::Name);
}

// A control; the name read in French, in Spanish.
struct Nom {
    QString nom, francais, espagnol;
};

} // namespace

Q_DECLARE_METATYPE(Nom)

class TestAccessibilite : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // A field under a heading is named by it, the result by what it holds, a list line by
    // its number; no input or output goes unnamed, in either language.
    void noms_data() {
        QTest::addColumn<Nom>("cas");
        QTest::newRow("jour") << Nom{"Combo1_0", "Jour", "Día"};
        QTest::newRow("resultat") << Nom{"Text15", "Déclinaison du mur, moyenne",
                                         "Declinación de la pared, media"};
        QTest::newRow("montre") << Nom{"Image1", "Horloge arrêtée", "Reloj parado"};
        QTest::newRow("ligne 3") << Nom{"DG_2", "Mesure 3", "Medida 3"};
        QTest::newRow("calcul, sans &") << Nom{"Command1", "Calcul", "Calcular"};
    }
    void noms() {
        QFETCH(Nom, cas);
        const auto& [nom, francais, espagnol] = cas;
        Banc b;
        for (const QString& attendu : {francais, espagnol}) {
            QCOMPARE(nomLu(b.c(nom)), attendu);
            for (QWidget* c : b.w->findChildren<QWidget*>())
                if ((qobject_cast<QLineEdit*>(c) && !qobject_cast<QComboBox*>(c->parent())) ||
                    qobject_cast<QComboBox*>(c) || qobject_cast<QCheckBox*>(c) ||
                    c->inherits("Canvas"))
                    QVERIFY2(!nomLu(c).isEmpty(), qPrintable(c->objectName()));
            b.clic("Option5_1");
        }
    }

    // Tab follows the way a person works: place, date, time, the watch, the angle, "Calcul",
    // the list, the result, the command row.
    void tabulation() {
        Banc b;
        QStringList suivis;
        for (QWidget* c = b.c("Text1"); suivis.size() < 40; c = c->nextInFocusChain())
            if ((c->focusPolicy() & Qt::TabFocus) && !c->objectName().isEmpty() &&
                !qobject_cast<QComboBox*>(c->parentWidget()))
                suivis << c->objectName();
        QCOMPARE(suivis.join(' '),
                 u"Text1 Text2 Option1 Option2 Text3 Text4 Option4 Option3 Combo1_0 Combo1_1 "
                 "Combo1_2 Text9 Text7 Text8 Text10 Text11 Text13 Image1 Text12 Command1 "
                 "Command2 Command3 Command5 DG_0 Chec_0 DG_1 Chec_1 DG_2 Chec_2 DG_3 Chec_3 DG_4 "
                 "Chec_4 Text15 Option5_0 Option5_1 Command8 Command7 Command6 Command4"_s);
    }

    // Keys from the start, the focus in the angle field. Expected: "key=value" pairs, only
    // those listed are checked. Times: Paris is UTC+1 on 11 February 2008.
    void clavier_data() {
        QTest::addColumn<QString>("touches");
        QTest::addColumn<QString>("attendu");
        // Regression: the typed time was overwritten within a second and Calcul used now.
        QTest::newRow("heure locale tapee")
            << u"S-Tab*4 10:30 attente Tab*4 67,5 Enter"_s
            << u"horloge=arretee Text10=10.30.00 Text11=09.30.00 rouge=Label15 liste=o.... "
               "focus=Text12 selection=67,5"_s;
        // Typed after the clock's time, it replaces it as after a click into the field.
        QTest::newRow("heure tapee en fin de champ")
            << u"S-Tab*4 End 10:30 Tab*4 67,5 Enter"_s << u"Text10=10.30.00 Text11=09.30.00"_s;
        // Regression: a slip after Calcul only replaced the selected comma.
        QTest::newRow("la lecture suivante remplace")
            << u"67,5 Enter 66 Enter"_s << u"liste=o.... selection=66 focus=Text12"_s;
        QTest::newRow("montre, Espace") << u"S-Tab Space"_s << u"horloge=arretee focus=Image1"_s;
        QTest::newRow("Entree sur Calcul puis sur Garder")
            << u"67,5 Tab Enter Tab*2 Enter"_s << u"liste=X.... focus=Command2"_s;
        // Regression: the list of days stood at 1 whatever the day shown (today, the 11th), and
        // Down gave 2.
        QTest::newRow("jour suivant") << u"S-Tab*10 Down"_s << u"focus=Combo1_0 jour=12 ligne=12"_s;
    }
    void clavier() {
        QFETCH(QString, touches);
        QFETCH(QString, attendu);
        Banc b;
        QCOMPARE(b.focus(), u"Text12"_s);
        b.touches(touches);
        auto* jour = b.c<QComboBox>("Combo1_0");
        const QString rouge =
            b.c<QLabel>("Label15")->palette().color(QPalette::WindowText) == QColor(Qt::red)
                ? u"Label15"_s
            : b.c<QLabel>("Label16")->palette().color(QPalette::WindowText) == QColor(Qt::red)
                ? u"Label16"_s
                : u"aucun"_s;
        const QMap<QString, QString> vu{
            {"horloge", b.w->horloge()->isActive() ? "marche" : "arretee"},
            {"Text10", b.c<QLineEdit>("Text10")->text()},
            {"Text11", b.c<QLineEdit>("Text11")->text()},
            {"rouge", rouge},
            {"liste", b.liste()},
            {"focus", b.focus()},
            {"selection", b.c<QLineEdit>("Text12")->selectedText()},
            {"jour", jour->currentText()},
            {"ligne", jour->itemText(jour->currentIndex())}};
        for (const QString& paire : attendu.split(' ')) {
            const QString cle = paire.section('=', 0, 0);
            QCOMPARE(cle + '=' + vu.value(cle), paire);
        }
        // The watch tells a screen reader whether the clock is stopped.
        const auto etat = QAccessible::queryAccessibleInterface(b.c("Image1"))->state();
        QCOMPARE(etat.checked, !b.w->horloge()->isActive());
    }

    // A new message, and what each press on the list did, are told as the description of
    // the focused control, once: a user's new attempt repeats a message, the clock's tick
    // writing it again does not. The description goes with the focus or the next press.
    void messages_data() {
        QTest::addColumn<QString>("langue");
        QTest::addColumn<QString>("touches");
        QTest::addColumn<QString>("annonces");
        QTest::addColumn<QString>("description"); // of the last one told, after: a pattern
        const QString erreur = QRegularExpression::escape(Erreur);
        QTest::newRow("deux fois") << "F" << u"abc Enter x Enter"_s << u"Text12 Text12"_s << erreur;
        // A ticked line that holds a word: each tick writes the message again.
        QTest::newRow("tic repete")
            << "F" << u"Tab*5 1 Tab Space S-Tab mur tic tic"_s << u"DG_0"_s << erreur;
        QTest::newRow("remise a zero")
            << "F" << u"abc Enter A-r"_s << u"Text12 Text12"_s << u"Liste vide\\."_s;
        // NOAA azimuth 178.6594: 178.6594 - 112 - 90 = -23.3406, its minus sign read aloud.
        QTest::newRow("calcul") << "F" << u"112 Enter"_s << u"Text12"_s
                                << u"Mesure 1 : −23[.,]3\\d°, non gardée\\. Pas de moyenne\\."_s;
        QTest::newRow("garder, espagnol")
            << "E" << u"67,5 Enter A-g"_s << u"Text12 Text12"_s
            << u"Medida 1: (−?\\d+[.,]\\d\\d)°, guardada\\. Media \\1°\\."_s;
        QTest::newRow("effacer") << "F" << u"67,5 Enter A-g 66 Enter A-e"_s
                                 << u"Text12 Text12 Text12 Text12"_s
                                 << u"Mesure 2 effacée\\. 1 mesure dans la liste\\. "
                                    "Moyenne −?\\d+[.,]\\d\\d°\\."_s;
        QTest::newRow("le focus part") << "F" << u"67,5 Enter Tab"_s << u"Text12"_s << u""_s;
    }
    void messages() {
        QFETCH(QString, langue);
        QFETCH(QString, touches);
        QFETCH(QString, annonces);
        QFETCH(QString, description);
        Banc b(qPrintable(langue));
        auto* ligne = b.c<LigneMessage>("Label7");
        QStringList vues;
        connect(ligne, &LigneMessage::annonce,
                [&](QWidget* cible) { vues << cible->objectName(); });
        b.touches(touches);
        QCOMPARE(vues.join(' '), annonces);
        const QString vue = b.c(vues.last())->accessibleDescription();
        QVERIFY2(QRegularExpression('^' + description + '$').match(vue).hasMatch(),
                 qPrintable(vue));
        QCOMPARE(ligne->accessibleDescription(), ligne->text());
    }
};

QTEST_MAIN(TestAccessibilite)
#include "tst_accessibilite.moc"
