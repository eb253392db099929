#include "platform/Signaux.hpp"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> Signaux = {SIGTERM, SIGINT, SIGHUP};
int paire[2] = {-1, -1};
struct sigaction anciens[Signaux.size()];

extern "C" void Sur_Signal(int numero) {
    const int erreur = errno;
    const unsigned char octet = static_cast<unsigned char>(numero);
    [[maybe_unused]] const ssize_t n = ::write(paire[0], &octet, 1);
    errno = erreur;
}

}  // namespace

Signaux_Fin::Signaux_Fin(std::function<void(int)> fin, QObject* parent) : QObject(parent), fin_(std::move(fin)) {
    if (paire[0] >= 0) return;  // one set of handlers in the program
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, paire) != 0) {
        paire[0] = paire[1] = -1;
        return;
    }
    ::fcntl(paire[0], F_SETFL, ::fcntl(paire[0], F_GETFL) | O_NONBLOCK);
    notifieur_ = new QSocketNotifier(paire[1], QSocketNotifier::Read, this);
    connect(notifieur_, &QSocketNotifier::activated, this, &Signaux_Fin::Lit);
    for (std::size_t i = 0; i < Signaux.size(); ++i) {
        struct sigaction action = {};
        action.sa_handler = Sur_Signal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        ::sigaction(Signaux[i], &action, &anciens[i]);
    }
}

Signaux_Fin::~Signaux_Fin() {
    if (!notifieur_) return;
    for (std::size_t i = 0; i < Signaux.size(); ++i) ::sigaction(Signaux[i], &anciens[i], nullptr);
    delete notifieur_;
    ::close(paire[0]);
    ::close(paire[1]);
    paire[0] = paire[1] = -1;
}

void Signaux_Fin::Lit() {
    unsigned char octet = 0;
    if (::read(paire[1], &octet, 1) != 1) return;
    if (fin_) fin_(octet);
}
