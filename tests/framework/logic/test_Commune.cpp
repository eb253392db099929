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

TEST_F(Serie_Neuve, Note_Juste_Ajoute_Points_Fois_Niveau) {
    Note_Juste(10, 4);
    EXPECT_EQ(Serie.Score, 40);
    EXPECT_EQ(Serie.NbJustes, 1);
    EXPECT_EQ(Serie.JustesNiveau(4), 1);
    EXPECT_EQ(Serie.EssaisNiveau(4), 1);
    Note_Juste(10, 3);
    Note_Faux(10, 3);
    EXPECT_EQ(Serie.Score, 40);
    EXPECT_EQ(Serie.JustesNiveau(3), 1);
    EXPECT_EQ(Serie.EssaisNiveau(3), 2);
}

TEST_F(Serie_Neuve, Niveau_Hors_Bornes_Ne_Touche_Que_Justes_Et_Score) {
    Note_Juste(5, 0);
    Note_Faux(5, 7);
    EXPECT_EQ(Serie.NbJustes, 1);
    EXPECT_EQ(Serie.Score, 0);
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(Serie.JustesNiveau(n), 0);
        EXPECT_EQ(Serie.EssaisNiveau(n), 0);
    }
}

TEST_F(Serie_Neuve, Compteurs_En_Un_Bloc_Dans_L_Ordre) {
    // The block is laid out as eleven integers: exercises, correct, score,
    // then (correct, attempts) for each level.
    Compte_Exercice();
    Note_Juste(10, 2);
    const auto* bloc = reinterpret_cast<const int32_t*>(&Serie);
    EXPECT_EQ(bloc[0], 1);
    EXPECT_EQ(bloc[1], 1);
    EXPECT_EQ(bloc[2], 20);
    EXPECT_EQ(bloc[5], 1);
    EXPECT_EQ(bloc[6], 1);
    Serie.Remet_A_Zero();
    for (int i = 0; i < 11; ++i) EXPECT_EQ(bloc[i], 0);
}

TEST_F(Serie_Neuve, Score_Sature_Au_Lieu_De_Deborder) {
    Serie.Score = 2147483600;
    Note_Juste(50, 4);
    EXPECT_EQ(Serie.Score, 2147483647);
}

TEST(Textes, Signes) {
    EXPECT_EQ(Signe_Plus("7"), "+7");
    EXPECT_EQ(Signe_Plus("-7"), "-7");
    EXPECT_EQ(Signe_Plus("0"), "0");
    EXPECT_EQ(Ajoute_Plus("0"), "+0");
    EXPECT_EQ(Ajoute_Plus("-3"), "-3");
    EXPECT_EQ(Enleve_Plus("+12"), "12");
    EXPECT_EQ(Enleve_Plus("+-0"), "0");
    EXPECT_EQ(Enleve_Plus("-0"), "0");
    EXPECT_EQ(Enleve_Plus("+0"), "0");
    EXPECT_EQ(Enleve_Plus("-05"), "-05");
    EXPECT_EQ(Enleve_Plus("-08"), "-08");
    EXPECT_EQ(Enleve_Plus(""), "");
    EXPECT_EQ(Terme_Signe(0), "- 0");
    EXPECT_EQ(Terme_Signe(5), "+ 5");
    EXPECT_EQ(Terme_Signe(-5), "- 5");
    EXPECT_EQ(Terme_Signe(INT64_MIN), "- 9223372036854775808");
    EXPECT_EQ(Parenthese_Negatif(-4), "(-4)");
    EXPECT_EQ(Parenthese_Negatif(0), "0");
    EXPECT_EQ(Parenthese_Negatif(4), "4");
    EXPECT_EQ(Coef_Texte(1), "");
    EXPECT_EQ(Coef_Texte(-1), "-");
    EXPECT_EQ(Coef_Texte(-3), "-3");
    EXPECT_EQ(Coef_Texte(0), "0");
}

