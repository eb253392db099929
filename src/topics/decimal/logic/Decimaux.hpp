// What the decimal-number windows share: the key filter of their entries,
// the reading of a typed decimal and the writing of a drawn one.
#pragma once

#include <string>

#include "framework/logic/Exercice.hpp"

namespace Decimaux {

// The filter of a decimal entry: Backspace, digits, "," and "." pass, and
// "-" when `signe` allows it; any other key beeps (so does "-" when the entry
// takes no sign). A "-" goes in only at the very front of an entry that has
// none yet; a "." or "," when the entry already holds "." is dropped, and so
// is anything typed in front of a "-"; a "," goes in as ".".
Exercice::Decision Filtre_Decimal(char32_t c, int curseur, const std::u32string& texte, bool signe = true);

// The value of a typed decimal: a text without any digit (empty, ".", "-")
// reads as 0, and reading stops quietly at the first character that does not
// belong to a number.
long double Lit_Decimal(const std::string& t);
// Whether the text holds at least one digit.
bool A_Un_Chiffre(const std::string& t);

// A drawn value as the windows show it: 5 decimals, rounded half away from
// zero, then trailing zeros and point removed (7.00000 is "7").
std::string Texte_Decimal(long double x);

}  // namespace Decimaux
