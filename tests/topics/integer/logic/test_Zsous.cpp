#include "topics/integer/logic/Zsous.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "Tirages.hpp"
#include "framework/logic/Commune.hpp"

namespace {

void Verifie_Operandes(int niveau, int bas, int haut, int plancher) {
    Zsous::Sujet s;
    std::set<int> vus;
    Sur_Beaucoup_De_Tirages(s, niveau, [&](const Zsous::Sujet& q) {
        for (int x : {q.A(), q.B()}) {
            ASSERT_GE(x, bas);
            ASSERT_LE(x, haut);
            ASSERT_GE(std::abs(x), plancher) << x;
            vus.insert(x);
        }
    });
    // Every allowed value turns up: nothing is left out by the redraws.
    int attendus = 0;
    for (int x = bas; x <= haut; ++x) attendus += std::abs(x) >= plancher;
    EXPECT_EQ(static_cast<int>(vus.size()), attendus);
}

Zsous::Sujet Pose(int niveau, std::deque<int32_t> script) {
    Tirages t(std::move(script));
    Zsous::Sujet s;
    s.Genere(niveau);
    return s;
}

}  // namespace

TEST(Zsous, Les_Operandes_Restent_Dans_Leur_Plage_A_Chaque_Niveau) {
    Verifie_Operandes(1, -7, 7, 1);
    Verifie_Operandes(2, -50, 49, 16);
    Verifie_Operandes(3, -150, 149, 41);
}

TEST(Zsous, Un_Operande_Refuse_Est_Tire_Seul_A_Nouveau) {
    // Level 1: 7 gives 0 and is drawn again; a then b.
    const Zsous::Sujet s = Pose(1, {7, 12, 3});
    EXPECT_EQ(s.A(), 5);
    EXPECT_EQ(s.B(), -4);
    EXPECT_EQ(s.Cle(), "5 -4");
}

TEST(Zsous, Juge_Le_Texte_Exact_De_La_Difference) {
    const Zsous::Sujet s = Pose(1, {12, 5});  // 5 - (-2)
    EXPECT_TRUE(s.Juge({"7"}).juste);
    EXPECT_TRUE(s.Juge({"+7"}).juste);
    EXPECT_FALSE(s.Juge({"07"}).juste);
    EXPECT_FALSE(s.Juge({"-7"}).juste);
    EXPECT_FALSE(s.Juge({""}).juste);
    const Zsous::Sujet nul = Pose(1, {10, 10});  // 3 - 3
    EXPECT_TRUE(nul.Juge({"-0"}).juste);
    EXPECT_TRUE(nul.Juge({"0"}).juste);
}

TEST(Zsous, La_Correction_Porte_Le_Signe_Au_Niveau_1_Seulement) {
    const Exercice::Verdict v1 = Pose(1, {14, 0}).Juge({"1"});  // 7 - (-7)
    EXPECT_EQ(v1.correction, "(+14)");
    EXPECT_EQ(v1.entete, "La bonne réponse est :");
    EXPECT_EQ(Pose(1, {0, 14}).Juge({"1"}).correction, "(-14)");
    EXPECT_EQ(Pose(2, {99, 0}).Juge({"1"}).correction, "99");          // 49 - (-50)
    EXPECT_EQ(Pose(3, {0, 299}).Juge({"1"}).correction, "-299");       // -150 - 149
}
