#include "games/logic/Maxr.hpp"

#include <gtest/gtest.h>

#include "framework/logic/Commune.hpp"
#include "support/Hasard_Test.hpp"

namespace {
// A board with the given values at (column, row), 1-based; 0 elsewhere.
Maxr::Plateau Plateau(std::initializer_list<std::array<int, 3>> valeurs) {
    Maxr::Plateau p{};
    for (const auto& [c, r, v] : valeurs) p[c - 1][r - 1] = v;
    return p;
}
}  // namespace

TEST(Maxr, Plateau_Sans_Zero_Dans_Son_Intervalle) {
    const int bornes[] = {0, 20, 30, 60};
    for (uint64_t graine = 1; graine <= 200; ++graine) {
        Hasard_Test hasard({}, graine);
        for (int niveau = 1; niveau <= 3; ++niveau)
            for (const auto& colonne : Maxr::Tire_Plateau(niveau))
                for (int v : colonne) {
                    ASSERT_NE(v, 0);
                    ASSERT_GE(v, -bornes[niveau]);
                    ASSERT_LT(v, bornes[niveau]);
                }
    }
    Hasard_Test hasard{0, 10, 10, 3};  // d = 10: 0 is drawn again
    EXPECT_EQ(Maxr::Tire_Plateau(1)[0][0], -7);
}

TEST(Maxr, Choix_Du_Plus_Grand_Ou_Du_Meilleur_Ecart) {
    // Strength 2: the largest value, even a negative one; the first row on ties.
    EXPECT_EQ(Maxr::Choix_Ordi(Plateau({{2, 1, -5}, {2, 3, -3}, {2, 6, -9}}), 2, 2), 3);
    EXPECT_EQ(Maxr::Choix_Ordi(Plateau({{2, 1, 4}, {2, 2, 7}, {2, 5, 7}}), 2, 2), 2);
    EXPECT_EQ(Maxr::Choix_Ordi(Plateau({{3, 1, 4}}), 2, 2), 0);
    // Strength 1 looks at rows 1..k only (k drawn), the whole column when they are empty.
    {
        Hasard_Test hasard{1};  // k = 2
        EXPECT_EQ(Maxr::Choix_Ordi(Plateau({{1, 1, 2}, {1, 2, 3}, {1, 4, 9}}), 1, 1), 2);
    }
    {
        Hasard_Test hasard{0};  // k = 1: row 1 is taken
        EXPECT_EQ(Maxr::Choix_Ordi(Plateau({{1, 2, 3}, {1, 4, 9}}), 1, 1), 4);
    }
    // Strength 3: 6 leaving at best -2 beats 10 leaving 9.
    const Maxr::Plateau p = Plateau({{1, 1, 10}, {4, 1, 9}, {1, 2, 6}, {5, 2, -2}, {6, 2, -8}});
    EXPECT_EQ(Maxr::Choix_Ordi(p, 1, 3), 2);
    // A row leaving no reply scores the value itself; ties go to the first row.
    EXPECT_EQ(Maxr::Choix_Ordi(Plateau({{1, 1, 5}, {2, 1, -1}, {1, 3, 6}}), 1, 3), 1);
    EXPECT_EQ(Maxr::Choix_Ordi(Plateau({{1, 1, 5}, {2, 1, -1}, {1, 3, 7}}), 1, 3), 3);
}

TEST(Maxr, Une_Prise_Par_Tour_Et_Rien_Pendant_La_Reflexion) {
    Maxr::Partie partie;
    partie.Pose(2, Plateau({{1, 1, 4}, {1, 2, 8}, {3, 2, 5}, {4, 2, -6}, {2, 5, 1}}));
    EXPECT_FALSE(partie.Prend_Joueur(1, 3));  // nothing there
    ASSERT_TRUE(partie.Prend_Joueur(1, 1));
    EXPECT_TRUE(partie.Reflechit());
    EXPECT_FALSE(partie.Prend_Joueur(2, 5));
    for (int attendu = 7; attendu >= 1; --attendu) ASSERT_EQ(partie.Tic(), attendu);
    EXPECT_FALSE(partie.Tour_Joueur());
    EXPECT_FALSE(partie.Prend_Joueur(2, 5));
    EXPECT_EQ(partie.Tic(), 0);
    EXPECT_EQ(partie.Prend_Ordi(), 2);
    EXPECT_EQ(partie.Total_Ordi(), 8);
    EXPECT_FALSE(partie.Prend_Joueur(3, 2));  // the computer's take is still shown
    partie.Fin_Tour();
    EXPECT_FALSE(partie.Reflechit());
    EXPECT_FALSE(partie.Prend_Joueur(2, 5));  // outside the computer's row
    EXPECT_TRUE(partie.Prend_Joueur(4, 2));
    EXPECT_EQ(partie.Total_Joueur(), -2);
    EXPECT_TRUE(partie.Colonne_Jouee_Vide());
}

TEST(Maxr, Fins_De_Partie_Et_Match_Nul_Compte_Une_Fois) {
    Commune::Serie.Remet_A_Zero();
    Maxr::Partie partie;
    partie.Pose(3, Plateau({{1, 1, 5}, {2, 1, 9}, {2, 4, 5}}));
    ASSERT_TRUE(partie.Prend_Joueur(2, 1));
    while (partie.Tic() != 0) {
    }
    // The computer's take empties its row: the game is over.
    EXPECT_EQ(partie.Prend_Ordi(), 4);
    partie.Fin_Tour();
    ASSERT_TRUE(partie.Ligne_Vide(4));
    partie.Pose(1, Plateau({{1, 1, 5}, {2, 1, 9}, {1, 2, 5}}));
    ASSERT_TRUE(partie.Prend_Joueur(2, 1));
    while (partie.Tic() != 0) {
    }
    EXPECT_EQ(partie.Prend_Ordi(), 0);  // column 2 is empty: the game ended at the take
    EXPECT_TRUE(partie.Colonne_Jouee_Vide());
    // The pupil's take empties its column.
    partie.Pose(3, Plateau({{1, 1, 5}, {1, 2, 5}, {2, 2, -1}}));
    ASSERT_TRUE(partie.Prend_Joueur(1, 1));
    while (partie.Tic() != 0) {
    }
    EXPECT_EQ(partie.Prend_Ordi(), 2);
    partie.Fin_Tour();
    ASSERT_FALSE(partie.Ligne_Vide(2));
    ASSERT_TRUE(partie.Prend_Joueur(2, 2));
    EXPECT_TRUE(partie.Colonne_Jouee_Vide());
    EXPECT_EQ(partie.Total_Joueur(), 4);
    // Equal totals.
    partie.Pose(3, Plateau({{1, 1, 5}, {1, 2, 5}}));
    ASSERT_TRUE(partie.Prend_Joueur(1, 1));
    while (partie.Tic() != 0) {
    }
    partie.Prend_Ordi();
    EXPECT_EQ(partie.Termine(), Maxr::Issue::Nul);
    EXPECT_EQ(Maxr::Message_Fin(Maxr::Issue::Nul, "Marie"), "Match nul !");
    EXPECT_EQ(Commune::Serie.Score, 45);
    EXPECT_EQ(Commune::Serie.NbJustes, 1);
    partie.Termine();
    partie.Abandonne();
    EXPECT_EQ(Commune::Serie.Score, 45);
    EXPECT_EQ(Commune::Serie.EssaisNiveau(3), 1);
    Commune::Serie.Remet_A_Zero();
}
