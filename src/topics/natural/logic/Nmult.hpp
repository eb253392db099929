// Long multiplication of natural numbers: the multiplicand m above the
// multiplier d, one partial product per digit of d (typed without the zeros
// of its shift), then the product; every cell typed from right to left.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "framework/logic/Exercice.hpp"

namespace Nmult {

// Entries: 0 the product (Memo1), 1 to 3 the partial products of the units,
// tens and hundreds digits (Memo2 to Memo4), then the scratch cells.
class Sujet : public Exercice::Sujet {
public:
    void Genere(int niveau) override;
    std::string Cle() const override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 10; }
    Exercice::Decision Filtre(int entree, char32_t c, int curseur, const std::u32string& texte) const override;
    bool Evite_Repetitions(int) const override { return false; }

    static constexpr std::size_t Chiffres_Max = 8;
    static constexpr int Cellules_Resultat = 4;

    int Niveau() const { return niveau_; }
    int32_t M() const { return m_; }
    int32_t D() const { return d_; }
    // The partial products asked at this level (0 at level 1, 2 or 3).
    int Partiels() const { return niveau_ == 1 ? 0 : niveau_; }
    // The text a partial product cell must hold: a zero digit's product is
    // written "00" at level 2 and "000" at level 3.
    std::string Partiel(int rang) const;  // rang 0: units, 1: tens, 2: hundreds
    // The whole multiplication as the correction lays it out (L1 to L8,
    // right-aligned in a fixed-pitch font).
    std::array<std::string, 8> Lignes_Correction() const;

private:
    int32_t Chiffre(int rang) const;
    int niveau_ = 1;
    int32_t m_ = 0, d_ = 0;
};

}  // namespace Nmult
