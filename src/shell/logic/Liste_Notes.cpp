#include "shell/logic/Liste_Notes.hpp"

#include <algorithm>
#include <array>

#include "shell/logic/Windows1252.hpp"

namespace Liste_Notes {

void Lignes::Charge(std::string contenu) {
    contenu_ = std::move(contenu);
    utf8_ = Windows1252::Est_Utf8_Etendu(contenu_);
    lignes_.clear();
    const std::size_t n = contenu_.size();
    lignes_.reserve(static_cast<std::size_t>(std::count(contenu_.begin(), contenu_.end(), '\n')) + 1);
    std::size_t debut = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const char c = contenu_[i];
        if (c != '\n' && c != '\r') continue;
        lignes_.push_back({debut, i - debut});
        if (c == '\r' && i + 1 < n && contenu_[i + 1] == '\n') ++i;
        debut = i + 1;
    }
    if (debut < n) lignes_.push_back({debut, n - debut});
    lignes_.shrink_to_fit();
}

void Lignes::Vide() {
    contenu_ = std::string();
    lignes_ = {};
    utf8_ = false;
}

void Lignes::Trie() {
    const char* base = contenu_.data();
    if (utf8_) {
        // UTF-8 bytes sort as their code points do.
        std::sort(lignes_.begin(), lignes_.end(), [base](const Tranche& a, const Tranche& b) {
            return std::string_view(base + a.debut, a.longueur) < std::string_view(base + b.debut, b.longueur);
        });
        return;
    }
    // Each byte replaced by its rank in the order of the code points: the
    // lines of that copy then sort as plain bytes (a compare the library does
    // many bytes at a time), the copy is dropped after the sort.
    std::array<unsigned char, 256> ordre{};
    for (int o = 0; o < 256; ++o) ordre[o] = static_cast<unsigned char>(o);
    std::stable_sort(ordre.begin(), ordre.end(), [](unsigned char a, unsigned char b) {
        return Windows1252::Code_Point(a) < Windows1252::Code_Point(b);
    });
    std::array<unsigned char, 256> rang{};
    for (int r = 0; r < 256; ++r) rang[ordre[r]] = static_cast<unsigned char>(r);
    std::string cles(contenu_.size(), '\0');
    for (std::size_t i = 0; i < cles.size(); ++i)
        cles[i] = static_cast<char>(rang[static_cast<unsigned char>(contenu_[i])]);
    const char* k = cles.data();
    std::sort(lignes_.begin(), lignes_.end(), [k](const Tranche& a, const Tranche& b) {
        return std::string_view(k + a.debut, a.longueur) < std::string_view(k + b.debut, b.longueur);
    });
}

std::string Lignes::Texte(std::size_t i) const {
    const std::string octets(Octets(i));
    return utf8_ ? octets : Windows1252::Vers_Utf8(octets);
}

}  // namespace Liste_Notes
