#include "framework/logic/Commune.hpp"

#include <gtest/gtest.h>

using namespace Commune;

namespace {
struct Serie_Neuve : ::testing::Test {
    void SetUp() override { Serie.Remet_A_Zero(); }
    void TearDown() override { Serie.Remet_A_Zero(); }
};
}  // namespace

TEST_F(Serie_Neuve, Note_Faux_Ne_Descend_Pas_Sous_Zero_Et_Compte_Le_Niveau) {
    Serie.Score = 15;
    Note_Faux(10, 2);
    EXPECT_EQ(Serie.Score, 0);
    EXPECT_EQ(Serie.EssaisNiveau(2), 1);
    EXPECT_EQ(Serie.JustesNiveau(2), 0);
    for (int n : {1, 3, 4}) EXPECT_EQ(Serie.EssaisNiveau(n), 0) << n;
    EXPECT_EQ(Serie.NbJustes, 0);
}
