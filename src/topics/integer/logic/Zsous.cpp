#include "topics/integer/logic/Zsous.hpp"

#include <cstdlib>

#include "topics/integer/logic/Relatifs.hpp"

namespace Zsous {

namespace {
int32_t Tire_Operande(int niveau) {
    switch (niveau) {
    case 1: return Relatifs::Tire(15, 7, Relatifs::Non_Nul);
    case 2: return Relatifs::Tire(100, 50, [](int32_t x) { return std::abs(x) >= 16; });
    default: return Relatifs::Tire(300, 150, [](int32_t x) { return std::abs(x) >= 41; });
    }
}
}  // namespace

void Sujet::Genere(int niveau) {
    niveau_ = niveau < 1 ? 1 : (niveau > 3 ? 3 : niveau);
    a_ = Tire_Operande(niveau_);
    b_ = Tire_Operande(niveau_);
}

std::string Sujet::Cle() const { return std::to_string(a_) + " " + std::to_string(b_); }

std::string Sujet::Attendu() const { return std::to_string(Resultat()); }

std::string Sujet::Correction() const { return Relatifs::Correction_Resultat(Resultat(), niveau_); }

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    return Relatifs::Juge_Entier(reponses, Attendu(), Correction());
}

}  // namespace Zsous
