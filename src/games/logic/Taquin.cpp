#include "games/logic/Taquin.hpp"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "framework/logic/Hasard.hpp"

namespace Taquin {

int Nb_Lignes(int niveau) { return std::clamp(niveau, 1, 4) + 1; }

int Hauteur_Cellule(int niveau) { return Hauteur / Nb_Lignes(niveau); }

std::string Texte_Nombre(int entier, int b, int niveau) {
    // In hundredths: n / d with n = entier × d + b and d = 10 × level,
    // rounded half up (d is even, so the half is exact).
    const int64_t d = 10LL * niveau;
    const int64_t n = static_cast<int64_t>(entier) * d + b;
    const int64_t centiemes = (2 * n * 100 + d) / (2 * d);
    std::string t = std::to_string(centiemes / 100);
    const int64_t reste = centiemes % 100;
    if (reste != 0) {
        t += ',';
        t += static_cast<char>('0' + reste / 10);
        if (reste % 10 != 0) t += static_cast<char>('0' + reste % 10);
    }
    const std::size_t longueur = t.size();
    const std::size_t espaces = longueur <= 3 ? 3 : longueur <= 5 ? 6 - longueur : 0;
    return std::string(espaces, ' ') + t;
}

std::array<std::string, Nb_Textes> Tire_Textes(int niveau) {
    const int base = Random(10) * niveau;
    std::array<std::string, Nb_Textes> textes;
    for (int i = 0; i < Nb_Textes; ++i) textes[i] = Texte_Nombre(base + i, Random(10), niveau);
    return textes;
}

std::optional<Cellule> Cellule_Du_Point(int x, int y, int nb_lignes) {
    const int h = Hauteur / nb_lignes;
    if (x < 0 || y < 0 || x >= Largeur || y >= h * nb_lignes) return std::nullopt;
    return Cellule{x / Largeur_Cellule, y / h};
}

void Plateau::Initialise(int niveau) {
    lignes_ = Taquin::Nb_Lignes(niveau);
    table_.clear();
    for (int r = 0; r < lignes_; ++r)
        for (int c = 0; c < Colonnes; ++c) table_.push_back({c, r});
    trou_ = {0, 0};
}

bool Plateau::Resolu() const {
    for (int r = 0; r < lignes_; ++r)
        for (int c = 0; c < Colonnes; ++c)
            if (!(table_[Indice({c, r})] == Cellule{c, r})) return false;
    return true;
}

bool Plateau::Deplace(Cellule c) {
    if (c.colonne < 0 || c.colonne >= Colonnes || c.ligne < 0 || c.ligne >= lignes_) return false;
    const int dc = std::abs(c.colonne - trou_.colonne);
    const int dl = std::abs(c.ligne - trou_.ligne);
    if (dc + dl != 1) return false;
    std::swap(table_[Indice(c)], table_[Indice(trou_)]);
    trou_ = c;
    return true;
}

void Plateau::Coup_Aleatoire() {
    Cellule c = trou_;
    switch (Random(4)) {
    case 0: ++c.colonne; break;
    case 1: --c.colonne; break;
    case 2: ++c.ligne; break;
    default: --c.ligne; break;
    }
    c.colonne = std::clamp(c.colonne, 0, Colonnes - 1);
    c.ligne = std::clamp(c.ligne, 0, lignes_ - 1);
    Deplace(c);
}

}  // namespace Taquin
