#pragma once

#include <QUrl>

namespace platform {

// Hands an address (web page, mailto:) to the desktop.
class DocumentOpener {
public:
    virtual ~DocumentOpener() = default;
    virtual void ouvrir(const QUrl& adresse) = 0;
};

class DesktopOpener final : public DocumentOpener {
public:
    void ouvrir(const QUrl& adresse) override;
};

} // namespace platform
