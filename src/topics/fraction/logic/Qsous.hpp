// Subtraction of two fractions, answered in lowest terms (negative results
// only at the last level).
#pragma once

#include "topics/fraction/logic/Qaddi.hpp"

namespace Qsous {

class Sujet : public Qaddi::Sujet_Somme {
public:
    void Genere(int niveau) override;
    Exercice::Decision Filtre(int entree, char32_t c, int curseur, const std::u32string& texte) const override;
    int Nombre() const override { return 2; }
    bool Soustraction() const override { return true; }
};

}  // namespace Qsous
