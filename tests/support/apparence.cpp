// Compiled into every test that uses the fakes: the windows under test get the light
// palette the program's main() gives them.
#include "platform/palette.h"

#include <QApplication>

namespace {

void apparence() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::setPalette(platform::paletteClaire());
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(apparence)
