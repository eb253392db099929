#include "topics/algebra/logic/Raci.hpp"

#include <gtest/gtest.h>

#include "support/Hasard_Test.hpp"

using Raci::Sujet;

namespace {
Sujet Pose(int niveau, std::initializer_list<int32_t> tirages) {
    Hasard_Test hasard(tirages);
    Sujet s;
    s.Genere(niveau);
    return s;
}
}  // namespace

TEST(Raci, Racines_Exactes) {
    EXPECT_EQ(Raci::Racine_Exacte(49, "0.00"), "0.07");
    EXPECT_EQ(Raci::Racine_Exacte(49, "0.0000"), "0.007");
    EXPECT_EQ(Raci::Racine_Exacte(25, "0."), "0.5");
    EXPECT_EQ(Raci::Racine_Exacte(4, "0.0"), "0.2");
    EXPECT_EQ(Raci::Racine_Exacte(0, ""), "0");
    EXPECT_EQ(Raci::Racine_Exacte(100000000, ""), "10000");
    EXPECT_EQ(Raci::Racine_Exacte(52, "0.0000"), "/");
    EXPECT_EQ(Raci::Racine_Exacte(-49, ""), "/");
    EXPECT_EQ(Raci::Racine_Exacte(10 * 4000000LL, ""), "/");
}

TEST(Raci, Niveaux_1_Et_2) {
    Sujet s = Pose(1, {2, 2});
    EXPECT_EQ(s.Consigne(), "Calculer à 0,01 près la racine carrée de :");
    EXPECT_TRUE(s.Juge({"1.41"}).juste);
    EXPECT_TRUE(s.Juge({"1,410"}).juste);
    EXPECT_FALSE(s.Juge({"1.42"}).juste);
    EXPECT_EQ(s.Juge({"1.42"}).correction, "1.414 21... = 1.41");
    EXPECT_EQ(Pose(1, {0, 49}).Juge({}).correction, "7");
    // 0.0049, 0.0000 then 52, -49.
    s = Pose(2, {11, 6});
    EXPECT_EQ(s.Termes()[0].radicande, "0.004 9");
    EXPECT_TRUE(s.Juge({"0.07"}).juste);
    EXPECT_TRUE(s.Juge({"0,070"}).juste);
    EXPECT_FALSE(s.Juge({".07"}).juste);
    EXPECT_EQ(Pose(2, {14, 41}).Attendu(), "/");
    EXPECT_EQ(Pose(2, {14, 41}).Termes()[0].radicande, "0.000 052");
    s = Pose(2, {8, 6});
    EXPECT_EQ(s.Termes()[0].radicande, "-49");
    EXPECT_TRUE(s.Juge({"/"}).juste);
    EXPECT_EQ(s.Juge({"7"}).correction, "/");
}

TEST(Raci, Niveau_3_Somme_Au_Centieme) {
    // √2 + √3 + √5 = 5.382 3...
    const Sujet s = Pose(3, {1, 1, 2, 4, 11, 11, 11});
    EXPECT_EQ(s.Termes()[1], (Raci::Terme{"+", "3"}));
    EXPECT_TRUE(s.Juge({"5.38"}).juste);
    EXPECT_EQ(s.Juge({"5.39"}).correction, "5.382 3... = 5.38");
    // Perfect squares: 3√4 - 2√9 + √16 = 4.
    const Sujet carres = Pose(3, {2, 1, 2, 3, 13, 8, 11});
    EXPECT_EQ(carres.Juge({"5"}).correction, "4");
}

TEST(Raci, Niveau_4_Forme_a_Racine_b) {
    // 3√2 - √2 - √2 = √2: K = 1.
    Sujet s = Pose(4, {0, 0, 0, 0, 13, 9, 9});
    EXPECT_EQ(s.K(), 1);
    EXPECT_FALSE(s.Confirmable(""));
    s.Monte();
    EXPECT_EQ(s.Racine_Vue(), "2");
    EXPECT_TRUE(s.Confirmable(""));
    EXPECT_TRUE(s.Juge({""}).juste);
    EXPECT_TRUE(s.Juge({"1"}).juste);
    EXPECT_FALSE(s.Juge({"-"}).juste);
    s.Descend();
    EXPECT_EQ(s.Racine_Vue(), "");
    EXPECT_FALSE(s.Juge({""}).juste);
    EXPECT_EQ(s.Correction_Texte() + "√" + s.Correction_Racine(), "√2");
    // √2 + √2 - 2√2 = 0: "0" with no root, and Confirm lets it through.
    s = Pose(4, {0, 0, 0, 0, 11, 11, 8});
    EXPECT_EQ(s.K(), 0);
    EXPECT_TRUE(s.Confirmable("0"));
    EXPECT_TRUE(s.Juge({"0"}).juste);
    EXPECT_EQ(s.Correction_Texte(), "0");
    EXPECT_EQ(s.Correction_Racine(), "");
    // √(3x2²) - 2√3 + 5√(3x3²) = 15√3, worked in three rows.
    s = Pose(4, {1, 1, 0, 2, 11, 8, 15});
    EXPECT_EQ(s.K(), 15);
    using T = Raci::Terme;
    EXPECT_EQ(s.Solution()[0], (Raci::Rangee{T{"", "3X2²"}, T{"-2", "3"}, T{"+5", "3X3²"}}));
    EXPECT_EQ(s.Solution()[1], (Raci::Rangee{T{"2", "3"}, T{"-2", "3"}, T{"+5x3", "3"}}));
    EXPECT_EQ(s.Solution()[2], (Raci::Rangee{T{"2", "3"}, T{"-2", "3"}, T{"+15", "3"}}));
    for (int i = 0; i < 2000; ++i) s.Monte();
    EXPECT_EQ(s.Racine_Vue(), "999");
}
