#include "topics/integer/logic/Zpuiss.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <map>
#include <set>

#include "Tirages.hpp"

namespace {
Zpuiss::Sujet Fixe(int niveau, int32_t a, int n, bool parentheses) {
    Zpuiss::Sujet s;
    s.Fixe(niveau, a, n, parentheses);
    return s;
}

Zpuiss::Sujet Pose(int niveau, std::deque<int32_t> script) {
    Tirages t(std::move(script));
    Zpuiss::Sujet s;
    s.Genere(niveau);
    return s;
}

// The exact power, in 64 bits, with the exponent on the absolute value when
// there is no bracket.
int64_t Puissance(int64_t a, int n, bool parentheses) {
    const int64_t base = parentheses ? a : std::abs(a);
    int64_t r = 1;
    for (int i = 0; i < n; ++i) {
        r *= base;
        if (std::abs(r) > (int64_t{1} << 40)) return r;  // far too big already
    }
    return parentheses || a >= 0 ? r : -r;
}
}  // namespace

TEST(Zpuiss, Niveau_1_Des_Puissances_Sans_Machine_Toujours_Entre_Parentheses) {
    // The exponents allowed for each base magnitude.
    const std::map<int, std::pair<int, int>> exposants = {
        {2, {2, 10}}, {3, {2, 5}}, {4, {2, 4}}, {5, {2, 4}}, {6, {2, 2}},
        {7, {2, 2}},  {8, {2, 2}}, {9, {2, 2}}, {10, {2, 9}}};
    Zpuiss::Sujet s;
    std::set<int> bases;
    Sur_Beaucoup_De_Tirages(s, 1, [&](const Zpuiss::Sujet& q) {
        ASSERT_TRUE(q.Parentheses());
        const auto it = exposants.find(std::abs(q.A()));
        ASSERT_NE(it, exposants.end()) << q.A();
        ASSERT_GE(q.N(), it->second.first) << q.A();
        ASSERT_LE(q.N(), it->second.second) << q.A();
        bases.insert(q.A());
        ASSERT_EQ(q.Consigne(), "Calculer (sans machine)");
    });
    EXPECT_EQ(bases.size(), 18u);  // ±2 .. ±10
}

TEST(Zpuiss, Niveaux_2_Et_3_Jamais_Zero_Puissance_Zero_Ni_Hors_De_32_Bits) {
    for (int niveau : {2, 3}) {
        Zpuiss::Sujet s;
        bool avec = false, sans = false, puissance_zero = false, zero = false;
        Sur_Beaucoup_De_Tirages(s, niveau, [&](const Zpuiss::Sujet& q) {
            ASSERT_FALSE(q.A() == 0 && q.N() == 0);
            ASSERT_GE(q.N(), 0);
            ASSERT_LE(q.N(), 256);
            ASSERT_LE(std::abs(q.A()), 9999);
            const int64_t exacte = Puissance(q.A(), q.N(), q.Parentheses());
            ASSERT_GE(exacte, std::numeric_limits<int32_t>::min()) << q.A() << "^" << q.N();
            ASSERT_LE(exacte, std::numeric_limits<int32_t>::max()) << q.A() << "^" << q.N();
            ASSERT_EQ(q.Resultat(), exacte) << q.A() << "^" << q.N();
            if (niveau == 2) {
                ASSERT_TRUE(q.Parentheses());
            }
            if (niveau == 2 && q.N() == 0 && std::abs(q.A()) >= 1000) puissance_zero = true;
            if (niveau == 3 && q.A() == 0 && q.N() > 5) zero = true;
            (q.Parentheses() ? avec : sans) = true;
            ASSERT_EQ(q.Consigne(), "Calculer");
        }, 40, 500);
        EXPECT_TRUE(avec);
        EXPECT_EQ(sans, niveau == 3);
        if (niveau == 2) {
            EXPECT_TRUE(puissance_zero);
        }
        if (niveau == 3) {
            EXPECT_TRUE(zero);
        }
    }
}

