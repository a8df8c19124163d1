// Measures the main window against targets: start-up to first paint and resident memory
// (next to an empty window of the same size, each in a fresh child process of this
// executable), the one-second clock tick and a press of "Calcul".
//
//   QT_QPA_PLATFORM=offscreen build/bench/orsaline-bench [--rounds N]
//
// With valgrind on the PATH it also counts the instructions of one start-up of each kind.

#include "mainwindow/formtalvan.h"
#include "platform/fonts.h"
#include "platform/services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace {

// Largest window: 7545 x 6300 twips at 15 twips a pixel.
constexpr int LargeurFenetre = 503;
constexpr int HauteurFenetre = 420;

std::int64_t monotoneNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return std::int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

std::int64_t tempsProcesseurNs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return std::int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// VmRSS of this process, kB.
long memoireResidente() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& ligne : f.readAll().split('\n'))
        if (ligne.startsWith("VmRSS:"))
            return ligne.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

double quantile(std::vector<double> v, double q) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const auto i = static_cast<std::size_t>(q * double(v.size() - 1) + 0.5);
    return v[std::min(i, v.size() - 1)];
}

double mediane(const std::vector<double>& v) {
    return quantile(v, 0.5);
}

// The real services except the settings, kept in a file of a temporary folder.
struct ServicesReels {
    explicit ServicesReels(const QString& fichier)
        : settings(platform::QtSettingsStore::fromFile(fichier)) {}
    std::unique_ptr<platform::QtSettingsStore> settings;
    platform::SystemClock horloge;
    platform::DesktopOpener ouvreur;
    platform::QtWindowEffects effets;
    platform::Services services() {
        return platform::Services{*settings,
                                  horloge,
                                  ouvreur,
                                  effets,
                                  platform::ProgramIdentity::courante(),
                                  platform::AdressesAuteur::duProgramme()};
    }
};

enum class Genre { Principale, Vide, Etiquette };

// Child process: shows one window, and at its first paint prints the milliseconds since
// the parent's timestamp and the resident memory in kB, then ends at once.
int enfant(int argc, char* argv[], Genre genre, std::int64_t depart, const QString& fichier) {
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> fenetre;
    std::unique_ptr<ServicesReels> reels;
    if (genre == Genre::Principale) {
        platform::substituerPolices();
        reels = std::make_unique<ServicesReels>(fichier);
        auto* f = new FormTalvan(reels->services());
        fenetre.reset(f);
        f->Charger();
    } else {
        fenetre = std::make_unique<QWidget>();
        fenetre->resize(LargeurFenetre, HauteurFenetre);
        // One line of text: what any window that shows a word pays for its fonts.
        if (genre == Genre::Etiquette)
            (new QLabel(QStringLiteral("Orsaline"), fenetre.get()))->move(10, 10);
        fenetre->show();
    }

    // The first Paint starts a pass that paints every child and flushes; the queued call
    // runs right after that pass.
    struct Guetteur : QObject {
        std::function<void()> apres;
        bool vu = false;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint && !vu) {
                vu = true;
                QMetaObject::invokeMethod(this, apres, Qt::QueuedConnection);
            }
            return false;
        }
    } guetteur;
    guetteur.apres = [depart] {
        const double ms = double(monotoneNs() - depart) / 1e6;
        std::printf("%.3f %ld\n", ms, memoireResidente());
        std::fflush(stdout);
        // Nothing after the first paint is measured: skip the teardown.
        std::_Exit(0);
    };
    app.installEventFilter(&guetteur);
    return app.exec();
}

struct Mesure {
    double ms = 0;
    long kB = 0;
};

const char* const Modes[3] = {"--child-main", "--child-empty", "--child-label"};

bool lancer(const QString& programme, Genre genre, const QString& fichier, Mesure& m) {
    QProcess p;
    const std::int64_t t0 = monotoneNs();
    p.start(programme, {QString::fromLatin1(Modes[int(genre)]), QString::number(t0), fichier});
    const bool fini = p.waitForFinished(30000) && p.exitCode() == 0;
    const QList<QByteArray> champs = p.readAllStandardOutput().trimmed().split(' ');
    if (!fini || champs.size() != 2) {
        std::fprintf(stderr, "%s failed:\n%s\n", Modes[int(genre)],
                     p.readAllStandardError().constData());
        return false;
    }
    m.ms = champs[0].toDouble();
    m.kB = champs[1].toLong();
    return true;
}

