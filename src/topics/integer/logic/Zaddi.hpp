// Addition of relative integers: two terms at levels 1 and 2, three at level 3.
#pragma once

#include <cstdint>
#include <string>

#include "framework/logic/Exercice.hpp"

namespace Zaddi {

class Sujet : public Exercice::Sujet {
public:
    void Genere(int niveau) override;
    std::string Cle() const override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 10; }

    int32_t A() const { return a_; }
    int32_t B() const { return b_; }
    int32_t C() const { return c_; }
    int Niveau() const { return niveau_; }
    bool Trois_Termes() const { return niveau_ >= 3; }
    std::string Attendu() const;
    std::string Correction() const;

private:
    int niveau_ = 1;
    int32_t a_ = 0, b_ = 0, c_ = 0;
};

}  // namespace Zaddi
