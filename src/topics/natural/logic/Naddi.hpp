// Column addition of two to four natural numbers, the result typed from
// right to left under the rule; carries are noted in scratch cells.
#pragma once

#include <cstdint>
#include <string>

#include "topics/natural/logic/Colonnes.hpp"

namespace Naddi {

class Sujet : public Colonnes::Sujet_Resultat {
public:
    void Genere(int niveau) override;
    std::string Cle() const override;
    // The operands from the bottom row up (a by the sign); 0 when not used.
    int32_t A() const { return a_; }
    int32_t B() const { return b_; }
    int32_t C() const { return c_; }
    int32_t D() const { return d_; }
    int Operandes() const { return niveau_ + 1; }
    int Retenues() const { return niveau_ + 1; }  // carry cells shown, from the tens
    int32_t Resultat() const override { return a_ + b_ + c_ + d_; }

private:
    int32_t a_ = 0, b_ = 0, c_ = 0, d_ = 0;
};

}  // namespace Naddi
