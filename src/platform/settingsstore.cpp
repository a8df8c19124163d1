#include "platform/settingsstore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

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

QtSettingsStore::~QtSettingsStore() = default;

QString QtSettingsStore::lire(const QString& section, const QString& key,
                              const QString& defaut) const {
    if (!m_settings)
        return defaut;
    const QVariant v = m_settings->value(section + QLatin1Char('/') + key);
    // An unquoted comma makes a list of the value ("0=12,50" typed by hand): its text back.
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QLatin1Char(','));
    if (!v.isValid() || !v.canConvert<QString>())
        return defaut;
    return v.toString();
}

void QtSettingsStore::ecrire(const QString& section, const QString& key, const QString& value) {
    const QString cle = section + QLatin1Char('/') + key;
    if (m_settings)
        m_settings->setValue(cle, value);
    m_ecrits.insert(cle, value);
}

bool QtSettingsStore::enregistrer() {
    if (!m_settings)
        return false;
    // Qt merges this run's values into the file as it is now on disk, written through a
    // temporary file and renamed, so a failed write leaves the old file whole.
    m_settings->sync();
    if (m_settings->status() == QSettings::AccessError || !m_settings->isWritable())
        return false;
    // Read the file back to know whether this run's values are in it.
    const QSettings relu(m_chemin, QSettings::IniFormat);
    if (relu.status() == QSettings::AccessError)
        return false;
    for (auto it = m_ecrits.cbegin(); it != m_ecrits.cend(); ++it)
        if (relu.value(it.key()).toString() != it.value())
            return false;
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

} // namespace platform
