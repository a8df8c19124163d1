#include "fakes.h"
#include "mainwindow/formtalvan.h"

#include <QtTest>
#include <QtWidgets>

namespace {
// Now (UT), zone (empty: the fake's 11 Feb 2008 12:00 UT, Paris); then clicks on controls, "d/m/y"
// chosen in the lists, "Text10=" local or "Text11=" UT time typed and Calcul. Expected: Text10,
// Text11, start of the solar time Text13 (2 deg 20' E), [day]. Typed times take the offset at the
// lists' date; UT counts from the local date, shown modulo one day.
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
    {"9:05:30 puis abc", "", "", "Text11=8:00 Text11=9:05:30 Text11=abc",
     "10.05.30 09.05.30 09.00"},
    // Stopped, another date chosen, restarted by the watch or the (*) mark: today comes back.
    {"relance montre", "", "", "Image1 3/11/2008 Image1", "13.00.00 12.00.00 11.55.0 11"},
    {"relance (*)", "", "", "Image1 3/11/2008 Label13", "13.00.00 12.00.00 11.55.0 11"},
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
        Fenetre<FormTalvan> b("F", maintenant, *zone ? zone : "Europe/Paris");
        const auto rouge = [&](const char* n) {
            return b.c<QLabel>(n)->palette().color(QPalette::WindowText) == QColor(Qt::red);
        };
        QString champ; // the last field typed into
        for (const QString& s : QString(saisies).split(' ', Qt::SkipEmptyParts)) {
            for (int j = 0; s.contains('/') && j < 3; ++j) { // chosen in the lists
                auto* liste = b.c<QComboBox>(QStringLiteral("Combo1_%1").arg(j));
                liste->setCurrentIndex(liste->findText(s.section('/', j, j)));
                emit liste->activated(liste->currentIndex());
            }
            if (s.contains('=')) {
                if (b.w->horloge()->isActive())
                    b.clic("Image1");
                b.clic(champ = s.section('=', 0, 0));
                QTest::keyClicks(b.c(champ), s.section('=', 1));
                b.clic("Command1");
            } else if (!s.contains('/')) {
                b.clic(s);
            }
        }
        const QStringList a = QString(attendu).split(' ');
        QCOMPARE(b.texte("Text10") + ' ' + b.texte("Text11") + ' ' +
                     b.texte("Text13").left(a[2].size()) +
                     (a.size() > 3 ? ' ' + b.c<QComboBox>("Combo1_0")->currentText() : ""),
                 attendu);
        // The clock stops for a typed time, the caption of its field red.
        QCOMPARE(QList({b.w->horloge()->isActive(), rouge("Label15"), rouge("Label16")}),
                 QList({champ.isEmpty(), champ == "Text10", champ == "Text11"}));
    }

    // Left open across local midnight with the clock running, the lists move to the new day
    // unless a date was chosen by hand.
    void minuit() {
        for (const QString choisie : {"", "3/11/2008"}) {
            Fenetre<FormTalvan> b("F", "2008-12-31T22:59:58Z"); // 23:59:58 in Paris
            if (!choisie.isEmpty())
                b.date(choisie);
            b.fakes.clock.avancer(3);
            b.tic();
            QStringList vu;
            for (const char* n : {"Combo1_0", "Combo1_1", "Combo1_2"})
                vu << b.c<QComboBox>(n)->currentText();
            QCOMPARE(vu.join('/') + ' ' + b.texte("Text10") + ' ' + b.texte("Text11"),
                     (choisie.isEmpty() ? "1/1/2009" : choisie) + " 00.00.01 23.00.01");
        }
    }
};

QTEST_MAIN(TestHorloge)
#include "tst_horloge.moc"
