// The termination signals of a session that ends (logout, shutdown, kill,
// Ctrl+C in a terminal) brought into the event loop: the signal handler only
// writes a byte to a socket pair, and the event loop reads it and calls the
// program's end. SIGTERM, SIGINT and SIGHUP are caught for the life of the
// object; the former handlers come back afterwards.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

class Signaux_Fin : public QObject {
    Q_OBJECT
public:
    explicit Signaux_Fin(std::function<void(int)> fin, QObject* parent = nullptr);
    ~Signaux_Fin() override;

    bool Installes() const { return notifieur_ != nullptr; }

private:
    void Lit();

    std::function<void(int)> fin_;
    QSocketNotifier* notifieur_ = nullptr;
};
