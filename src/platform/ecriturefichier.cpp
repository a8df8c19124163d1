#include "platform/ecriturefichier.h"

#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

PanneEcriture panneSimulee;

int panne(EtapeEcriture etape, const QString& chemin) {
    return panneSimulee ? panneSimulee(etape, chemin) : 0;
}

QString texteErreur(int numero) {
    return QString::fromLocal8Bit(std::strerror(numero));
}

// The permissions a new file gets from the user's umask, as an ordinary open would give.
mode_t permissionsNouvelles() {
    const mode_t masque = ::umask(0);
    ::umask(masque);
    return 0666 & ~masque;
}

} // namespace

void SimulerPannes(PanneEcriture p) {
    panneSimulee = std::move(p);
}

std::optional<EchecEcriture> EcrireFichierEntier(const QString& chemin, const QByteArray& contenu) {
    QString cible = chemin;
    if (const QFileInfo lien(chemin); lien.isSymLink() && !lien.symLinkTarget().isEmpty())
        cible = lien.symLinkTarget();
    const QFileInfo info(cible);
    const QByteArray nomCible = QFile::encodeName(cible);
    struct stat etat = {};
    const bool ancien = ::stat(nomCible.constData(), &etat) == 0;

    QTemporaryFile temporaire(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                              QStringLiteral(".XXXXXX"));
    // Until the rename, the temporary file goes with this object.
    const auto echec = [&](EtapeEcriture etape, const QString& raison) {
        return std::optional(EchecEcriture{chemin, etape, raison, ancien});
    };
    const auto echecSysteme = [&](EtapeEcriture etape, int numero) {
        return echec(etape, texteErreur(numero));
    };

    if (const int e = panne(EtapeEcriture::Ouverture, chemin))
        return echecSysteme(EtapeEcriture::Ouverture, e);
    if (!temporaire.open())
        return echec(EtapeEcriture::Ouverture, temporaire.errorString());
    ::fchmod(temporaire.handle(), ancien ? etat.st_mode & 07777 : permissionsNouvelles());

    if (const int e = panne(EtapeEcriture::Ecriture, chemin)) {
        temporaire.write(contenu.left(contenu.size() / 2));
        temporaire.flush();
        return echecSysteme(EtapeEcriture::Ecriture, e);
    }
    if (temporaire.write(contenu) != contenu.size())
        return echec(EtapeEcriture::Ecriture, temporaire.errorString());
    // Small writes wait in Qt's buffer: a full disk is often seen only here.
    if (const int e = panne(EtapeEcriture::Vidage, chemin))
        return echecSysteme(EtapeEcriture::Vidage, e);
    if (!temporaire.flush())
        return echec(EtapeEcriture::Vidage, temporaire.errorString());
    if (const int e = panne(EtapeEcriture::Synchronisation, chemin))
        return echecSysteme(EtapeEcriture::Synchronisation, e);
    if (::fsync(temporaire.handle()) != 0)
        return echecSysteme(EtapeEcriture::Synchronisation, errno);
    if (const int e = panne(EtapeEcriture::Renommage, chemin))
        return echecSysteme(EtapeEcriture::Renommage, e);
    if (::rename(QFile::encodeName(temporaire.fileName()).constData(), nomCible.constData()) != 0)
        return echecSysteme(EtapeEcriture::Renommage, errno);
    temporaire.setAutoRemove(false);
    // The new name itself reaches the disk with its folder.
    if (const int dossier = ::open(QFile::encodeName(info.absolutePath()).constData(),
                                   O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        dossier >= 0) {
        ::fsync(dossier);
        ::close(dossier);
    }
    return std::nullopt;
}

} // namespace platform
