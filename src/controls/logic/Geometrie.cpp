#include "controls/logic/Geometrie.hpp"

#include <algorithm>

namespace Geometrie {

int Cellule_Valide(int cellule) { return std::max(1, cellule); }

// ---------------------------------------------------------------------------
int Cellule_Fraction(int hauteur) { return Cellule_Valide(hauteur / 2 - 2); }

Plan_Fraction Fraction(int hauteur, int largeur_numer, int largeur_deno) {
    Plan_Fraction p;
    p.cellule = Cellule_Fraction(hauteur);
    p.largeur = std::max(largeur_numer, largeur_deno) + 4;
    p.numer = {(p.largeur - largeur_numer) / 2, 1};
    p.barre = true;
    p.barre_y = hauteur / 2;
    p.barre_epaisseur = hauteur / 50 + 1;
    p.barre_x1 = 1;
    p.barre_x2 = p.largeur;
    p.deno = {(p.largeur - largeur_deno) / 2, hauteur / 2 + 4};
    return p;
}

Plan_Fraction Entier(int hauteur, int largeur_numer) {
    Plan_Fraction p;
    p.cellule = Cellule_Fraction(hauteur);
    p.largeur = largeur_numer + 4;
    p.numer = {(p.largeur - largeur_numer) / 2, hauteur / 4};
    p.barre = false;
    return p;
}

bool Montre_Entier(const std::string& deno, bool met_deno) { return deno == "1" && !met_deno; }

int Premiere_Ligne_Trait(int y, int epaisseur) { return y - epaisseur / 2; }

// ---------------------------------------------------------------------------
int Cellule_Racine(int hauteur) { return Cellule_Valide(hauteur - 8); }

Plan_Racine Racine(int hauteur, int largeur_nombre) {
    Plan_Racine p;
    const int h = hauteur;
    p.cellule = Cellule_Racine(h);
    p.a = largeur_nombre / 5 + 5;
    p.largeur = largeur_nombre + p.a + 10;
    p.epaisseur = h / 40 + 1;
    p.signe = {{1, h / 5 + 4}, {p.a / 5 + 2, h / 5}, {p.a / 2, h}, {p.a, 1}, {p.largeur, 1}};
    p.texte = {p.a + 5, 6};
    return p;
}

// ---------------------------------------------------------------------------
int Cellule_Principale(int hauteur) { return Cellule_Valide(hauteur > 10 ? hauteur - 6 : hauteur - 2); }

int Petite_Cellule(int hauteur) { return Cellule_Valide((hauteur - 10) / 2 + 2); }

namespace {
Plan_Second Second(int hauteur, int largeur_unite, bool second_vide, int largeur_second, bool abaisse) {
    Plan_Second p;
    p.cellule = Cellule_Principale(hauteur);
    p.principal = {1, 1};
    const int x = largeur_unite + 1;
    int e = 0;
    if (!second_vide) {
        p.second = true;
        p.petite_cellule = Petite_Cellule(hauteur);
        p.position_second = {x, abaisse ? hauteur - p.petite_cellule : 1};
        e = largeur_second;
    }
    p.largeur = x + e + 4;
    return p;
}
}  // namespace

Plan_Second Exposant(int hauteur, int largeur_unite, bool second_vide, int largeur_second) {
    return Second(hauteur, largeur_unite, second_vide, largeur_second, false);
}

Plan_Second Indice(int hauteur, int largeur_unite, bool second_vide, int largeur_second) {
    return Second(hauteur, largeur_unite, second_vide, largeur_second, true);
}

// ---------------------------------------------------------------------------
namespace {
Trait Polygone(std::vector<Point> p) { return {Trait::Polygone, std::move(p), false}; }
Trait Ligne(std::vector<Point> p) { return {Trait::Ligne, std::move(p), false}; }
Trait Ellipse(Point a, Point b) { return {Trait::Ellipse, {a, b}, false}; }
}  // namespace

Plan_Figure Figure(TFigureType f, bool vers_droite, bool verticale, int largeur, int hauteur) {
    Plan_Figure p;
    p.largeur = largeur;
    p.hauteur = hauteur;
    // Rules are 16-pixel strips whatever size they were given.
    if (f == Parallele || f == Hauteur) {
        if (verticale) p.largeur = 16;
        else p.hauteur = 16;
    }
    const int W = p.largeur, H = p.hauteur;
    const int q = W / 4, r = H / 4;
    auto& t = p.traits;
    switch (f) {
    case Triangle_qq:
        t.push_back(vers_droite ? Polygone({{0, H - 1}, {q, 0}, {W, H - 1}})
                                : Polygone({{0, H - 1}, {W - q, 0}, {W, H - 1}}));
        break;
    case Triangle_iso: t.push_back(Polygone({{0, H - 1}, {W / 2, 0}, {W, H - 1}})); break;
    case Triangle_rect:
        t.push_back(vers_droite ? Polygone({{0, H - 1}, {0, 0}, {W, H - 1}})
                                : Polygone({{0, H - 1}, {W - 1, 0}, {W - 1, H - 1}}));
        break;
    case Parallelogramme:
        t.push_back(vers_droite ? Polygone({{0, H - 1}, {q, 0}, {W - 1, 0}, {W - q, H - 1}})
                                : Polygone({{0, 0}, {W - q, 0}, {W - 1, H - 1}, {q, H - 1}}));
        break;
    case Trapeze:
        t.push_back(vers_droite ? Polygone({{0, H - 1}, {q, 0}, {W / 2, 0}, {W - 1, H - 1}})
                                : Polygone({{0, H - 1}, {W / 2, 0}, {W - q, 0}, {W - 1, H - 1}}));
        break;
    case Losange: t.push_back(Polygone({{0, H / 2}, {W / 2, 0}, {W - 1, H / 2}, {W / 2, H - 1}})); break;
    case Oblique: t.push_back(vers_droite ? Ligne({{0, H}, {W, 0}}) : Ligne({{0, 0}, {W, H}})); break;
    case Parallele:
        if (verticale) t.push_back(Ligne({{W / 2, 0}, {W / 2, H}}));
        else t.push_back(Ligne({{0, H / 2}, {W, H / 2}}));
        break;
    case Hauteur:
        if (verticale) {
            const int m = W / 2;
            t.push_back(Ligne({{m, 0}, {m, H}}));
            t.push_back(Ligne({{m, H - 8}, {m + 7, H - 8}, {m + 7, H}}));
        } else {
            const int c = H / 2;
            t.push_back(Ligne({{0, c}, {W, c}}));
            if (vers_droite) t.push_back(Ligne({{W - 8, c}, {W - 8, c - 8}, {W, c - 8}}));
            else t.push_back(Ligne({{0, c - 8}, {8, c - 8}, {8, c}}));
        }
        break;
    case Parallelepipede:
        if (vers_droite) {
            t.push_back(Polygone({{0, r}, {q, 0}, {W - 1, 0}, {W - q, r}}));
            t.push_back(Polygone({{0, H - 1}, {0, r}, {W - q, r}, {W - q, H - 1}}));
            t.push_back(Polygone({{W - q, H - 1}, {W - q, r}, {W - 1, 0}, {W - 1, H - r}}));
        } else {
            t.push_back(Polygone({{0, H - r}, {0, 0}, {q, r}, {q, H - 1}}));
            t.push_back(Polygone({{0, 0}, {W - q, 0}, {W - 1, r}, {q, r}}));
            t.push_back(Polygone({{q, H - 1}, {q, r}, {W - 1, r}, {W - 1, H - 1}}));
        }
        break;
    case Cylindre:
        if (!verticale) {
            const int c = W / 6, m = W / 12;
            const Trait gauche = Ellipse({0, 0}, {c, H - 1});
            const Trait droite = Ellipse({W - c, 0}, {W - 1, H - 1});
            t.push_back(vers_droite ? droite : gauche);  // the hidden end
            Trait corps = Polygone({{m, 0}, {W - m, 0}, {W - m, H - 1}, {m, H - 1}});
            corps.plume_du_fond = true;
            t.push_back(corps);
            t.push_back(vers_droite ? gauche : droite);
            t.push_back(Ligne({{m, 0}, {W - m, 0}}));
            t.push_back(Ligne({{W - m, H - 1}, {m, H - 1}}));
        } else {
            const int h6 = H / 6, h12 = H / 12;
            t.push_back(Ellipse({0, H - h6}, {W - 1, H - 1}));
            Trait corps = Polygone({{0, h12}, {0, H - h12}, {W - 1, H - h12}, {W - 1, h12}});
            corps.plume_du_fond = true;
            t.push_back(corps);
            t.push_back(Ellipse({0, 0}, {W - 1, h6}));
            t.push_back(Ligne({{0, h12}, {0, H - h12}}));
            t.push_back(Ligne({{W - 1, h12}, {W - 1, H - h12}}));
        }
        break;
    case Rectangle2: t.push_back({Trait::Rectangle, {{0, 0}, {W, H}}, false}); break;
    case Ellipse2: t.push_back(Ellipse({0, 0}, {W, H})); break;
    }
    return p;
}

}  // namespace Geometrie
