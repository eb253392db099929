#include "topics/integer/logic/Zaddi.hpp"

#include <cstdlib>

#include "framework/logic/Hasard.hpp"
#include "topics/integer/logic/Relatifs.hpp"

namespace Zaddi {

namespace {
int32_t Tire_Niveau1() { return Relatifs::Tire(18, 7, Relatifs::Non_Nul); }

// Random(100) - 50 drawn again while |x| <= plancher.
int32_t Tire_Loin_De_Zero(int32_t plancher) {
    return Relatifs::Tire(100, 50, [plancher](int32_t x) { return std::abs(x) > plancher; });
}
}  // namespace

void Sujet::Genere(int niveau) {
    niveau_ = niveau;
    c_ = 0;
    switch (niveau) {
    case 1:
        a_ = Tire_Niveau1();
        b_ = Tire_Niveau1();
        break;
    case 2:
        a_ = Tire_Loin_De_Zero(10);
        b_ = Tire_Loin_De_Zero(10);
        break;
    default:
        niveau_ = 3;
        a_ = Tire_Loin_De_Zero(15);
        b_ = Tire_Loin_De_Zero(15);
        c_ = Tire_Loin_De_Zero(15);
        break;
    }
}

std::string Sujet::Cle() const {
    return std::to_string(a_) + " " + std::to_string(b_) + " " + std::to_string(c_);
}

std::string Sujet::Attendu() const { return std::to_string(a_ + b_ + c_); }

std::string Sujet::Correction() const { return Relatifs::Correction_Resultat(a_ + b_ + c_, niveau_); }

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    return Relatifs::Juge_Entier(reponses, Attendu(), Correction());
}

}  // namespace Zaddi
