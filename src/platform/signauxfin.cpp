#include "platform/signauxfin.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr std::array Signaux{SIGTERM, SIGHUP, SIGINT};
int tube[2] = {-1, -1}; // read end, write end
struct sigaction anciennes[Signaux.size()];

void recevoir(int) {
    const int erreur = errno;
    const char octet = 1;
    (void)!::write(tube[1], &octet, 1); // a full pipe already holds a pending request
    errno = erreur;
}

} // namespace

SignauxFin::SignauxFin(QObject* parent) : QObject(parent) {
    if (::pipe(tube) != 0)
        return;
    for (const int fd : tube) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    }
    m_notifieur = new QSocketNotifier(tube[0], QSocketNotifier::Read, this);
    connect(m_notifieur, &QSocketNotifier::activated, this, [this] {
        char octets[16];
        while (::read(tube[0], octets, sizeof octets) > 0) {
        }
        emit recu();
    });
    struct sigaction action = {};
    action.sa_handler = recevoir;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < Signaux.size(); ++i)
        ::sigaction(Signaux[i], &action, &anciennes[i]);
}

SignauxFin::~SignauxFin() {
    if (!m_notifieur)
        return;
    for (std::size_t i = 0; i < Signaux.size(); ++i)
        ::sigaction(Signaux[i], &anciennes[i], nullptr);
    delete m_notifieur;
    for (int& fd : tube)
        fd = (::close(fd), -1);
}

} // namespace platform

#else

namespace platform {

SignauxFin::SignauxFin(QObject* parent) : QObject(parent) {}
SignauxFin::~SignauxFin() = default;

} // namespace platform

#endif
