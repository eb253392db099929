#include "topics/integer/logic/Zaddi.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "framework/logic/Hasard.hpp"
#include "support/Hasard_Test.hpp"

namespace {
// Draws from a generator seeded with the test's parameter.
struct Graine : ::testing::TestWithParam<uint64_t> {
    Hasard_Test hasard{{}, GetParam()};
};

struct Script : ::testing::Test {
    Hasard_Test hasard;
    Hasard::Source_Scriptee* script = hasard.script;
};
}  // namespace

TEST_P(Graine, Niveau1_De_Moins7_A_10_Sans_Zero) {
    Zaddi::Sujet s;
    std::set<int> vus;
    for (int i = 0; i < 3000; ++i) {
        s.Genere(1);
        for (int x : {s.A(), s.B()}) {
            ASSERT_NE(x, 0);
            ASSERT_GE(x, -7);
            ASSERT_LE(x, 10);
            vus.insert(x);
        }
        ASSERT_EQ(s.C(), 0);
        ASSERT_FALSE(s.Trois_Termes());
    }
    EXPECT_EQ(vus.size(), 17u);  // every value of -7..10 but 0 comes up
}

TEST_P(Graine, Niveau2_Loin_De_Zero) {
    Zaddi::Sujet s;
    for (int i = 0; i < 3000; ++i) {
        s.Genere(2);
        for (int x : {s.A(), s.B()}) {
            ASSERT_GT(std::abs(x), 10);
            ASSERT_GE(x, -50);
            ASSERT_LE(x, 49);
        }
        ASSERT_EQ(s.C(), 0);
    }
}

TEST_P(Graine, Niveau3_Trois_Termes_Au_Moins_16) {
    Zaddi::Sujet s;
    bool moins50 = false, plus49 = false;
    for (int i = 0; i < 3000; ++i) {
        s.Genere(3);
        ASSERT_TRUE(s.Trois_Termes());
        for (int x : {s.A(), s.B(), s.C()}) {
            ASSERT_GE(std::abs(x), 16);
            ASSERT_GE(x, -50);
            ASSERT_LE(x, 49);
            moins50 |= x == -50;
            plus49 |= x == 49;
        }
    }
    EXPECT_TRUE(moins50 && plus49);
}

INSTANTIATE_TEST_SUITE_P(Plusieurs, Graine, ::testing::Values(1u, 7u, 42u, 2026u, 987654321u));

TEST_F(Script, Tirages_Redessines_Et_Cle) {
    // Random(18) - 7: 7 gives 0 and is drawn again.
    script->Ajoute({7, 17, 0});
    Zaddi::Sujet s;
    s.Genere(1);
    EXPECT_EQ(s.A(), 10);
    EXPECT_EQ(s.B(), -7);
    EXPECT_EQ(s.Cle(), "10 -7 0");
    // Random(100) - 50: |x| <= 15 is drawn again at level 3.
    script->Ajoute({65, 66, 0, 40, 99});
    s.Genere(3);
    EXPECT_EQ(s.A(), 16);
    EXPECT_EQ(s.B(), -50);
    EXPECT_EQ(s.C(), 49);
    EXPECT_EQ(s.Cle(), "16 -50 49");
}

TEST_F(Script, Juge_Texte_Exact_Apres_Le_Plus) {
    script->Ajoute({9, 10});  // a = 2, b = 3
    Zaddi::Sujet s;
    s.Genere(1);
    ASSERT_EQ(s.Attendu(), "5");
    EXPECT_TRUE(s.Juge({"5"}).juste);
    EXPECT_TRUE(s.Juge({"+5"}).juste);
    EXPECT_FALSE(s.Juge({"05"}).juste);
    EXPECT_FALSE(s.Juge({"+05"}).juste);
    EXPECT_FALSE(s.Juge({"-5"}).juste);
    EXPECT_FALSE(s.Juge({""}).juste);
    EXPECT_FALSE(s.Juge({}).juste);
    EXPECT_EQ(s.Juge({"+05"}).correction, "(+5)");

    script->Ajoute({4, 10});  // a = -3, b = 3: the sum is 0
    s.Genere(1);
    ASSERT_EQ(s.Attendu(), "0");
    EXPECT_TRUE(s.Juge({"-0"}).juste);
    EXPECT_TRUE(s.Juge({"+0"}).juste);
    EXPECT_TRUE(s.Juge({"0"}).juste);
    EXPECT_EQ(s.Correction(), "(0)");
}

TEST_F(Script, Correction_Selon_Le_Niveau) {
    script->Ajoute({39, 66});  // level 2: a = -11, b = 16
    Zaddi::Sujet s;
    s.Genere(2);
    EXPECT_EQ(s.Attendu(), "5");
    EXPECT_EQ(s.Correction(), "5");
    script->Ajoute({0, 0, 1});  // level 3: -50 - 50 - 49
    s.Genere(3);
    EXPECT_EQ(s.Attendu(), "-149");
    EXPECT_EQ(s.Correction(), "-149");  // the sign stays against the digits
    script->Ajoute({0, 1});  // level 1: -7 + -6
    s.Genere(1);
    EXPECT_EQ(s.Correction(), "(-13)");
}

TEST(Zaddi, Filtre_De_L_Entree) {
    Zaddi::Sujet s;
    EXPECT_EQ(s.Filtre(0, U'-', 0, U"").genre, Exercice::Decision::Passe);
    EXPECT_EQ(s.Filtre(0, U'-', 1, U"5").genre, Exercice::Decision::Ignore);
    EXPECT_EQ(s.Filtre(0, U'x', 1, U"5").genre, Exercice::Decision::Bip);
    EXPECT_EQ(s.Points(), 10);
}
