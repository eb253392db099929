#include "topics/algebra/logic/Equat1D0.hpp"

#include <gtest/gtest.h>

#include "framework/logic/Symbole.hpp"
#include "support/Hasard_Test.hpp"

using Equat1D0::Ligne;

namespace {

struct Equat1D0_Graine : ::testing::TestWithParam<uint64_t> {
    Hasard_Test hasard{std::initializer_list<int32_t>{}, GetParam()};
};

struct Equat1D0_Script : ::testing::Test {
    Hasard_Test hasard;
    Equat1D0::Sujet s;
    // Poses a question at the level from the given draws, the generator first.
    void Pose(int niveau, std::initializer_list<int32_t> tirages) {
        hasard.script->Ajoute(tirages);
        s.Prepare(niveau);
        s.Genere(niveau);
    }
};

const std::string Environ = Symbole::Environ;
const Ligne Vide{};

}  // namespace

TEST_P(Equat1D0_Graine, Regles_Et_Memoire_De_Chaque_Niveau) {
    Equat1D0::Sujet s;
    Exercice::Cycle cycle(s, Exercice::Memoire_Enonces({"un", "deux", "trois"}));
    for (int niveau = 1; niveau <= 4; ++niveau) {
        std::vector<std::string> cles;
        for (int i = 0; i < 600; ++i) {
            cycle.Pose(niveau);
            ASSERT_EQ(s.Niveau(), niveau);
            ASSERT_NE(s.Attendu().front(), '-') << s.Attendu();  // one root, never negative
            if (niveau != 2) { ASSERT_NE(s.A(), 1); }
            if (niveau >= 2) { ASSERT_NE(s.B(), 0); }
            if (niveau == 4) { ASSERT_GT(s.A() - s.C(), 0); }
            const std::size_t n = cles.size();
            for (std::size_t j = n >= 3 ? n - 3 : 0; j < n; ++j) ASSERT_NE(cles[j], s.Cle());
            cles.push_back(s.Cle());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Plusieurs, Equat1D0_Graine, ::testing::Values(1u, 42u, 2026u, 987654321u));

TEST_F(Equat1D0_Script, Niveau1_Arrondi_Et_Solution) {
    // Generator 2: a = 8 x 0.25, c = 1 x 0.25.
    Pose(1, {2, 7, 1});
    EXPECT_EQ(s.Attendu(), "0.13");
    EXPECT_EQ(s.Cle(), "20.25");
    const auto& l = s.Solution();
    EXPECT_EQ(l[0], (Ligne{"2 x", "=", "0.25"}));
    EXPECT_EQ(l[1], (Ligne{"x", "=", "0.25 : 2"}));
    EXPECT_EQ(l[2], (Ligne{"x", "=", "0.125"}));
    EXPECT_EQ(l[3], (Ligne{"x", Environ, "0.13"}));
    EXPECT_EQ(l[4], Vide);
    const Exercice::Verdict v = s.Juge({"0.125"});
    EXPECT_FALSE(v.juste);
    EXPECT_EQ(v.titre_faux, "Faux c'est :");
    // An exact root: line 3 is the answer, no approximate line.
    Pose(1, {4, 1, 1});  // 2 x = 1
    EXPECT_EQ(s.Solution()[2], (Ligne{"x", "=", "0.5"}));
    EXPECT_EQ(s.Solution()[3], Vide);
    EXPECT_FALSE(s.Juge({".5"}).juste);
    EXPECT_TRUE(s.Juge({"0.50"}).juste);
    EXPECT_TRUE(s.Juge({"0,5"}).juste);
    Pose(1, {4, 1, 0});  // 2 x = 0
    EXPECT_TRUE(s.Juge({"-0"}).juste);
    // a = 1 is drawn again.
    Pose(1, {4, 0, 5, 3, 6});
    EXPECT_EQ(s.A(), 4);
    EXPECT_EQ(s.C(), 6);
}

TEST_F(Equat1D0_Script, Niveau2_Signe_Colle) {
    // Generator 13: c = 5 + 0.1 + 0.3, b = c.
    Pose(2, {13, 5, 3});
    EXPECT_EQ(s.Attendu(), "0");
    EXPECT_EQ(s.Solution()[0], (Ligne{"x +5.4", "=", "5.4"}));
    EXPECT_EQ(s.Solution()[1], (Ligne{"x", "=", "5.4 - 5.4"}));
    // Generator 12: b = -(12 + 0.5), c = 0.
    Pose(2, {12, 12, 5});
    EXPECT_EQ(s.Attendu(), "12.5");
    EXPECT_EQ(s.Solution()[0], (Ligne{"x -12.5", "=", "0"}));
    EXPECT_EQ(s.Solution()[1], (Ligne{"x", "=", "0 + 12.5"}));
    EXPECT_EQ(s.Solution()[2], (Ligne{"x", "=", "12.5"}));
    EXPECT_EQ(s.Solution()[3], Vide);
}

TEST_F(Equat1D0_Script, Niveaux3_Et_4_Lignes_Approchees) {
    // Generator 1: a = 3, b = 50 - 48 = 2, c = 7: 3 x + 2 = 7.
    Pose(3, {1, 2, 48, 7});
    EXPECT_EQ(s.Attendu(), "1.67");
    EXPECT_EQ(s.Solution()[0], (Ligne{"3 x", "=", "7 - 2"}));
    EXPECT_EQ(s.Solution()[1], (Ligne{"3 x", "=", "5"}));
    EXPECT_EQ(s.Solution()[2], (Ligne{"x", "=", "5 : 3"}));
    EXPECT_EQ(s.Solution()[3], (Ligne{"x", Environ, "1.66666667"}));
    EXPECT_EQ(s.Solution()[4], (Ligne{"x", Environ, "1.67"}));
    // 4 x - 3 = 7: exact.
    Pose(3, {1, 3, 53, 7});
    EXPECT_EQ(s.Solution()[0], (Ligne{"4 x", "=", "7 + 3"}));
    EXPECT_EQ(s.Solution()[3], (Ligne{"x", "=", "2.5"}));
    EXPECT_EQ(s.Solution()[4], Vide);

    // Generator 0, a x + b = c x + d with each sign of d and b.
    Pose(4, {0, 9, 48, 2, 30});  // 10 x + 2 = 3 x + 20
    EXPECT_EQ(s.Solution()[0], (Ligne{"10 x - 3 x", "=", "20 - 2"}));
    EXPECT_EQ(s.Solution()[1], (Ligne{"7 x", "=", "18"}));
    EXPECT_EQ(s.Solution()[2], (Ligne{"x", "=", "18 : 7"}));
    EXPECT_EQ(s.Solution()[4], (Ligne{"x", Environ, "2.57"}));
    Pose(4, {0, 9, 55, 2, 30});  // 10 x - 5 = 3 x + 20
    EXPECT_EQ(s.Solution()[0].droite, "20 + 5");
    Pose(4, {0, 9, 70, 2, 55});  // 10 x - 20 = 3 x - 5
    EXPECT_EQ(s.Solution()[0].droite, "- 5 + 20");
    EXPECT_EQ(s.Solution()[3], (Ligne{"x", Environ, "2.14285714"}));
    EXPECT_EQ(s.Cle(), "10-203-5");
}
