#include "games/logic/Taquin.hpp"

#include <gtest/gtest.h>

#include "support/Hasard_Test.hpp"

using namespace Taquin;

TEST(Taquin, Textes_Arrondis_Cadres_Et_Croissants) {
    EXPECT_EQ(Texte_Nombre(12, 5, 1), "  12,5");
    EXPECT_EQ(Texte_Nombre(7, 0, 1), "   7");
    EXPECT_EQ(Texte_Nombre(20, 0, 3), "   20");
    // Exact ties of hundredths round up: 2 + 1/40, 5 + 3/40, 56 + 9/40.
    EXPECT_EQ(Texte_Nombre(2, 1, 4), "  2,03");
    EXPECT_EQ(Texte_Nombre(5, 3, 4), "  5,08");
    EXPECT_EQ(Texte_Nombre(56, 9, 4), " 56,23");
    EXPECT_EQ(Texte_Nombre(10, 1, 3), " 10,03");
    EXPECT_EQ(Texte_Nombre(4, 8, 4), "   4,2");

    auto valeur = [](const std::string& t) { return std::stod(t); };  // once the comma is a point
    for (int niveau = 1; niveau <= 4; ++niveau)
        for (uint64_t graine = 1; graine <= 200; ++graine) {
            Hasard_Test hasard({}, graine);
            auto textes = Tire_Textes(niveau);
            for (auto& t : textes)
                if (const auto v = t.find(','); v != std::string::npos) t[v] = '.';
            for (int i = 1; i < Nb_Textes; ++i)
                ASSERT_LT(valeur(textes[i - 1]), valeur(textes[i])) << niveau << " " << graine << " " << i;
        }
    // The base first, then one draw per text in index order.
    Hasard_Test hasard({3, 5, 0, 9});
    const auto textes = Tire_Textes(2);
    EXPECT_EQ(textes[0], "  6,25");
    EXPECT_EQ(textes[1], "   7");
    EXPECT_EQ(textes[2], "  8,45");
}

TEST(Taquin, Cellule_Visee_Et_Melange) {
    EXPECT_EQ(Cellule_Du_Point(149, 119, 2), (Cellule{1, 0}));
    EXPECT_EQ(Cellule_Du_Point(150, 120, 2), (Cellule{1, 1}));
    EXPECT_EQ(Cellule_Du_Point(399, 239, 5), (Cellule{3, 4}));
    EXPECT_FALSE(Cellule_Du_Point(400, 10, 2));
    EXPECT_FALSE(Cellule_Du_Point(10, 240, 5));

    // 0 right, 1 left, 2 down, 3 up; a pick outside the board moves nothing.
    Hasard_Test hasard({1, 3, 0, 2, 0, 0, 0, 2, 3});
    Plateau p;
    p.Initialise(1);
    EXPECT_EQ(p.Nb_Lignes(), 2);
    for (Cellule a : {Cellule{0, 0}, {0, 0}, {1, 0}, {1, 1}, {2, 1}, {3, 1}, {3, 1}, {3, 1}, {3, 0}}) {
        p.Coup_Aleatoire();
        EXPECT_EQ(p.Trou(), a);
    }
    EXPECT_EQ(p.Source({0, 0}), (Cellule{1, 0}));
    EXPECT_FALSE(p.Deplace({1, 1}));  // a far cell
    EXPECT_FALSE(p.Resolu());
}
