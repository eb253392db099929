#include "topics/natural/logic/Npuiss.hpp"

#include <gtest/gtest.h>

#include "topics/integer/logic/Tirages.hpp"

namespace {

Npuiss::Sujet Pose(int niveau, std::deque<int32_t> script) {
    Tirages t(std::move(script));
    Npuiss::Sujet s;
    s.Genere(niveau);
    return s;
}

}  // namespace

TEST(Npuiss, Calculer_Une_Puissance) {
    auto zero = Pose(1, {0, 16});  // 17 to the 0
    EXPECT_TRUE(zero.Juge({"1"}).juste);
    EXPECT_EQ(zero.Juge({"17"}).entete, "C'est ");
    EXPECT_EQ(zero.Juge({"17"}).correction, "1");
    EXPECT_TRUE(Pose(1, {7, 0}).Juge({"0"}).juste);  // 0 to the 3rd
    auto trois = Pose(1, {13, 0});  // 3 to the 4th
    EXPECT_EQ(trois.Juge({}).entete, "C'est 3x3x3x3 =");
    EXPECT_FALSE(trois.Juge({"081"}).juste);
    auto grand = Pose(2, {17, 429, 1});  // 459 to the 3rd
    EXPECT_TRUE(grand.Juge({"96702579"}).juste);
    EXPECT_EQ(grand.Juge({}).correction, "96 702 579");
}

TEST(Npuiss, Regles_Des_Exposants) {
    auto p = Pose(3, {1, 3, 1, 2});  // (5 to the 3rd) to the 4th
    EXPECT_EQ(p.Regle_Posee(), Npuiss::Regle::Puissance);
    EXPECT_TRUE(p.Juge({"5", "12"}).juste);
    EXPECT_FALSE(p.Juge({"5", "7"}).juste);
    EXPECT_EQ(p.Exposant_Detaille(), "3x4");
    auto q = Pose(3, {0, 0, 2, 3});  // 2 to the 4th x 2 to the 3rd
    EXPECT_EQ(q.Exposant_Attendu(), 7);
    EXPECT_EQ(q.Exposant_Detaille(), "4+3");
}

TEST(Npuiss, Ecrire_Sous_Forme_De_Puissance) {
    auto s = Pose(4, {0, 0, 4});  // 64
    ASSERT_EQ(s.Valeur(), 64);
    for (auto [b, e] : {std::pair{"2", "6"}, {"4", "3"}, {"8", "2"}}) EXPECT_TRUE(s.Juge({b, e}).juste) << b;
    EXPECT_FALSE(s.Juge({"4", "2"}).juste);
    EXPECT_FALSE(s.Juge({"99999999", "99"}).juste);  // far out of range: wrong, no overflow
    auto nul = Pose(4, {3, 0, 0});
    EXPECT_TRUE(nul.Juge({"0", "2"}).juste);
    EXPECT_TRUE(nul.Juge({"0", "7"}).juste);
    auto un = Pose(4, {3, 1, 0});
    EXPECT_TRUE(un.Juge({"1", "9"}).juste);
    EXPECT_TRUE(Pose(4, {6, 2}).Juge({"100", "2"}).juste);  // 10 000
}
