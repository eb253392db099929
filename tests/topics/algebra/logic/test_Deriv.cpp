#include "topics/algebra/logic/Deriv.hpp"

#include <gtest/gtest.h>

#include "support/Hasard_Test.hpp"

using Deriv::Sujet;

namespace {

Sujet Pose(int niveau, std::initializer_list<int32_t> tirages) {
    Hasard_Test hasard(tirages);
    Sujet s;
    s.Genere(niveau);
    return s;
}

bool Juste(const Sujet& s, std::vector<std::string> boites) { return s.Juge(boites).juste; }

}  // namespace

TEST(Deriv, Textes_Des_Monomes) {
    EXPECT_EQ(Deriv::Terme_Texte(3, 2), "3x");
    EXPECT_EQ(Deriv::Terme_Texte(-1, 1), "-x");
    EXPECT_EQ(Deriv::Terme_Texte(1, -2), "x");
    EXPECT_EQ(Deriv::Terme_Texte(5, 0), "5");
    EXPECT_EQ(Deriv::Terme_Texte(0, 4), "0");
    EXPECT_EQ(Deriv::Exposant_Texte(3, 2), "2");
    EXPECT_EQ(Deriv::Exposant_Texte(3, 1), "");
    EXPECT_EQ(Deriv::Exposant_Texte(3, -1), "-1");
    EXPECT_EQ(Deriv::Exposant_Texte(0, 5), "");
}

// The x comes with exponent 1 and goes at 0; below 0 only where allowed.
TEST(Deriv, Boutons_De_L_Exposant) {
    Deriv::Exposant_Choisi e;
    e.Descend(false);
    EXPECT_EQ(e.valeur, 0);
    EXPECT_EQ(e.vu, (Deriv::Monome{"", ""}));
    e.Monte();
    EXPECT_EQ(e.vu, (Deriv::Monome{"x", ""}));
    e.Monte();
    EXPECT_EQ(e.vu, (Deriv::Monome{"x", "2"}));
    e.Descend(false);
    e.Descend(false);
    EXPECT_EQ(e.vu, (Deriv::Monome{"", ""}));
    e.Descend(true);
    EXPECT_EQ(e.vu, (Deriv::Monome{"x", "-1"}));
    EXPECT_EQ(e.valeur, -1);
    e.Monte();
    EXPECT_EQ(e.vu, (Deriv::Monome{"", ""}));
    for (int i = 0; i < 120; ++i) e.Monte();
    EXPECT_EQ(e.valeur, 99);
    for (int i = 0; i < 250; ++i) e.Descend(true);
    EXPECT_EQ(e.vu, (Deriv::Monome{"x", "-99"}));
}

TEST(Deriv, Tirages_Des_Trois_Niveaux) {
    Hasard_Test hasard({}, 7);
    Sujet s;
    for (int i = 0; i < 500; ++i) {
        s.Genere(1);
        ASSERT_NE(s.F()[0].unite, "0");
        ASSERT_GE(s.Exposant(0), -2);
        ASSERT_LE(s.Exposant(0), 7);
        ASSERT_TRUE(s.F()[1].unite.empty());
        s.Genere(2);
        ASSERT_TRUE(s.Exposant(0) == s.Exposant(1) + 1 || s.Exposant(0) == s.Exposant(1) + 2);
        ASSERT_GE(s.Exposant(1), 1);
        ASSERT_LE(s.Exposant(1), 2);
        ASSERT_NE(s.Coefficient(2), 0);
        ASSERT_LE(std::abs(s.X0()), 5);
        s.Genere(3);
        ASSERT_EQ(s.F()[0].exposant, "2");
        ASSERT_NE(s.Coefficient(0), 0);
        ASSERT_NE(s.Coefficient(1), 0);
        ASSERT_NE(s.F()[2].unite, "+0");
    }
}

TEST(Deriv, Niveau_1) {
    // n = 0: f is the constant 3.
    Sujet s = Pose(1, {13, 1});
    EXPECT_EQ(s.F()[0], (Deriv::Monome{"3", ""}));
    EXPECT_TRUE(Juste(s, {"0"}));
    s.Descend(0);  // an x shown with the 0
    EXPECT_FALSE(Juste(s, {"0"}));
    // n = 1: 3x gives 3, the exponent left at 0.
    s = Pose(1, {13, 2});
    EXPECT_TRUE(Juste(s, {"3"}));
    EXPECT_TRUE(Juste(s, {"+3"}));
    s.Monte(0);
    EXPECT_FALSE(Juste(s, {"3"}));
    // n = -1: 4x^-1 gives -4x^-2, two clicks down.
    s = Pose(1, {14, 0});
    EXPECT_EQ(s.F()[0], (Deriv::Monome{"4x", "-1"}));
    s.Descend(0);
    EXPECT_FALSE(Juste(s, {"-4"}));
    s.Descend(0);
    EXPECT_EQ(s.Choisi(0).vu, (Deriv::Monome{"x", "-2"}));
    EXPECT_TRUE(Juste(s, {"-4"}));
    // a = -1, n = -1: x^-2 with coefficient 1, an empty box.
    s = Pose(1, {9, 0});
    s.Descend(0);
    s.Descend(0);
    EXPECT_TRUE(Juste(s, {""}));
    EXPECT_FALSE(Juste(s, {"-"}));
    EXPECT_EQ(s.Derivee()[0], (Deriv::Monome{"f'(x)=x", "-2"}));
    EXPECT_EQ(s.Ligne_Nombre_Derive(), "");
}