TEST(Zpuiss, Zero_Puissance_Zero_Est_Remplace_Selon_Le_Niveau) {
    // Case 3, base 0, exponent 0.
    const Zpuiss::Sujet n2 = Pose(2, {3, 0, 1, 0, 234, 1});
    EXPECT_EQ(n2.Cle(), "1234 0");
    EXPECT_EQ(n2.Attendu(), "1");
    EXPECT_EQ(n2.Base(), "(+1 234)");
    const Zpuiss::Sujet n3 = Pose(3, {3, 0, 1, 0, 255, 7});
    EXPECT_EQ(n3.Cle(), "0 256");
    EXPECT_EQ(n3.Attendu(), "0");
    EXPECT_TRUE(n3.Parentheses());
    EXPECT_EQ(n3.Base(), "(0)");
}

TEST(Zpuiss, Le_Plus_Grand_Resultat_Et_Sa_Correction_Groupee) {
    const Zpuiss::Sujet s = Pose(2, {1, 53, 0, 3});  // (-73)^5
    ASSERT_EQ(s.Cle(), "-73 5");
    EXPECT_EQ(s.Attendu(), "-2073071593");
    EXPECT_TRUE(s.Juge({"-2073071593"}).juste);
    EXPECT_FALSE(s.Juge({"-2 073 071 593"}).juste);
    EXPECT_EQ(s.Juge({"1"}).correction, "-2 073 071 593");
    EXPECT_EQ(s.Juge({"1"}).entete, "La bonne réponse est :");
    EXPECT_EQ(s.Base(), "(-73)");
    EXPECT_EQ(Fixe(2, 1290, 3, true).Attendu(), "2146689000");
    EXPECT_EQ(Fixe(2, -1290, 3, true).Base(), "(-1 290)");
}

TEST(Zpuiss, Sans_Parentheses_L_Exposant_Porte_Sur_La_Valeur_Absolue) {
    EXPECT_EQ(Fixe(3, -3, 2, false).Attendu(), "-9");
    EXPECT_EQ(Fixe(3, -3, 2, true).Attendu(), "9");
    EXPECT_EQ(Fixe(3, -2, 4, false).Attendu(), "-16");
    EXPECT_EQ(Fixe(3, -2, 3, false).Attendu(), "-8");
    EXPECT_EQ(Fixe(3, -7, 0, false).Attendu(), "-1");
    EXPECT_EQ(Fixe(3, 5, 3, false).Attendu(), "125");
    EXPECT_EQ(Fixe(3, -3, 2, false).Base(), "-3");
    EXPECT_EQ(Fixe(3, -123, 2, false).Base(), "-123");
    EXPECT_EQ(Fixe(3, -123, 2, true).Base(), "(-123)");
    EXPECT_EQ(Fixe(3, 0, 4, false).Attendu(), "0");
    EXPECT_EQ(Fixe(2, -9999, 0, true).Attendu(), "1");
}

TEST(Zpuiss, Juge_Le_Texte_Exact_Sans_Espaces) {
    const Zpuiss::Sujet s = Fixe(1, -2, 4, true);
    EXPECT_TRUE(s.Juge({"16"}).juste);
    EXPECT_TRUE(s.Juge({"+16"}).juste);
    EXPECT_FALSE(s.Juge({"016"}).juste);
    EXPECT_FALSE(s.Juge({"-16"}).juste);
    EXPECT_EQ(s.Points(), 15);
    const Zpuiss::Sujet m = Fixe(2, -100, 3, true);
    EXPECT_EQ(m.Juge({""}).correction, "-1 000 000");
}

TEST(Zpuiss, Filtre_Comme_La_Division) {
    const Zpuiss::Sujet s;
    using D = Exercice::Decision;
    EXPECT_EQ(s.Filtre(0, U'/', 0, U""), D::Accepte(U'/'));
    EXPECT_EQ(s.Filtre(0, U'/', 3, U"123"), D::Silence());
    EXPECT_EQ(s.Filtre(0, U'-', 1, U"1"), D::Silence());
    EXPECT_EQ(s.Filtre(0, U' ', 1, U"1"), D::Refus());
    EXPECT_EQ(s.Filtre(0, U'\b', 1, U"1"), D::Accepte(U'\b'));
}