TEST(Textes, Groupe_Chiffres) {
    EXPECT_EQ(Groupe_Chiffres("1234567"), "1 234 567");
    EXPECT_EQ(Groupe_Chiffres("1234.56789"), "1 234.567 89");
    EXPECT_EQ(Groupe_Chiffres("-123"), "- 123");
    EXPECT_EQ(Groupe_Chiffres("+45"), "+45");
    EXPECT_EQ(Groupe_Chiffres("123"), "123");
    EXPECT_EQ(Groupe_Chiffres("1234"), "1 234");
    EXPECT_EQ(Groupe_Chiffres("0.1234"), "0.123 4");
    EXPECT_EQ(Groupe_Chiffres("-1234"), "-1 234");
    EXPECT_EQ(Groupe_Chiffres("0.123"), "0.123");
    EXPECT_EQ(Groupe_Chiffres("-2073071593"), "-2 073 071 593");
    EXPECT_EQ(Groupe_Chiffres(""), "");
    EXPECT_EQ(Groupe_Chiffres("."), ".");
}

TEST(Textes, Normalise_Decimal) {
    EXPECT_EQ(Normalise_Decimal("3,50"), "3.5");
    EXPECT_EQ(Normalise_Decimal("12.000"), "12");
    EXPECT_EQ(Normalise_Decimal("-0.0"), "0");
    EXPECT_EQ(Normalise_Decimal("120"), "120");
    EXPECT_EQ(Normalise_Decimal("2,500"), "2.5");
    EXPECT_EQ(Normalise_Decimal("2."), "2");
    EXPECT_EQ(Normalise_Decimal("100"), "100");
    EXPECT_EQ(Normalise_Decimal("-0,0"), "0");
    EXPECT_EQ(Normalise_Decimal("0.050"), "0.05");
}

TEST(Textes, Cadres_Et_Espaces) {
    EXPECT_EQ(Cadre_Droite("5", 3), "  5");
    EXPECT_EQ(Cadre_Droite("12345", 3), "12345");
    EXPECT_EQ(Cadre_Gauche("7", 3), "7  ");
    EXPECT_EQ(Cadre_Gauche("", 2), "  ");
    // Widths count characters, not bytes.
    EXPECT_EQ(Cadre_Gauche("Zoé", 5), "Zoé  ");
    EXPECT_EQ(Cadre_Droite("é", 2), " é");
    EXPECT_EQ(Enleve_Espaces(" 1 234 5 "), "12345");
}

TEST(Reels, Texte_Fixe_Arrondit_Au_Plus_Proche_Demi_Vers_Le_Haut) {
    EXPECT_EQ(Texte_Fixe(4.125L, 2), "4.13");
    EXPECT_EQ(Texte_Fixe(-0.125L, 2), "-0.13");
    EXPECT_EQ(Texte_Fixe(2.5L, 0), "3");
    EXPECT_EQ(Texte_Fixe(9.995L, 2), "10.00");
    EXPECT_EQ(Texte_Fixe(99.96L, 1), "100.0");
    EXPECT_EQ(Texte_Fixe(0, 3), "0.000");
    EXPECT_EQ(Texte_Fixe(1234567.0L, 1), "1234567.0");
    EXPECT_EQ(Texte_Fixe(0.0004L, 3), "0.000");
    EXPECT_EQ(Texte_Fixe(0.0005L, 3), "0.001");
    EXPECT_EQ(Texte_Fixe(1e20L, 0), "100000000000000000000");
    EXPECT_EQ(Texte_Fixe(-3, 2), "-3.00");
}

TEST(Reels, Texte_Fixe_Passe_Par_Dix_Huit_Chiffres) {
    // 0.1 + 0.2 in binary is 0.30000000000000000001...; at 18 significant
    // digits it is exactly 0.3, so nothing is left to round up.
    EXPECT_EQ(Texte_Fixe(0.1L + 0.2L, 17), "0.30000000000000000");
    // 1/3 written to 20 decimals: digits after the 18th significant one are zeros.
    EXPECT_EQ(Texte_Fixe(1.0L / 3.0L, 20), "0.33333333333333333300");
    // 2/3: the 18th digit is rounded up before the cut.
    EXPECT_EQ(Texte_Fixe(2.0L / 3.0L, 19), "0.6666666666666666670");
    // A value just under a half at full precision becomes a half at 18 digits.
    EXPECT_EQ(Texte_Fixe(0.12499999999999999999L, 2), "0.13");
    // The double nearest 2.675 is below it, and stays below at 18 digits.
    EXPECT_EQ(Texte_Fixe(static_cast<long double>(2.675), 2), "2.67");
}

