#include "shell/logic/Grille.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace Grille {

Erreur_Cellule::Erreur_Cellule(std::size_t pos, int colonne, int ligne)
    : std::runtime_error("Erreur à la position: " + std::to_string(pos) + " en cellule [" +
                         std::to_string(colonne) + ", " + std::to_string(ligne) + "]."),
      position(pos) {}

std::size_t Lit_Reel(const std::string& t, long double& valeur) {
    valeur = 0;
    if (t.empty()) return 0;
    const std::size_t n = t.size();
    std::size_t i = 0;
    while (i < n && t[i] == ' ') ++i;
    auto chiffre = [&](std::size_t k) { return k < n && t[k] >= '0' && t[k] <= '9'; };
    std::string nombre;
    if (i < n && (t[i] == '+' || t[i] == '-')) nombre += t[i++];
    bool des_chiffres = false;
    while (chiffre(i)) nombre += t[i++], des_chiffres = true;
    if (i < n && t[i] == '.') {
        nombre += t[i++];
        while (chiffre(i)) nombre += t[i++], des_chiffres = true;
    }
    if (!des_chiffres) return i + 1;
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        nombre += t[i++];
        if (i < n && (t[i] == '+' || t[i] == '-')) nombre += t[i++];
        if (!chiffre(i)) return i + 1;
        while (chiffre(i)) nombre += t[i++];
    }
    if (i < n) return i + 1;
    const long double v = std::strtold(nombre.c_str(), nullptr);
    if (!std::isfinite(v)) return n;  // out of range: the number as a whole is bad
    valeur = v;
    return 0;
}

namespace {

// A non-negative decimal integer, spaces allowed around it; false when the
// text is anything else or does not fit an int.
bool Lit_Entier(const std::string& t, std::size_t debut, std::size_t fin, int& valeur) {
    while (debut < fin && t[debut] == ' ') ++debut;
    while (fin > debut && t[fin - 1] == ' ') --fin;
    if (debut < fin && t[debut] == '+') ++debut;
    if (debut == fin) return false;
    long long v = 0;
    for (std::size_t i = debut; i < fin; ++i) {
        if (t[i] < '0' || t[i] > '9') return false;
        v = v * 10 + (t[i] - '0');
        if (v > std::numeric_limits<int>::max()) return false;
    }
    valeur = static_cast<int>(v);
    return true;
}

const std::string Vide;

}  // namespace

Grille_Texte::Grille_Texte(int colonnes, int lignes, Taille minimum, Taille maximum)
    : colonnes_(0), lignes_(0), minimum_(minimum), maximum_(maximum) {
    minimum_.colonnes = std::max(minimum_.colonnes, 1);
    minimum_.lignes = std::max(minimum_.lignes, 1);
    maximum_.colonnes = std::max(maximum_.colonnes, minimum_.colonnes);
    maximum_.lignes = std::max(maximum_.lignes, minimum_.lignes);
    Redimensionne(colonnes, lignes);
}

void Grille_Texte::Redimensionne(int colonnes, int lignes) {
    colonnes = std::clamp(colonnes, minimum_.colonnes, maximum_.colonnes);
    lignes = std::clamp(lignes, minimum_.lignes, maximum_.lignes);
    if (colonnes == colonnes_ && lignes == lignes_) return;
    std::vector<std::string> nouvelles(static_cast<std::size_t>(colonnes) * static_cast<std::size_t>(lignes));
    for (int r = 0; r < std::min(lignes, lignes_); ++r)
        for (int c = 0; c < std::min(colonnes, colonnes_); ++c)
            nouvelles[static_cast<std::size_t>(r) * colonnes + c] =
                std::move(cellules_[static_cast<std::size_t>(r) * colonnes_ + c]);
    cellules_ = std::move(nouvelles);
    colonnes_ = colonnes;
    lignes_ = lignes;
}

const std::string& Grille_Texte::Cellule(int c, int r) const {
    if (c < 0 || r < 0 || c >= colonnes_ || r >= lignes_) return Vide;
    return cellules_[static_cast<std::size_t>(r) * colonnes_ + c];
}

void Grille_Texte::Fixe(int c, int r, const std::string& texte) {
    if (c < 0 || r < 0 || c >= colonnes_ || r >= lignes_) return;
    cellules_[static_cast<std::size_t>(r) * colonnes_ + c] = texte;
}

void Grille_Texte::Vide_Lignes(int premiere, int derniere) {
    for (int r = std::max(premiere, 0); r <= std::min(derniere, lignes_ - 1); ++r)
        for (int c = 0; c < colonnes_; ++c) Fixe(c, r, {});
}

long double Grille_Texte::Valeur_Cellule(int c, int r) const {
    long double v = 0;
    if (const std::size_t pos = Lit_Reel(Cellule(c, r), v)) throw Erreur_Cellule(pos, c, r);
    return v;
}

std::string Grille_Texte::Texte() const {
    std::string r = std::to_string(colonnes_) + "," + std::to_string(lignes_) + "\r\n";
    for (int l = 0; l < lignes_; ++l)
        for (int c = 0; c < colonnes_; ++c) {
            std::string t = Cellule(c, l);
            if (t.empty()) continue;
            std::replace(t.begin(), t.end(), '\r', ' ');
            std::replace(t.begin(), t.end(), '\n', ' ');
            r += std::to_string(c) + "," + std::to_string(l) + "," + t + "\r\n";
        }
    return r;
}

