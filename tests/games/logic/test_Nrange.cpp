#include "games/logic/Nrange.hpp"

#include <gtest/gtest.h>

#include "framework/logic/Commune.hpp"
#include "support/Hasard_Test.hpp"

using namespace Nrange;

TEST(Nrange, Chaque_Nombre_Dans_Ses_Boites) {
    const int boites[] = {Premiers, Par_2, Par_3, Par_5, Autres, Aucune};
    struct Cas { int32_t n; std::array<bool, 6> juste; };
    for (const Cas& c : {Cas{1, {true, false, false, false, false, false}},   // 1 counts as prime
                         Cas{2, {true, false, false, false, false, false}},
                         Cas{30, {false, true, true, true, false, false}},
                         Cas{49, {false, false, false, false, true, false}},
                         Cas{91, {false, false, false, false, true, false}},
                         Cas{25, {false, false, false, true, false, false}},
                         Cas{97, {true, false, false, false, false, false}}})
        for (std::size_t b = 0; b < 6; ++b) EXPECT_EQ(Juste(c.n, boites[b]), c.juste[b]) << c.n << " boîte " << boites[b];
}

TEST(Nrange, Table_Des_Premiers_Jusqua_1000) {
    const std::vector<std::string> t = Table();
    ASSERT_EQ(t.size(), 17u);
    EXPECT_EQ(t.front(), "   1   2   3   5   7  11  13  17  19  23");
    EXPECT_EQ(t.back(), " 941 947 953 967 971 977 983 991 997");
}

TEST(Nrange, Chute_Jusquau_Sol) {
    // The number waits at the ground while it is dragged; landing needs a box.
    EXPECT_EQ(Chute(220, 36, 244, false, Aucune), Etape::Descend);
    EXPECT_EQ(Chute(230, 36, 244, false, Aucune), Etape::Perdu);
    EXPECT_EQ(Chute(230, 36, 244, false, Par_3), Etape::Nouveau);
    EXPECT_EQ(Chute(230, 36, 244, true, Aucune), Etape::Attend);
    EXPECT_EQ(Chute(0, 36, 244, true, Aucune), Etape::Descend);
}

TEST(Nrange, Tirage_Sans_Les_Trois_Derniers) {
    Hasard_Test hasard{6, 6, 7, 8, 6, 7, 8, 9, 6};  // 7 7 8 9 7 8 9 10 7 at level 1
    Partie p;
    const int32_t attendus[] = {7, 8, 9, 10, 7};
    for (int32_t a : attendus) {
        p.Pose(1);
        EXPECT_EQ(p.Nombre(), a);
    }
    EXPECT_EQ(hasard.script->Reamorcages(), 5);
    EXPECT_EQ(p.Derniers(), (std::array<int32_t, 3>{9, 10, 7}));
    for (int niveau = 1; niveau <= 4; ++niveau)
        for (int k = 0; k < 200; ++k) {
            p.Pose(niveau);
            EXPECT_GE(p.Nombre(), 1);
            EXPECT_LE(p.Nombre(), Plus_Grand(niveau));
            EXPECT_EQ(p.Boite_Choisie(), Aucune);
        }
}

TEST(Nrange, Fin_De_Glisse_Et_Partie_Perdue) {
    Commune::Serie.Remet_A_Zero();
    Hasard_Test hasard{29, 29, 48};  // 30 at level 2, then 30 again is refused: 49
    Partie p;
    p.Pose(2);
    p.Choisit(Par_3);  // passed over "par 3", released anywhere
    EXPECT_EQ(p.Fin_De_Glisse(false), Fin::Juste);
    p.Pose(2);
    EXPECT_EQ(p.Nombre(), 49);
    EXPECT_EQ(p.Fin_De_Glisse(false), Fin::Faux);  // never over a box
    EXPECT_EQ(Commune::Serie.NbExercices, 2);
    EXPECT_EQ(Commune::Serie.NbJustes, 1);
    EXPECT_EQ(Commune::Serie.Score, 0);
    EXPECT_EQ(Commune::Serie.EssaisNiveau(2), 2);

    // Lost at the ground, once: only the score pays, and not below 0.
    Commune::Serie.Score = 80;
    const Commune::Compteurs_Serie avant = Commune::Serie;
    p.Pose(2);
    EXPECT_EQ(p.Fin_De_Glisse(true), Fin::Perdu);
    EXPECT_EQ(Commune::Serie.Score, 30);
    Partie::Perd();
    EXPECT_EQ(Commune::Serie.Score, 0);
    EXPECT_EQ(Commune::Serie.NbExercices, avant.NbExercices);
    EXPECT_EQ(Commune::Serie.NbJustes, avant.NbJustes);
    EXPECT_EQ(Commune::Serie.Niveaux, avant.Niveaux);
    // At the ground with a box chosen, the number is judged as usual.
    p.Choisit(Premiers);
    EXPECT_NE(p.Fin_De_Glisse(true), Fin::Perdu);
    EXPECT_EQ(Commune::Serie.NbExercices, avant.NbExercices + 1);
}
