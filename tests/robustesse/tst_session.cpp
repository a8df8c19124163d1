// A long random session on the real main window; ORSALINE_SEED=<n> runs another. A failure
// names the action that led to it.

#include "fakes.h"
#include "mainwindow/formtalvan.h"

#include <QtTest>
#include <QtWidgets>
#include <functional>
#include <random>

namespace {

const QStringList Bizarres = // signs, overflows, exponents, commas, times, words, scripts
    QString("|-|+|.|,|-.|1e400|-1e-400|1e308|-1.7e308|2D3|1e|45,5|1,000.5|1 234,5|  12  |\t|nan|"
            "-inf|Infini|10:00|24:00|180|-180.01|90|2147483648|٣٤٥|12°30'|\u00a012\u202f5")
        .split('|');
const QRegularExpression NonFini("(?i)(?<![[:alpha:]])(nan|inf)(?![[:alpha:]])"); // not "Infini"
const QRegularExpression Clavier("^[ -~]{0,12}$"); // short plain texts are typed key by key
// Buttons, clock, options, languages, help, About, map.
const QStringList Boutons{"Command1", "Command2",  "Command3",  "Command5", "Command6", "Command7",
                          "Command8", "Image1",    "Label13",   "Option1",  "Option2",  "Option3",
                          "Option4",  "Option5_0", "Option5_1", "Image2",   "Label8"};

} // namespace

class TestSession : public QObject {
    Q_OBJECT

private slots:
    void sessionAuHasard() { // a full stop as decimal separator, then a comma for the second half
        const quint64 graine = qEnvironmentVariable("ORSALINE_SEED", "20080211").toULongLong();
        std::mt19937_64 alea(graine);
        const auto entier = [&](int a, int b) { return std::uniform_int_distribution(a, b)(alea); };
        const auto chance = [&](double p) { return std::bernoulli_distribution(p)(alea); };
        const auto un = [&](const auto& l) { return l[entier(0, int(std::size(l)) - 1)]; };
        Fenetre<FormTalvan> f;
        QList<QLineEdit*> champs = f.w->findChildren<QLineEdit*>(); // all a person types into
        champs.removeIf([](QLineEdit* l) { return l->isReadOnly() || !l->isVisible(); });
        QHash<const QWidget*, QString> tape; // the last text typed into each field
        bool modif = false;                  // Modif seen true
        const std::function<QString()> textes[] = {
            [&] { return un(Bizarres); },
            [&] { return QLocale(chance(0.5) ? "C" : "fr").toString(entier(-40000, 40000) / 1e2); },
            [&] { return QString::number(std::ldexp(entier(-99, 99), entier(-1099, 1099))); },
            [&] { return (un(Bizarres) + '7').repeated(entier(9, 60)); }, // hundreds of characters
        };
        const std::function<QString()> actions[] = {
            [&] { // clicks into a field or tabs to it, types over what it holds, maybe Return
                QLineEdit* c = un(champs);
                const QString t = un(textes)();
                chance(0.5) ? QTest::mouseClick(c, Qt::LeftButton) : c->setFocus();
                c->selectAll();
                Clavier.match(t).hasMatch() && chance(.7) ? QTest::keyClicks(c, t) : c->insert(t);
                tape[c] = c->text();
                if (chance(0.4)) // Return, or another entry of a date list
                    QTest::keyClick(c, un(std::array{Qt::Key_Return, Qt::Key_Down, Qt::Key_Up}));
                return c->objectName() + " \"" + t.left(40) + '"';
            },
            [&] {
                QCheckBox* c = f.chec(entier(0, 4));
                chance(0.6) ? QTest::mouseClick(c, Qt::LeftButton)
                            : QTest::keyClick(c, Qt::Key_Space);
                return "tick " + c->objectName();
            },
            [&] { // a button of the main window, About or the map, when shown
                QWidget* fenetre = un(QApplication::topLevelWidgets());
                const QString nom = un(Boutons), quoi = fenetre->objectName() + ' ' + nom;
                // With kept lines the reset asks first: Yes, No or Escape.
                QTimer::singleShot(0, [reponse = entier(0, 2)] {
                    if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                        reponse == 2
                            ? QTest::keyClick(m, Qt::Key_Escape)
                            : m->button(reponse ? QMessageBox::No : QMessageBox::Yes)->click();
                });
                for (QWidget* x : fenetre->findChildren<QWidget*>(nom)) // not on a hidden window
                    if (x->isVisible() && x->window() == fenetre)
                        QTest::mouseClick(x, Qt::LeftButton);
                return quoi; // the click may have closed the window
            },
            [&] { // the clock's tick, sometimes an hour on
                f.fakes.clock.avancer(chance(0.3) ? entier(1, 4000) : 0);
                f.tic();
                return "clock " + f.fakes.clock.maintenantUtc().toString(Qt::ISODate);
            }};
        for (int i = 0; i < 20000; ++i) {
            if (i == 10000)
                QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
            const auto action = actions[std::discrete_distribution({32, 14, 30, 16})(alea)];
            const QString quoi = QString("seed %1, step %2: %3 ").arg(graine).arg(i).arg(action());
            const EtatFormTalvan& e = f.w->etat();
            QVERIFY2(e.Mem >= 0 && e.Mem <= 5, qPrintable(quoi + QString::number(e.Mem)));
            QVERIFY2(!std::exchange(modif, e.Modif) || e.Modif, qPrintable(quoi + "Modif reset"));
            for (int j = 0; j < 5; ++j)
                QVERIFY2((!f.chec(j)->isChecked() || !f.dg(j)->text().isEmpty()) &&
                             (j >= e.Mem || f.dg(j)->palette().text().color() == Qt::darkGreen),
                         qPrintable(quoi + "line " + QString::number(j)));
            for (QWidget* fenetre : QApplication::topLevelWidgets()) // only what the program wrote
                for (QWidget* x : fenetre->findChildren<QWidget*>())
                    if (const QString t = x->property("text").toString(); t.contains(NonFini))
                        QVERIFY2(tape.value(x) == t, qPrintable(quoi + x->objectName() + ' ' + t));
            if (i % 64 == 0)
                QCoreApplication::processEvents();
        }
    }
};

QTEST_MAIN(TestSession)
#include "tst_session.moc"
