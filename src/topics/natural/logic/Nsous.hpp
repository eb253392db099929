// Column subtraction of natural numbers, m - s with m > s, the result typed
// from right to left; the compensation carries go in scratch cells.
#pragma once

#include <cstdint>
#include <string>

#include "topics/natural/logic/Colonnes.hpp"

namespace Nsous {

class Sujet : public Colonnes::Sujet_Resultat {
public:
    void Genere(int niveau) override;
    std::string Cle() const override;
    int32_t S() const { return s_; }  // subtrahend
    int32_t M() const { return m_; }  // minuend
    int Paires_Retenues() const { return niveau_ + 2; }
    int32_t Resultat() const override { return m_ - s_; }

private:
    int32_t s_ = 0, m_ = 0;
};

}  // namespace Nsous
