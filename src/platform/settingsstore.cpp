#include "platform/settingsstore.h"

#include <QFileInfo>
#include <QSettings>

namespace platform {

namespace {

// QSettings reads its file on first use; its status is known only after that.
bool lisible(const QSettings& settings) {
    (void)settings.childGroups();
    return settings.status() == QSettings::NoError;
}

} // namespace

QtSettingsStore::QtSettingsStore(const QString& applicationName)
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             applicationName, applicationName)) {
    m_lisible = lisible(*m_settings);
}

std::unique_ptr<QtSettingsStore> QtSettingsStore::fromFile(const QString& path) {
    std::unique_ptr<QtSettingsStore> store(new QtSettingsStore());
    store->m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    store->m_lisible = lisible(*store->m_settings);
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
    // A file that could not be parsed is replaced by a clean one rather than rewritten
    // with its unreadable part.
    if (!m_lisible && m_ecrits.isEmpty())
        m_settings->clear();
    const QString cle = section + QLatin1Char('/') + key;
    m_settings->setValue(cle, value);
    m_ecrits.insert(cle, value);
}

bool QtSettingsStore::enregistrer() {
    m_settings->sync();
    if (m_settings->status() == QSettings::AccessError || !m_settings->isWritable())
        return false;
    // Qt writes through a temporary file and renames it, so a failed write leaves the old
    // file whole; read the file back to know whether this run's values are in it.
    const QSettings relu(m_settings->fileName(), QSettings::IniFormat);
    if (relu.status() != QSettings::NoError)
        return false;
    for (auto it = m_ecrits.cbegin(); it != m_ecrits.cend(); ++it)
        if (relu.value(it.key()).toString() != it.value())
            return false;
    return true;
}

QString QtSettingsStore::emplacement() const {
    return m_settings->fileName();
}

} // namespace platform