TEST(Reels, Texte_Reel) {
    EXPECT_EQ(Texte_Reel(2.5L, 3), "2.5");
    EXPECT_EQ(Texte_Reel(3.0L, 2), "3");
    EXPECT_EQ(Texte_Reel(-0.001L, 2), "0");
    EXPECT_EQ(Texte_Reel(-1.25L, 1), "-1.3");
    EXPECT_EQ(Texte_Reel(1200, 2), "1200");
}

TEST(Nombres, Premiers_Et_Diviseurs) {
    EXPECT_TRUE(Est_Premier(2));
    EXPECT_FALSE(Est_Premier(9));
    EXPECT_TRUE(Est_Premier(1));
    EXPECT_TRUE(Est_Premier(0));
    EXPECT_TRUE(Est_Premier(-8));
    EXPECT_TRUE(Est_Premier(97));
    EXPECT_FALSE(Est_Premier(4));
    EXPECT_FALSE(Est_Premier(25));
    EXPECT_FALSE(Est_Premier(65535));
    EXPECT_TRUE(Est_Premier(65521));
    EXPECT_TRUE(Est_Divisible(3, 12));
    EXPECT_FALSE(Est_Divisible(5, 12));
    EXPECT_FALSE(Est_Divisible(0, 12));
    EXPECT_TRUE(Est_Divisible(-4, 12));
}

TEST(Nombres, Pgcd3_Et_Ppcm3) {
    EXPECT_EQ(Ppcm3(4, 6, 1), 12);
    EXPECT_EQ(Pgcd3(12, 18, 0), 6);
    EXPECT_EQ(Pgcd3(0, 0, 0), 1);
    EXPECT_EQ(Pgcd3(0, 7, 0), 7);
    EXPECT_EQ(Pgcd3(12, 18, 8), 2);
    EXPECT_EQ(Pgcd3(65535, 65535, 65535), 65535);
    EXPECT_EQ(Ppcm3(3, 5, 7), 105);
    EXPECT_EQ(Ppcm3(5, 5, 5), 5);
    EXPECT_EQ(Ppcm3(255, 256, 257), 65500);  // beyond the search: the ceiling
    EXPECT_EQ(Ppcm3(65500, 1, 1), 65500);
    EXPECT_EQ(Ppcm3(0, 4, 6), 65500);          // a zero term has no multiple to find
}

TEST(Nombres, Puissances_Et_Ordre_De_Grandeur) {
    EXPECT_EQ(Puissance_Entiere(-73, 5), -2073071593);
    EXPECT_EQ(Puissance_Entiere(7, 0), 1);
    EXPECT_EQ(Puissance_Entiere(-2, 31), INT32_MIN);
    EXPECT_EQ(Puissance_Entiere(2, 32), 0);  // wraps around like 32-bit arithmetic
    EXPECT_NEAR(static_cast<double>(Puissance_Reelle(2, 10)), 1024.0, 1e-9);
    EXPECT_NEAR(static_cast<double>(Puissance_Reelle(9, 0.5L)), 3.0, 1e-12);
    EXPECT_EQ(Ordre_Grandeur(-600), 1);
    EXPECT_EQ(Ordre_Grandeur(0.5L), -3);
    EXPECT_EQ(Ordre_Grandeur(0.51L), -2);
    EXPECT_EQ(Ordre_Grandeur(50000), 2);
    EXPECT_EQ(Ordre_Grandeur(50001), 3);
    EXPECT_EQ(Ordre_Grandeur(5), -2);
    EXPECT_EQ(Ordre_Grandeur(50), -1);
    EXPECT_EQ(Ordre_Grandeur(0), -3);
}

TEST(Nombres, Ticks_Ecoules_A_Travers_Le_Debordement) {
    EXPECT_EQ(Ticks_Ecoules(100, 350), 250u);
    EXPECT_EQ(Ticks_Ecoules(0xFFFFFF00u, 0x00000100u), 0x200u);
    EXPECT_EQ(Ticks_Ecoules(0xFFFFFFFFu, 0), 1u);
}
