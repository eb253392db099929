#include "topics/integer/logic/Zmult.hpp"

#include <cstdlib>

#include "topics/integer/logic/Relatifs.hpp"

namespace Zmult {

namespace {
bool Au_Moins(int32_t x, int32_t plancher) { return std::abs(x) >= plancher; }
}  // namespace

void Sujet::Genere(int niveau) {
    niveau_ = niveau < 1 ? 1 : (niveau > 3 ? 3 : niveau);
    c_ = 1;
    switch (niveau_) {
    case 1:
        a_ = Relatifs::Tire(18, 7, Relatifs::Non_Nul);
        b_ = Relatifs::Tire(18, 7, Relatifs::Non_Nul);
        break;
    case 2:
        a_ = Relatifs::Tire(100, 50, [](int32_t x) { return Au_Moins(x, 11); });
        b_ = Random(100) - 50;
        break;
    default:
        a_ = Relatifs::Tire(62, 30, [](int32_t x) { return Au_Moins(x, 6); });
        b_ = Relatifs::Tire(62, 30, [](int32_t x) { return Au_Moins(x, 6); });
        c_ = Random(62) - 30;
        break;
    }
}

std::string Sujet::Cle() const {
    return std::to_string(a_) + " " + std::to_string(b_) + " " + std::to_string(c_);
}

std::string Sujet::Attendu() const { return std::to_string(Resultat()); }

std::string Sujet::Correction() const { return Relatifs::Correction_Resultat(Resultat(), niveau_); }

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    return Relatifs::Juge_Entier(reponses, Attendu(), Correction());
}

}  // namespace Zmult
