// Two real processes of the program's window on one settings file, ended by one SIGTERM to their
// process group, as the end of a desktop session ends them: each keeps a reading beside the one
// saved before, and all three are in the file after every round. ORSALINE_TOURS=<n> runs more.

#include "fakes.h"
#include "mainwindow/formtalvan.h"
#include "platform/signauxfin.h"

#include <QtTest>
#include <QtWidgets>
#include <csignal>
#include <unistd.h>

namespace {

// A copy as main() builds it (real store, real signals), at a sunny noon: it keeps one reading at
// the angle given, writes that line's text on its output, and waits for the end.
int copie(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const auto reglages = platform::QtSettingsStore::fromFile(QString::fromLocal8Bit(argv[2]));
    Fenetre<FormTalvan> f("F", "2008-02-11T12:00Z", "Europe/Paris", {}, reglages.get());
    platform::SignauxFin signaux;
    QObject::connect(&signaux, &platform::SignauxFin::recu, f.w.get(), &FormTalvan::FinDeSession);
    f.calculer(QString::fromLatin1(argv[3]), true);
    QTextStream(stdout) << f.dg(f.w->etat().Mem - 1)->text() << Qt::endl;
    return QApplication::exec();
}

} // namespace

class TestCopies : public QObject {
    Q_OBJECT

private slots:
    void arreteesEnsemble() {
        const int tours = qEnvironmentVariable("ORSALINE_TOURS", "24").toInt();
        for (int tour = 0; tour < tours; ++tour) {
            QTemporaryDir dossier;
            const QString ini = dossier.filePath("orsaline.ini");
            QSettings(ini, QSettings::IniFormat).setValue("Start/0", "10.00");
            QProcess copies[2];
            QStringList gardees{"10.00"};
            for (int k = 0; k < 2; ++k) {
                const pid_t groupe = k ? pid_t(copies[0].processId()) : 0;
                copies[k].setChildProcessModifier([groupe] { ::setpgid(0, groupe); });
                copies[k].start(QCoreApplication::applicationFilePath(),
                                {"--copie", ini, k ? "50" : "40"});
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
            const QSettings s(ini, QSettings::IniFormat);
            for (int i = 0; i < 5; ++i)
                gardees.removeAll(s.value(QString("Start/%1").arg(i)).toString());
            QVERIFY2(gardees.isEmpty(), qPrintable(gardees.join(' ') + " lost"));
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
