#include "games/logic/Demineur.hpp"

#include <gtest/gtest.h>

#include <set>

#include "support/Hasard_Test.hpp"

using namespace Demineur;

TEST(Demineur, Diviseurs) {
    EXPECT_EQ(Pgcd2(12, 18), 6);
    EXPECT_EQ(Pgcd2(7, 7), 7);
    EXPECT_EQ(Pgcd2(1, 9), 1);
    EXPECT_EQ(Plus_Petit_Diviseur(12, 18), 2);
    EXPECT_EQ(Plus_Petit_Diviseur(21, 35), 7);
    EXPECT_EQ(Plus_Petit_Diviseur(7, 7), 7);
    EXPECT_EQ(Plus_Petit_Diviseur(5, 8), 1);
    EXPECT_EQ(Plus_Petit_Diviseur(1, 1), 1);
    EXPECT_EQ(Plus_Petit_Diviseur(0, 1), 1);
    EXPECT_EQ(Plus_Petit_Diviseur(0, 6), 2);
}

TEST(Demineur, Chaque_Chemin_De_La_Table) {
    std::set<std::string_view> vus;
    for (std::string_view s : Chemins_Demineur()) {
        SCOPED_TRACE(std::string(s));
        EXPECT_TRUE(vus.insert(s).second);
        ASSERT_GE(s.size(), 24u);
        ASSERT_LE(s.size(), 56u);
        ASSERT_EQ(s.size() % 4, 0u);
        ASSERT_EQ(s.find_first_not_of("0123456789"), std::string_view::npos);
        const auto cells = Cellules(s);
        EXPECT_EQ(cells.front().second, 6);
        EXPECT_EQ(cells.back().second, 1);
        std::set<std::pair<int, int>> pris;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const auto [c, r] = cells[i];
            EXPECT_TRUE(c >= 1 && c <= 10 && r >= 1 && r <= 6);
            EXPECT_TRUE(pris.insert(cells[i]).second) << "case reprise";
            if (i == 0) continue;
            const auto [pc, pr] = cells[i - 1];
            const bool cote = r == pr && (c == pc - 1 || c == pc + 1);
            EXPECT_TRUE(cote || (c == pc && r == pr - 1)) << "pas " << i;
        }
    }
}

TEST(Demineur, Champs_De_Chaque_Niveau) {
    const uint16_t Plafonds[] = {5, 11, 13};
    for (int niveau = 1; niveau <= 4; ++niveau)
        for (uint64_t graine = 1; graine <= 40; ++graine) {
            Hasard_Test hasard({}, graine);
            Champ champ;
            champ.Genere(niveau);
            const uint16_t b = Borne(niveau);
            for (int r = 1; r <= Rangees; ++r)
                for (int c = 1; c <= Colonnes; ++c) {
                    const Case& k = champ.At(c, r);
                    EXPECT_EQ(k.active, r == 6);
                    EXPECT_TRUE(k.numer >= 1 && k.numer <= b && k.deno >= 2 && k.deno <= b);
                    if (k.chemin) {
                        EXPECT_EQ(Pgcd2(k.numer, k.deno), 1);
                        continue;
                    }
                    EXPECT_NE(k.numer, 1);  // 1/b is never a mine
                    EXPECT_GE(Plus_Petit_Diviseur(k.numer, k.deno), niveau >= 3 ? 3 : 2);
                    if (niveau < 4) {
                        EXPECT_LE(Pgcd2(k.numer, k.deno), Plafonds[niveau - 1]);
                    }
                }
        }
    EXPECT_TRUE(Mine_Du_Niveau(7, 7, 2));
    EXPECT_FALSE(Mine_Du_Niveau(12, 7, 4));
    EXPECT_FALSE(Mine_Du_Niveau(4, 6, 3));  // both even
    EXPECT_FALSE(Mine_Du_Niveau(14, 21, 1));  // by 7, beyond 5
}

namespace {
// A level-1 field crossed by "0106020602050105010401030102020203020301".
Champ Champ_Connu() {
    Champ champ;
    for (uint64_t graine = 1; graine < 100000; ++graine) {
        Hasard_Test hasard({}, graine);
        champ.Genere(1);
        if (champ.Chemin() == "0106020602050105010401030102020203020301") return champ;
    }
    ADD_FAILURE() << "chemin jamais tiré";
    return champ;
}
}  // namespace

TEST(Demineur, Pas_A_Gauche_A_Droite_Et_En_Haut) {
    Champ champ = Champ_Connu();
    auto actives = [&champ] {
        std::set<std::pair<int, int>> a;
        for (int r = 1; r <= Rangees; ++r)
            for (int c = 1; c <= Colonnes; ++c)
                if (champ.At(c, r).active) a.emplace(c, r);
        return a;
    };
    EXPECT_EQ(champ.Joue(3, 5), Issue::Ignore);  // not the bottom row
    ASSERT_EQ(champ.Joue(1, 6), Issue::Pas);
    EXPECT_EQ(actives(), (std::set<std::pair<int, int>>{{1, 6}, {2, 6}, {1, 5}}));
    EXPECT_EQ(champ.Joue(1, 6), Issue::Ignore);  // played
    ASSERT_EQ(champ.Joue(2, 6), Issue::Pas);
    EXPECT_EQ(actives(), (std::set<std::pair<int, int>>{{1, 6}, {2, 6}, {3, 6}, {2, 5}}));  // never down, never back
    ASSERT_EQ(champ.Joue(2, 5), Issue::Pas);
    ASSERT_EQ(champ.Joue(1, 5), Issue::Pas);  // column 1: right is played, so only up
    EXPECT_EQ(actives(), (std::set<std::pair<int, int>>{{1, 6}, {2, 6}, {2, 5}, {1, 5}, {1, 4}}));
    for (auto [c, r] : std::vector<std::pair<int, int>>{{1, 4}, {1, 3}, {1, 2}, {2, 2}, {3, 2}})
        ASSERT_EQ(champ.Joue(c, r), Issue::Pas) << c << r;
    EXPECT_EQ(champ.Joue(3, 1), Issue::Arrivee);
    EXPECT_TRUE(champ.Fini());
    EXPECT_EQ(champ.Joue(2, 1), Issue::Ignore);
}

TEST(Demineur, Une_Mine_Finit_Et_Le_Chemin_Se_Montre) {
    Champ champ = Champ_Connu();
    ASSERT_EQ(champ.Joue(10, 6), Issue::Mine);  // off the path
    EXPECT_TRUE(champ.Fini());
    for (int c = 1; c <= 9; ++c) EXPECT_FALSE(champ.At(c, 6).active);
    champ.Montre_Chemin();
    for (auto [c, r] : Cellules(champ.Chemin())) EXPECT_TRUE(champ.At(c, r).active);
    EXPECT_EQ(champ.Joue(1, 6), Issue::Ignore);
}
