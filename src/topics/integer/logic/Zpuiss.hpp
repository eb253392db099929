// Powers of relative integers. At level 3 the base may be written without
// brackets, the exponent then applying to its absolute value only: -3² = -9.
#pragma once

#include <cstdint>
#include <string>

#include "framework/logic/Exercice.hpp"

namespace Zpuiss {

class Sujet : public Exercice::Sujet {
public:
    void Genere(int niveau) override;
    std::string Cle() const override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 15; }
    Exercice::Decision Filtre(int entree, char32_t c, int curseur, const std::u32string& texte) const override;

    // Sets a question directly.
    void Fixe(int niveau, int32_t a, int n, bool parentheses);

    int32_t A() const { return a_; }
    int N() const { return n_; }
    bool Parentheses() const { return parentheses_; }
    int Niveau() const { return niveau_; }
    int32_t Resultat() const;
    std::string Attendu() const { return std::to_string(Resultat()); }
    std::string Correction() const;
    // The base as shown: "(+1 290)", "(-7)" with brackets, "-7" without.
    std::string Base() const;
    std::string Consigne() const;

private:
    void Niveau1();
    void Niveaux2et3();

    int niveau_ = 1;
    int32_t a_ = 2;
    int n_ = 2;
    bool parentheses_ = true;
};

}  // namespace Zpuiss
