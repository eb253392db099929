// Subtraction of relative integers: a - b.
#pragma once

#include <cstdint>
#include <string>

#include "framework/logic/Exercice.hpp"

namespace Zsous {

class Sujet : public Exercice::Sujet {
public:
    void Genere(int niveau) override;
    std::string Cle() const override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 10; }

    int32_t A() const { return a_; }
    int32_t B() const { return b_; }
    int Niveau() const { return niveau_; }
    int32_t Resultat() const { return a_ - b_; }
    std::string Attendu() const;
    std::string Correction() const;

private:
    int niveau_ = 1;
    int32_t a_ = 0, b_ = 0;
};

}  // namespace Zsous
