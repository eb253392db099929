// Where the notation controls put their texts, bars and strokes, worked out
// from the control's size and the widths of its texts. The window layer
// measures the texts and paints what these plans say, so the drawing rules
// of each control live here once. All divisions truncate toward zero.
#pragma once

#include <string>
#include <vector>

namespace Geometrie {

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

// Font cells are never below one pixel: a cell of zero or less would let the
// text come out at the font's default size, far too big for the control.
int Cellule_Valide(int cellule);

// ---------------------------------------------------------------------------
// Fractions: numerator over a bar over the denominator.
struct Plan_Fraction {
    int cellule = 0;          // font cell height of both texts
    int largeur = 0;          // the control's width
    Point numer;              // top-left corner of the numerator
    bool barre = true;        // false: a whole number, numerator only
    int barre_y = 0;          // the bar's line (a pen stroke centred on it)
    int barre_epaisseur = 0;  // pen width of the bar
    int barre_x1 = 0, barre_x2 = 0;
    Point deno;               // top-left corner of the denominator
};

int Cellule_Fraction(int hauteur);
Plan_Fraction Fraction(int hauteur, int largeur_numer, int largeur_deno);
// A whole number in place of a fraction: the numerator alone.
Plan_Fraction Entier(int hauteur, int largeur_numer);
// True when a fraction over `deno` shows as a whole number.
bool Montre_Entier(const std::string& deno, bool met_deno);
// The rows a horizontal pen stroke of width `epaisseur` on line y covers.
int Premiere_Ligne_Trait(int y, int epaisseur);

// ---------------------------------------------------------------------------
// Square root: the radical sign, its bar over the number, the number.
struct Plan_Racine {
    int cellule = 0;
    int a = 0;  // width of the sign's slanted part
    int largeur = 0;
    int epaisseur = 0;
    std::vector<Point> signe;  // one polyline, the bar last
    Point texte;
};

int Cellule_Racine(int hauteur);
Plan_Racine Racine(int hauteur, int largeur_nombre);

// ---------------------------------------------------------------------------
// Main text followed by a raised exponent or a lowered index.
struct Plan_Second {
    int cellule = 0;         // main text
    int petite_cellule = 0;  // exponent or index (0 when there is none)
    int largeur = 0;
    Point principal;
    bool second = false;
    Point position_second;
};

int Cellule_Principale(int hauteur);
int Petite_Cellule(int hauteur);
// largeur_second is the second text's width in the small font, ignored when
// the second text is empty.
Plan_Second Exposant(int hauteur, int largeur_unite, bool second_vide, int largeur_second);
Plan_Second Indice(int hauteur, int largeur_unite, bool second_vide, int largeur_second);

// ---------------------------------------------------------------------------
// Figures and rules.
enum TFigureType {
    Triangle_qq,
    Triangle_iso,
    Triangle_rect,
    Parallelogramme,
    Trapeze,
    Losange,
    Oblique,
    Parallele,
    Hauteur,
    Parallelepipede,
    Cylindre,
    Rectangle2,
    Ellipse2
};
constexpr int Nombre_Figures = Ellipse2 + 1;

struct Trait {
    enum Genre { Polygone, Ligne, Rectangle, Ellipse };
    Genre genre = Polygone;
    // Polygone: closed and filled; Ligne: an open polyline; Rectangle and
    // Ellipse: two corners, the right and bottom ones just outside the shape.
    std::vector<Point> points;
    // The stroke takes the fill colour, so the outline does not show.
    bool plume_du_fond = false;
};

struct Plan_Figure {
    int largeur = 0, hauteur = 0;  // the size the figure takes (rules force one side)
    std::vector<Trait> traits;     // in drawing order
};

Plan_Figure Figure(TFigureType f, bool vers_droite, bool verticale, int largeur, int hauteur);

}  // namespace Geometrie
