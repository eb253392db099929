// Multiplication and division of fractions, answered as an irreducible
// fraction; the correction cancels factors one at a time.
#pragma once

#include "topics/fraction/logic/Corrections.hpp"

namespace Qmult {

class Sujet : public Exercice::Sujet {
public:
    void Genere(int niveau) override;
    std::string Cle() const override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 25; }
    Exercice::Decision Filtre(int entree, char32_t c, int curseur, const std::u32string& texte) const override;
    bool Evite_Repetitions() const override { return false; }

    const Fractions::Trio& Question() const { return f_; }
    int Niveau() const { return niveau_; }
    int Nombre() const { return niveau_ >= 4 ? 3 : 2; }
    Fractions::Fraction Attendue() const;
    Fractions::Annulations Corrige() const;
    void Pose(int niveau, const Fractions::Trio& f) {
        niveau_ = niveau;
        f_ = f;
    }

private:
    int niveau_ = 1;
    Fractions::Trio f_{};
};

}  // namespace Qmult
