// First-degree equations with integer coefficients (exercises): the root as
// its exact text ("/" impossible, "I" indeterminate), typed and corrected.
#pragma once

#include <string>

#include "framework/logic/Exercice.hpp"
#include "topics/algebra/logic/Termes.hpp"

namespace Equat1d {

// The root of a x = b: "/" when a = 0 and b != 0, "I" when both are 0, else
// b / a to two decimals at most ("-0" written "0").
std::string Solution_Texte(int64_t a, int64_t b);
// The correction of C x = D at the level, ending with the expected answer.
std::string Correction_Texte(int niveau, int64_t C, int64_t D);
// What an impossible or indeterminate equation means, from its correction.
std::string Commentaire_Solution(const std::string& correction);

// Backspace, digits, one "." (a "," goes in as "."), and at the front only
// one of `devant`, "+", "-", "/" or "I" by default ("i" goes in as "I").
Exercice::Decision Filtre_Solution(char32_t c, int curseur, const std::u32string& texte,
                                   const std::u32string& devant = U"+-/Ii");

class Sujet : public Termes::Sujet_Termes {
public:
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 10; }
    Exercice::Decision Filtre(int, char32_t c, int curseur, const std::u32string& texte) const override {
        return Filtre_Solution(c, curseur, texte);
    }

    std::string Attendu() const;
    std::string Correction() const;
};

}  // namespace Equat1d
