// Mixed fraction expressions: one operation of random kind on two fractions,
// then three signed fractions with operator priority.
#pragma once

#include "topics/fraction/logic/Corrections.hpp"

namespace Qmelang {

// Expression types: 0 a+b, 1 a-b, 2 a×b, 3 a:b, 4 a×b-c, 5 a+b:c, 6 a-b×c, 7 a:b-c.
class Sujet : public Fractions::Sujet_Trio {
public:
    void Genere(int niveau) override;
    std::string Cle() const override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    Exercice::Decision Filtre(int entree, char32_t c, int curseur, const std::u32string& texte) const override;

    int Type() const { return type_; }
    int Nombre() const { return type_ >= 4 ? 3 : 2; }
    // The operator signs as shown between the fractions.
    std::array<std::string, 2> Operateurs() const;
    // The exact value, irreducible, positive denominator.
    Fractions::Fraction Attendue() const;
    Fractions::Ligne_Somme Corrige() const;
    void Pose(int niveau, int type, const Fractions::Trio& f) {
        Fractions::Sujet_Trio::Pose(niveau, f);
        type_ = type;
    }

private:
    int type_ = 0;
};

}  // namespace Qmelang
