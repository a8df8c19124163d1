#include "fakes.h"
#include "mainwindow/formtalvan.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

QDateTime utc(int a, int m, int j, int h, int mi, int s = 0) {
    return QDateTime(QDate(a, m, j), QTime(h, mi, s), Qt::UTC);
}

// "HH.MM.SS" of a number of seconds, brought into one day, written out by hand.
QString heure(double secondes) {
    const long long s = ((std::llround(secondes) % 86400) + 86400) % 86400;
    return QStringLiteral("%1.%2.%3")
        .arg(s / 3600, 2, 10, QLatin1Char('0'))
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

// 2 deg 20' east, 4 minutes of time per degree, in seconds.
constexpr double LongitudeParis = 560;

const QColor Rouge(255, 0, 0);
const QColor Noir(0, 0, 0);

} // namespace

class TestHorloge : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeServices> m_f;
    std::unique_ptr<FormTalvan> m_w;

    void demarrer(const QDateTime& maintenant, const QByteArray& zone) {
        m_f->clock.regler(maintenant);
        m_f->clock.reglerZone(zone);
        m_w = std::make_unique<FormTalvan>(m_f->services());
        m_w->Charger();
    }
    template <typename T = QLineEdit> T* c(const char* nom) {
        T* w = m_w->findChild<T*>(QLatin1String(nom));
        if (!w)
            qFatal("no control %s", nom);
        return w;
    }
    QString texte(const char* nom) { return c(nom)->text(); }
    QColor couleur(const char* etiquette) {
        return c<QLabel>(etiquette)->palette().color(QPalette::WindowText);
    }
    QStringList date() {
        return {c<QComboBox>("Combo1_0")->currentText(), c<QComboBox>("Combo1_1")->currentText(),
                c<QComboBox>("Combo1_2")->currentText()};
    }
    void clic(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    void choisirDate(const QString& j, const QString& m, const QString& a) {
        const char* noms[] = {"Combo1_0", "Combo1_1", "Combo1_2"};
        const QString textes[] = {j, m, a};
        for (int i = 0; i < 3; ++i) {
            auto* combo = c<QComboBox>(noms[i]);
            const int n = combo->findText(textes[i]);
            QVERIFY(n >= 0);
            combo->setCurrentIndex(n);
            emit combo->activated(n);
        }
    }
    // Stops the clock, clicks into the field, types the time and presses Calcul.
    void saisir(const char* champ, const QString& t) {
        if (m_w->horloge()->isActive())
            clic(c<QLabel>("Image1"));
        clic(c(champ));
        QTest::keyClicks(c(champ), t);
        clic(c<QAbstractButton>("Command1"));
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { m_f = std::make_unique<FakeServices>(); }
    void cleanup() {
        m_w.reset();
        m_f.reset();
    }

    // The running clock; universal time counts from the start of the local date, so near
    // midnight it may lie outside one day, but the fields show a time of day.
    void horlogeEnMarche_data() {
        QTest::addColumn<QDateTime>("maintenant");
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("tu");
        QTest::addColumn<int>("gmt"); // seconds from the start of the local date
        QTest::newRow("UTC+2 Johannesburg")
            << utc(2008, 6, 21, 14, 30, 36) << QByteArray("Africa/Johannesburg") << u"16.30.36"_s
            << u"14.30.36"_s << 52236;
        QTest::newRow("UTC+2 Paris en ete")
            << utc(2008, 6, 21, 14, 30, 36) << QByteArray("Europe/Paris") << u"16.30.36"_s
            << u"14.30.36"_s << 52236;
        QTest::newRow("UTC-4 Santiago en hiver")
            << utc(2008, 6, 21, 14, 30, 36) << QByteArray("America/Santiago") << u"10.30.36"_s
            << u"14.30.36"_s << 52236;
        QTest::newRow("Paris, TU de la veille")
            << utc(2008, 1, 15, 23, 50) << QByteArray("Europe/Paris") << u"00.50.00"_s
            << u"23.50.00"_s << -600;
        QTest::newRow("Santiago, TU du lendemain")
            << utc(2008, 1, 16, 2, 0) << QByteArray("America/Santiago") << u"23.00.00"_s
            << u"02.00.00"_s << 93600;
    }
    void horlogeEnMarche() {
        QFETCH(QDateTime, maintenant);
        QFETCH(QByteArray, zone);
        QFETCH(QString, locale);
        QFETCH(QString, tu);
        QFETCH(int, gmt);
        demarrer(maintenant, zone);
        QVERIFY(m_w->horloge()->isActive());
        QCOMPARE(texte("Text10"), locale);
        QCOMPARE(texte("Text11"), tu);
        QCOMPARE(std::lround(m_w->etat().GMT * 86400), gmt);
        QCOMPARE(texte("Text13"), heure(gmt + LongitudeParis - m_w->etat().EQ * 60));
        const QDate jour = maintenant.toTimeZone(QTimeZone(zone)).date();
        QCOMPARE(date().first(), QString::number(jour.day()));
    }

    // 12:00 UT at 2 deg 20' E on 11 Feb 2008: 12:00:00 + 9 min 20 s - EQ (14 min 15 s).
    void heureSolaireExemple() {
        demarrer(utc(2008, 2, 11, 8, 0), "Europe/Paris");
        saisir("Text11", "12:00");
        // The equation of time of the worked example, to the second shown in Text7.
        QVERIFY(std::abs(m_w->etat().EQ - 14.25) < 1.0 / 120);
        QCOMPARE(texte("Text13"), heure(43200 + LongitudeParis - m_w->etat().EQ * 60));
        QVERIFY(texte("Text13").startsWith("11.55.0"));
    }

    // Typed times: the offset is the zone's at the date of the lists with the typed time.
    void heuresTapees_data() {
        QTest::addColumn<QDateTime>("maintenant");
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<QStringList>("date"); // chosen in the lists; empty: today
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("tu");
        const QByteArray paris("Europe/Paris");
        const QDateTime hiver = utc(2008, 2, 11, 12, 0), ete = utc(2008, 6, 21, 12, 0);
        QTest::newRow("TU en hiver, UTC+1") << hiver << paris << QStringList() << u"Text11"_s
                                            << u"10:00"_s << u"11.00.00"_s << u"10.00.00"_s;
        QTest::newRow("locale en ete, UTC+2") << ete << paris << QStringList() << u"Text10"_s
                                              << u"12:00"_s << u"12.00.00"_s << u"10.00.00"_s;
        QTest::newRow("janvier, listes au 21 juin")
            << utc(2008, 1, 15, 12, 0) << paris << QStringList{"21", "6", "2008"} << u"Text10"_s
            << u"12:00"_s << u"12.00.00"_s << u"10.00.00"_s;
        QTest::newRow("juillet, listes en janvier")
            << utc(2008, 7, 15, 12, 0) << paris << QStringList{"15", "1", "2008"} << u"Text10"_s
            << u"12:00"_s << u"12.00.00"_s << u"11.00.00"_s;
        QTest::newRow("locale apres minuit") << ete << paris << QStringList() << u"Text10"_s
                                             << u"00:30"_s << u"00.30.00"_s << u"22.30.00"_s;
        QTest::newRow("TU avant minuit") << ete << paris << QStringList() << u"Text11"_s
                                         << u"23:30"_s << u"01.30.00"_s << u"23.30.00"_s;
        QTest::newRow("Santiago en ete, UTC-3")
            << hiver << QByteArray("America/Santiago") << QStringList() << u"Text10"_s << u"22:00"_s
            << u"22.00.00"_s << u"01.00.00"_s;
    }
    void heuresTapees() {
        QFETCH(QDateTime, maintenant);
        QFETCH(QByteArray, zone);
        QFETCH(QStringList, date);
        QFETCH(QString, champ);
        QFETCH(QString, tape);
        QFETCH(QString, locale);
        QFETCH(QString, tu);
        demarrer(maintenant, zone);
        clic(c<QLabel>("Image1"));
        if (!date.isEmpty())
            choisirDate(date[0], date[1], date[2]);
        saisir(qPrintable(champ), tape);
        QCOMPARE(texte("Text10"), locale);
        QCOMPARE(texte("Text11"), tu);
        const bool enTU = champ == QLatin1String("Text11");
        QCOMPARE(couleur("Label16"), enTU ? Rouge : Noir);
        QCOMPARE(couleur("Label15"), enTU ? Noir : Rouge);
    }

    // After 08:00 has been taken, a second typed text replaces it only when it reads.
    void formesDesHeures_data() {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("tu");
        QTest::newRow("10:00") << u"10:00"_s << u"10.00.00"_s;
        QTest::newRow("9:05:30") << u"9:05:30"_s << u"09.05.30"_s;
        QTest::newRow("10.00.00") << u"10.00.00"_s << u"10.00.00"_s;
        QTest::newRow("10.00") << u"10.00"_s << u"10.00.00"_s;
        QTest::newRow("abc") << u"abc"_s << u"08.00.00"_s;
        QTest::newRow("25:00") << u"25:00"_s << u"08.00.00"_s;
        QTest::newRow("10h") << u"10h"_s << u"08.00.00"_s;
        QTest::newRow("vide") << u""_s << u"08.00.00"_s;
    }
    void formesDesHeures() {
        QFETCH(QString, tape);
        QFETCH(QString, tu);
        demarrer(utc(2008, 2, 11, 12, 0), "Europe/Paris");
        saisir("Text11", "08:00");
        QCOMPARE(texte("Text11"), QStringLiteral("08.00.00"));
        saisir("Text11", tape);
        QCOMPARE(texte("Text11"), tu);
        QCOMPARE(texte("Text10"), heure(tu.left(2).toInt() * 3600 + tu.mid(3, 2).toInt() * 60 +
                                        tu.right(2).toInt() + 3600));
        for (const char* nom : {"Text10", "Text11", "Text13"})
            QVERIFY(!texte(nom).contains("nan", Qt::CaseInsensitive));
        QVERIFY(m_w->etat().ModifTU);
    }

    // A click into a time field while the clock runs is undone by the next tick.
    void clicPendantQueLHorlogeTourne() {
        demarrer(utc(2008, 6, 21, 14, 30, 36), "Europe/Paris");
        clic(c("Text10"));
        for (const char* nom : {"Text10", "Text11", "Text13"})
            QVERIFY(texte(nom).isEmpty());
        QCOMPARE(couleur("Label15"), Rouge);
        QVERIFY(m_w->etat().ModifHl);
        m_w->Timer1_Timer();
        QCOMPARE(texte("Text10"), QStringLiteral("16.30.36"));
        QCOMPARE(texte("Text11"), QStringLiteral("14.30.36"));
        QVERIFY(!texte("Text13").isEmpty());
        QCOMPARE(couleur("Label15"), Noir);
        QCOMPARE(couleur("Label16"), Noir);
        QVERIFY(!m_w->etat().ModifHl);
    }

    void arretEtRedemarrage_data() {
        QTest::addColumn<QString>("relance"); // what the second click hits
        QTest::newRow("montre") << u"Image1"_s;
        QTest::newRow("marque (*)") << u"Label13"_s;
    }
    void arretEtRedemarrage() {
        QFETCH(QString, relance);
        demarrer(utc(2008, 2, 11, 12, 0), "Europe/Paris");
        QVERIFY(!c<QWidget>("Line1")->isVisible());
        clic(c<QLabel>("Image1"));
        QVERIFY(!m_w->horloge()->isActive());
        QVERIFY(c<QWidget>("Line1")->isVisible() && c<QWidget>("Line2")->isVisible());
        choisirDate("3", "11", "2008");
        QCOMPARE(texte("Text7"), QStringLiteral("16 min 29 Secondes"));
        clic(c<QLabel>(qPrintable(relance)));
        QVERIFY(m_w->horloge()->isActive());
        QVERIFY(!c<QWidget>("Line1")->isVisible() && !c<QWidget>("Line2")->isVisible());
        QCOMPARE(date(), QStringList({"11", "2", "2008"}));
        QCOMPARE(texte("Text7"), QStringLiteral("14 min 15 Secondes"));
    }
};

QTEST_MAIN(TestHorloge)
#include "tst_horloge.moc"
