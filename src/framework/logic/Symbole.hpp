// Signs that ordinary texts lack, kept in the texts as the character codes of
// the Symbol font (each code written as the Latin-1 character of that value);
// the windows turn them into the signs only to show them.
#pragma once

namespace Symbole {

inline constexpr const char* Environ = "\u00BB";         // approximately equal
inline constexpr const char* Inferieur_Egal = "\u00A3";  // less than or equal
inline constexpr const char* Superieur_Egal = "\u00B3";  // greater than or equal
inline constexpr const char* Infini = "\u00A5";
inline constexpr const char* Ensemble_Vide = "\u00C6";
inline constexpr const char* Delta = "D";
inline constexpr const char* Chi = "c";  // reads as x

}  // namespace Symbole
