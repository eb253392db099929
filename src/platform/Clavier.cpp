#include "platform/Clavier.hpp"

#include <QGuiApplication>

#include "platform/Systeme_X11.hpp"

namespace Plateforme {
namespace {

bool Sur_X11() { return QGuiApplication::platformName() == QLatin1String("xcb") && Systeme_X11::Disponible(); }

class Clavier_Systeme : public Clavier {
public:
    std::optional<bool> Etat(Verrou v) const override {
        bool actif = false;
        if (Sur_X11() && Systeme_X11::Etat_Verrou(static_cast<int>(v), actif)) return actif;
        return std::nullopt;
    }
    void Change(Verrou v, bool actif) override {
        if (Sur_X11()) Systeme_X11::Change_Verrou(static_cast<int>(v), actif);
    }
};

std::unique_ptr<Clavier>& Installe() {
    static std::unique_ptr<Clavier> c = std::make_unique<Clavier_Systeme>();
    return c;
}

}  // namespace

Clavier& Clavier_Actuel() { return *Installe(); }

void Installe_Clavier(std::unique_ptr<Clavier> c) {
    Installe() = c ? std::move(c) : std::make_unique<Clavier_Systeme>();
}

}  // namespace Plateforme
