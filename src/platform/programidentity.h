#pragma once

#include <QString>

namespace platform {

struct ProgramIdentity {
    QString nomExecutable; // base name of the executable, without extension
    int majeure = 0;
    int mineure = 0;
    int revision = 0;

    // The running program: its executable's name and the version it was built with.
    static ProgramIdentity courante();
};

// The author's addresses, fixed at build time.
struct AdressesAuteur {
    QString courriel;
    QString site;
    QString siteTraduction; // its page "/index.htm" is the one opened

    static AdressesAuteur duProgramme();
};

} // namespace platform
