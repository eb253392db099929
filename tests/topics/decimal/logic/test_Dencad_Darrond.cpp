// The generators of the bracketing and rounding questions, over many seeds.
#include <gtest/gtest.h>

#include <cmath>

#include "topics/decimal/logic/Darrond.hpp"
#include "topics/decimal/logic/Dencad.hpp"
#include "topics/integer/logic/Tirages.hpp"

namespace {
void Dans(long double x, long double bas, long double haut) {
    ASSERT_GE(x, bas - 1e-9L);
    ASSERT_LE(x, haut + 1e-9L);
}
// x has at most `n` decimals.
bool Decimales(long double x, int n) {
    const long double m = x * std::pow(10.0L, n);
    return std::fabs(m - std::round(m)) < 1e-6L;
}
}  // namespace

TEST(Dencad, Chaque_Ligne_Donne_Un_Resultat_Positif) {
    Dencad::Sujet s;
    for (int niveau = 1; niveau <= 4; ++niveau) {
        bool vues[4] = {};
        Sur_Beaucoup_De_Tirages(s, niveau, [&](const Dencad::Sujet& q) {
            vues[q.Choix()] = true;
            ASSERT_GT(q.X(), 0) << niveau << " " << q.Choix();
            const auto& v = q.Voisins();
            ASSERT_LE(std::stold(v.inferieur), q.X() + 1e-9L);
            ASSERT_GT(std::stold(v.superieur), q.X());
            if (niveau <= 2) {
                ASSERT_TRUE(Decimales(q.A(), 3) && Decimales(q.B(), 3));
                Dans(q.A(), 0.1L, 100.9L);
                if (niveau == 2) Dans(q.C(), 0.1L, 10);
            } else {
                for (int c : {q.P(), q.Q(), q.S()}) Dans(c, 1, 9);
                for (int e : {q.E(), q.G(), q.H()}) Dans(e, 1, 3);
                const long double plafond = q.Choix() == 2 ? (niveau == 3 ? 9.8L : 6.8L) : 10.8L;
                Dans(q.A(), 0.01L, plafond + 0.09L);
                Dans(q.B(), 0.01L, plafond + 0.09L);
                ASSERT_TRUE(Decimales(q.A(), 2));
            }
            if (niveau == 3) {
                ASSERT_EQ(q.S(), 1);
            }
            if (niveau == 4) {
                ASSERT_GE(q.C(), 0.1L);
            }
            ASSERT_EQ(q.Affiche().fraction, niveau == 2 || niveau == 4);
        }, 10, 300);
        for (int c = 0; c < (niveau == 1 ? 4 : 3); ++c) EXPECT_TRUE(vues[c]) << niveau << " " << c;
    }
}

TEST(Darrond, Rangs_Conditions_Et_Affichage) {
    Darrond::Sujet s;
    bool negatif[5] = {}, modes[3] = {};
    for (int niveau = 1; niveau <= 4; ++niveau)
        Sur_Beaucoup_De_Tirages(s, niveau, [&](const Darrond::Sujet& q) {
            negatif[niveau] |= q.X() < 0;
            modes[q.Mode_Pose()] = true;
            if (niveau == 1 && q.Choix() == 1) {
                ASSERT_GT(q.A() - q.B(), 0);
            }
            if (niveau == 2 || niveau == 4) {
                ASSERT_GT(std::fabs(q.Denominateur()), 1e-7L);
            }
            if (niveau == 2) {
                if (q.Choix() == 1 || q.Choix() == 3) {
                    ASSERT_GT(q.A() - q.P() * q.B(), 0);
                }
                for (int c : {q.P(), q.Q()}) Dans(c, 1, 9);
                Dans(q.A(), 0.1L, 20.118L);
            }
            if (niveau >= 3) {
                ASSERT_NE(q.J(), 0);
                ASSERT_NE(q.K(), 0);
                Dans(q.J(), -9, 9);
                Dans(q.K(), niveau == 3 ? -10 : -9, niveau == 3 ? 50 : 9);
            }
            if (niveau == 4) {
                Dans(q.U(), 0.01L, 511.99L);
                Dans(q.W(), 0.01L, 211.99L);
                const auto a = q.Affiche();
                ASSERT_EQ(a.ua.texte.substr(0, 2), "( ");
                ASSERT_EQ(a.uc.exposant, "2");
                ASSERT_EQ(a.ub.texte.empty(), std::abs(q.K()) == 1);
            }
            // Every expected answer fits the entry.
            for (const std::string& t : q.Attendus()) ASSERT_LE(t.size(), 8u) << t;
        }, 10, 300);
    for (int n = 2; n <= 4; ++n) EXPECT_TRUE(negatif[n]) << n;
    EXPECT_FALSE(negatif[1]);
    EXPECT_TRUE(modes[0] && modes[1] && modes[2]);
}

TEST(Darrond, Ecriture_Des_Termes) {
    EXPECT_EQ(Dencad::Avec_Coefficient(1, "2.4"), "2.4");
    EXPECT_EQ(Dencad::Avec_Coefficient(-1, "2.4"), "-2.4");
    EXPECT_EQ(Dencad::Avec_Coefficient(3, "2.4"), "3 x 2.4");
    // Level 3, drawn: j = 3 - 5, a = 0.05, k = 0 - 4, b = 1.2 + 0.3 + 0.04,
    // the sign +, z = 12.3 + 4.5 + 0.6 + 0.07.
    Tirages t({3, 5, 2, 4, 0, 4, 12, 3, 3, 1, 123, 45, 6, 6, 1});
    Darrond::Sujet s;
    s.Genere(3);
    const Darrond::Affichage a = s.Affiche();
    EXPECT_EQ(a.ua, (Dencad::Terme{"-2 x 0.05", "2"}));
    EXPECT_EQ(a.s1, "-");
    EXPECT_EQ(a.ub.texte, "4 x 1.54");
    EXPECT_EQ(a.s2, "+");
    EXPECT_EQ(a.uc.texte, "17.47");
    EXPECT_NEAR(static_cast<double>(s.X()), -2 * 0.0025 - 4 * 1.54 + 17.47, 1e-12);
    EXPECT_EQ(s.Mode_Pose(), Darrond::Par_Exces);
}
