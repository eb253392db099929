// The lock keys of the keyboard. On an X11 display the real state is read and
// set through XKB; elsewhere (offscreen, Wayland without X) nothing is known
// and nothing changes. Tests install their own keyboard.
#pragma once

#include <memory>
#include <optional>

namespace Plateforme {

enum class Verrou { Majuscules = 0, Num = 1, Defilement = 2 };

class Clavier {
public:
    virtual ~Clavier() = default;
    // The toggle state, or nothing when it cannot be read.
    virtual std::optional<bool> Etat(Verrou v) const = 0;
    virtual void Change(Verrou v, bool actif) = 0;
};

Clavier& Clavier_Actuel();
// Installs another keyboard (nullptr puts the real one back).
void Installe_Clavier(std::unique_ptr<Clavier> c);

}  // namespace Plateforme
