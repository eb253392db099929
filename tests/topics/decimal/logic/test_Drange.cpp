// Ordering decimals: the judge on exact texts, the draws of every level.
#include "topics/decimal/logic/Drange.hpp"

#include <gtest/gtest.h>

#include <set>

#include "support/Hasard_Test.hpp"
#include "topics/decimal/logic/Decimaux.hpp"

TEST(Drange, Juge_Sur_Le_Texte_Exact) {
    Drange::Sujet s;
    s.Pose(1, {"0.3", "0.7", "1.2"}, {2, 0, 1});
    EXPECT_EQ(s.Ligne1(), "1.2,  0.3,  0.7");
    EXPECT_EQ(s.Ligne2(), "");
    EXPECT_TRUE(s.Juge({"0.3", "0.7", "1.2"}).juste);
    EXPECT_FALSE(s.Juge({".3", "0.7", "1.2"}).juste);  // not the number's own text
    EXPECT_FALSE(s.Juge({"0.7", "0.3", "1.2"}).juste);
    EXPECT_EQ(s.Juge({}).titre_faux, "Faux c'est :");
    EXPECT_EQ(s.Correction1(), "0.3,  0.7,  1.2");

    s.Pose(4, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}, {9, 8, 7, 6, 5, 4, 3, 2, 1, 0});
    EXPECT_EQ(s.Ligne2(), "5,  4,  3,  2,  1");
    EXPECT_EQ(s.Correction2(), "6, 7, 8, 9, 10");  // one space at level 4
}

TEST(Drange, Tirages_De_Chaque_Niveau) {
    for (int niveau = 1; niveau <= 4; ++niveau) {
        bool decroissant = false, negatif = false;
        for (uint64_t graine = 1; graine <= 20; ++graine) {
            Hasard_Test hasard({}, graine * 104729u);
            Drange::Sujet s;
            for (int i = 0; i < 150; ++i) {
                s.Genere(niveau);
                ASSERT_EQ(s.N(), Drange::Nombres(niveau));
                ASSERT_NE(s.Montres(), s.Textes());
                const std::set<std::string> differents(s.Textes().begin(), s.Textes().end());
                ASSERT_EQ(differents.size(), s.Textes().size());
                for (int k = 1; k < s.N(); ++k) {
                    const long double avant = Decimaux::Lit_Decimal(s.Textes()[k - 1]);
                    const long double apres = Decimaux::Lit_Decimal(s.Textes()[k]);
                    ASSERT_TRUE(s.Decroissant() ? apres < avant : apres > avant) << niveau;
                }
                decroissant |= s.Decroissant();
                negatif |= s.Textes().back().front() == '-';
            }
        }
        EXPECT_EQ(decroissant, niveau >= 3) << niveau;
        if (niveau <= 2 || niveau == 4) EXPECT_EQ(negatif, niveau == 4) << niveau;
    }
}

TEST(Drange, Niveau_3_Decroissant_Tire_La_Variante_D_Abord) {
    // Variant 1, start 0 + 60, steps of 9.12 each.
    Hasard_Test hasard{1, 0, 911, 911, 911, 911, 911, 911, 911};
    Drange::Sujet s;
    s.Genere(3);
    EXPECT_TRUE(s.Decroissant());
    EXPECT_EQ(s.Consigne(), "Ranger dans l'ordre décroissant : ");
    EXPECT_EQ(s.Textes().front(), "50.88");
    EXPECT_EQ(s.Textes().back(), "-3.84");
}
