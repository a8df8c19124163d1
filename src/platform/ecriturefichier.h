#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace platform {

// The steps of a whole-file write, in their order.
enum class EtapeEcriture { Ouverture, Ecriture, Vidage, Synchronisation, Renommage };

// Why a file was not written. The file is then as it was, byte for byte, or still absent.
struct EchecEcriture {
    QString chemin;
    EtapeEcriture etape = EtapeEcriture::Ouverture;
    QString raison;            // the system's words
    bool ancienIntact = false; // a previous file is there, unchanged
};

// Writes `contenu` as the whole of the file at `chemin`: into a temporary file of the same
// folder, every write and the flush checked, synced to the disk, then renamed over the file,
// whose permissions it takes. A symbolic link is followed: its target is replaced. On any
// failure the temporary file is removed and the file at `chemin` is left untouched.
std::optional<EchecEcriture> EcrireFichierEntier(const QString& chemin, const QByteArray& contenu);

// Test seam: called before each step with the path given to EcrireFichierEntier; an errno
// value other than 0 makes that step fail as the system would with it (a failed write has
// written half the contents first). An empty function: no failure injected.
using PanneEcriture = std::function<int(EtapeEcriture etape, const QString& chemin)>;
void SimulerPannes(PanneEcriture panne);

} // namespace platform