int Grille_Texte::Lit(const std::string& contenu) {
    int ignorees = 0;
    std::size_t debut = 0;
    bool premiere = true;
    const std::size_t n = contenu.size();
    while (debut < n) {
        std::size_t fin = contenu.find_first_of("\r\n", debut);
        if (fin == std::string::npos) fin = n;
        const std::size_t suivante = (fin < n && contenu[fin] == '\r' && fin + 1 < n && contenu[fin + 1] == '\n')
                                         ? fin + 2
                                         : fin + 1;
        if (premiere) {
            premiere = false;
            if (fin > debut) {
                const std::size_t v = contenu.find(',', debut);
                int c = 0, l = 0;
                if (v < fin && Lit_Entier(contenu, debut, v, c) && Lit_Entier(contenu, v + 1, fin, l))
                    Redimensionne(c, l);
                else
                    ++ignorees;
            }
        } else if (fin > debut) {
            const std::size_t v1 = contenu.find(',', debut);
            const std::size_t v2 = v1 < fin ? contenu.find(',', v1 + 1) : std::string::npos;
            int c = 0, l = 0;
            if (v2 < fin && Lit_Entier(contenu, debut, v1, c) && Lit_Entier(contenu, v1 + 1, v2, l) &&
                c < colonnes_ && l < lignes_)
                Fixe(c, l, contenu.substr(v2 + 1, fin - v2 - 1));
            else
                ++ignorees;
        }
        debut = suivante;
    }
    return ignorees;
}

int Grille_Texte::Ligne_Dernier(int colonne) const {
    for (int r = lignes_ - 1; r >= 1; --r)
        if (!Cellule(colonne, r).empty()) return r;
    return 0;
}

long double Grille_Texte::Score_Dernier(int colonne) const {
    long double minimum = 1e10L;
    const int dernier = Ligne_Dernier(colonne);
    for (int r = 1; r <= dernier; ++r) minimum = std::min(minimum, Valeur_Cellule(colonne, r));
    return minimum;
}

void Grille_Texte::Echange_Lignes(int a, int b) {
    if (a == b || a < 0 || b < 0 || a >= lignes_ || b >= lignes_) return;
    for (int c = 0; c < colonnes_; ++c)
        std::swap(cellules_[static_cast<std::size_t>(a) * colonnes_ + c],
                  cellules_[static_cast<std::size_t>(b) * colonnes_ + c]);
}

void Grille_Texte::Trie(int colonne) {
    const int dernier = Ligne_Dernier(colonne);
    if (dernier < 2) return;
    // The values are read once (a bad cell stops the sort before any change);
    // each row also carries its first place, which breaks ties so that the
    // exchanges over a gap never reverse two equal values.
    struct Cle {
        long double valeur;
        int origine;
    };
    std::vector<Cle> cles(static_cast<std::size_t>(dernier) + 1);
    for (int r = 1; r <= dernier; ++r) cles[static_cast<std::size_t>(r)] = {Valeur_Cellule(colonne, r), r};
    auto avant = [](const Cle& a, const Cle& b) {
        return a.valeur > b.valeur || (a.valeur == b.valeur && a.origine < b.origine);
    };
    // Shell sort: the gap starts at half the rows after the header row and
    // is halved until it has been 1; for each gap, passes are repeated
    // until one makes no exchange.
    int ecart = (lignes_ - 1) / 2;
    while (ecart >= 1) {
        bool echange = true;
        while (echange) {
            echange = false;
            for (int r = 1; r <= dernier - ecart; ++r) {
                auto& a = cles[static_cast<std::size_t>(r)];
                auto& b = cles[static_cast<std::size_t>(r + ecart)];
                if (avant(b, a)) {
                    std::swap(a, b);
                    Echange_Lignes(r, r + ecart);
                    echange = true;
                }
            }
        }
        ecart /= 2;
    }
}

// ---------------------------------------------------------------------------

namespace Scores {

Grille_Texte Grille_Vide() { return Grille_Texte(Colonnes, Lignes, {Colonnes, Lignes}, {Colonnes, Lignes}); }

void Assainit(Grille_Texte& g) {
    int libre = 1;
    for (int r = 1; r < g.Lignes(); ++r) {
        long double v = 0;
        const std::string& score = g.Cellule(Col_Score, r);
        if (score.empty() || Lit_Reel(score, v) != 0) continue;
        if (r != libre) g.Echange_Lignes(r, libre);
        ++libre;
    }
    g.Vide_Lignes(libre, g.Lignes() - 1);
}

void Place_Eleve(Grille_Texte& g, const std::string& nom, const std::string& prenom, long long score) {
    if (!nom.empty() && score != 0) {
        const int dernier = g.Ligne_Dernier(Col_Score);
        int ligne = -1;
        if (dernier < g.Lignes() - 1) ligne = dernier + 1;
        else if (static_cast<long double>(score) > g.Score_Dernier(Col_Score)) ligne = g.Lignes() - 1;
        if (ligne > 0) {
            g.Fixe(Col_Nom, ligne, nom);
            g.Fixe(Col_Prenom, ligne, prenom);
            g.Fixe(Col_Score, ligne, std::to_string(score));
        }
    }
    if (g.Ligne_Dernier(Col_Score) >= 2) g.Trie(Col_Score);
}

}  // namespace Scores

}  // namespace Grille