// Instructions of one start-up under callgrind, in millions, counted in the same way
// whatever else the machine runs; -1 if valgrind failed.
double instructions(const QString& valgrind, const QString& programme, Genre genre,
                    const QString& fichier, const QString& dossier) {
    QProcess p;
    p.start(valgrind,
            {QStringLiteral("--tool=callgrind"),
             QStringLiteral("--callgrind-out-file=") + dossier + QStringLiteral("/callgrind.out"),
             programme, QString::fromLatin1(Modes[int(genre)]), QStringLiteral("0"), fichier});
    if (!p.waitForFinished(300000) || p.exitCode() != 0)
        return -1;
    // "==123== Collected : 92344547"
    static const QRegularExpression total(QStringLiteral("Collected : (\\d+)"));
    const QRegularExpressionMatch m = total.match(QString::fromLocal8Bit(p.readAllStandardError()));
    return m.hasMatch() ? m.captured(1).toDouble() / 1e6 : -1;
}

void ligne(const char* nom, double valeur, double reference, double rapport, const char* cible,
           bool ok) {
    std::printf("%-34s %10.3f %10.3f %7.2f   %-16s %s\n", nom, valeur, reference, rapport, cible,
                ok ? "ok" : "MISSED");
}

void ligneDuree(const char* nom, double med, double p99, const char* cible, bool ok) {
    std::printf("%-34s %10.3f %10.3f %7s   %-16s %s\n", nom, med, p99, "", cible,
                ok ? "ok" : "MISSED");
}

void ligneInfo(const char* nom, double med, double p99) {
    std::printf("%-34s %10.3f %10.3f\n", nom, med, p99);
}

} // namespace

