// Signs that ordinary texts lack, kept in the texts as the character codes of
// the Symbol font (each code written as the Latin-1 character of that value);
// the windows turn them into the signs only to show them.
#pragma once

#include <array>

namespace Symbole {

inline constexpr const char* Environ = "\u00BB";         // approximately equal
inline constexpr const char* Inferieur_Egal = "\u00A3";  // less than or equal
inline constexpr const char* Superieur_Egal = "\u00B3";  // greater than or equal
inline constexpr const char* Infini = "\u00A5";
inline constexpr const char* Ensemble_Vide = "\u00C6";
inline constexpr const char* Delta = "D";
inline constexpr const char* Chi = "c";  // reads as x

// The codes above and the Unicode signs the Symbol font shows for them.
struct Correspondance {
    char32_t code, signe;
};
inline constexpr std::array<Correspondance, 7> Table{{
    {0xBB, 0x2248},  // approximately equal
    {0xA3, 0x2264},  // less than or equal
    {0xB3, 0x2265},  // greater than or equal
    {0xA5, 0x221E},  // infinity
    {0xC6, 0x2205},  // empty set
    {U'D', 0x0394},  // capital delta
    {U'c', 0x03C7},  // chi, written for x
}};

// The sign shown for a code (any other character is kept).
constexpr char32_t Signe(char32_t code) {
    for (const Correspondance& c : Table)
        if (c.code == code) return c.signe;
    return code;
}
// The code of a sign shown (any other character is kept).
constexpr char32_t Code(char32_t signe) {
    for (const Correspondance& c : Table)
        if (c.signe == signe) return c.code;
    return signe;
}

}  // namespace Symbole
