// A long random session against the real main window, checking after each action the rules
// that always hold. ORSALINE_SEED=<n> replays another; a failure names its seed and last actions.

#include "fakes.h"
#include "mainwindow/formtalvan.h"
#include "solar/textformat.h"

#include <QtTest>
#include <QtWidgets>
#include <functional>
#include <random>

namespace {

// A press and release delivered to the widget itself, then what the click queued.
void cliquer(QWidget* w) {
    const QPointF p = w->rect().center(), g = w->mapToGlobal(p);
    QMouseEvent appui(QEvent::MouseButtonPress, p, g, Qt::LeftButton, Qt::LeftButton, {});
    QMouseEvent relache(QEvent::MouseButtonRelease, p, g, Qt::LeftButton, Qt::NoButton, {});
    QCoreApplication::sendEvent(w, &appui);
    QCoreApplication::sendEvent(w, &relache);
    QCoreApplication::sendPostedEvents();
}

// Empty, signs alone, beyond a double, exponents, commas, times, words, other scripts.
const QStringList Bizarres =
    QString("|-|+|.|,|-.|1e400|-1e-400|1e308|-1.7e308|2D3|1e|45,5|1,000.5|1 234,5|  12  |\t|nan|"
            "-inf|Infini|10:00|24:00|180|-180.01|90|2147483648|٣٤٥|12°30'|\u00a012\u202f5")
        .split('|');
// "nan", "inf", "-nan", "inf°" ... but not "Infini" or "information".
const QRegularExpression NonFini("(?<![[:alpha:]])(nan|inf)(?![[:alpha:]])",
                                 QRegularExpression::CaseInsensitiveOption);
const QRegularExpression Clavier("^[ -~]{0,12}$"); // short plain texts are typed key by key

} // namespace

