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
    std::array<char32_t, 256> code{};
    for (int o = 0; o < 256; ++o) code[o] = Windows1252::Code_Point(static_cast<unsigned char>(o));
    std::sort(lignes_.begin(), lignes_.end(), [base, &code](const Tranche& a, const Tranche& b) {
        const auto* x = reinterpret_cast<const unsigned char*>(base + a.debut);
        const auto* y = reinterpret_cast<const unsigned char*>(base + b.debut);
        const std::size_t n = std::min(a.longueur, b.longueur);
        for (std::size_t i = 0; i < n; ++i)
            if (x[i] != y[i]) return code[x[i]] < code[y[i]];
        return a.longueur < b.longueur;
    });
}

std::string Lignes::Texte(std::size_t i) const {
    const std::string octets(Octets(i));
    return utf8_ ? octets : Windows1252::Vers_Utf8(octets);
}

}  // namespace Liste_Notes
