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
        constexpr int Paires = 4; // rounds run side by side, each on its own file
        for (int debut = 0; debut < tours; debut += Paires) {
            QTemporaryDir dossiers[Paires];
            QProcess copies[Paires][2];
            for (int p = 0; p < Paires; ++p) {
                QFile f(dossiers[p].filePath("orsaline.ini"));
                QVERIFY(f.open(QIODevice::WriteOnly) && f.write("[Start]\n0=10.00\n") > 0);
                for (pid_t k = 0, groupe = 0; k < 2; ++k) {
                    copies[p][k].setChildProcessModifier([groupe] { ::setpgid(0, groupe); });
                    copies[p][k].start(QCoreApplication::applicationFilePath(),
                                       {"--copie", f.fileName(), k ? "50" : "40"});
                    QVERIFY(copies[p][k].waitForStarted());
                    groupe = pid_t(copies[p][0].processId());
                }
            }
            QStringList gardees[Paires]; // the earlier reading and the two kept ones
            for (int p = 0; p < Paires; ++p) {
                gardees[p] << "10.00";
                for (QProcess& c : copies[p]) {
                    QVERIFY(c.waitForReadyRead(30000));
                    gardees[p] << QString::fromUtf8(c.readLine()).trimmed();
                }
            }
            for (int p = 0; p < Paires; ++p)
                QCOMPARE(::killpg(pid_t(copies[p][0].processId()), SIGTERM), 0);
            for (int p = 0; p < Paires; ++p) {
                for (QProcess& c : copies[p])
                    QVERIFY(c.waitForFinished(30000) && c.exitStatus() == QProcess::NormalExit &&
                            c.exitCode() == 0);
                const QSettings s(dossiers[p].filePath("orsaline.ini"), QSettings::IniFormat);
                QStringList lignes;
                for (int i = 0; i < 5; ++i)
                    lignes << s.value("Start/" + QString::number(i)).toString();
                for (const QString& r : gardees[p])
                    QVERIFY2(lignes.contains(r), qPrintable(QString("round %1: %2 lost, file %3")
                                                                .arg(debut + p)
                                                                .arg(r, lignes.join(' '))));
            }
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
