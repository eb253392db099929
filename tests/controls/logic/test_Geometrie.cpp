#include "controls/logic/Geometrie.hpp"

#include <gtest/gtest.h>

using namespace Geometrie;

TEST(Geometrie_Fraction, Panneau_De_Question_De_89_Pixels) {
    const Plan_Fraction p = Fraction(89, 30, 10);
    EXPECT_EQ(p.cellule, 42);
    EXPECT_EQ(p.barre_y, 44);
    EXPECT_EQ(p.barre_epaisseur, 2);
    EXPECT_EQ(p.deno, (Point{12, 48}));
    EXPECT_EQ(p.numer, (Point{2, 1}));
    EXPECT_EQ(p.largeur, 34);
    EXPECT_EQ(p.barre_x1, 1);
    EXPECT_EQ(p.barre_x2, 34);
    EXPECT_TRUE(p.barre);
}

TEST(Geometrie_Fraction, Textes_Vides_Et_Hauteurs_Impaires) {
    const Plan_Fraction vide = Fraction(40, 0, 0);
    EXPECT_EQ(vide.largeur, 4);
    EXPECT_EQ(vide.numer.x, 2);
    EXPECT_EQ(vide.deno.x, 2);
    // 41 / 2 = 20, 41 / 50 = 0: the bar stays one pixel thick.
    const Plan_Fraction impaire = Fraction(41, 7, 8);
    EXPECT_EQ(impaire.cellule, 18);
    EXPECT_EQ(impaire.barre_y, 20);
    EXPECT_EQ(impaire.barre_epaisseur, 1);
    EXPECT_EQ(impaire.deno.y, 24);
    // An odd difference of widths rounds the left edge down.
    EXPECT_EQ(impaire.numer.x, 2);
    EXPECT_EQ(impaire.deno.x, 2);
    EXPECT_EQ(Fraction(100, 1, 1).barre_epaisseur, 3);
    // A tiny control keeps a usable font cell.
    EXPECT_EQ(Cellule_Fraction(3), 1);
    EXPECT_EQ(Cellule_Fraction(0), 1);
}

TEST(Geometrie_Fraction, Le_Plus_Large_Des_Textes_Donne_La_Largeur) {
    const Plan_Fraction p = Fraction(60, 9, 51);
    EXPECT_EQ(p.largeur, 55);
    EXPECT_EQ(p.numer.x, 23);
    EXPECT_EQ(p.deno.x, 2);
}

TEST(Geometrie_Fraction, Entier_Au_Quart_De_La_Hauteur_Sans_Barre) {
    const Plan_Fraction p = Entier(89, 20);
    EXPECT_FALSE(p.barre);
    EXPECT_EQ(p.numer, (Point{2, 22}));
    EXPECT_EQ(p.largeur, 24);
    EXPECT_EQ(p.cellule, 42);

    EXPECT_TRUE(Montre_Entier("1", false));
    EXPECT_FALSE(Montre_Entier("1", true));
    for (const char* d : {"01", " 1", "1 ", "", "-1", "2"}) EXPECT_FALSE(Montre_Entier(d, false)) << d;
}

TEST(Geometrie_Fraction, Trait_Centre_Sur_Sa_Ligne) {
    EXPECT_EQ(Premiere_Ligne_Trait(44, 1), 44);
    EXPECT_EQ(Premiere_Ligne_Trait(44, 2), 43);
    EXPECT_EQ(Premiere_Ligne_Trait(44, 3), 43);
}

TEST(Geometrie_Racine, Signe_Et_Barre) {
    const Plan_Racine vide = Racine(40, 0);
    EXPECT_EQ(vide.a, 5);
    EXPECT_EQ(vide.largeur, 15);
    EXPECT_EQ(vide.cellule, 32);
    EXPECT_EQ(vide.epaisseur, 2);

    const Plan_Racine p = Racine(40, 52);
    EXPECT_EQ(p.a, 15);
    EXPECT_EQ(p.largeur, 77);
    const std::vector<Point> attendu = {{1, 12}, {5, 8}, {7, 40}, {15, 1}, {77, 1}};
    EXPECT_EQ(p.signe, attendu);
    EXPECT_EQ(p.texte, (Point{20, 6}));
    EXPECT_EQ(Racine(39, 0).epaisseur, 1);
    EXPECT_EQ(Racine(80, 0).epaisseur, 3);
    EXPECT_EQ(Cellule_Racine(5), 1);
}

