#include "topics/integer/logic/Zmult.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "Tirages.hpp"

namespace {
Zmult::Sujet Pose(int niveau, std::deque<int32_t> script) {
    Tirages t(std::move(script));
    Zmult::Sujet s;
    s.Genere(niveau);
    return s;
}
}  // namespace

TEST(Zmult, Niveau_1_Deux_Facteurs_Non_Nuls_De_Moins_7_A_10) {
    Zmult::Sujet s;
    std::set<int> vus;
    Sur_Beaucoup_De_Tirages(s, 1, [&](const Zmult::Sujet& q) {
        for (int x : {q.A(), q.B()}) {
            ASSERT_NE(x, 0);
            ASSERT_GE(x, -7);
            ASSERT_LE(x, 10);
            vus.insert(x);
        }
        ASSERT_EQ(q.C(), 1);
        ASSERT_FALSE(q.Trois_Facteurs());
    });
    EXPECT_EQ(vus.size(), 17u);
}

TEST(Zmult, Niveau_2_Le_Premier_Facteur_Loin_De_Zero_Le_Second_Peut_Etre_Nul) {
    Zmult::Sujet s;
    bool zero = false;
    Sur_Beaucoup_De_Tirages(s, 2, [&](const Zmult::Sujet& q) {
        ASSERT_GE(std::abs(q.A()), 11);
        ASSERT_GE(q.A(), -50);
        ASSERT_LE(q.A(), 49);
        ASSERT_GE(q.B(), -50);
        ASSERT_LE(q.B(), 49);
        ASSERT_EQ(q.C(), 1);
        zero |= q.B() == 0;
    });
    EXPECT_TRUE(zero);
}

TEST(Zmult, Niveau_3_Trois_Facteurs_Et_Un_Produit_Qui_Tient_En_Six_Caracteres) {
    Zmult::Sujet s;
    bool zero = false;
    Sur_Beaucoup_De_Tirages(s, 3, [&](const Zmult::Sujet& q) {
        for (int x : {q.A(), q.B()}) {
            ASSERT_GE(std::abs(x), 6);
            ASSERT_GE(x, -30);
            ASSERT_LE(x, 31);
        }
        ASSERT_GE(q.C(), -30);
        ASSERT_LE(q.C(), 31);
        ASSERT_TRUE(q.Trois_Facteurs());
        ASSERT_LE(q.Attendu().size(), 6u);
        zero |= q.C() == 0;
    });
    EXPECT_TRUE(zero);
    // The largest product: 31 x 31 x 31.
    const Zmult::Sujet max = Pose(3, {61, 61, 61});
    EXPECT_EQ(max.Attendu(), "29791");
    EXPECT_EQ(max.Juge({"1"}).correction, "29 791");
    EXPECT_EQ(max.Cle(), "31 31 31");
}

TEST(Zmult, Un_Produit_Nul_Accepte_0_Plus_0_Et_Moins_0) {
    const Zmult::Sujet s = Pose(2, {73, 50});  // (+23) x (0)
    EXPECT_EQ(s.Cle(), "23 0 1");
    for (const char* r : {"0", "+0", "-0"}) EXPECT_TRUE(s.Juge({r}).juste) << r;
    EXPECT_FALSE(s.Juge({"00"}).juste);
    EXPECT_FALSE(s.Juge({"23"}).juste);
}

TEST(Zmult, Corrections_Selon_Le_Niveau) {
    const Zmult::Sujet dix = Pose(1, {17, 17});  // 10 x 10
    EXPECT_TRUE(dix.Juge({"+100"}).juste);
    EXPECT_EQ(dix.Juge({"10"}).correction, "(+100)");
    EXPECT_EQ(Pose(1, {0, 17}).Juge({"1"}).correction, "(-70)");
    EXPECT_EQ(Pose(2, {0, 0}).Juge({"1"}).correction, "2 500");  // -50 x -50
    EXPECT_EQ(Pose(2, {0, 76}).Juge({"1"}).correction, "-1 300");
    // The sign stays against the digits of a three-digit result.
    EXPECT_EQ(Pose(2, {38, 80}).Juge({"1"}).correction, "-360");  // -12 x 30
}