int main(int argc, char* argv[]) {
    for (int g = 0; g < 3; ++g)
        if (argc == 4 && qstrcmp(argv[1], Modes[g]) == 0)
            return enfant(1, argv, Genre(g), std::strtoll(argv[2], nullptr, 10),
                          QString::fromLocal8Bit(argv[3]));

    int tours = 15;
    if (argc == 3 && qstrcmp(argv[1], "--rounds") == 0)
        tours = std::max(1, std::atoi(argv[2]));

    QApplication app(argc, argv);
    platform::substituerPolices();
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("orsaline.ini"));
    const QString programme = QCoreApplication::applicationFilePath();

    // Start-up, in turn, so that a change of machine load touches all three alike.
    std::vector<double> ms[3], kB[3];
    for (int i = 0; i < tours; ++i)
        for (int g = 0; g < 3; ++g) {
            Mesure m;
            if (!lancer(programme, Genre(g), fichier, m))
                return 1;
            ms[g].push_back(m.ms);
            kB[g].push_back(double(m.kB));
        }

    // One start-up of each kind under valgrind, if the machine has it.
    const QString valgrind = QStandardPaths::findExecutable(QStringLiteral("valgrind"));
    double instr[3] = {-1, -1, -1};
    if (!valgrind.isEmpty())
        for (int g = 0; g < 3; ++g)
            instr[g] = instructions(valgrind, programme, Genre(g), fichier, dossier.path());

    ServicesReels reels(fichier);
    FormTalvan fenetre(reels.services());
    fenetre.Charger();
    QCoreApplication::processEvents();
    auto* calcul = fenetre.findChild<QAbstractButton*>(QStringLiteral("Command1"));
    auto* garder = fenetre.findChild<QAbstractButton*>(QStringLiteral("Command2"));
    auto* reset = fenetre.findChild<QAbstractButton*>(QStringLiteral("Command5"));
    auto* angle = fenetre.findChild<QLineEdit*>(QStringLiteral("Text12"));
    if (!calcul || !garder || !reset || !angle) {
        std::fprintf(stderr, "controls not found\n");
        return 1;
    }
    // One kept, ticked line, so that every tick averages and draws the wall too.
    reset->click();
    angle->setText(QStringLiteral("30"));
    calcul->click();
    garder->click();
    QCoreApplication::processEvents();

    // Processor time of this thread: on a shared machine the wall clock would also count
    // the time other processes ran in between.
    const auto chronometrer = [](const std::function<void()>& f) {
        const std::int64_t debut = tempsProcesseurNs();
        f();
        return double(tempsProcesseurNs() - debut) / 1e6;
    };

    constexpr int Ticks = 2000;
    std::vector<double> tickLogique, tickPeint;
    for (int i = 0; i < Ticks; ++i) {
        tickLogique.push_back(chronometrer([&] { fenetre.Timer1_Timer(); }));
        QCoreApplication::processEvents();
    }
    for (int i = 0; i < Ticks; ++i)
        tickPeint.push_back(chronometrer([&] {
            fenetre.Timer1_Timer();
            QCoreApplication::processEvents();
        }));

    constexpr int Appuis = 200;
    std::vector<double> appuiLogique, appuiPeint;
    for (int i = 0; i < Appuis; ++i) {
        appuiLogique.push_back(chronometrer([&] { calcul->click(); }));
        QCoreApplication::processEvents();
    }
    for (int i = 0; i < Appuis; ++i)
        appuiPeint.push_back(chronometrer([&] {
            calcul->click();
            QCoreApplication::processEvents();
        }));

    const double dP = mediane(ms[0]), dV = mediane(ms[1]), dE = mediane(ms[2]);
    const double mP = mediane(kB[0]) / 1024, mV = mediane(kB[1]) / 1024, mE = mediane(kB[2]) / 1024;
    const double tickMed = mediane(tickPeint), tickP99 = quantile(tickPeint, 0.99);

    std::printf("Orsaline benchmark: medians of %d start-ups each, %d ticks, %d presses\n\n", tours,
                Ticks, Appuis);
    std::printf("%-34s %10s %10s %7s   %-16s\n", "", "main", "empty", "ratio", "target");
    ligne("start-up to first paint (ms)", dP, dV, dP / dV, "ratio <= 1.3", dP / dV <= 1.3);
    ligne("resident memory (MiB)", mP, mV, mP / mV, "ratio <= 1.2", mP / mV <= 1.2);
    std::printf("%-34s %10s %10s %7s\n", "", "main", "one label", "ratio");
    std::printf("%-34s %10.3f %10.3f %7.2f\n", "start-up to first paint (ms)", dP, dE, dP / dE);
    std::printf("%-34s %10.3f %10.3f %7.2f\n", "resident memory (MiB)", mP, mE, mP / mE);
    if (valgrind.isEmpty())
        std::printf("\nStart-up instructions: valgrind not found, not counted\n");
    else if (instr[0] < 0 || instr[1] < 0 || instr[2] < 0)
        std::printf("\nStart-up instructions: valgrind failed, not counted\n");
    else
        std::printf("\nStart-up instructions: main %.1f M, one label %.1f M, empty %.1f M "
                    "(target main <= 100 M)   %s\n",
                    instr[0], instr[2], instr[1], instr[0] <= 100 ? "ok" : "MISSED");
    std::printf("\n%-34s %10s %10s %7s   %-16s\n", "", "median", "p99", "", "target");
    ligneInfo("clock tick, logic (ms CPU)", mediane(tickLogique), quantile(tickLogique, 0.99));
    ligneDuree("clock tick, logic + paint (ms CPU)", tickMed, tickP99, "< 0.3 / < 1",
               tickMed < 0.3 && tickP99 < 1);
    ligneInfo("Calcul press, logic (ms CPU)", mediane(appuiLogique), quantile(appuiLogique, 0.99));
    ligneInfo("Calcul press, + paint (ms CPU)", mediane(appuiPeint), quantile(appuiPeint, 0.99));
    std::fflush(stdout);
    // The window's own close would write the language into the temporary settings: harmless.
    return 0;
}