TEST(Geometrie_Second, Exposant_Releve_Et_Largeur) {
    const Plan_Second sans = Exposant(24, 13, true, 99);
    EXPECT_EQ(sans.cellule, 18);
    EXPECT_FALSE(sans.second);
    EXPECT_EQ(sans.largeur, 13 + 5);

    const Plan_Second avec = Exposant(24, 13, false, 6);
    EXPECT_TRUE(avec.second);
    EXPECT_EQ(avec.petite_cellule, 9);
    EXPECT_EQ(avec.principal, (Point{1, 1}));
    EXPECT_EQ(avec.position_second, (Point{14, 1}));
    EXPECT_EQ(avec.largeur, 14 + 6 + 4);
}

TEST(Geometrie_Second, Indice_Abaisse_En_Bas) {
    const Plan_Second p = Indice(30, 15, false, 7);
    EXPECT_EQ(p.cellule, 24);
    EXPECT_EQ(p.petite_cellule, 12);
    EXPECT_EQ(p.position_second, (Point{16, 18}));
    EXPECT_EQ(p.largeur, 16 + 7 + 4);
}

TEST(Geometrie_Second, Petites_Hauteurs) {
    EXPECT_EQ(Cellule_Principale(11), 5);
    EXPECT_EQ(Cellule_Principale(10), 8);
    EXPECT_EQ(Cellule_Principale(6), 4);
    // (9 - 10) / 2 truncates to 0, not -1.
    EXPECT_EQ(Petite_Cellule(9), 2);
    EXPECT_EQ(Petite_Cellule(10), 2);
    // Below that the small cell would vanish; it keeps one pixel.
    EXPECT_EQ(Petite_Cellule(4), 1);
    EXPECT_EQ(Cellule_Principale(2), 1);
}

namespace {
std::vector<Point> Points(const Plan_Figure& p, size_t i = 0) { return p.traits.at(i).points; }
}  // namespace

TEST(Geometrie_Figure, Les_Regles_Ont_Seize_Pixels) {
    const Plan_Figure h = Figure(Parallele, true, false, 85, 30);
    EXPECT_EQ(h.largeur, 85);
    EXPECT_EQ(h.hauteur, 16);
    ASSERT_EQ(h.traits.size(), 1u);
    EXPECT_EQ(h.traits[0].genre, Trait::Ligne);
    EXPECT_EQ(Points(h), (std::vector<Point>{{0, 8}, {85, 8}}));

    const Plan_Figure v = Figure(Parallele, true, true, 30, 85);
    EXPECT_EQ(v.largeur, 16);
    EXPECT_EQ(v.hauteur, 85);
    EXPECT_EQ(Points(v), (std::vector<Point>{{8, 0}, {8, 85}}));

    // Other shapes keep the size they are given.
    const Plan_Figure t = Figure(Triangle_iso, true, true, 85, 30);
    EXPECT_EQ(t.largeur, 85);
    EXPECT_EQ(t.hauteur, 30);
}

TEST(Geometrie_Figure, Hauteur_Et_Sa_Marque_D_Angle_Droit) {
    const Plan_Figure v = Figure(Hauteur, true, true, 40, 60);
    ASSERT_EQ(v.traits.size(), 2u);
    EXPECT_EQ(v.largeur, 16);
    EXPECT_EQ(Points(v, 1), (std::vector<Point>{{8, 52}, {15, 52}, {15, 60}}));

    const Plan_Figure droite = Figure(Hauteur, true, false, 80, 40);
    EXPECT_EQ(droite.hauteur, 16);
    EXPECT_EQ(Points(droite, 0), (std::vector<Point>{{0, 8}, {80, 8}}));
    EXPECT_EQ(Points(droite, 1), (std::vector<Point>{{72, 8}, {72, 0}, {80, 0}}));
    const Plan_Figure gauche = Figure(Hauteur, false, false, 80, 40);
    EXPECT_EQ(Points(gauche, 1), (std::vector<Point>{{0, 0}, {8, 0}, {8, 8}}));
}

