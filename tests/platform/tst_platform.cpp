#include "platform/clock.h"
#include "platform/ecriturefichier.h"
#include "platform/icones.h"
#include "platform/nombrelocal.h"
#include "platform/settingsstore.h"
#include "platform/signauxfin.h"

#include <QtTest>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("absent");
}

bool ecrire(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}

// The settings file with one value of this run saved into it; how it failed, if it did.
std::optional<platform::EchecEcriture> enregistrerReglages(const QString& chemin) {
    const auto store = platform::QtSettingsStore::fromFile(chemin);
    store->ecrire("Start", "deglat", "44");
    return store->enregistrer() ? std::nullopt : store->dernierEchec();
}

const QByteArray Ancien = "[Start]\nLangue=E\ndeglat=43\n0=\"12,50\"\n\n[Autre]\ncle=valeur\n";

} // namespace

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    // A failure at each step of a whole-file write, of the report or the settings: the step is
    // named, the old file stays whole with its permissions, no temporary file is left. Without
    // one, the new contents take the old one's place and mode; the settings keep other keys.
    void pannes_data() {
        QTest::addColumn<int>("etape"); // a platform::EtapeEcriture; -1 none
        QTest::addColumn<bool>("reglages");
        for (const bool reglages : {false, true})
            for (int e = -1; e <= int(platform::EtapeEcriture::Renommage); ++e)
                QTest::addRow("%s, step %d", reglages ? "settings" : "report", e) << e << reglages;
    }
    void pannes() {
        QFETCH(int, etape);
        QFETCH(bool, reglages);
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath("f.ini");
        QVERIFY(ecrire(chemin, Ancien));
        QCOMPARE(::chmod(QFile::encodeName(chemin).constData(), 0600), 0);
        platform::SimulerPannes([&](platform::EtapeEcriture e, const QString& c) {
            return int(e) == etape && c == chemin ? ENOSPC : 0;
        });
        const auto echec = reglages ? enregistrerReglages(chemin)
                                    : platform::EcrireFichierEntier(chemin, "a,b\r\n1,2\r\n");
        platform::SimulerPannes({});
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"f.ini"});
        struct stat etat = {};
        QCOMPARE(::stat(QFile::encodeName(chemin).constData(), &etat), 0);
        QCOMPARE(etat.st_mode & 0777, 0600u);
        QCOMPARE(echec.has_value(), etape >= 0);
        if (echec) {
            QCOMPARE(lire(chemin), Ancien);
            QCOMPARE(QString::number(int(echec->etape)) + ' ' + echec->chemin,
                     QString::number(etape) + ' ' + chemin);
            QVERIFY(echec->ancienIntact && !echec->raison.isEmpty());
        } else if (reglages) {
            const QSettings relu(chemin, QSettings::IniFormat);
            QCOMPARE(relu.value("Start/deglat").toString() + relu.value("Start/0").toString() +
                         relu.value("Autre/cle").toString(),
                     "4412,50valeur");
        } else {
            QCOMPARE(lire(chemin), "a,b\r\n1,2\r\n");
        }
    }

    // A real small filesystem filled to the last block (mounted, so as root): the report over an
    // old one, then the settings with one block freed, for the lock file. Both old files stay.
    void disquePlein() {
        QTemporaryDir dossier;
        const QString d = dossier.path(), ini = d + "/o.ini", csv = d + "/r.csv";
        if (::geteuid() != 0 ||
            QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", d}) != 0)
            QSKIP("no tmpfs could be mounted here (needs root)");
        const auto demonter = qScopeGuard([&] { QProcess::execute("umount", {d}); });
        QVERIFY(ecrire(ini, Ancien) && ecrire(csv, "a,b\r\n"));
        const int plein =
            ::open(QFile::encodeName(d + "/plein").constData(), O_WRONLY | O_CREAT, 0600);
        const QByteArray bloc(4096, 'x');
        while (::write(plein, bloc.constData(), bloc.size()) > 0) {
        }
        QCOMPARE(errno, ENOSPC);
        const auto csvEchec = platform::EcrireFichierEntier(csv, QByteArray(6000, 'y'));
        QVERIFY(csvEchec && csvEchec->ancienIntact);
        QCOMPARE(lire(csv), "a,b\r\n");
        QCOMPARE(::ftruncate(plein, ::lseek(plein, 0, SEEK_END) - bloc.size()), 0);
        ::close(plein);
        QVERIFY(enregistrerReglages(ini));
        QCOMPARE(lire(ini), Ancien);
        QCOMPARE(QDir(d).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"o.ini", "plein", "r.csv"}));
    }

    // The lock of a copy that died while holding it does not hold up the next save.
    void verrouAbandonne() {
        QTemporaryDir dossier;
        const QString ini = dossier.filePath("o.ini"), verrou = ini + ".lock";
        const pid_t mort = ::fork();
        if (mort == 0)
            ::_exit(0);
        QCOMPARE(::waitpid(mort, nullptr, 0), mort);
        QLockFile l(verrou); // its contents with the dead copy's pid in place of ours
        QVERIFY(l.lock());
        const QByteArray contenu = lire(verrou);
        l.unlock();
        QVERIFY(ecrire(verrou, QByteArray::number(mort) + contenu.mid(contenu.indexOf('\n'))));
        const qint64 debut = QDateTime::currentMSecsSinceEpoch();
        QVERIFY(!enregistrerReglages(ini));
        QVERIFY(QDateTime::currentMSecsSinceEpoch() - debut < 1000);
        QVERIFY(!QFile::exists(verrou));
    }

    // A zone the toolkit does not know: the C library's local time from TZ, or UTC said to be
    // unknown when the C library does not know it either. 14:30:36 UT on 21 June 2008.
    void fuseauInconnu() {
        struct Horloge final : platform::ZoneClock {
            QDateTime maintenantUtc() const override {
                return QDateTime(QDate(2008, 6, 21), QTime(14, 30, 36), Qt::UTC);
            }
            QTimeZone zone() const override { return QTimeZone("Nowhere/Zone"); }
        } h;
        const auto retablir = qScopeGuard([avant = qgetenv("TZ")] { // unset stays unset
            avant.isNull() ? qunsetenv("TZ") : qputenv("TZ", avant);
        });
        for (const auto& [tz, attendu] : {std::pair{"CET-1CEST,M3.5.0,M10.5.0/3", "16:30:36 0"},
                                          {":/usr/share/zoneinfo/Asia/Tokyo", "23:30:36 0"},
                                          {"Europe/Pariss", "14:30:36 1"},
                                          {"UTC", "14:30:36 0"}}) {
            qputenv("TZ", tz);
            QCOMPARE(h.maintenantLocal().time().toString() + ' ' +
                         QString::number(h.fuseauInconnu()),
                     attendu);
        }
    }

    // Each request to end reaches the program: SIGTERM, a closed terminal's SIGHUP, Ctrl+C.
    void signaux() {
        const platform::SignauxFin fin;
        QSignalSpy recus(&fin, &platform::SignauxFin::recu);
        for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
            ::raise(signal);
            QTRY_COMPARE(recus.size(), 1);
            recus.clear();
        }
    }

    // List lines as stored or typed, read alike with a full stop or a decimal comma; "-": none.
    void nombres() {
        for (const QLocale& l : {QLocale::c(), QLocale(QLocale::French, QLocale::France)}) {
            QLocale::setDefault(l);
            QStringList lus;
            for (const char* t : {"-12,44", "0,180", "+7,", " ,5\t", "12,5e1", "1,000.5", "1.2.3",
                                  "-", "1e", "1e400", "nan"}) {
                const std::optional<double> v = platform::nombreLocal(t);
                lus << (v ? QString::number(*v) : "-");
            }
            QCOMPARE(lus.join(' '), "-12.44 0.18 7 0.5 125 - - - - - -");
        }
        QLocale::setDefault(QLocale::c());
    }

    // Each image drawn at build time must be, pixel for pixel, what Qt's SVG icon engine draws
    // today; other sizes (20 x 20) and looks must still come from the drawing.
    void commeLeDessin_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QSize>("taille");
        static const QRegularExpression forme(QStringLiteral("^(.+)-(\\d+)x(\\d+)\\.argb$"));
        for (QDirIterator it(QStringLiteral(":/icones")); it.hasNext();) {
            const QRegularExpressionMatch m = forme.match(it.next().section(u'/', -1));
            QTest::addRow("%s", qPrintable(it.fileName()))
                << m.captured(1) << QSize(m.captured(2).toInt(), m.captured(3).toInt());
        }
    }
    void commeLeDessin() {
        QFETCH(QString, nom);
        QFETCH(QSize, taille);
        const QIcon prete = platform::icone(nom), svg(QStringLiteral(":/images/%1.svg").arg(nom));
        for (const QSize t : {taille, QSize(20, 20)})
            for (const qreal dpr : {1.0, 1.5, 2.0})
                for (const auto mode : {QIcon::Normal, QIcon::Disabled})
                    for (const auto etat : {QIcon::Off, QIcon::On}) {
                        const QPixmap a = prete.pixmap(t / dpr, dpr, mode, etat);
                        const QPixmap b = svg.pixmap(t / dpr, dpr, mode, etat);
                        QVERIFY(!b.isNull());
                        QCOMPARE(a.devicePixelRatio(), b.devicePixelRatio());
                        QCOMPARE(a.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                                 b.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied));
                    }
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
