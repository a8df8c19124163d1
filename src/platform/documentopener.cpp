#include "platform/documentopener.h"

#include <QDesktopServices>

namespace platform {

// The desktop's answer is not examined: no browser or mail program simply shows nothing.
void DesktopOpener::ouvrir(const QUrl& adresse) {
    QDesktopServices::openUrl(adresse);
}

} // namespace platform
