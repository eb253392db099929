// Multiplication and division of fractions, answered as an irreducible
// fraction; the correction cancels factors one at a time.
#pragma once

#include "topics/fraction/logic/Corrections.hpp"

namespace Qmult {

class Sujet : public Fractions::Sujet_Trio {
public:
    void Genere(int niveau) override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    Exercice::Decision Filtre(int entree, char32_t c, int curseur, const std::u32string& texte) const override;

    int Nombre() const { return niveau_ >= 4 ? 3 : 2; }
    Fractions::Fraction Attendue() const;
    Fractions::Annulations Corrige() const;

};

}  // namespace Qmult
