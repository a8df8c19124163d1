#pragma once

#include "platform/clock.h"
#include "platform/documentopener.h"
#include "platform/programidentity.h"
#include "platform/settingsstore.h"
#include "platform/windoweffects.h"

namespace platform {

// What the windows receive from the desktop; app/ passes the real ones, tests fakes.
struct Services {
    SettingsStore& settings;
    Clock& clock;
    DocumentOpener& opener;
    WindowEffects& effects;
    ProgramIdentity identity;
    AdressesAuteur adresses;
};

} // namespace platform
