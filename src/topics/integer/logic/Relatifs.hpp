// What the relative-integer topics share: drawing an operand until it meets
// its condition, writing signed results and the answer filter that also
// takes "/".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/logic/Exercice.hpp"
#include "framework/logic/Hasard.hpp"

namespace Relatifs {

// Random(n) - decalage, drawn again until `condition` holds.
template <class Condition>
int32_t Tire(int32_t n, int32_t decalage, Condition condition) {
    int32_t x;
    do x = Random(n) - decalage; while (!condition(x));
    return x;
}

inline bool Non_Nul(int32_t x) { return x != 0; }

// An integer with its digits grouped by three, the sign kept against the
// digits: "-2 073 071 593", "-125", "+1 290" (with `plus`, positives get "+").
std::string Groupe_Entier(int64_t n, bool plus = false);
// An operand as the questions show it: "(+12)", "(-7)", "(0)".
std::string Operande(int64_t n);
// The expected result as the correction shows it: "(+12)" at level 1, the
// grouped decimal text at the other levels.
std::string Correction_Resultat(int64_t r, int niveau);
// Backspace and digits, with one "+", "-" or "/" at the very beginning of
// the entry (the "/" says the result does not exist in Z).
Exercice::Decision Filtre_Signe_Ou_Barre(char32_t c, int curseur, const std::u32string& texte);
// Judges the integer typed in the first entry: right when, its leading "+"
// dropped, it is exactly the expected text. `entete` replaces the line above
// the correction when given.
Exercice::Verdict Juge_Entier(const std::vector<std::string>& reponses, const std::string& attendu,
                              std::string correction, const char* entete = nullptr);

}  // namespace Relatifs
