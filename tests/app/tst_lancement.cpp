#include <QtTest>

namespace {

const QString Usage = QStringLiteral("Usage: orsaline [--help] [--version]\n");

// A run of the executable: its arguments, more environment ("NAME=value"), the exit status, the
// standard output (a prefix for --help) and error (a prefix where it ends in "(").
struct Appel {
    QStringList arguments, environnement;
    int statut;
    QString sortie, erreurs = {};
};

} // namespace

Q_DECLARE_METATYPE(Appel)

class TestLancement : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The executable itself, with no display unless a row names one: what a terminal or a
    // script sees. No run may end in a crash (a core dump).
    void ligneCommande_data() {
        QTest::addColumn<Appel>("appel");
        const QString aide = "orsaline [--help] [--version]\n";
        const QString pasOuvert = "orsaline: the display could not be opened (",
                      aucun = "orsaline: no display to open the window on (DISPLAY: unset, "
                              "WAYLAND_DISPLAY: unset)\n";
        QTest::newRow("--help") << Appel{{"--help"}, {"LC_ALL=C"}, 0, Usage, ""};
        QTest::newRow("--help, French messages") << Appel{
            {"--help"}, {"LC_ALL=", "LC_MESSAGES=fr_FR.UTF-8"}, 0, "Utilisation : " + aide};
        QTest::newRow("--version")
            << Appel{{"--version"}, {}, 0, "orsaline " ORSALINE_VERSION "\n"};
        QTest::newRow("unknown option")
            << Appel{{"--bogus"}, {}, 2, "", "orsaline: Unknown option 'bogus'.\n" + Usage};
        QTest::newRow("argument") << Appel{
            {"carte.png"}, {}, 2, "", "orsaline: unexpected argument 'carte.png'.\n" + Usage};
        QTest::newRow("no display") << Appel{{}, {}, 1, "", aucun};
        QTest::newRow("Wayland not answering") << Appel{
            {}, {"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=nulle-part"}, 1, "", pasOuvert};
    }

    void ligneCommande() {
        QFETCH(Appel, appel);
        const auto& [arguments, environnement, statut, sortie, erreurs] = appel;
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
        QCOMPARE(p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, statut); // no crash
        const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
        QVERIFY2(sortie.isEmpty() ? out.isEmpty() : out.startsWith(sortie), qPrintable(out));
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        if (erreurs.endsWith('(')) // Qt's own warnings come first; the program's is the last line
            QVERIFY2(err.trimmed().section('\n', -1).startsWith(erreurs), qPrintable(err));
        else
            QCOMPARE(err, erreurs);
    }
};

QTEST_MAIN(TestLancement)
#include "tst_lancement.moc"
