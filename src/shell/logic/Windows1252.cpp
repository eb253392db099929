#include "shell/logic/Windows1252.hpp"

#include <array>
#include <cstdint>

namespace Windows1252 {

namespace {

// Code points of the bytes 0x80 to 0x9F; the others equal their byte.
constexpr std::array<char32_t, 32> Zone_80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char Octet_De(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < Zone_80.size(); ++i)
        if (Zone_80[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

void Ajoute_Utf8(std::string& r, char32_t c) {
    if (c < 0x80) {
        r += static_cast<char>(c);
    } else if (c < 0x800) {
        r += static_cast<char>(0xC0 | (c >> 6));
        r += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        r += static_cast<char>(0xE0 | (c >> 12));
        r += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        r += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string Depuis_Utf8(const std::string& utf8) {
    std::string r;
    r.reserve(utf8.size());
    const std::size_t n = utf8.size();
    std::size_t i = 0;
    while (i < n) {
        const auto o = static_cast<unsigned char>(utf8[i]);
        int suite = 0;
        char32_t c = 0;
        char32_t minimum = 0;
        if (o < 0x80) {
            r += static_cast<char>(o);
            ++i;
            continue;
        } else if ((o & 0xE0) == 0xC0) {
            suite = 1, c = o & 0x1F, minimum = 0x80;
        } else if ((o & 0xF0) == 0xE0) {
            suite = 2, c = o & 0x0F, minimum = 0x800;
        } else if ((o & 0xF8) == 0xF0) {
            suite = 3, c = o & 0x07, minimum = 0x10000;
        } else {
            r += '?';
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        int lus = 0;
        while (lus < suite && j < n && (static_cast<unsigned char>(utf8[j]) & 0xC0) == 0x80) {
            c = (c << 6) | (static_cast<unsigned char>(utf8[j]) & 0x3F);
            ++j, ++lus;
        }
        if (lus < suite || c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) r += '?';
        else r += Octet_De(c);
        i = j;
    }
    return r;
}

std::string Vers_Utf8(const std::string& octets) {
    std::string r;
    r.reserve(octets.size() + octets.size() / 8);
    for (char ch : octets) {
        const auto o = static_cast<unsigned char>(ch);
        if (o < 0x80) r += ch;
        else if (o < 0xA0) Ajoute_Utf8(r, Zone_80[o - 0x80]);
        else Ajoute_Utf8(r, o);
    }
    return r;
}

char32_t Code_Point(unsigned char octet) { return octet >= 0x80 && octet < 0xA0 ? Zone_80[octet - 0x80] : octet; }

bool Est_Utf8_Etendu(std::string_view octets) {
    bool etendu = false;
    const std::size_t n = octets.size();
    std::size_t i = 0;
    while (i < n) {
        const auto o = static_cast<unsigned char>(octets[i]);
        if (o < 0x80) {
            ++i;
            continue;
        }
        int suite = 0;
        char32_t c = 0, minimum = 0;
        if ((o & 0xE0) == 0xC0) suite = 1, c = o & 0x1F, minimum = 0x80;
        else if ((o & 0xF0) == 0xE0) suite = 2, c = o & 0x0F, minimum = 0x800;
        else if ((o & 0xF8) == 0xF0) suite = 3, c = o & 0x07, minimum = 0x10000;
        else return false;
        for (int k = 1; k <= suite; ++k) {
            if (i + k >= n) return false;
            const auto s = static_cast<unsigned char>(octets[i + k]);
            if ((s & 0xC0) != 0x80) return false;
            c = (c << 6) | (s & 0x3F);
        }
        if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
        etendu = true;
        i += suite + 1;
    }
    return etendu;
}

std::string Texte_Lu(const std::string& octets) { return Est_Utf8_Etendu(octets) ? octets : Vers_Utf8(octets); }

std::vector<std::string> Decoupe_Lignes(const std::string& contenu) {
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    const std::size_t n = contenu.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = contenu[i];
        if (c != '\n' && c != '\r') continue;
        lignes.emplace_back(contenu, debut, i - debut);
        if (c == '\r' && i + 1 < n && contenu[i + 1] == '\n') ++i;
        debut = i + 1;
    }
    if (debut < n) lignes.emplace_back(contenu, debut, n - debut);
    return lignes;
}

std::string Joint_Lignes(const std::vector<std::string>& lignes) {
    std::string r;
    for (const auto& l : lignes) {
        r += l;
        r += "\r\n";
    }
    return r;
}

std::vector<std::string> Lit_Texte(const std::string& octets) {
    return Decoupe_Lignes(Texte_Lu(octets));
}

std::string Ecrit_Texte(const std::vector<std::string>& lignes_utf8) {
    std::string r;
    for (const auto& l : lignes_utf8) {
        r += Depuis_Utf8(l);
        r += "\r\n";
    }
    return r;
}

}  // namespace Windows1252
