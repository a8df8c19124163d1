#pragma once

#include "platform/ecriturefichier.h"

#include <QMap>
#include <QString>
#include <memory>
#include <optional>

class QLockFile;
class QSettings;

namespace platform {

// Per-user text settings, addressed by section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString lire(const QString& section, const QString& key,
                         const QString& defaut) const = 0;
    virtual void ecrire(const QString& section, const QString& key, const QString& value) = 0;
    // Writes what is pending to its medium, then lets other copies save again (verrouiller);
    // false when that failed, the medium being left as it was. Keys this program did not
    // write keep their values.
    virtual bool enregistrer() = 0;
    // Takes in what another program (another copy of this one) saved since the medium was
    // read; the values this run wrote and has not saved yet stay over it.
    virtual void relire() = 0;
    // Where the settings live, for messages to the user.
    virtual QString emplacement() const = 0;
    // Keeps other copies of the program from saving until enregistrer() or liberer(), so that
    // nothing they save falls between this copy's relire(), its merge and its write.
    virtual void verrouiller() {}
    virtual void liberer() {}
    // Why the last enregistrer() failed, when the medium can tell.
    virtual std::optional<EchecEcriture> dernierEchec() const { return std::nullopt; }
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
    void verrouiller() override;
    void liberer() override;
    std::optional<EchecEcriture> dernierEchec() const override { return m_echec; }

private:
    QtSettingsStore();
    void ouvrir(const QString& path);
    std::optional<QByteArray> contenuAvec() const;
    QString m_chemin;
    // Null when the path is not a regular file (a FIFO, a device, a folder): reading it
    // could block, so it is neither read nor written.
    std::unique_ptr<QSettings> m_settings; // only read: writes go through EcrireFichierEntier
    QMap<QString, QString> m_ecrits;       // what this run wrote and has not saved yet
    std::unique_ptr<QLockFile> m_verrou;   // "<file>.lock"
    std::optional<EchecEcriture> m_echec;
};

} // namespace platform
