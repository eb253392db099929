// Multiples, divisors, primes and decomposition: the stated cases.
#include <gtest/gtest.h>

#include "topics/integer/logic/Tirages.hpp"
#include "topics/natural/logic/Divisibilite.hpp"

using namespace Divisibilite;

namespace {

template <class S>
S Pose(int niveau, std::deque<int32_t> script) {
    Tirages t(std::move(script));
    S s;
    s.Prepare(niveau);
    s.Genere(niveau);
    return s;
}

}  // namespace

TEST(Divisibilite, Multiples_Dans_L_Ordre) {
    auto s = Pose<Multiples>(1, {6});
    ASSERT_EQ(s.N(), 7);
    std::vector<std::string> r{"0", "7", "14", "21", "28", "35", "42", "49", "56", "63"};
    EXPECT_TRUE(s.Juge(r).juste);
    r[0] = "00";
    const auto v = s.Juge(r);
    EXPECT_FALSE(v.juste);
    EXPECT_EQ(v.titre_faux, "Faux c'est :");
    EXPECT_EQ(v.entete, "M(7) = {0, 7, 14, 21, 28,");
    EXPECT_EQ(v.correction, "35, 42, 49, 56, 63,...}");
    EXPECT_EQ(Pose<Multiples>(4, {499}).Juge({}).correction, "4 995, 5 994, 6 993, 7 992, 8 991,...}");
}

TEST(Divisibilite, Tous_Les_Diviseurs_Et_Des_Vides_A_La_Fin) {
    auto s = Pose<Diviseurs>(2, {30});
    ASSERT_EQ(s.N(), 36);
    std::vector<std::string> r{"1", "2", "3", "4", "6", "9", "12", "18", "36"};
    EXPECT_TRUE(s.Juge(r).juste);
    r.push_back("1");
    EXPECT_FALSE(s.Juge(r).juste);
    auto g = Pose<Diviseurs>(4, {372});
    ASSERT_EQ(g.N(), 672);
    EXPECT_EQ(g.Liste().size(), 24u);
    EXPECT_EQ(g.Juge({}).correction,
              "D(672)={1,2,3,4,6,7,8,12, 14,16,21,24,28,32,42,48, 56,84,96,112,168,224,336,672}");
    // Level 1 draws again until the number is divisible by 2, 3 or 5 and not prime.
    EXPECT_EQ(Pose<Diviseurs>(1, {1, 2}).N(), 8);
    Diviseurs d;
    Sur_Beaucoup_De_Tirages(d, 4, [](const Diviseurs& q) { ASSERT_LE(q.Liste().size(), 24u); });
}

TEST(Divisibilite, Premier_Ou_Pas) {
    auto un = Pose<Premier>(1, {0});  // 1 counts as prime
    EXPECT_TRUE(un.Juge({"", Premier::Oui}).juste);
    EXPECT_EQ(un.Juge({"", Premier::Non}).entete, "1 est premier");

    auto p = Pose<Premier>(1, {12});  // 13
    EXPECT_EQ(p.Refuse({"13"}), "Le diviseur doit être différent de 1 ou du nombre lui-même  !");
    EXPECT_EQ(p.Refuse({"1"}), "Le diviseur doit être différent de 1 ou du nombre lui-même  !");
    EXPECT_EQ(p.Refuse({"0"}), "Il est impossible de diviser par 0 !");
    auto d = Pose<Premier>(1, {11});  // 12
    EXPECT_EQ(d.Refuse({"4"}), "Le diviseur doit être premier !");
    EXPECT_EQ(d.Refuse({"3"}), "");
    EXPECT_TRUE(d.Juge({"3", Premier::Non}).juste);
    EXPECT_FALSE(d.Juge({"", Premier::Oui}).juste);
    EXPECT_EQ(d.Juge({"", Premier::Oui}).correction, "12 est divisible par 2, ...");

    auto q = Pose<Premier>(2, {10});  // 91 = 7 x 13
    const auto v = q.Juge({"3", Premier::Non});
    EXPECT_FALSE(v.juste);
    EXPECT_EQ(v.entete, "91 n'est pas premier.");
    EXPECT_EQ(v.correction, "Il n'est pas divisible par 3 mais par 7,...");
    // Level 4: odd, not ending in 5.
    Premier s;
    Sur_Beaucoup_De_Tirages(s, 4, [](const Premier& x) { ASSERT_TRUE(x.N() % 2 == 1 && x.N() % 5 != 0 && x.N() <= 1001); });
}

TEST(Divisibilite, Decomposition_En_Facteurs_Premiers) {
    auto p = Pose<Decomposition>(2, {0, 95});  // 97
    ASSERT_EQ(p.N(), 97);
    EXPECT_TRUE(p.Juge({"97", "", "", "", "", "1", "1", "1", "1", "1"}).juste);
    EXPECT_FALSE(p.Juge({"97", "", "", "", "", "2", "1", "1", "1", "1"}).juste);
    EXPECT_EQ(p.Ligne_Facteurs(), "  97 =    97  (nombre premier)");

    auto s = Pose<Decomposition>(1, {0, 70});  // 72
    ASSERT_EQ(s.N(), 72);
    EXPECT_TRUE(s.Juge({"2", "3", "", "", "", "3", "2", "1", "1", "1"}).juste);
    EXPECT_TRUE(s.Juge({"02", "3", "", "", "", "3", "2", "1", "1", "1"}).juste);
    EXPECT_FALSE(s.Juge({"2", "3", "", "", "", "3", "2", "2", "1", "1"}).juste);

    auto g = Pose<Decomposition>(3, {0, 260});  // 360 = 2^3 x 3^2 x 5
    EXPECT_EQ(g.Ligne_Facteurs(), " 360 =     2 x    3 x    5");
    EXPECT_EQ(g.Ligne_Exposants(), std::string(7, ' ') + "        3" + "        2" + std::string(9, ' '));
    EXPECT_EQ(g.Juge({}).titre_faux, "Faux c'est :");

    // The shapes of level 4: products of small numbers, shifted; never more than five factors.
    Decomposition d;
    Sur_Beaucoup_De_Tirages(d, 4, [](const Decomposition& x) {
        ASSERT_GE(x.N(), 1040);
        int64_t produit = 1;
        for (int k = 0; k < Decomposition::Cases; ++k)
            for (int e = 0; e < x.Exposants()[k]; ++e) produit *= x.Facteurs()[k];
        ASSERT_EQ(produit, x.N());
    });
}

TEST(Divisibilite, Table_Des_Nombres_Premiers) {
    const auto t = Table_Premiers();
    ASSERT_EQ(t.size(), 67u);
    EXPECT_EQ(t.front(), "    1    2    3    5    7   11   13   17   19   23");
    EXPECT_EQ(t.back().substr(t.back().size() - 5), " 4999");
}