TEST(Deriv, Niveau_2_Signes_Et_Nombre_Derive) {
    // f = x^3 + 2x^2 + 3x, x0 = 1: f' = 3x^2 + 4x + 3, f'(1) = 10.
    Sujet s = Pose(2, {11, 12, 13, 0, 0, 6});
    EXPECT_EQ(s.F()[1], (Deriv::Monome{"+2x", "2"}));
    EXPECT_EQ(s.F()[2], (Deriv::Monome{"+3x", ""}));
    EXPECT_EQ(s.Refuse_Apres_Compte({"3", "4", "+3", "10"}), "En 2, il faut mettre un signe puis un coefficient !");
    EXPECT_EQ(s.Refuse_Apres_Compte({"3", "+4", "", "10"}), "En 3, il faut mettre un signe puis un coefficient !");
    EXPECT_EQ(s.Refuse_Apres_Compte({"3", "+4", "+3", "10"}), "");
    s.Monte(0);
    s.Monte(0);
    s.Monte(1);
    EXPECT_TRUE(Juste(s, {"3", "+4", "+3", "10"}));
    EXPECT_TRUE(Juste(s, {"+3", "+4", "+3", "+10"}));
    EXPECT_FALSE(Juste(s, {"3", "+4", "+3", "11"}));
    EXPECT_EQ(s.Ligne_Nombre_Derive(), "f'(1) = 10");
    EXPECT_EQ(s.Derivee()[1], (Deriv::Monome{"+4x", ""}));
    EXPECT_EQ(s.Derivee()[2], (Deriv::Monome{"+3", ""}));
}

TEST(Deriv, Niveau_3_Coefficients_Implicites_Et_Tangente) {
    // 2x^2 + x + 3 at x0 = 1: f' = 4x + 1, m = 5, f(1) = 6, p = 1.
    Sujet s = Pose(3, {12, 11, 13, 11});
    s.Monte(0);
    EXPECT_TRUE(Juste(s, {"4", "+1", "", "5", "5", "+1"}));
    EXPECT_FALSE(Juste(s, {"4", "+", "", "5", "5", "+1"}));  // no x after it: no implicit 1
    EXPECT_FALSE(Juste(s, {"4", "1", "", "5", "5", "+1"}));
    EXPECT_FALSE(Juste(s, {"4", "+1", "", "5", "5", "1"}));
    EXPECT_EQ(s.Refuse_Apres_Compte({"4", "+1", "", "5", "5", "1"}), "En 6, il faut mettre un signe puis un coefficient !");
    // b1 = -1: "-1", a lone "-" is not completed.
    s = Pose(3, {12, 9, 13, 11});
    s.Monte(0);
    EXPECT_TRUE(Juste(s, {"4", "-1", "0", "3", "3", "+1"}));
    EXPECT_FALSE(Juste(s, {"4", "-", "", "3", "3", "+1"}));
    // m = -1 (x^2 - x + 3 at 0): a lone "-" in box 5.
    s = Pose(3, {11, 9, 13, 10});
    s.Monte(0);
    EXPECT_TRUE(Juste(s, {"2", "-1", "", "-1", "-", "+3"}));
    EXPECT_FALSE(Juste(s, {"2", "-1", "", "-1", "", "+3"}));
    // p = 0 (x^2 + x + 4 at 2): box 6 may stay empty.
    s = Pose(3, {11, 11, 14, 12});
    s.Monte(0);
    EXPECT_EQ(s.Refuse_Apres_Compte({"2", "+1", "", "5", "5", ""}), "");
    EXPECT_TRUE(Juste(s, {"2", "+1", "", "5", "5", ""}));
    EXPECT_TRUE(Juste(s, {"2", "+1", "", "5", "5", "0"}));
    EXPECT_EQ(s.Ligne_Tangente(), "M (2;10)\r\n\r\nD : y = 5x ");
    EXPECT_EQ(s.Derivee()[2], (Deriv::Monome{"", ""}));
}
