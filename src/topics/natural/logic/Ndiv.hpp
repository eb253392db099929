// Euclidean division of natural numbers in the French bracket layout: the
// pupil types the quotient and the remainder; a working area under the
// dividend and scratch cells are never read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/logic/Exercice.hpp"

namespace Ndiv {

// Entries: 0 the quotient (Edit1), 1 the remainder (Edit2), 2 the working
// area (Memo1), then the scratch cells.
class Sujet : public Exercice::Sujet {
public:
    void Genere(int niveau) override;
    std::string Cle() const override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 20; }
    Exercice::Decision Filtre(int entree, char32_t c, int curseur, const std::u32string& texte) const override;
    bool Evite_Repetitions(int) const override { return false; }

    static constexpr int Zone_Calculs = 2;

    int Niveau() const { return niveau_; }
    int32_t A() const { return a_; }  // dividend
    int32_t B() const { return b_; }  // divisor
    int32_t Quotient() const { return a_ / b_; }
    int32_t Reste() const { return a_ % b_; }

    // The successive partial dividends of the written division, each line
    // one step further right than the one above ("14", " 09", "  2").
    static std::vector<std::string> Dividendes_Partiels(int32_t a, int32_t b);
    // The dividend's column (0 for its first digit) where the first of those
    // lines begins, so that it ends under the digit it lowers (or, when the
    // first partial dividend takes every digit, under the last one).
    static int Colonne_Partiels(int32_t a, int32_t b);

    // The working area's rule, on the caret's line with its spaces removed:
    // while shorter than the dividend, anything but the letters (codes A to
    // z) and the unshifted digit row of a French keyboard; at that length,
    // only Backspace and Enter.
    static Exercice::Decision Filtre_Calculs(char32_t c, std::size_t longueur_ligne, std::size_t chiffres);

private:
    int niveau_ = 1;
    int32_t a_ = 50, b_ = 2;
};

}  // namespace Ndiv
