#pragma once

#include "platform/services.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QUrl>
#include <memory>

// A fixed clock on a real time zone ("Europe/Paris", "America/Santiago", ...).
class FakeClock final : public platform::ZoneClock {
public:
    explicit FakeClock(const QDateTime& utc = QDateTime(QDate(2008, 2, 11), QTime(12, 0), Qt::UTC),
                       const QByteArray& zoneId = "Europe/Paris")
        : m_utc(utc.toUTC()), m_zone(zoneId) {}
    QDateTime maintenantUtc() const override { return m_utc; }
    QTimeZone zone() const override { return m_zone; }
    void regler(const QDateTime& utc) { m_utc = utc.toUTC(); }
    void avancer(int secondes) { m_utc = m_utc.addSecs(secondes); }
    void reglerZone(const QByteArray& id) { m_zone = QTimeZone(id); }

private:
    QDateTime m_utc;
    QTimeZone m_zone;
};

// Settings in memory.
class MemorySettings final : public platform::SettingsStore {
public:
    QString lire(const QString& section, const QString& key, const QString& defaut) const override {
        return valeurs.value(section + '/' + key, defaut);
    }
    void ecrire(const QString& section, const QString& key, const QString& value) override {
        valeurs.insert(section + '/' + key, value);
    }
    bool enregistrer() override { return true; }
    void relire() override {}
    QString emplacement() const override { return QStringLiteral("/tmp/orsaline-test.ini"); }

    QMap<QString, QString> valeurs; // "Start/deglat" -> "48"
};

class RecordingOpener final : public platform::DocumentOpener {
public:
    void ouvrir(const QUrl& adresse) override { adresses << adresse; }
    QList<QUrl> adresses;
};

class FakeWindowEffects final : public platform::WindowEffects {
public:
    void premierPlan(QWidget*, bool actif) override { topmost = actif; }
    bool transparence(QWidget*, int o) override {
        opacite = o;
        return opaciteParLeBureau;
    }
    void deplacer(QWidget*, Qt::MouseButton, QPointF) override { ++deplacements; }
    bool topmost = false;
    int opacite = -1;
    int deplacements = 0;
    bool opaciteParLeBureau = false; // as on Wayland: the window paints itself see-through
};

// All the fakes together, and the Services that point at them.
struct FakeServices {
    FakeClock clock;
    MemorySettings settings;
    RecordingOpener opener;
    FakeWindowEffects effects;
    platform::ProgramIdentity identity{QStringLiteral("orsaline"), 3, 0, 0};
    platform::AdressesAuteur adresses{QStringLiteral("auteur@example.org"),
                                      QStringLiteral("https://auteur.example.org"),
                                      QStringLiteral("https://traduction.example.org")};
    // `autre`: a store used instead of the settings in memory.
    platform::Services services(platform::SettingsStore* autre = nullptr) {
        return {autre ? *autre : settings, clock, opener, effects, identity, adresses};
    }
};

#ifdef QT_TESTLIB_LIB // not for the tools that borrow the fakes
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <type_traits>

// Closes a window inside the event loop, where the last window's closing would end the program:
// by a click on its button `bouton` or, when empty, as the desktop would. Runs the loop `ms`.
inline void fermerDansLaBoucle(QWidget* fenetre, const QString& bouton, int ms) {
    QPointer<QWidget> f = fenetre;
    QTimer::singleShot(0, fenetre, [f, bouton] {
        if (bouton.isEmpty())
            f->close();
        else
            QTest::mouseClick(f->findChild<QWidget*>(bouton), Qt::LeftButton);
    });
    QTimer::singleShot(ms, qApp, [] { QCoreApplication::exit(0); }); // quit() closes windows
    QApplication::exec();
}

// The driver of the window tests: a window W on the fakes, the main window loaded in a language
// ("F", "E") with the clock at a UT instant ("2008-02-11T12:00Z"; empty: the fake's) in a zone.
// Then keys and clicks as a person gives them, the clock's tick.
template <typename W> struct Fenetre {
    FakeServices fakes;
    std::unique_ptr<W> w;

    // `cles`: more [Start] keys for the fake settings; `reglages`: a store used instead of them;
    // `preparer`: changes to the fakes before the window is made.
    explicit Fenetre(const char* langue = "F", const char* utc = "",
                     const char* zone = "Europe/Paris",
                     std::initializer_list<std::pair<const char*, const char*>> cles = {},
                     platform::SettingsStore* reglages = nullptr,
                     void (*preparer)(FakeServices&) = nullptr) {
        if (*utc)
            fakes.clock.regler(QDateTime::fromString(QString::fromLatin1(utc), Qt::ISODate));
        fakes.clock.reglerZone(zone);
        fakes.settings.valeurs.insert(QStringLiteral("Start/Langue"), QString::fromLatin1(langue));
        for (const auto& [cle, valeur] : cles)
            fakes.settings.valeurs.insert(QStringLiteral("Start/") + cle, valeur);
        if (preparer)
            preparer(fakes);
        const platform::Services s = fakes.services(reglages);
        if constexpr (std::is_constructible_v<W, platform::WindowEffects&>) {
            w = std::make_unique<W>(fakes.effects);
        } else if constexpr (std::is_constructible_v<W, platform::Services, QIcon, QPixmap>) {
            w = std::make_unique<W>(s, QIcon(), QPixmap());
        } else {
            w = std::make_unique<W>(s);
            w->Charger();
        }
    }
    template <typename T = QWidget> T* c(const QString& nom) const {
        return w->template findChild<T*>(nom);
    }
    QString texte(const QString& nom) const { return c(nom)->property("text").toString(); }
    void clic(const QString& nom) const { QTest::mouseClick(c(nom), Qt::LeftButton); }
    QLineEdit* dg(int i) const { return c<QLineEdit>(QStringLiteral("DG_%1").arg(i)); }
    QCheckBox* chec(int i) const { return c<QCheckBox>(QStringLiteral("Chec_%1").arg(i)); }
    // A field's text replaced by typing s (a list's own field for a date list).
    void taper(QLineEdit* t, const QString& s) const { (t->clear(), QTest::keyClicks(t, s)); }
    void taper(const QString& nom, const QString& s) const {
        auto* liste = c<QComboBox>(nom);
        taper(liste ? liste->lineEdit() : c<QLineEdit>(nom), s);
    }
    // The angle typed and "Calcul" pressed, then "Garder" when asked.
    void calculer(const QString& angle, bool garder = false) const {
        taper(QStringLiteral("Text12"), angle);
        clic(QStringLiteral("Command1"));
        if (garder)
            clic(QStringLiteral("Command2"));
    }
    // The list's five lines: X ticked, o a value not ticked, . empty.
    QString lignes() const {
        QString r;
        for (int i = 0; i < 5; ++i)
            r += chec(i)->isChecked() ? 'X' : dg(i)->text().isEmpty() ? '.' : 'o';
        return r;
    }
    void cocher(int i) const {
        QTest::mouseClick(chec(i), Qt::LeftButton);
        QCoreApplication::processEvents(); // the mouse-up check runs after the click
    }
    // "d/m/y" typed into the three date lists.
    void date(const QString& jma) const {
        for (int i = 0; i < 3; ++i)
            taper(QStringLiteral("Combo1_%1").arg(i), jma.section('/', i, i));
    }
    void tic() const { w->Timer1_Timer(); }
};
#endif
