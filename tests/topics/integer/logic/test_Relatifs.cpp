#include "topics/integer/logic/Relatifs.hpp"

#include <gtest/gtest.h>

#include "Tirages.hpp"
#include "topics/integer/logic/Zaddi.hpp"

using namespace Relatifs;

TEST(Relatifs, Le_Signe_Reste_Colle_Aux_Chiffres_Groupes) {
    EXPECT_EQ(Groupe_Entier(0), "0");
    EXPECT_EQ(Groupe_Entier(-5), "-5");
    EXPECT_EQ(Groupe_Entier(-123), "-123");
    EXPECT_EQ(Groupe_Entier(-1234), "-1 234");
    EXPECT_EQ(Groupe_Entier(123456), "123 456");
    EXPECT_EQ(Groupe_Entier(-123456), "-123 456");
    EXPECT_EQ(Groupe_Entier(-2147483648LL), "-2 147 483 648");
    EXPECT_EQ(Groupe_Entier(100, true), "+100");
    EXPECT_EQ(Groupe_Entier(0, true), "0");
    EXPECT_EQ(Operande(12), "(+12)");
    EXPECT_EQ(Operande(-7), "(-7)");
    EXPECT_EQ(Operande(0), "(0)");
    EXPECT_EQ(Correction_Resultat(12, 1), "(+12)");
    EXPECT_EQ(Correction_Resultat(-147, 1), "(-147)");
    EXPECT_EQ(Correction_Resultat(-147, 2), "-147");
    EXPECT_EQ(Correction_Resultat(2500, 3), "2 500");
}

TEST(Relatifs, Tire_Recommence_Jusqu_A_La_Condition) {
    Tirages t({5, 5, 9, 2});
    EXPECT_EQ(Tire(10, 5, Non_Nul), 4);
    EXPECT_EQ(Tire(10, 5, [](int32_t x) { return x < 0; }), -3);
}

TEST(Relatifs, L_Addition_Corrige_Un_Resultat_A_Trois_Chiffres_Sans_Detacher_Le_Signe) {
    Tirages t({0, 0, 3});  // level 3: -50 + (-50) + (-47)
    Zaddi::Sujet s;
    s.Genere(3);
    EXPECT_EQ(s.Attendu(), "-147");
    EXPECT_EQ(s.Correction(), "-147");
}
