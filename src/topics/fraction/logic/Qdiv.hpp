// Division of a fraction by a fraction; signed fractions at the last level.
#pragma once

#include "topics/fraction/logic/Corrections.hpp"

namespace Qdiv {

class Sujet : public Fractions::Sujet_Trio {
public:
    void Genere(int niveau) override;
    std::string Cle() const override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    Exercice::Decision Filtre(int entree, char32_t c, int curseur, const std::u32string& texte) const override;

    // The question's fractions have unsigned terms; their signs ("" or "-"),
    // of the first, of the second and of the quotient, are kept here.
    const std::array<std::string, 3>& Signes() const { return signes_; }
    // The irreducible quotient, sign on the numerator.
    Fractions::Fraction Attendue() const;
    Fractions::Annulations Corrige() const;
    void Pose(int niveau, const Fractions::Trio& f, std::array<std::string, 3> signes = {"", "", ""}) {
        Fractions::Sujet_Trio::Pose(niveau, f);
        signes_ = std::move(signes);
    }

private:
    std::array<std::string, 3> signes_{"", "", ""};
};

}  // namespace Qdiv
