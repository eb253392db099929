// Starts a program under the current X display and measures the time from
// the process start to the first map of the window whose title holds the
// given text, then the program's resident memory 2 s later; the program is
// then killed (it has written nothing: no pupil was identified).
//
//   bench_demarrage <title text> <program> [arguments...]
// prints: <milliseconds> <resident kB>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

namespace {

std::string Titre(Display* d, Window w) {
    Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
    Atom nom = XInternAtom(d, "_NET_WM_NAME", False);
    for (Atom propriete : {nom, static_cast<Atom>(XA_WM_NAME)}) {
        Atom type;
        int format;
        unsigned long n, reste;
        unsigned char* donnees = nullptr;
        if (XGetWindowProperty(d, w, propriete, 0, 1024, False, AnyPropertyType, &type, &format, &n, &reste,
                               &donnees) == Success &&
            donnees) {
            std::string t(reinterpret_cast<char*>(donnees), n);
            XFree(donnees);
            if (!t.empty()) return t;
        }
        (void)utf8;
    }
    return {};
}

long Resident_Ko(pid_t pid) {
    std::ifstream statut("/proc/" + std::to_string(pid) + "/status");
    std::string mot;
    while (statut >> mot)
        if (mot == "VmRSS:") {
            long ko = 0;
            statut >> ko;
            return ko;
        }
    return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <titre> <programme> [arguments...]\n", argv[0]);
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "pas d'affichage X\n");
        return 2;
    }
    const Window racine = DefaultRootWindow(d);
    XSelectInput(d, racine, SubstructureNotifyMask);
    XSync(d, False);

    const auto debut = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    const auto limite = debut + std::chrono::seconds(60);
    double ms = -1;
    while (ms < 0 && std::chrono::steady_clock::now() < limite) {
        if (!XPending(d)) {
            pollfd p{ConnectionNumber(d), POLLIN, 0};
            poll(&p, 1, 50);
            continue;
        }
        XEvent e;
        XNextEvent(d, &e);
        if (e.type != MapNotify) continue;
        const auto maintenant = std::chrono::steady_clock::now();
        if (Titre(d, e.xmap.window).find(argv[1]) != std::string::npos)
            ms = std::chrono::duration<double, std::milli>(maintenant - debut).count();
    }
    std::this_thread::sleep_for(std::chrono::seconds(2));
    const long ko = Resident_Ko(pid);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(d);
    if (ms < 0) {
        std::fprintf(stderr, "aucune fenêtre « %s » en 60 s\n", argv[1]);
        return 1;
    }
    std::printf("%.1f %ld\n", ms, ko);
    return 0;
}
