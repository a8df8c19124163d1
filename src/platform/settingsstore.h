#pragma once

#include <QMap>
#include <QString>
#include <memory>

class QSettings;

namespace platform {

// Per-user text settings, addressed by section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString lire(const QString& section, const QString& key,
                         const QString& defaut) const = 0;
    virtual void ecrire(const QString& section, const QString& key, const QString& value) = 0;
    // Writes what is pending to its medium; false when that failed. Keys this program did
    // not write keep their values.
    virtual bool enregistrer() = 0;
    // Takes in what another program (another copy of this one) saved since the medium was
    // read; the values this run wrote stay over it.
    virtual void relire() = 0;
    // Where the settings live, for messages to the user.
    virtual QString emplacement() const = 0;
};

// INI file, by default ~/.config/<name>/<name>.ini (under $XDG_CONFIG_HOME when set) for
// the executable's base name.
class QtSettingsStore final : public SettingsStore {
public:
    explicit QtSettingsStore(const QString& applicationName);
    static std::unique_ptr<QtSettingsStore> fromFile(const QString& path);
    ~QtSettingsStore() override;

    QString lire(const QString& section, const QString& key, const QString& defaut) const override;
    void ecrire(const QString& section, const QString& key, const QString& value) override;
    bool enregistrer() override;
    void relire() override;
    QString emplacement() const override;

private:
    QtSettingsStore() = default;
    void ouvrir(const QString& path);
    QString m_chemin;
    // Null when the path is not a regular file (a FIFO, a device, a folder): reading it
    // could block, so it is neither read nor written.
    std::unique_ptr<QSettings> m_settings;
    QMap<QString, QString> m_ecrits; // what this run wrote, to check it reached the disk
};

} // namespace platform
