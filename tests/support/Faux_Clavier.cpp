#include "support/Faux_Clavier.hpp"

namespace {

class Clavier_Faux : public Plateforme::Clavier {
public:
    explicit Clavier_Faux(Faux_Clavier& f) : f_(f) {}
    std::optional<bool> Etat(Plateforme::Verrou v) const override {
        if (!f_.connu) return std::nullopt;
        return f_.verrous[static_cast<int>(v)];
    }
    void Change(Plateforme::Verrou v, bool actif) override {
        f_.verrous[static_cast<int>(v)] = actif;
        ++f_.changements;
    }

private:
    Faux_Clavier& f_;
};

}  // namespace

Faux_Clavier::Faux_Clavier() { Plateforme::Installe_Clavier(std::make_unique<Clavier_Faux>(*this)); }
Faux_Clavier::~Faux_Clavier() { Plateforme::Installe_Clavier(nullptr); }
