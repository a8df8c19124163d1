#pragma once

#include <QObject>

class QSocketNotifier;

namespace platform {

// The requests to end the program that come as POSIX signals (SIGTERM from the session or
// `kill`, SIGHUP when the terminal goes, SIGINT for Ctrl+C), delivered as the Qt signal
// `recu` on the event loop. The handler itself only writes a byte into a pipe, the one
// thing a signal handler may safely do. Where POSIX signals do not exist it never fires.
// One instance at a time; the former handlers come back when it is destroyed.
class SignauxFin final : public QObject {
    Q_OBJECT

public:
    explicit SignauxFin(QObject* parent = nullptr);
    ~SignauxFin() override;

signals:
    void recu();

private:
    QSocketNotifier* m_notifieur = nullptr;
};

} // namespace platform
