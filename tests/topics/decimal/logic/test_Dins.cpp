// Inserting numbers between two decimals: the verdicts and examples.
#include "topics/decimal/logic/Dins.hpp"

#include <gtest/gtest.h>

#include "support/Hasard_Test.hpp"
#include "topics/decimal/logic/Decimaux.hpp"

namespace {
Dins::Sujet Question(int niveau, int a, int b) {
    Dins::Sujet s;
    s.Pose(niveau, a, b);
    return s;
}
}  // namespace

TEST(Dins, Verdicts_Entre_2_5_Et_3_7) {
    const Dins::Sujet s = Question(1, 25, 37);
    EXPECT_TRUE(s.Juge({"2.6", "3", "3.69"}).juste);
    const auto repete = s.Juge({"2.6", "2.6", "3"});
    EXPECT_FALSE(repete.juste);
    EXPECT_EQ(repete.legende_faux, "Les nombres doivent tous être différents !");
    EXPECT_EQ(repete.titre_faux, "C'est faux !");
    const auto hors = s.Juge({"2.6", "3.8", "3"});
    EXPECT_EQ(hors.legende_faux, "1 erreur");
    EXPECT_EQ(hors.marquees, std::vector<int>{1});
    EXPECT_EQ(s.Juge({"2.6", "3.7", "3"}).legende_faux, "Les nombres doivent tous être différents !");
    EXPECT_EQ(s.Juge({"2.5", "9", "-"}).legende_faux, "3 erreurs");
    // By value: ".5"-like writings of one number are one number.
    EXPECT_FALSE(s.Juge({"2.6", "02.6", "3"}).juste);
    EXPECT_EQ(s.Exemples1(), "Ex :  2.6, 2.7, 2.8");
}

TEST(Dins, Un_Texte_Sans_Chiffre_N_Est_Pas_Zero) {
    const Dins::Sujet s = Question(4, -5, 3);
    EXPECT_EQ(s.Juge({"-0.4", "0", "0.1", "0.2", "-0.1", "-0.2", "-0.3", "0.01", "0.02", "0.03", "0.04", "0.05", "."})
                  .marquees,
              std::vector<int>{12});
}

TEST(Dins, Pas_Des_Exemples_Sur_Les_Dixiemes_Exacts) {
    EXPECT_EQ(Question(2, 40, 45).Exemples1(), "Ex : 4.05, 4.1, 4.15, 4.2, 4.25, 4.3, 4.35, 4.4");
    // 0.4 to 1.2 is 0.8 exactly: cut in tenths of it, the last example stays inside.
    EXPECT_EQ(Question(2, 4, 12).Exemples().back(), "1.04");
    const Dins::Sujet s = Question(3, 100, 113);
    EXPECT_EQ(s.Exemples1(), "Ex : 10.065, 10.13, 10.195, 10.26, 10.325");
    EXPECT_EQ(s.Exemples3(), " 10.715, 10.78, 10.845");
    EXPECT_EQ(Question(3, 100, 121).Exemples3(), " 11.1, 11.2, 11.3");
    EXPECT_EQ(Question(2, 40, 45).Exemples2(), "");
    // The examples are a right answer at every level.
    for (int niveau = 1; niveau <= 4; ++niveau)
        for (uint64_t graine = 1; graine <= 30; ++graine) {
            Hasard_Test hasard({}, graine * 31u);
            Dins::Sujet q;
            q.Genere(niveau);
            ASSERT_GT(q.B(), q.A());
            ASSERT_TRUE(q.Juge(q.Exemples()).juste) << q.Enonce();
        }
}
