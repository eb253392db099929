#include "platform/Systeme_X11.hpp"

#ifdef TAVELUNE_X11
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <cstdlib>

namespace Systeme_X11 {
namespace {

Display* affichage = nullptr;
bool essaye = false;

Display* Affichage() {
    if (!essaye) {
        essaye = true;
        const char* nom = std::getenv("DISPLAY");
        if (nom && *nom) {
            int maj = XkbMajorVersion, min = XkbMinorVersion;
            affichage = XkbOpenDisplay(nullptr, nullptr, nullptr, &maj, &min, nullptr);
        }
    }
    return affichage;
}

// The modifier mask of a lock key, 0 when the keyboard has none.
unsigned Masque(Display* d, int genre) {
    switch (genre) {
    case 0: return LockMask;
    case 1: return XkbKeysymToModifiers(d, XK_Num_Lock);
    case 2: return XkbKeysymToModifiers(d, XK_Scroll_Lock);
    }
    return 0;
}

}  // namespace

bool Disponible() { return Affichage() != nullptr; }

bool Etat_Verrou(int genre, bool& actif) {
    Display* d = Affichage();
    if (!d) return false;
    if (genre == 2) {
        // Scroll Lock is seldom a modifier: read its indicator instead.
        Bool etat = False;
        const Atom nom = XInternAtom(d, "Scroll Lock", False);
        if (XkbGetNamedIndicator(d, nom, nullptr, &etat, nullptr, nullptr)) {
            actif = etat;
            return true;
        }
    }
    const unsigned masque = Masque(d, genre);
    if (!masque) return false;
    XkbStateRec etat;
    if (XkbGetState(d, XkbUseCoreKbd, &etat) != Success) return false;
    actif = (etat.locked_mods & masque) != 0;
    return true;
}

void Change_Verrou(int genre, bool actif) {
    Display* d = Affichage();
    if (!d) return;
    const unsigned masque = Masque(d, genre);
    if (!masque) return;
    XkbLockModifiers(d, XkbUseCoreKbd, masque, actif ? masque : 0);
    XFlush(d);
}

void Repousse_Veille() {
    if (Display* d = Affichage()) {
        XResetScreenSaver(d);
        XFlush(d);
    }
}

void Ferme() {
    if (affichage) XCloseDisplay(affichage);
    affichage = nullptr;
    essaye = false;
}

}  // namespace Systeme_X11

#else

namespace Systeme_X11 {
bool Disponible() { return false; }
bool Etat_Verrou(int, bool&) { return false; }
void Change_Verrou(int, bool) {}
void Repousse_Veille() {}
void Ferme() {}
}  // namespace Systeme_X11

#endif
