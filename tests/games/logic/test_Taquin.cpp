#include "games/logic/Taquin.hpp"

#include <gtest/gtest.h>

#include "support/Hasard_Test.hpp"

using namespace Taquin;

namespace {
// A shown text back in hundredths ("  12,5" gives 1250).
int Centiemes(const std::string& t) {
    const std::size_t debut = t.find_first_not_of(' ');
    const std::size_t virgule = t.find(',');
    int n = std::stoi(t.substr(debut, virgule - debut)) * 100;
    if (virgule != std::string::npos) {
        const std::string d = (t.substr(virgule + 1) + "0").substr(0, 2);
        n += std::stoi(d);
    }
    return n;
}
}  // namespace

TEST(Taquin, Textes_Arrondis_Et_Cadres) {
    EXPECT_EQ(Texte_Nombre(12, 5, 1), "  12,5");
    EXPECT_EQ(Texte_Nombre(7, 0, 1), "   7");
    EXPECT_EQ(Texte_Nombre(20, 0, 3), "   20");
    // Exact ties of hundredths round up: 2 + 1/40 and 5 + 3/40.
    EXPECT_EQ(Texte_Nombre(2, 1, 4), "  2,03");
    EXPECT_EQ(Texte_Nombre(5, 3, 4), "  5,08");
    EXPECT_EQ(Texte_Nombre(3, 5, 3), "  3,17");
    EXPECT_EQ(Texte_Nombre(10, 1, 3), " 10,03");
    EXPECT_EQ(Texte_Nombre(56, 9, 4), " 56,23");
    EXPECT_EQ(Texte_Nombre(4, 8, 4), "   4,2");
    EXPECT_EQ(Texte_Nombre(30, 2, 2), "  30,1");
}

TEST(Taquin, Textes_Croissants_A_Chaque_Niveau) {
    for (int niveau = 1; niveau <= 4; ++niveau)
        for (uint64_t graine = 1; graine <= 200; ++graine) {
            Hasard_Test hasard({}, graine);
            const auto textes = Tire_Textes(niveau);
            for (int i = 1; i < Nb_Textes; ++i)
                ASSERT_LT(Centiemes(textes[i - 1]), Centiemes(textes[i])) << niveau << " " << graine << " " << i;
        }
    // The base first, then one draw per text in index order.
    Hasard_Test hasard({3, 5, 0, 9});
    const auto textes = Tire_Textes(2);
    EXPECT_EQ(textes[0], "  6,25");
    EXPECT_EQ(textes[1], "   7");
    EXPECT_EQ(textes[2], "  8,45");
}

TEST(Taquin, Lignes_Et_Cellules_Visees) {
    EXPECT_EQ(Nb_Lignes(1), 2);
    EXPECT_EQ(Nb_Lignes(4), 5);
    EXPECT_EQ(Hauteur_Cellule(4), 48);
    EXPECT_EQ(Cellule_Du_Point(0, 0, 2), (Cellule{0, 0}));
    EXPECT_EQ(Cellule_Du_Point(149, 119, 2), (Cellule{1, 0}));
    EXPECT_EQ(Cellule_Du_Point(150, 120, 2), (Cellule{1, 1}));
    EXPECT_EQ(Cellule_Du_Point(399, 239, 5), (Cellule{3, 4}));
    EXPECT_FALSE(Cellule_Du_Point(400, 10, 2));
    EXPECT_FALSE(Cellule_Du_Point(10, -1, 2));
    EXPECT_FALSE(Cellule_Du_Point(10, 240, 5));
}

TEST(Taquin, Seul_Un_Voisin_Du_Trou_Bouge) {
    Plateau p;
    p.Initialise(1);
    EXPECT_TRUE(p.Resolu());
    for (Cellule c : {Cellule{0, 0}, Cellule{1, 1}, Cellule{2, 0}, Cellule{3, 1}, Cellule{-1, 0}, Cellule{0, 2}})
        EXPECT_FALSE(p.Deplace(c)) << c.colonne << " " << c.ligne;
    EXPECT_TRUE(p.Resolu());

    // One move from solved: that move back wins, another does not.
    ASSERT_TRUE(p.Deplace({1, 0}));
    EXPECT_EQ(p.Trou(), (Cellule{1, 0}));
    EXPECT_EQ(p.Source({0, 0}), (Cellule{1, 0}));
    EXPECT_FALSE(p.Resolu());
    Plateau autre = p;
    ASSERT_TRUE(autre.Deplace({1, 1}));
    EXPECT_FALSE(autre.Resolu());
    ASSERT_TRUE(p.Deplace({0, 0}));
    EXPECT_TRUE(p.Resolu());
}

TEST(Taquin, Melange_Par_Coups_Permis) {
    // 0 right, 1 left, 2 down, 3 up; a pick outside the board moves nothing.
    Hasard_Test hasard({1, 3, 0, 2, 0, 0, 0, 0, 2, 3});
    Plateau p;
    p.Initialise(1);
    const Cellule attendus[] = {{0, 0}, {0, 0}, {1, 0}, {1, 1}, {2, 1}, {3, 1}, {3, 1}, {3, 1}, {3, 1}, {3, 0}};
    for (Cellule a : attendus) {
        p.Coup_Aleatoire();
        EXPECT_EQ(p.Trou(), a);
    }
    // A long shuffle keeps every cell once, and its moves can be undone.
    p.Initialise(4);
    for (int k = 0; k < 1001; ++k) p.Coup_Aleatoire();
    std::vector<int> vus(20, 0);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 4; ++c) {
            const Cellule s = p.Source({c, r});
            ++vus[s.ligne * 4 + s.colonne];
        }
    EXPECT_EQ(vus, std::vector<int>(20, 1));
    EXPECT_EQ(p.Source(p.Trou()), (Cellule{0, 0}));
}