class TestSession : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // A full stop as decimal separator for the first half of the session, then a comma.
    void sessionAuHasard() {
        const quint64 graine = qEnvironmentVariable("ORSALINE_SEED", "20080211").toULongLong();
        std::mt19937_64 alea(graine);
        const auto entier = [&](int a, int b) { return std::uniform_int_distribution(a, b)(alea); };
        const auto chance = [&](double p) { return std::bernoulli_distribution(p)(alea); };
        const auto un = [&](const auto& l) { return l[entier(0, int(std::size(l)) - 1)]; };
        FakeServices f;
        FormTalvan w(f.services());
        w.Charger();
        QList<QLineEdit*> champs = w.findChildren<QLineEdit*>(); // every field a person types into
        champs.removeIf([](QLineEdit* l) { return l->isReadOnly() || !l->isVisible(); });
        const auto DG = w.findChildren<QLineEdit*>(QRegularExpression("^DG_\\d$"));
        const auto Chec = w.findChildren<QCheckBox*>(QRegularExpression("^Chec_\\d$"));
        QHash<const QWidget*, QString> tape;                  // the last text typed into each field
        bool moyenneAJour = false, modif = false, ok = false; // modif: Modif seen true

        const std::function<QString()> textes[] = {
            [&] { return un(Bizarres); },
            [&] { return QLocale(chance(0.5) ? "C" : "fr").toString(entier(-40000, 40000) / 1e2); },
            [&] { return QString::number(std::ldexp(entier(-99, 99), entier(-1099, 1099))); },
            [&] { return QStringLiteral("%1:%2").arg(entier(0, 25)).arg(entier(0, 61)); },
            [&] { return (un(Bizarres) + '7').repeated(entier(9, 60)); }, // hundreds of characters
        };
        const std::function<QString()> actions[] = {
            [&] { // clicks into a field or tabs to it, types over what it holds, maybe a key
                QLineEdit* c = un(champs);
                const QString t = un(textes)();
                chance(0.5) ? cliquer(c) : c->setFocus();
                c->selectAll();
                Clavier.match(t).hasMatch() && chance(.7) ? QTest::keyClicks(c, t) : c->insert(t);
                tape[c] = c->text();
                if (chance(0.4)) // Return, or another entry of a date list
                    QTest::keyClick(c, un(std::array{Qt::Key_Return, Qt::Key_Down, Qt::Key_Up}));
                return c->objectName() + '/' + c->parent()->objectName() + " \"" + t.left(40) + '"';
            },
            [&] {
                const int i = entier(0, 4);
                const bool avant = Chec[i]->isChecked();
                chance(0.6) ? cliquer(Chec[i]) : QTest::keyClick(Chec[i], Qt::Key_Space);
                moyenneAJour = avant != Chec[i]->isChecked();
                return QStringLiteral("tick %1").arg(i);
            },
            [&] { // buttons, clock on/off, options, languages, help, About and map opened or closed
                const QString nom = un(QString("Command1 Command2 Command3 Command5 Command6 "
                                               "Command7 Command8 Image1 Label13 Option1 Option2 "
                                               "Option3 Option4 Option5_0 Option5_1 Image2 Label8")
                                           .split(' '));
                QWidget* fenetre = un(QApplication::topLevelWidgets()); // main window, About, map
                const QString quoi = fenetre->objectName() + ' ' + nom;
                for (QWidget* x : fenetre->findChildren<QWidget*>(nom))
                    if (x->isVisible() && x->window() == fenetre)
                        cliquer(x);
                moyenneAJour = nom == "Command5" && fenetre == &w; // reset
                return quoi;
            },
            [&] { // the clock's tick, now and then in another zone or at an instant of 1..9998
                if (chance(0.1))
                    f.clock.reglerZone(un(QByteArrayList{"Pacific/Kiritimati", "America/Santiago",
                                                         "Asia/Kathmandu", "Australia/Lord_Howe"}));
                if (chance(0.1))
                    f.clock.regler(
                        QDateTime(QDate(chance(0.8) ? entier(1890, 2110) : entier(1, 9998),
                                        entier(1, 12), 28),
                                  QTime(entier(0, 23), 59), Qt::UTC));
                f.clock.avancer(chance(0.3) ? entier(1, 4000) : 0);
                w.Timer1_Timer();
                moyenneAJour = true;
                return "clock " + f.clock.maintenantUtc().toString(Qt::ISODate);
            }};
        std::discrete_distribution<int> choix({32, 14, 30, 16});

        QStringList historique;
        const auto regle = [&](bool tenue, const QString& faute) {
            if (!tenue)
                QTest::qFail(qPrintable(faute + ", seed " + QString::number(graine) + ", after: " +
                                        historique.mid(historique.size() - 12).join(" | ")),
                             __FILE__, __LINE__);
        };
        constexpr int N = 20000;
        for (int i = 0; i < N && !QTest::currentTestFailed(); ++i) {
            if (i == N / 2)
                QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
            moyenneAJour = false; // set by the actions that recompute the average
            try {
                historique << actions[choix(alea)]();
            } catch (const std::exception& x) {
                regle(false, QStringLiteral("exception: ") + x.what());
            }
            const EtatFormTalvan& e = w.etat();
            regle(e.Mem >= 0 && e.Mem <= 5, QStringLiteral("Mem is %1").arg(e.Mem));
            regle(!std::exchange(modif, e.Modif) || e.Modif, "Modif went back to false");
            double somme = 0, n = 0;
            for (int j = 0; j < 5; ++j) {
                const bool coche = Chec[j]->isChecked();
                regle(!coche || !DG[j]->text().isEmpty(), "an empty line is ticked");
                regle(j >= e.Mem || DG[j]->palette().text().color() == Qt::darkGreen, "not green");
                const double v = QLocale().toDouble(DG[j]->text().trimmed(), &ok);
                if (coche && ok && std::isfinite(v))
                    somme += v, ++n;
            }
            // Only what the program wrote: a field still holding what the user typed is skipped.
            for (QWidget* fenetre : QApplication::topLevelWidgets())
                for (QWidget* x : fenetre->findChildren<QWidget*>())
                    if (const QString t = x->property("text").toString(); t.contains(NonFini))
                        regle(tape.value(x) == t, x->objectName() + " shows " + t.left(60));
            const std::string point = QLocale().decimalPoint().toStdString(),
                              attendu = n && std::isfinite(somme)
                                            ? solar::FormatDiese(somme / n, point)
                                            : "";
            const QString moyenne = w.findChild<QLineEdit*>("Text15")->text();
            regle(!moyenneAJour || moyenne.toStdString() == attendu, "Text15 shows " + moyenne);
            if (i % 64 == 0)
                QCoreApplication::processEvents();
        }

        QTimer::singleShot(0, [] { // quitting, saving the list as the session left it
            auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            question->button(QMessageBox::Yes)->click();
        });
        w.findChild<QAbstractButton*>("Command4")->click();
        QCOMPARE(f.settings.valeurs.value("Start/4"), DG[4]->text());
    }

    // Ticked lines whose sum overflows a double have no average: the result stays empty
    // (it once showed ".00") and the message line says why.
    void sommeDebordanteSansMoyenne() {
        FakeServices f;
        FormTalvan w(f.services());
        w.Charger();
        for (const QString i : {"0", "1"}) {
            QTest::keyClicks(w.findChild<QLineEdit*>("DG_" + i), "1.7e308");
            QTest::keyClick(w.findChild<QCheckBox*>("Chec_" + i), Qt::Key_Space);
        }
        QCOMPARE(w.findChild<QLineEdit*>("Text15")->text(), QString());
        QVERIFY(!w.findChild<QLabel*>("Label7")->text().isEmpty());
    }
};

QTEST_MAIN(TestSession)
#include "tst_session.moc"
