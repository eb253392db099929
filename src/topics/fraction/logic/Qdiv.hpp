// Division of a fraction by a fraction; signed fractions at the last level.
#pragma once

#include "topics/fraction/logic/Corrections.hpp"

namespace Qdiv {

class Sujet : public Exercice::Sujet {
public:
    void Genere(int niveau) override;
    std::string Cle() const override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 25; }
    Exercice::Decision Filtre(int entree, char32_t c, int curseur, const std::u32string& texte) const override;
    bool Evite_Repetitions() const override { return false; }

    // The two fractions with unsigned terms, and the signs ("" or "-") of the
    // first, of the second and of the quotient.
    const Fractions::Trio& Question() const { return f_; }
    const std::array<std::string, 3>& Signes() const { return signes_; }
    int Niveau() const { return niveau_; }
    // The irreducible quotient, sign on the numerator.
    Fractions::Fraction Attendue() const;
    Fractions::Annulations Corrige() const;
    void Pose(int niveau, const Fractions::Trio& f, std::array<std::string, 3> signes = {"", "", ""}) {
        niveau_ = niveau;
        f_ = f;
        signes_ = std::move(signes);
    }

private:
    int niveau_ = 1;
    Fractions::Trio f_{};
    std::array<std::string, 3> signes_{"", "", ""};
};

}  // namespace Qdiv
