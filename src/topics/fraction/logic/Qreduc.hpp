// Rewriting two or three fractions over their least common denominator.
#pragma once

#include "topics/fraction/logic/Fractions.hpp"

namespace Qreduc {

struct Ligne_Correction {
    Fractions::Affichage reduite;   // the question fraction in lowest terms
    std::string par;                // "(par g)", empty when it was irreducible
    Fractions::Affichage reecrite;  // over the common denominator
};

class Sujet : public Fractions::Sujet_Trio {
public:
    void Genere(int niveau) override;
    // Six boxes: numerator and denominator of each row; at levels 1 and 2 the
    // third row is hidden and judged as a copy of the second.
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    Exercice::Decision Filtre(int entree, char32_t c, int curseur, const std::u32string& texte) const override;

    int Nombre() const { return niveau_ >= 3 ? 3 : 2; }
    int64_t Denominateur() const;
    std::vector<Ligne_Correction> Corrige() const;

};

}  // namespace Qreduc
