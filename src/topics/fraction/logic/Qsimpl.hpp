// Simplification of a fraction to lowest terms.
#pragma once

#include "topics/fraction/logic/Fractions.hpp"

namespace Qsimpl {

struct Correction {
    bool entier = false;            // the reduced form is a whole number
    Fractions::Affichage fraction;  // shown when not whole
    std::string nombre;             // shown when whole
    std::string par;                // how it was simplified; empty when 0/d
};

class Sujet : public Exercice::Sujet {
public:
    void Genere(int niveau) override;
    std::string Cle() const override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 20; }
    Exercice::Decision Filtre(int entree, char32_t c, int curseur, const std::u32string& texte) const override;
    bool Evite_Repetitions(int) const override { return false; }

    Fractions::Fraction Question() const { return q_; }
    Fractions::Reduction Attendue() const { return Fractions::Reduit(q_); }
    Correction Corrige() const;
    int Niveau() const { return niveau_; }
    // For tests and windows that set a question directly.
    void Pose(Fractions::Fraction f) { q_ = f; }

private:
    int niveau_ = 1;
    Fractions::Fraction q_{1, 2};
};

}  // namespace Qsimpl
