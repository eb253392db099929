#include "shell/logic/Identite.hpp"

#include <cstdio>

namespace Identite {

char32_t Majuscule(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 0x20;
    // Latin-1: à..þ except the division sign.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
    if (c == 0xFF) return 0x178;  // ÿ
    // Latin Extended-A: pairs of capital (even) and small (odd) letters,
    // shifted by one in the middle of the block.
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return (c & 1) ? c - 1 : c;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c : c - 1;
    return c;
}

bool Est_Lettre(char32_t c) {
    if ((c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z')) return true;
    if (c >= 0xC0 && c <= 0xFF) return c != 0xD7 && c != 0xF7;
    return c >= 0x100 && c <= 0x17F;
}

char32_t Lettre_Prenom(const std::u32string& avant, char32_t c) {
    if (!Est_Lettre(c)) return c;
    if (avant.empty() || avant.back() == U' ' || avant.back() == U'-') return Majuscule(c);
    return c;
}

void Horloge_Serie::Demarre(int64_t maintenant) {
    debut_ = derniere_ = maintenant;
    duree_ = 0;
}

int64_t Horloge_Serie::Lecture(int64_t maintenant) {
    int64_t pas = maintenant - derniere_;
    if (pas < 0) {
        // Far back: the day changed between the two readings. Slightly back:
        // the clock itself was moved.
        pas = -pas > Jour / 2 ? pas + Jour : 0;
    }
    duree_ += pas;
    derniere_ = maintenant;
    return duree_;
}

std::string Texte_Duree(int64_t ms) {
    if (ms < 0) ms = 0;
    const int64_t s = ms / 1000;
    char texte[32];
    std::snprintf(texte, sizeof texte, "%02lld:%02lld:%02lld", static_cast<long long>(s / 3600),
                  static_cast<long long>(s / 60 % 60), static_cast<long long>(s % 60));
    return texte;
}

}  // namespace Identite
