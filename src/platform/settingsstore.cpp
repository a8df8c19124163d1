#include "platform/settingsstore.h"

#include <QFileInfo>
#include <QSettings>

namespace platform {

QtSettingsStore::QtSettingsStore(const QString& applicationName)
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             applicationName, applicationName)) {
    m_lisible = m_settings->status() == QSettings::NoError;
}

std::unique_ptr<QtSettingsStore> QtSettingsStore::fromFile(const QString& path) {
    std::unique_ptr<QtSettingsStore> store(new QtSettingsStore());
    store->m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    store->m_lisible = store->m_settings->status() == QSettings::NoError;
    return store;
}

QtSettingsStore::~QtSettingsStore() = default;

QString QtSettingsStore::lire(const QString& section, const QString& key,
                              const QString& defaut) const {
    // A file that could not be parsed counts as absent: every key takes its default.
    if (!m_lisible)
        return defaut;
    const QVariant v = m_settings->value(section + QLatin1Char('/') + key);
    if (!v.isValid() || !v.canConvert<QString>())
        return defaut;
    return v.toString();
}

void QtSettingsStore::ecrire(const QString& section, const QString& key, const QString& value) {
    m_settings->setValue(section + QLatin1Char('/') + key, value);
}

bool QtSettingsStore::enregistrer() {
    m_settings->sync();
    return m_settings->status() == QSettings::NoError && m_settings->isWritable();
}

QString QtSettingsStore::emplacement() const {
    return m_settings->fileName();
}

} // namespace platform
