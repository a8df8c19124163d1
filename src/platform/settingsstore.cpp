#include "platform/settingsstore.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

namespace platform {

QtSettingsStore::QtSettingsStore(const QString& applicationName) {
    // Where QSettings puts IniFormat, UserScope, organisation and application both named so;
    // the path is known before the file is opened, so that it can be looked at first.
    ouvrir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + applicationName + QLatin1Char('/') + applicationName +
           QStringLiteral(".ini"));
}

std::unique_ptr<QtSettingsStore> QtSettingsStore::fromFile(const QString& path) {
    std::unique_ptr<QtSettingsStore> store(new QtSettingsStore());
    store->ouvrir(path);
    return store;
}

void QtSettingsStore::ouvrir(const QString& path) {
    m_chemin = QDir::cleanPath(path);
    const QFileInfo info(m_chemin);
    if (info.exists() && !info.isFile())
        return;
    // QSettings reads the file here. A line it cannot parse (a comment, a byte-order mark,
    // a line without "=") sets its status to FormatError but every other key is read, and
    // a save keeps them: the status is not a reason to ignore or replace the file.
    m_settings = std::make_unique<QSettings>(m_chemin, QSettings::IniFormat);
}

QtSettingsStore::QtSettingsStore() = default;
QtSettingsStore::~QtSettingsStore() = default;

QString QtSettingsStore::lire(const QString& section, const QString& key,
                              const QString& defaut) const {
    const QString cle = section + QLatin1Char('/') + key;
    if (const auto ecrit = m_ecrits.constFind(cle); ecrit != m_ecrits.cend())
        return *ecrit;
    if (!m_settings)
        return defaut;
    const QVariant v = m_settings->value(cle);
    // An unquoted comma makes a list of the value ("0=12,50" typed by hand): its text back.
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QLatin1Char(','));
    if (!v.isValid() || !v.canConvert<QString>())
        return defaut;
    return v.toString();
}

void QtSettingsStore::ecrire(const QString& section, const QString& key, const QString& value) {
    m_ecrits.insert(section + QLatin1Char('/') + key, value);
}

namespace {

QMap<QString, QVariant> cles(const QSettings& s) {
    QMap<QString, QVariant> r;
    for (const QString& k : s.allKeys())
        r.insert(k, s.value(k));
    return r;
}

} // namespace

// The file as it is on disk now with this run's values in it, in Qt's own INI form; nullopt
// when it could not be made. Qt writes it into a scratch folder, and it is read back from a
// second copy there: Qt keeps a file whose last write failed, and caches what it wrote.
std::optional<QByteArray> QtSettingsStore::contenuAvec() const {
    QByteArray actuel;
    if (QFile f(m_chemin); f.exists()) {
        if (!f.open(QIODevice::ReadOnly))
            return std::nullopt;
        actuel = f.readAll();
    }
    const QTemporaryDir brouillon;
    const auto ecrireBrouillon = [&](const QString& nom, const QByteArray& octets) {
        QFile f(brouillon.filePath(nom));
        return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size() && f.flush();
    };
    if (!brouillon.isValid() || !ecrireBrouillon(QStringLiteral("a.ini"), actuel))
        return std::nullopt;
    QMap<QString, QVariant> attendu;
    {
        QSettings a(brouillon.filePath(QStringLiteral("a.ini")), QSettings::IniFormat);
        attendu = cles(a);
        for (auto it = m_ecrits.cbegin(); it != m_ecrits.cend(); ++it) {
            a.setValue(it.key(), it.value());
            attendu.insert(it.key(), it.value());
        }
        a.sync();
        if (a.status() == QSettings::AccessError)
            return std::nullopt;
    }
    QFile a(brouillon.filePath(QStringLiteral("a.ini")));
    if (!a.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray nouveau = a.readAll();
    if (!ecrireBrouillon(QStringLiteral("b.ini"), nouveau))
        return std::nullopt;
    if (cles(QSettings(brouillon.filePath(QStringLiteral("b.ini")), QSettings::IniFormat)) !=
        attendu)
        return std::nullopt;
    return nouveau;
}

bool QtSettingsStore::enregistrer() {
    m_echec.reset();
    const bool dejaVerrouille = m_verrou && m_verrou->isLocked();
    if (!dejaVerrouille)
        verrouiller();
    const auto fin = qScopeGuard([this] { liberer(); });
    if (!m_settings) {
        m_echec = EchecEcriture{m_chemin, EtapeEcriture::Ouverture,
                                QString::fromLocal8Bit(std::strerror(EINVAL)),
                                QFileInfo::exists(m_chemin)};
        return false;
    }
    QDir().mkpath(QFileInfo(m_chemin).absolutePath());
    const std::optional<QByteArray> contenu = contenuAvec();
    if (!contenu) {
        m_echec = EchecEcriture{m_chemin, EtapeEcriture::Ouverture, QString(),
                                QFileInfo::exists(m_chemin)};
        return false;
    }
    m_echec = EcrireFichierEntier(m_chemin, *contenu);
    if (m_echec)
        return false;
    m_ecrits.clear();
    m_settings->sync(); // nothing pending in it: reads the file just written
    return true;
}

void QtSettingsStore::relire() {
    // Qt reloads the file when its size or time of modification changed.
    if (m_settings)
        m_settings->sync();
}

QString QtSettingsStore::emplacement() const {
    return m_chemin;
}

void QtSettingsStore::verrouiller() {
    if (!m_settings || (m_verrou && m_verrou->isLocked()))
        return;
    QDir().mkpath(QFileInfo(m_chemin).absolutePath());
    m_verrou = std::make_unique<QLockFile>(m_chemin + QStringLiteral(".lock"));
    // A copy holds the lock for the milliseconds of a save: one held longer belongs to a copy
    // that hangs. A copy that died leaves a lock that is taken over at once.
    m_verrou->setStaleLockTime(std::chrono::seconds(2));
    // Without the lock the save still goes on: losing it would be worse than a rare race.
    m_verrou->tryLock(std::chrono::seconds(3));
}

void QtSettingsStore::liberer() {
    if (m_verrou)
        m_verrou->unlock();
}

} // namespace platform
