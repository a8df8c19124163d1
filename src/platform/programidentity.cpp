#include "platform/programidentity.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace platform {

ProgramIdentity ProgramIdentity::courante() {
    ProgramIdentity id;
    id.nomExecutable = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    id.majeure = ORSALINE_VERSION_MAJOR;
    id.mineure = ORSALINE_VERSION_MINOR;
    id.revision = ORSALINE_VERSION_PATCH;
    return id;
}

AdressesAuteur AdressesAuteur::duProgramme() {
    return {QStringLiteral(ORSALINE_AUTHOR_MAIL), QStringLiteral(ORSALINE_AUTHOR_SITE),
            QStringLiteral(ORSALINE_TRANSLATION_SITE)};
}

} // namespace platform
