#include "fakes.h"
#include "mainwindow/formtalvan.h"

#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QtTest>

namespace {

const QString Usage = QStringLiteral("Usage: orsaline [--help] [--version]\n");

} // namespace

class TestLancement : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The executable itself, with no display unless a row names one: what a terminal or a
    // script sees. No run may end in a crash (a core dump).
    void ligneCommande_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environnement");
        QTest::addColumn<int>("statut");
        QTest::addColumn<QString>("sortie");  // standard output; a prefix for --help
        QTest::addColumn<QString>("erreurs"); // standard error; a prefix where it ends in "("
        QTest::newRow("--help") << QStringList{"--help"} << QStringList{} << 0 << Usage << "";
        QTest::newRow("-h, Qt's -platform")
            << QStringList{"-platform", "offscreen", "-h"} << QStringList{} << 0 << Usage << "";
        QTest::newRow("--version")
            << QStringList{"--version"} << QStringList{} << 0 << "orsaline " ORSALINE_VERSION "\n"
            << "";
        QTest::newRow("unknown option") << QStringList{"--bogus"} << QStringList{} << 2 << ""
                                        << "orsaline: Unknown option 'bogus'.\n" + Usage;
        QTest::newRow("argument") << QStringList{"carte.png"} << QStringList{} << 2 << ""
                                  << "orsaline: unexpected argument 'carte.png'.\n" + Usage;
        QTest::newRow("no display")
            << QStringList{} << QStringList{} << 1 << ""
            << "orsaline: no display to open the window on (DISPLAY: unset, WAYLAND_DISPLAY: "
               "unset)\n";
        QTest::newRow("X11 display not answering")
            << QStringList{} << QStringList{"DISPLAY=:4242"} << 1 << ""
            << "orsaline: the display could not be opened (";
        QTest::newRow("Wayland display not answering")
            << QStringList{} << QStringList{"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=nulle-part"}
            << 1 << ""
            << "orsaline: the display could not be opened (";
    }

    void ligneCommande() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environnement);
        QFETCH(int, statut);
        QFETCH(QString, sortie);
        QFETCH(QString, erreurs);
        QTemporaryDir runtime; // no Wayland socket in it
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
            env.remove(v);
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        env.insert("XDG_CONFIG_HOME", runtime.path());
        for (const QString& v : environnement)
            env.insert(v.section('=', 0, 0), v.section('=', 1));
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(ORSALINE_EXE), arguments);
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), statut);
        const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
        QVERIFY2(sortie.isEmpty() ? out.isEmpty() : out.startsWith(sortie), qPrintable(out));
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        if (erreurs.endsWith('(')) // Qt's own warnings come first; the program's is the last line
            QVERIFY2(err.trimmed().section('\n', -1).startsWith(erreurs), qPrintable(err));
        else
            QCOMPARE(err, erreurs);
    }

    // The context menu of a text field, Qt's own, follows the flags (Debian's
    // qt6-translations-l10n catalogues).
    void textesDeQt_data() {
        QTest::addColumn<QString>("drapeau");
        QTest::addColumn<QString>("annuler");
        QTest::newRow("Spanish") << "Option5_1"
                                 << "&Deshacer";
        QTest::newRow("French") << "Option5_0"
                                << "&Annuler";
    }

    void textesDeQt() {
        QFETCH(QString, drapeau);
        QFETCH(QString, annuler);
        Fenetre<FormTalvan> b;
        b.clic(drapeau);
        std::unique_ptr<QMenu> menu(b.c<QLineEdit>("Text12")->createStandardContextMenu());
        QCOMPARE(menu->actions().value(0)->text().section('\t', 0, 0), annuler);
    }
};

QTEST_MAIN(TestLancement)
#include "tst_lancement.moc"
