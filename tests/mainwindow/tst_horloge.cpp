#include "fakes.h"
#include "mainwindow/formtalvan.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {
// Now (UT), zone (empty: the fake's 11 Feb 2008 12:00 UT, Paris); then a click on a control,
// "d/m/y" chosen in the lists, or "Text10=" local / "Text11=" UT time typed and Calcul. Expected:
// Text10, Text11, start of the solar time Text13 (2 deg 20' E), [day in the list]. Typed times
// take the offset at the lists' date; UT counts from the local date, shown modulo one day.
const char* const Cas[][5] = {
    {"Paris, TU la veille", "2008-01-15T23:50Z", "", "", "00.50.00 23.50.00 23.49 16"},
    {"TU le lendemain", "2008-01-16T02:00Z", "America/Santiago", "", "23.00.00 02.00.00 02.00 15"},
    // 12:00 UT on 11 Feb 2008: 12:00:00 + 9 min 20 s - 14 min 15 s.
    {"TU en hiver", "", "", "Text11=12:00", "13.00.00 12.00.00 11.55.0"},
    {"listes en ete", "2008-01-15T12:00Z", "", "21/6/2008 Text10=12:00", "12.00.00 10.00.00 10.07"},
    {"locale apres minuit", "2008-06-21T12:00Z", "", "Text10=00:30", "00.30.00 22.30.00 22.37"},
    // A local time skipped by the spring jump takes the offset in force before it; one that
    // occurs twice in autumn, the first (Python's zoneinfo, fold 0). Solar time: UT + 9 min 20 s
    // + the NOAA equation of time (apparent minus mean) of the day: -4.48, +13.50, +16.06 min.
    {"trou Paris", "2008-03-30T12:00Z", "", "Text10=02:30", "02.30.00 01.30.00 01.34"},
    {"trou Santiago", "2008-10-12T12:00Z", "America/Santiago", "Text10=00:30",
     "00.30.00 04.30.00 04.52"},
    {"deux fois Paris", "2008-10-26T12:00Z", "", "Text10=02:30", "02.30.00 00.30.00 00.55"},
    // A second typed time replaces the first only when it reads.
    {"9:05:30", "", "", "Text11=08:00 Text11=9:05:30", "10.05.30 09.05.30 09.00"},
    {"abc", "", "", "Text11=08:00 Text11=abc", "09.00.00 08.00.00 07.55"},
    // Stopped, another date chosen, restarted by the watch or the (*) mark: today comes back.
    {"relance montre", "", "", "Image1 3/11/2008 Image1", "13.00.00 12.00.00 11.55.0 11"},
    {"relance (*)", "", "", "Image1 3/11/2008 Label13", "13.00.00 12.00.00 11.55.0 11"},
};

// The window at a UT instant in a zone (empty: Paris).
struct Banc : Fenetre<FormTalvan> {
    Banc(const char* utc, const char* zone) : Fenetre("F", utc, *zone ? zone : "Europe/Paris") {}
    QColor couleur(const char* n) const {
        return c<QLabel>(n)->palette().color(QPalette::WindowText);
    }
};
} // namespace

class TestHorloge : public QObject {
    Q_OBJECT

private slots:
    void heures_data() {
        QTest::addColumn<int>("i");
        for (int i = 0; i < int(std::size(Cas)); ++i)
            QTest::newRow(Cas[i][0]) << i;
    }
    void heures() {
        QFETCH(int, i);
        const auto& [nom, maintenant, zone, saisies, attendu] = Cas[i];
        Banc b(maintenant, zone);
        QString champ; // the last field typed into
        for (const QString& s : QString(saisies).split(' ', Qt::SkipEmptyParts)) {
            if (s.contains('/')) {
                for (int j = 0; j < 3; ++j) {
                    auto* combo = b.c<QComboBox>(QStringLiteral("Combo1_%1").arg(j));
                    combo->setCurrentIndex(combo->findText(s.section('/', j, j)));
                    emit combo->activated(combo->currentIndex());
                }
            } else if (s.contains('=')) {
                if (b.w->horloge()->isActive())
                    b.clic("Image1");
                champ = s.section('=', 0, 0);
                b.clic(champ);
                QTest::keyClicks(b.c(champ), s.section('=', 1));
                b.clic("Command1");
            } else {
                b.clic(s);
            }
        }
        const QStringList a = QString(attendu).split(' ');
        QCOMPARE(b.texte("Text10") + ' ' + b.texte("Text11"), a[0] + ' ' + a[1]);
        QVERIFY2(b.texte("Text13").startsWith(a[2]), qPrintable(b.texte("Text13")));
        if (a.size() > 3)
            QCOMPARE(b.c<QComboBox>("Combo1_0")->currentText(), a[3]);
        QCOMPARE(b.w->horloge()->isActive(), champ.isEmpty());
        QCOMPARE(b.couleur("Label16"), QColor(champ == "Text11" ? Qt::red : Qt::black));
        QCOMPARE(b.couleur("Label15"), QColor(champ == "Text10" ? Qt::red : Qt::black));
    }

