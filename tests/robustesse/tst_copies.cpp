// Two real processes of the program's window on one settings file, ended by the same signal at
// the same instant, as the end of a desktop session ends them. ORSALINE_TOURS=<n> runs more.

#include "fakes.h"
#include "mainwindow/formtalvan.h"
#include "platform/signauxfin.h"

#include <QtTest>
#include <QtWidgets>
#include <csignal>
#include <unistd.h>

namespace {

// A copy: the main window on the settings file with the real store and the real signals, as
// main() builds them, the clock at a sunny noon. It keeps one reading at `angle`, writes that
// line's text on its output, and waits for the end.
int copie(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const auto reglages = platform::QtSettingsStore::fromFile(QString::fromLocal8Bit(argv[2]));
    Fenetre<FormTalvan> f("F", "2008-02-11T12:00Z", "Europe/Paris", {}, reglages.get());
    platform::SignauxFin signaux;
    QObject::connect(&signaux, &platform::SignauxFin::recu, f.w.get(), &FormTalvan::FinDeSession);
    f.calculer(QString::fromLatin1(argv[3]), true);
    std::printf("%s\n", qPrintable(f.dg(f.w->etat().Mem - 1)->text()));
    std::fflush(stdout);
    return QApplication::exec();
}

} // namespace

class TestCopies : public QObject {
    Q_OBJECT

private slots:
    // Each copy keeps a reading beside the one saved before; SIGTERM to both at once, through
    // their process group. Both readings and the earlier one are in the file after every round.
    void arreteesEnsemble() {
        const int tours = qEnvironmentVariable("ORSALINE_TOURS", "24").toInt();
        for (int tour = 0; tour < tours; ++tour) {
            QTemporaryDir dossier;
            QFile f(dossier.filePath("orsaline.ini"));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("[Start]\n0=10.00\n") > 0);
            f.close();
            QProcess copies[2];
            QStringList gardees{"10.00"}, lignes;
            for (int k = 0; k < 2; ++k) {
                const pid_t groupe = k ? pid_t(copies[0].processId()) : 0;
                copies[k].setChildProcessModifier([groupe] { ::setpgid(0, groupe); });
                copies[k].start(QCoreApplication::applicationFilePath(),
                                {"--copie", f.fileName(), k ? "50" : "40"});
                QVERIFY(copies[k].waitForStarted());
            }
            for (QProcess& c : copies) {
                QVERIFY(c.waitForReadyRead(30000));
                gardees << QString::fromUtf8(c.readLine()).trimmed();
            }
            QCOMPARE(::killpg(pid_t(copies[0].processId()), SIGTERM), 0);
            for (QProcess& c : copies)
                QVERIFY(c.waitForFinished(30000) && c.exitStatus() == QProcess::NormalExit &&
                        c.exitCode() == 0);
            const QSettings s(f.fileName(), QSettings::IniFormat);
            for (int i = 0; i < 5; ++i)
                lignes << s.value("Start/" + QString::number(i)).toString();
            for (const QString& g : gardees)
                QVERIFY2(lignes.contains(g), qPrintable(g + " lost, file: " + lignes.join(' ')));
        }
    }
};

int main(int argc, char* argv[]) {
    if (argc == 4 && qstrcmp(argv[1], "--copie") == 0)
        return copie(argc, argv);
    QCoreApplication application(argc, argv);
    TestCopies t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_copies.moc"
