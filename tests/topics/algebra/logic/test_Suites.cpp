#include <gtest/gtest.h>

#include "framework/logic/Commune.hpp"
#include "support/Hasard_Test.hpp"
#include "topics/algebra/logic/Sari.hpp"
#include "topics/algebra/logic/Sgeo.hpp"

using Commune::Normalise_Decimal;
using Exercice::Decision;
using Suites::Indice;

namespace {

// U1 q^(k-1) in integers, for the whole terms of the geometric levels 1, 2, 4.
int64_t Terme_Entier(int64_t u1, int64_t q, int64_t k) {
    for (int64_t i = 1; i < k; ++i) u1 *= q;
    return u1;
}

int64_t Entier(const std::string& t) { return std::stoll(t); }

}  // namespace

TEST(Sari, Somme_Et_Corrections) {
    // Level 4: r = 3, N = 100, U1 = 5.
    Hasard_Test hasard{1, 99, 5};
    Sari::Sujet s;
    s.Genere(4);
    const Suites::Enonce& e = s.Question();
    EXPECT_EQ(e.Label1, "Dans une suite arithmétique    de raison    r = 3");
    EXPECT_EQ(e.Label2, " = 5     déterminer la somme des 100 premiers termes : ");
    EXPECT_EQ(e.Indice2, (Indice{"S", "100"}));
    EXPECT_EQ(e.LRep1, "= 5 + 99 x 3 = 302");
    EXPECT_EQ(e.LRep2, "= 100 x (5 + 302) / 2 = 15 350");
    EXPECT_TRUE(e.IndiceRep2);
    EXPECT_TRUE(s.Juge({"15350.00"}).juste);
    EXPECT_TRUE(s.Juge({"15350,"}).juste);
    const Exercice::Verdict v = s.Juge({"15351"});
    EXPECT_FALSE(v.juste);
    EXPECT_EQ(v.titre_faux, "Faux c'est :");

    // Level 2: r = 4, i = 10, b = 0, a = -3, U10 = 20: U7 = 20 - 3 x 4.
    hasard.script->Ajoute({2, 4, 0, 1, 1, 2, 20});
    s.Genere(2);
    EXPECT_EQ(s.Question().Indice1, (Indice{"U", "10"}));
    EXPECT_EQ(s.Question().LRep1, "= 20 - 3 x 4 = 8");
    EXPECT_EQ(s.Question().IndiceRep1, "7");

    // Level 3, kind 2: r = 5, U3 and U7 (g = 1, h = 3), U1 = 2.
    hasard.script->Ajoute({2, 3, 1, 3, 2});
    s.Genere(3);
    const auto& L = s.Question().Lignes;
    EXPECT_TRUE(s.Question().Psup);
    EXPECT_EQ(s.Question().Label21, " = 32     déterminer la raison : ");
    EXPECT_EQ(L[0], "U7 = U1 + 6 x r");
    EXPECT_EQ(L[3], "12 = U1 + 2 x r");
    EXPECT_EQ(L[5], "32 - 12 = (6 - 2) x r");
    EXPECT_EQ(L[6], "r = (32 - 12) / (6 - 2) = 5");
    // Level 3, kind 0 with g = 0: consecutive terms.
    hasard.script->Ajoute({0, 5, 0, 10});
    s.Genere(3);
    EXPECT_FALSE(s.Question().Psup);
    EXPECT_EQ(s.Question().LRep2, "r = 17 - 10 = 7");
}