TEST(Geometrie_Figure, Variantes_Des_Polygones) {
    const int W = 65, H = 65;  // q = 16
    EXPECT_EQ(Points(Figure(Triangle_qq, true, true, W, H)), (std::vector<Point>{{0, 64}, {16, 0}, {65, 64}}));
    EXPECT_EQ(Points(Figure(Triangle_qq, false, true, W, H)), (std::vector<Point>{{0, 64}, {49, 0}, {65, 64}}));
    EXPECT_EQ(Points(Figure(Triangle_iso, false, true, W, H)), Points(Figure(Triangle_iso, true, true, W, H)));
    EXPECT_EQ(Points(Figure(Triangle_rect, false, true, W, H)), (std::vector<Point>{{0, 64}, {64, 0}, {64, 64}}));
    EXPECT_EQ(Points(Figure(Parallelogramme, false, true, W, H)),
              (std::vector<Point>{{0, 0}, {49, 0}, {64, 64}, {16, 64}}));
    EXPECT_EQ(Points(Figure(Trapeze, true, true, W, H)), (std::vector<Point>{{0, 64}, {16, 0}, {32, 0}, {64, 64}}));
    EXPECT_EQ(Points(Figure(Losange, true, true, 40, 30)), (std::vector<Point>{{0, 15}, {20, 0}, {39, 15}, {20, 29}}));
    EXPECT_EQ(Points(Figure(Oblique, false, true, 40, 30)), (std::vector<Point>{{0, 0}, {40, 30}}));
    const Plan_Figure r = Figure(Rectangle2, true, true, 40, 30);
    EXPECT_EQ(r.traits[0].genre, Trait::Rectangle);
    EXPECT_EQ(Points(r), (std::vector<Point>{{0, 0}, {40, 30}}));
}

TEST(Geometrie_Figure, Parallelepipede_Trois_Faces_Dans_L_Ordre) {
    const Plan_Figure d = Figure(Parallelepipede, true, true, 80, 40);  // q = 20, r = 10
    ASSERT_EQ(d.traits.size(), 3u);
    EXPECT_EQ(Points(d, 0), (std::vector<Point>{{0, 10}, {20, 0}, {79, 0}, {60, 10}}));
    EXPECT_EQ(Points(d, 1), (std::vector<Point>{{0, 39}, {0, 10}, {60, 10}, {60, 39}}));
    EXPECT_EQ(Points(d, 2), (std::vector<Point>{{60, 39}, {60, 10}, {79, 0}, {79, 30}}));
    const Plan_Figure g = Figure(Parallelepipede, false, true, 80, 40);
    EXPECT_EQ(Points(g, 0), (std::vector<Point>{{0, 30}, {0, 0}, {20, 10}, {20, 39}}));
    EXPECT_EQ(Points(g, 2), (std::vector<Point>{{20, 39}, {20, 10}, {79, 10}, {79, 39}}));
}

TEST(Geometrie_Figure, Cylindre_Bout_Cache_Puis_Corps_Sans_Contour) {
    const Plan_Figure d = Figure(Cylindre, true, false, 120, 50);  // c = 20, m = 10
    ASSERT_EQ(d.traits.size(), 5u);
    EXPECT_EQ(d.traits[0].genre, Trait::Ellipse);
    EXPECT_EQ(Points(d, 0), (std::vector<Point>{{100, 0}, {119, 49}}));  // hidden: right end
    EXPECT_TRUE(d.traits[1].plume_du_fond);
    EXPECT_EQ(Points(d, 1), (std::vector<Point>{{10, 0}, {110, 0}, {110, 49}, {10, 49}}));
    EXPECT_EQ(Points(d, 2), (std::vector<Point>{{0, 0}, {20, 49}}));
    EXPECT_EQ(Points(d, 3), (std::vector<Point>{{10, 0}, {110, 0}}));
    EXPECT_EQ(Points(d, 4), (std::vector<Point>{{110, 49}, {10, 49}}));
    for (size_t i : {0u, 2u, 3u, 4u}) EXPECT_FALSE(d.traits[i].plume_du_fond) << i;

    const Plan_Figure g = Figure(Cylindre, false, false, 120, 50);
    EXPECT_EQ(Points(g, 0), (std::vector<Point>{{0, 0}, {20, 49}}));
    EXPECT_EQ(Points(g, 2), (std::vector<Point>{{100, 0}, {119, 49}}));

    const Plan_Figure v = Figure(Cylindre, true, true, 40, 60);  // H/6 = 10, H/12 = 5
    EXPECT_EQ(Points(v, 0), (std::vector<Point>{{0, 50}, {39, 59}}));
    EXPECT_EQ(Points(v, 1), (std::vector<Point>{{0, 5}, {0, 55}, {39, 55}, {39, 5}}));
    EXPECT_EQ(Points(v, 2), (std::vector<Point>{{0, 0}, {39, 10}}));
    EXPECT_EQ(Points(v, 3), (std::vector<Point>{{0, 5}, {0, 55}}));
    // The vertical cylinder has one look only.
    EXPECT_EQ(Points(Figure(Cylindre, false, true, 40, 60), 0), Points(v, 0));
}
