#include "topics/integer/logic/Zmelang.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

#include "Tirages.hpp"

using Zmelang::Affichage;
using Zmelang::Sujet;
using namespace Zmelang;

namespace {
Sujet Fixe(int niveau, int32_t a, int k1, int32_t b, int k2 = Plus, int32_t c = 0) {
    Sujet s;
    s.Fixe(niveau, a, k1, b, k2, c);
    return s;
}
}  // namespace

TEST(Zmelang, Niveaux_1_Et_2_Une_Operation_Dont_Le_Quotient_Est_Toujours_Entier) {
    for (int niveau : {1, 2}) {
        const int bas = niveau == 1 ? -7 : -12, haut = niveau == 1 ? 10 : 12;
        Sujet s;
        int divisions = 0;
        bool kinds[4] = {};
        Sur_Beaucoup_De_Tirages(s, niveau, [&](const Sujet& q) {
            for (int x : {q.A(), q.B()}) {
                ASSERT_NE(x, 0);
                ASSERT_GE(x, bas);
                ASSERT_LE(x, haut);
            }
            ASSERT_EQ(q.C(), 0);
            ASSERT_GE(q.K1(), 0);
            ASSERT_LE(q.K1(), 3);
            kinds[q.K1()] = true;
            if (q.K1() == Divise) {
                ++divisions;
                ASSERT_EQ(q.A() % q.B(), 0) << q.A() << " : " << q.B();
                ASSERT_EQ(q.Resultat() * q.B(), q.A());
            }
            ASSERT_EQ(q.Correction(), std::to_string(q.Resultat()));
            ASSERT_EQ(q.Cle(), std::to_string(q.A()) + " " + std::to_string(q.B()) + " 0");
        });
        EXPECT_GT(divisions, 1000);
        for (bool k : kinds) EXPECT_TRUE(k);
    }
}

TEST(Zmelang, Niveau_3_Deux_Operations_Sans_Division_Et_Operandes_Loin_De_Zero) {
    Sujet s;
    Sur_Beaucoup_De_Tirages(s, 3, [&](const Sujet& q) {
        for (int x : {q.A(), q.B(), q.C()}) {
            ASSERT_GE(std::abs(x), 2);
            ASSERT_GE(x, -12);
            ASSERT_LE(x, 12);
        }
        ASSERT_LE(q.K1(), 2);
        ASSERT_LE(q.K2(), 2);
        // Multiplication first, then left to right.
        const int64_t a = q.A(), b = q.B(), c = q.C();
        int64_t attendu;
        if (q.K2() == Fois) attendu = q.K1() == Plus ? a + b * c : q.K1() == Moins ? a - b * c : a * b * c;
        else {
            const int64_t r1 = q.K1() == Plus ? a + b : q.K1() == Moins ? a - b : a * b;
            attendu = q.K2() == Plus ? r1 + c : r1 - c;
        }
        ASSERT_EQ(q.Resultat(), attendu);
    });
}

TEST(Zmelang, La_Division_Du_Niveau_1_Se_Tire_A_Nouveau_Jusqu_A_Tomber_Juste) {
    // k = 3; a = 8; b: -3 and 5 do not divide 8, -4 does.
    Tirages t({3, 15, 4, 12, 3});
    Sujet s;
    s.Genere(1);
    EXPECT_EQ(s.A(), 8);
    EXPECT_EQ(s.B(), -4);
    EXPECT_EQ(s.Attendu(), "-2");
    EXPECT_TRUE(s.Juge({"-2"}).juste);
    EXPECT_FALSE(s.Juge({"2"}).juste);
    EXPECT_EQ(s.Affiche(0), (Affichage{"(+8)", ":", "(-4)", "", "", false}));
}

TEST(Zmelang, Lignes_De_Correction_Du_Niveau_3) {
    const Sujet priorite = Fixe(3, 2, Moins, 3, Fois, -4);  // 2 - 3 x (-4)
    EXPECT_EQ(priorite.Attendu(), "14");
    EXPECT_EQ(priorite.Correction(), "2 + 12 = 14");
    EXPECT_TRUE(priorite.Juge({"+14"}).juste);
    EXPECT_FALSE(priorite.Juge({"4"}).juste);  // (2 - 3) x (-4), left to right
    EXPECT_EQ(priorite.Juge({"4"}).entete, "C'est :");

    EXPECT_EQ(Fixe(3, -2, Fois, 3, Fois, -5).Correction(), "-6 x (-5) = 30");
    EXPECT_EQ(Fixe(3, 5, Plus, -3, Fois, 4).Correction(), "5 - 12 = -7");
    EXPECT_EQ(Fixe(3, 4, Fois, -3, Plus, -5).Correction(), "-12 - 5 = -17");
    EXPECT_EQ(Fixe(3, 4, Moins, 3, Moins, -5).Correction(), "1 + 5 = 6");
    EXPECT_EQ(Fixe(3, 4, Plus, -4, Plus, 3).Correction(), "0 + 3 = 3");
    EXPECT_EQ(Fixe(3, 12, Fois, 12, Fois, -12).Correction(), "144 x (-12) = -1728");
}

TEST(Zmelang, Au_Niveau_2_Un_Plus_D_Un_Negatif_S_Ecrit_En_Soustraction_Apres_Un_Nombre_Impair) {
    const Sujet s = Fixe(2, 7, Plus, -3);
    EXPECT_EQ(s.Affiche(4), (Affichage{"7", "+", "(-3)", "", "", false}));
    EXPECT_EQ(s.Affiche(5), (Affichage{"7", "-", "3", "", "", false}));
    EXPECT_EQ(s.Attendu(), "4");
    // Only a "+" of a negative is rewritten.
    EXPECT_EQ(Fixe(2, -7, Moins, -3).Affiche(5), (Affichage{"-7", "-", "(-3)", "", "", false}));
    EXPECT_EQ(Fixe(2, 7, Plus, 3).Affiche(5), (Affichage{"7", "+", "3", "", "", false}));
}

TEST(Zmelang, Au_Niveau_3_Le_Dernier_Terme_Est_Reecrit_Quand_B_Et_C_Sont_Negatifs) {
    const Sujet s = Fixe(3, -5, Fois, -2, Plus, -4);
    EXPECT_EQ(s.Affiche(2), (Affichage{"-5", "x", "(-2)", "+", "(-4)", true}));
    EXPECT_EQ(s.Affiche(3), (Affichage{"-5", "x", "(-2)", "-", "4", true}));
    EXPECT_EQ(Fixe(3, -5, Fois, 2, Plus, -4).Affiche(3), (Affichage{"-5", "x", "2", "+", "(-4)", true}));
    EXPECT_EQ(Fixe(3, 5, Moins, -2, Fois, -4).Affiche(3), (Affichage{"5", "-", "(-2)", "x", "(-4)", true}));
}
