// Multiplication of relative integers: two factors at levels 1 and 2, three
// at level 3.
#pragma once

#include <cstdint>
#include <string>

#include "framework/logic/Exercice.hpp"

namespace Zmult {

class Sujet : public Exercice::Sujet {
public:
    void Genere(int niveau) override;
    std::string Cle() const override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 10; }

    int32_t A() const { return a_; }
    int32_t B() const { return b_; }
    int32_t C() const { return c_; }  // 1, not shown, at levels 1 and 2
    int Niveau() const { return niveau_; }
    bool Trois_Facteurs() const { return niveau_ >= 3; }
    int32_t Resultat() const { return a_ * b_ * c_; }
    std::string Attendu() const;
    std::string Correction() const;

private:
    int niveau_ = 1;
    int32_t a_ = 1, b_ = 1, c_ = 1;
};

}  // namespace Zmult
