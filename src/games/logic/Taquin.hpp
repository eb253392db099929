// The decimal sliding puzzle: a board of 4 columns and level + 1 rows whose
// tiles carry increasing decimal numbers; the pupil slides them back into
// increasing order, row by row, the hole in the top-left corner.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace Taquin {

constexpr int Colonnes = 4;
constexpr int Largeur = 400;  // the picture, in pixels
constexpr int Hauteur = 240;
constexpr int Largeur_Cellule = Largeur / Colonnes;
constexpr int Nb_Textes = 21;

// Rows of the board at a level (1 to 4): 2 to 5.
int Nb_Lignes(int niveau);
// Height of a cell of the picture at a level.
int Hauteur_Cellule(int niveau);

// The text of (entier + b / (10 × niveau)) rounded half up to hundredths,
// computed on integers: decimal comma, trailing zeros of the decimals and a
// bare comma dropped, then padded in front to a width of 4 to 6 (three
// spaces before 1 to 3 characters, two before 4, one before 5).
std::string Texte_Nombre(int entier, int b, int niveau);

// The 21 texts of a puzzle: the base Random(10) × level first, then one
// Random(10) per text in index order; text i is worth base + i + b / (10 L).
std::array<std::string, Nb_Textes> Tire_Textes(int niveau);

struct Cellule {
    int colonne = 0;
    int ligne = 0;
    bool operator==(const Cellule&) const = default;
};

// The cell whose centre is nearest the point (x, y) of a picture of
// `nb_lignes` rows; none for a point outside the picture.
std::optional<Cellule> Cellule_Du_Point(int x, int y, int nb_lignes);

class Plateau {
public:
    // A solved board of level + 1 rows, the hole at (0, 0).
    void Initialise(int niveau);

    int Nb_Lignes() const { return lignes_; }
    // The cell of the solved picture shown at a position.
    Cellule Source(Cellule position) const { return table_[Indice(position)]; }
    Cellule Trou() const { return trou_; }
    bool Est_Trou(Cellule position) const { return position == trou_; }
    bool Resolu() const;

    // A move onto the hole from the given cell: only a neighbour of the hole
    // in its row or its column moves (the tile and the hole swap places).
    // True when something moved.
    bool Deplace(Cellule c);
    // One move of the shuffle: Random(4) picks the cell right of the hole
    // (0), left (1), below (2) or above (3), kept inside the board; a pick
    // that falls back on the hole moves nothing.
    void Coup_Aleatoire();

private:
    int Indice(Cellule c) const { return c.ligne * Colonnes + c.colonne; }

    int lignes_ = 2;
    std::vector<Cellule> table_;
    Cellule trou_;
};

}  // namespace Taquin
