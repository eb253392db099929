#include "topics/integer/logic/Zparent.hpp"

#include <gtest/gtest.h>

#include "Tirages.hpp"

using namespace Zparent;

namespace {
Sujet Fixe(int niveau, int32_t a, int k, int32_t b, int m, int32_t c) {
    Sujet s;
    s.Fixe(niveau, a, k, b, m, c);
    return s;
}

void Dans(int x, int bas, int haut) {
    ASSERT_GE(x, bas);
    ASSERT_LE(x, haut);
}
}  // namespace

TEST(Zparent, Operandes_Et_Operations_De_Chaque_Niveau) {
    Sujet s;
    bool m_vus[2] = {};
    Sur_Beaucoup_De_Tirages(s, 1, [&](const Sujet& q) {
        ASSERT_LE(q.K(), Moins);
        for (int x : {q.A(), q.B(), q.C()}) {
            ASSERT_NE(x, 0);
            Dans(x, -15, 15);
        }
        m_vus[q.M()] = true;
    });
    EXPECT_TRUE(m_vus[0] && m_vus[1]);
    Sur_Beaucoup_De_Tirages(s, 2, [&](const Sujet& q) {
        ASSERT_EQ(q.K(), Fois);
        ASSERT_NE(q.A(), 0);
        ASSERT_NE(q.A(), 1);
        for (int x : {q.A(), q.B(), q.C()}) Dans(x, -15, 15);
        ASSERT_NE(q.B(), 0);
        ASSERT_NE(q.C(), 0);
    });
    bool grand_a = false;
    Sur_Beaucoup_De_Tirages(s, 3, [&](const Sujet& q) {
        ASSERT_NE(q.A(), 0);
        ASSERT_NE(q.A(), 1);
        if (q.K() == Fois) Dans(q.A(), -15, 15);
        else Dans(q.A(), -50, 50);
        grand_a |= q.K() != Fois && std::abs(q.A()) > 15;
        ASSERT_NE(q.B(), 0);
        ASSERT_NE(q.C(), 0);
        Dans(q.B(), -40, 40);
        Dans(q.C(), -50, 50);
        const int v = q.M() == 0 ? q.B() + q.C() : q.B() - q.C();
        ASSERT_EQ(q.Resultat(), q.K() == Plus ? q.A() + v : q.K() == Moins ? q.A() - v : q.A() * v);
    });
    EXPECT_TRUE(grand_a);
}

TEST(Zparent, Lignes_De_Correction) {
    const Sujet s = Fixe(1, 5, Moins, 3, 1, 7);  // 5 - (3 - 7)
    EXPECT_EQ(s.Correction(), "5 - (-4) = 5 + 4 = 9");
    EXPECT_EQ(s.Juge({"1"}).entete, "C'est :");
    EXPECT_EQ(s.Juge({"1"}).correction, "5 - (-4) = 5 + 4 = 9");
    EXPECT_EQ(Fixe(1, 5, Plus, 3, 0, 1).Correction(), "5 + 4 = 9");
    EXPECT_EQ(Fixe(1, 7, Moins, 4, 1, 4).Correction(), "7 - 0 = 7");
    EXPECT_EQ(Fixe(1, 7, Plus, 4, 1, 4).Correction(), "7 + 0 = 7");
    EXPECT_EQ(Fixe(1, 5, Plus, -3, 0, -4).Correction(), "5 + (-7) = 5 - 7 = -2");
    EXPECT_EQ(Fixe(1, -5, Moins, 3, 0, 4).Correction(), "-5 - 7 = -12");
    EXPECT_EQ(Fixe(2, -3, Fois, 2, 1, 7).Correction(), "-3 x (-5) = 15");
    EXPECT_EQ(Fixe(2, 4, Fois, 2, 0, 3).Correction(), "4 x 5 = 20");
    EXPECT_EQ(Fixe(3, -15, Fois, -40, 1, 50).Correction(), "-15 x (-90) = 1 350");
    EXPECT_EQ(Fixe(3, 5, Fois, 40, 0, -1).Correction(), "5 x 39 = 195");
}

TEST(Zparent, Juge_Le_Texte_Exact) {
    const Sujet s = Fixe(1, 5, Moins, 3, 1, 7);
    EXPECT_TRUE(s.Juge({"9"}).juste);
    EXPECT_TRUE(s.Juge({"+9"}).juste);
    EXPECT_FALSE(s.Juge({"09"}).juste);
    EXPECT_FALSE(s.Juge({"1"}).juste);
    EXPECT_FALSE(s.Juge({""}).juste);
}

TEST(Zparent, La_Parenthese_S_Ecrit_Avec_La_Valeur_Absolue_De_C) {
    EXPECT_EQ(Fixe(1, 5, Moins, 3, 1, 7).Affiche(0), (Affichage{"5", "-", "3", "-", "7"}));
    EXPECT_EQ(Fixe(1, 5, Moins, 3, 1, -7).Affiche(0), (Affichage{"5", "-", "3", "+", "7"}));
    EXPECT_EQ(Fixe(1, -5, Plus, -3, 0, -7).Affiche(0), (Affichage{"-5", "+", "-3", "-", "7"}));
    EXPECT_EQ(Fixe(1, -5, Plus, -3, 0, 7).Affiche(0), (Affichage{"-5", "+", "-3", "+", "7"}));
}

TEST(Zparent, Le_Produit_Implicite_Du_Niveau_3_Suit_La_Parite_Des_Exercices) {
    const Sujet s = Fixe(3, -4, Fois, 6, 0, 2);
    EXPECT_EQ(s.Affiche(3).s1, "x");
    EXPECT_EQ(s.Affiche(4).s1, "");
    EXPECT_EQ(s.Affiche(0).s1, "");
    // Only the product of level 3 is implicit.
    EXPECT_EQ(Fixe(2, -4, Fois, 6, 0, 2).Affiche(4).s1, "x");
    EXPECT_EQ(Fixe(3, -4, Moins, 6, 0, 2).Affiche(4).s1, "-");
}

TEST(Zparent, Le_Tirage_Du_Niveau_3_Choisit_La_Plage_De_A_Selon_L_Operation) {
    {
        // "x" then b - c; a: 15 gives 0, 16 gives 1, both drawn again; 0 gives -15.
        Tirages t({2, 1, 15, 16, 0, 80, 100});
        Sujet s;
        s.Genere(3);
        EXPECT_EQ(s.Cle(), "-15 40 50");
        EXPECT_EQ(s.Attendu(), "150");
    }
    {
        Tirages t({0, 0, 100, 0, 0});  // "+", b + c, a = 50, b = -40, c = -50
        Sujet s;
        s.Genere(3);
        EXPECT_EQ(s.Cle(), "50 -40 -50");
        EXPECT_EQ(s.Correction(), "50 + (-90) = 50 - 90 = -40");
    }
}