    // A time typed by hand, with the clock running (local) or stopped and restarted (UT): the
    // next tick gives the clock's times and black captions back.
    void legendeRouge() {
        for (const auto& [champ, legende, arretee] :
             {std::tuple{"Text10", "Label15", false}, {"Text11", "Label16", true}}) {
            Banc b("2008-06-21T14:30:36Z", "");
            if (arretee)
                b.clic("Image1");
            b.clic(champ);
            QVERIFY(b.texte(champ).isEmpty() && b.couleur(legende) == QColor(Qt::red));
            if (arretee) {
                QTest::keyClicks(b.c(champ), "10:00");
                b.clic("Command1");
                QVERIFY(b.texte(champ) == "10.00.00" && b.couleur(legende) == QColor(Qt::red));
                b.clic("Image1");
            }
            b.tic();
            QCOMPARE(b.texte("Text10") + ' ' + b.texte("Text11"),
                     QStringLiteral("16.30.36 14.30.36"));
            QCOMPARE(b.couleur(legende), QColor(Qt::black));
        }
    }

    // Left open across local midnight with the clock running, the lists move to the new day
    // unless a date was chosen by hand. NOAA declination at 23:00:01 UT on 31 December 2008:
    // -23.0119; the day before's would be about 0.1 further south.
    void minuit_data() {
        QTest::addColumn<QString>("choisie");
        QTest::addColumn<QString>("attendue");
        QTest::newRow("la veille") << QString() << QStringLiteral("1/1/2009");
        QTest::newRow("choisie a la main")
            << QStringLiteral("3/11/2008") << QStringLiteral("3/11/2008");
    }
    void minuit() {
        QFETCH(QString, choisie);
        QFETCH(QString, attendue);
        Banc b("2008-12-31T22:59:58Z", ""); // 23:59:58 in Paris
        for (int j = 0; !choisie.isEmpty() && j < 3; ++j)
            b.c<QComboBox>(QStringLiteral("Combo1_%1").arg(j))
                ->setEditText(choisie.section('/', j, j));
        b.fakes.clock.avancer(3);
        b.tic();
        QString date;
        for (int j = 0; j < 3; ++j)
            date += b.c<QComboBox>(QStringLiteral("Combo1_%1").arg(j))->currentText() + '/';
        QCOMPARE(date.chopped(1), attendue);
        QCOMPARE(b.texte("Text10") + ' ' + b.texte("Text11"), QStringLiteral("00.00.01 23.00.01"));
        if (choisie.isEmpty())
            QVERIFY2(std::abs(b.texte("Text9").chopped(1).toDouble() + 23.0119) < 0.02,
                     qPrintable(b.texte("Text9")));
    }

    // A zone the toolkit does not know: the C library's local time from TZ, or UTC with a
    // message when the C library does not know it either. 14:30:36 UT on 21 June 2008.
    void fuseauInconnu_data() {
        QTest::addColumn<QByteArray>("tz");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("message");
        QTest::newRow("regle POSIX de Paris")
            << QByteArray("CET-1CEST,M3.5.0,M10.5.0/3") << "16.30.36" << false;
        QTest::newRow("chemin de fichier")
            << QByteArray(":/usr/share/zoneinfo/Asia/Tokyo") << "23.30.36" << false;
        QTest::newRow("mal ecrit") << QByteArray("Europe/Pariss") << "14.30.36" << true;
    }
    void fuseauInconnu() {
        QFETCH(QByteArray, tz);
        QFETCH(QString, locale);
        QFETCH(bool, message);
        const QByteArray avant = qgetenv("TZ");
        const auto retablir = qScopeGuard([&] { qputenv("TZ", avant); });
        qputenv("TZ", tz);
        Banc b("2008-06-21T14:30:36Z", "Nowhere/Zone");
        QCOMPARE(b.texte("Text10") + ' ' + b.texte("Text11"), locale + " 14.30.36");
        QCOMPARE(b.c<QComboBox>("Combo1_0")->currentText() + '/' +
                     b.c<QComboBox>("Combo1_1")->currentText(),
                 QStringLiteral("21/6"));
        // Tokyo's time at Paris's longitude rightly warns of a zone far from the place.
        QCOMPARE(b.c<QLabel>("Label7")->text().startsWith("Fuseau horaire inconnu"), message);
    }
};

QTEST_MAIN(TestHorloge)
#include "tst_horloge.moc"