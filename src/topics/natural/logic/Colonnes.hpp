// What the column-arithmetic topics share: the key rules of their cells, and
// the topics whose one judged entry is a result cell.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/logic/Exercice.hpp"

namespace Colonnes {

// A result cell, filled from right to left: a digit while the cell holds
// fewer than `longueur` characters, Backspace; anything else is dropped
// without a sound.
Exercice::Decision Filtre_Resultat(char32_t c, std::size_t taille, std::size_t longueur);
// A scratch cell (carries, notes): a digit or Backspace; anything else beeps.
Exercice::Decision Filtre_Brouillon(char32_t c);

// A column sum or difference: entry 0 is the result cell, judged against the
// plain decimal text of Resultat() (a leading zero is wrong); the other
// entries are carry cells, never read. No memory of the last questions.
class Sujet_Resultat : public Exercice::Sujet {
public:
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    Exercice::Decision Filtre(int entree, char32_t c, int curseur, const std::u32string& texte) const override;
    bool Evite_Repetitions(int) const override { return false; }
    int Points() const override { return 5; }

    virtual int32_t Resultat() const = 0;
    int Niveau() const { return niveau_; }

    static constexpr std::size_t Chiffres_Max = 6;

protected:
    int niveau_ = 1;
};

}  // namespace Colonnes
