// The four decimal operations: the stated cases, and the draws of every level.
#include "topics/decimal/logic/Operations.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "support/Hasard_Test.hpp"

using Operations::Operation;

namespace {
Operations::Sujet Question(Operation op, int niveau, long double a, long double b) {
    Operations::Sujet s(op);
    s.Pose(niveau, a, b);
    return s;
}
bool Juste(const Operations::Sujet& s, const std::string& reponse) { return s.Juge({reponse}).juste; }

// Whether x is a whole number of units of `pas` (0.1, 0.01, ...).
bool Multiple(long double x, long double pas) {
    const long double q = x / pas;
    return std::fabs(q - std::round(q)) < 1e-6L;
}

// Calls f after each of many draws at the level.
template <class F>
void Tirages(Operation op, int niveau, F f) {
    for (uint64_t graine = 1; graine <= 20; ++graine) {
        Hasard_Test hasard({}, graine * 7919u);
        Operations::Sujet s(op);
        for (int i = 0; i < 200; ++i) {
            s.Genere(niveau);
            f(s);
        }
    }
}
}  // namespace

TEST(Operations, Cas_Des_Enonces) {
    const auto add = Question(Operation::Addition, 3, 2.75L, 1.5L);
    for (const char* r : {"4.25", "4,25", "4.250", "04.25"}) EXPECT_TRUE(Juste(add, r)) << r;
    EXPECT_FALSE(Juste(add, "4.2"));

    const auto sous = Question(Operation::Soustraction, 4, 3.2L, 7.5L);
    EXPECT_TRUE(Juste(sous, "-4.3"));
    EXPECT_FALSE(Juste(sous, "4.3"));
    EXPECT_EQ(sous.Juge({"0"}).correction, "-4.3");

    const auto mul = Question(Operation::Multiplication, 1, 3.47L, 0.001L);
    EXPECT_TRUE(Juste(mul, "0.00347"));
    EXPECT_FALSE(Juste(mul, "0.0347"));
    EXPECT_EQ(mul.Correction(), "0.00347");
    EXPECT_EQ(mul.Texte_B(), "0.001");

    const auto neg = Question(Operation::Multiplication, 4, -2.35L, -0.3L);
    EXPECT_EQ(neg.Texte_A(), "-2.35");
    EXPECT_EQ(neg.Texte_B(), "(-0.3)");
    EXPECT_TRUE(Juste(neg, "0.705"));

    const auto div = Question(Operation::Division, 2, 23.4L, 9);
    EXPECT_TRUE(Juste(div, "2.6"));
    EXPECT_EQ(Question(Operation::Division, 3, 1234.5L, 25).Texte_A(), "1 234.5");
    EXPECT_EQ(Question(Operation::Addition, 2, 1234.5L, 1).Texte_A(), "1234.5");  // grouped in division only

    // An entry without a digit counts as 0.
    EXPECT_TRUE(Juste(Question(Operation::Soustraction, 1, 2.5L, 2.5L), "."));

    // "-" beeps in addition only; elsewhere it goes in at the front.
    EXPECT_EQ(add.Filtre(0, U'-', 0, U"").genre, Exercice::Decision::Bip);
    EXPECT_EQ(sous.Filtre(0, U'-', 0, U"4").genre, Exercice::Decision::Passe);
    EXPECT_EQ(sous.Filtre(0, U',', 1, U"4").caractere, U'.');
}

TEST(Operations, Tirages_Des_Additions_Et_Soustractions) {
    Tirages(Operation::Addition, 1, [](const Operations::Sujet& s) {
        // One whole number 1..90 and one tenth-decimal 0.1..10.
        const auto entier = [](long double x) { return Multiple(x, 1) && x >= 1 && x <= 90; };
        const auto dixiemes = [](long double x) { return Multiple(x, 0.1L) && x >= 0.1L - 1e-9L && x <= 10 + 1e-9L; };
        ASSERT_TRUE((entier(s.A()) && dixiemes(s.B())) || (entier(s.B()) && dixiemes(s.A())));
    });
    Tirages(Operation::Addition, 3, [](const Operations::Sujet& s) {
        ASSERT_TRUE(Multiple(s.A(), 0.25L) && Multiple(s.B(), 0.25L));
        ASSERT_GE(s.A(), 0.25L);
        ASSERT_LE(s.B(), 9.75L);
    });
    for (int niveau = 1; niveau <= 3; ++niveau)
        Tirages(Operation::Soustraction, niveau, [](const Operations::Sujet& s) { ASSERT_GE(s.Resultat(), 0); });
    bool negatif = false;
    Tirages(Operation::Soustraction, 4, [&](const Operations::Sujet& s) { negatif |= s.Resultat() < 0; });
    EXPECT_TRUE(negatif);
}

TEST(Operations, Tirages_Des_Produits_Et_Quotients) {
    Tirages(Operation::Multiplication, 1, [](const Operations::Sujet& s) {
        const long double b = s.B();
        ASSERT_TRUE(b == 0.1L || b == 0.01L || b == 0.001L || b == 10 || b == 100 || b == 1000);
        ASSERT_TRUE(Multiple(s.A(), 0.01L) && s.A() >= 0.1L && s.A() <= 10.1L + 1e-9L);
    });
    bool deux_negatifs = false;
    Tirages(Operation::Multiplication, 4, [&](const Operations::Sujet& s) {
        ASSERT_TRUE(Multiple(s.B(), 0.01L) && std::fabs(s.B()) <= 0.9L + 1e-9L && s.B() != 0);
        deux_negatifs |= s.A() < 0 && s.B() < 0;
    });
    EXPECT_TRUE(deux_negatifs);
    // The quotients are exact: 2 decimals at level 2, 1 at levels 3 and 4.
    const long double pas[] = {0, 0.00001L, 0.01L, 0.1L, 0.1L};
    for (int niveau = 1; niveau <= 4; ++niveau)
        Tirages(Operation::Division, niveau, [&](const Operations::Sujet& s) {
            ASSERT_NE(s.B(), 0);
            ASSERT_TRUE(Multiple(s.Resultat(), pas[niveau])) << niveau << " " << static_cast<double>(s.Resultat());
            // The correction's decimals hold the whole quotient.
            ASSERT_TRUE(Juste(s, s.Correction())) << niveau << " " << s.Correction();
        });
}

TEST(Operations, Ordre_Des_Tirages) {
    {
        // Addition level 1 with R2 = 1: b (the whole number) is drawn before a.
        Hasard_Test hasard{1, 41, 25};
        Operations::Sujet s(Operation::Addition);
        s.Genere(1);
        EXPECT_EQ(s.B(), 42);
        EXPECT_EQ(s.Texte_A(), "2.6");
    }
    {
        // Division level 2: the divisor first, then the quotient.
        Hasard_Test hasard{8, 255};
        Operations::Sujet s(Operation::Division);
        s.Genere(2);
        EXPECT_EQ(s.B(), 9);
        EXPECT_EQ(s.Texte_A(), "23.4");
        EXPECT_EQ(s.Correction(), "2.6");
    }
}