TEST(Sgeo, Quotient_Et_Racine) {
    // Level 2: q = 3, i = 5, b = 0, a = -2, U1 = 7: U5 = 567, U3 = 567 : 3^2.
    Hasard_Test hasard{1, 0, 0, 0, 1, 1, 6};
    Sgeo::Sujet s;
    s.Genere(2);
    const Suites::Enonce& e = s.Question();
    EXPECT_EQ(e.Label2, " = 567     déterminer : ");
    EXPECT_EQ(e.Indice2, (Indice{"U", "3"}));
    EXPECT_EQ(e.LRep1, "= 567 : ");
    EXPECT_EQ(e.Unite1, "3");
    EXPECT_EQ(e.Exposant1, "2");
    EXPECT_EQ(e.LRep11, "= 63");
    EXPECT_TRUE(s.Juge({"63.00"}).juste);
    EXPECT_TRUE(s.Juge({"63,"}).juste);
    EXPECT_FALSE(s.Juge({"630"}).juste);

    // Level 3, kind 2: q = 0.7, m = 0, p = 5, U1 = 500000: U3 and U5.
    hasard.script->Ajoute({2, 6, 0, 0, 0});
    s.Genere(3);
    EXPECT_EQ(s.Question().Label1, "Dans une suite géométrique (q > 0)");
    EXPECT_EQ(s.Question().Label2, " = 245 000");
    EXPECT_EQ(s.Question().Lignes[1], "120 050 : 245 000");
    EXPECT_EQ(s.Question().Lignes[2], "q = 0.7");
    EXPECT_EQ(s.Question().Unite1 + "^" + s.Question().Exposant1, "q^2");
    EXPECT_TRUE(s.Juge({"0.7"}).juste);
    EXPECT_TRUE(s.Juge({"0,70"}).juste);
}

TEST(Suites, Saisie) {
    using Suites::Filtre_Terme;
    EXPECT_EQ(Filtre_Terme(U'+', 0, U""), Decision::Refus());
    EXPECT_EQ(Filtre_Terme(U'-', 0, U""), Decision::Accepte(U'-'));
    EXPECT_EQ(Filtre_Terme(U'-', 1, U"5"), Decision::Silence());
    EXPECT_EQ(Filtre_Terme(U',', 1, U"5"), Decision::Accepte(U'.'));
    EXPECT_EQ(Filtre_Terme(U'.', 3, U"5.2"), Decision::Silence());
}

TEST(Suites, Tirages_De_Chaque_Niveau) {
    for (uint64_t graine : {1u, 99u, 31337u}) {
        Hasard_Test hasard({}, graine);
        Sari::Sujet a;
        Sgeo::Sujet g;
        for (int i = 0; i < 200; ++i) {
            for (int niveau = 1; niveau <= 4; ++niveau) {
                a.Genere(niveau);
                const Suites::Enonce& ea = a.Question();
                ASSERT_GE(a.Raison(), 2);
                ASSERT_LE(a.Raison(), 21);
                if (niveau <= 2) { ASSERT_GE(std::stoi(ea.Indice2.indice), 1); }
                if (niveau == 3) { ASSERT_TRUE(ea.deux_termes); }
                // Every answer is a whole number.
                ASSERT_EQ(Normalise_Decimal(ea.attendu).find('.'), std::string::npos) << ea.attendu;

                g.Genere(niveau);
                const Suites::Enonce& eg = g.Question();
                const std::string attendu = Normalise_Decimal(eg.attendu);
                if (niveau == 3) {
                    const long double q = g.Raison();
                    ASSERT_NE(q, 1);
                    ASSERT_TRUE(q >= 0.1L && q <= 2.0L) << attendu;
                    ASSERT_LE(attendu.size(), 3u) << attendu;  // 0.1 to 2: one decimal at most
                    continue;
                }
                // The powers on reals land on the whole term or sum.
                const int64_t q = static_cast<int64_t>(g.Raison()), u1 = static_cast<int64_t>(g.U1());
                const int64_t k = std::stoll(eg.Indice2.indice);
                ASSERT_GE(k, 1);
                const int64_t exact = niveau == 4 ? (q * Terme_Entier(u1, q, k) - u1) / (q - 1) : Terme_Entier(u1, q, k);
                ASSERT_EQ(Entier(attendu), exact) << niveau << " " << eg.attendu;
                ASSERT_EQ(attendu, std::to_string(exact));
                if (niveau == 2) { ASSERT_NE(eg.Indice1.indice, "1"); }
            }
        }
    }
}
