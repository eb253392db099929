#include "topics/algebra/logic/Ec_sci.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "framework/logic/Commune.hpp"
#include "support/Hasard_Test.hpp"

using Ec_sci::Genre;
using Ec_sci::Sujet;

namespace {
Sujet Pose(int niveau, std::initializer_list<int32_t> tirages) {
    Hasard_Test hasard(tirages);
    Sujet s;
    s.Prepare(niveau);
    s.Genere(niveau);
    return s;
}
}  // namespace

TEST(Ec_sci, Puissances_De_Dix_Ecrites_Et_Relues) {
    EXPECT_EQ(Ec_sci::Dec(0), "1");
    EXPECT_EQ(Ec_sci::Dec(3), "1000");
    EXPECT_EQ(Ec_sci::Dec(-1), "0.1");
    EXPECT_EQ(Ec_sci::Dec(-3), "0.001");
    for (int e = -14; e <= 24; ++e) EXPECT_EQ(Ec_sci::Exposant_Lu(Commune::Groupe_Chiffres(Ec_sci::Dec(e))), e);
}

TEST(Ec_sci, Completer_Se_Compare_Exactement) {
    const Sujet s = Pose(3, {0, 11});
    ASSERT_EQ(s.Genre_Pose(), Genre::Completer);
    EXPECT_EQ(s.Exposant_Vu(), "-3");
    EXPECT_TRUE(s.Juge({"0.001"}).juste);
    EXPECT_FALSE(s.Juge({".001"}).juste);
    EXPECT_FALSE(s.Juge({"0.0010"}).juste);
    EXPECT_EQ(s.Juge({".001"}).correction, "0.001");
    EXPECT_EQ(s.Juge({".001"}).titre_faux, "Faux c'est : ");
    // With e = 1 the box must be filled all the same.
    const Sujet un = Pose(1, {0, 1});
    EXPECT_FALSE(un.Confirmable("", ""));
    EXPECT_TRUE(un.Confirmable("1", ""));
}

TEST(Ec_sci, Trouver_L_Exposant) {
    Sujet s = Pose(1, {1, 1});
    ASSERT_EQ(s.Genre_Pose(), Genre::Trouver_Exposant);
    EXPECT_EQ(s.Nombre(), "10");
    EXPECT_TRUE(s.Confirmable("", ""));
    EXPECT_TRUE(s.Juge({}).juste);
    s.Monte();
    EXPECT_EQ(s.Exposant_Vu(), "2");
    EXPECT_FALSE(s.Juge({}).juste);
    s.Descend();
    EXPECT_TRUE(s.Juge({}).juste);
    // 10^5: Confirm waits for a click.
    s = Pose(2, {1, 5});
    EXPECT_EQ(s.Nombre(), "100 000");
    EXPECT_FALSE(s.Confirmable("", ""));
    for (int i = 0; i < 4; ++i) s.Monte();
    EXPECT_TRUE(s.Confirmable("", ""));
    EXPECT_TRUE(s.Juge({}).juste);
    EXPECT_EQ(s.Correction_Unite() + "^" + s.Correction_Exposant(), "10^5");
    for (int i = 0; i < 200; ++i) s.Descend();
    EXPECT_EQ(s.Exposant_Vu(), "-99");
    for (int i = 0; i < 300; ++i) s.Monte();
    EXPECT_EQ(s.Exposant_Vu(), "99");
}

TEST(Ec_sci, Forme_Scientifique) {
    // Form 14: 345 / 10^4.
    Sujet s = Pose(4, {0, 14, 344});
    EXPECT_EQ(s.Nombre(), "0.034 5");
    EXPECT_EQ(s.Forme().mantisse, "3.45");
    EXPECT_EQ(s.Forme().exposant, -2);
    EXPECT_FALSE(s.Confirmable("", ""));
    for (int i = 0; i < 3; ++i) s.Descend();
    EXPECT_TRUE(s.Juge({"", "3.45"}).juste);
    EXPECT_FALSE(s.Juge({"", "3.450"}).juste);
    EXPECT_EQ(s.Juge({"", "3.4"}).correction, "3.45");
    // 10 / 10^12 is 10^-11, not 10 x 10^-12.
    s = Pose(4, {0, 20, 9});
    EXPECT_EQ(s.Nombre(), "0.000 000 000 01");
    EXPECT_EQ(s.Forme().mantisse, "1");
    EXPECT_EQ(s.Forme().exposant, -11);
}

// Every number of every form is written exactly, and its mantissa and
// exponent give it back.
TEST(Ec_sci, Formes_Exactes) {
    for (int64_t n : {1, 2, 10, 99, 100, 345, 1000, 1001})
        for (int k = -12; k <= 14; ++k) {
            const Ec_sci::Forme_Scientifique f = Ec_sci::Scientifique(n, k);
            const std::string m = Commune::Enleve_Espaces(f.mantisse);
            ASSERT_TRUE(m[0] >= '1' && m[0] <= '9') << n << " " << k;
            ASSERT_TRUE(m.size() == 1 || m[1] == '.') << m;
            std::string chiffres = m;
            chiffres.erase(std::remove(chiffres.begin(), chiffres.end(), '.'), chiffres.end());
            const int decimales = static_cast<int>(chiffres.size()) - 1;
            ASSERT_EQ(Ec_sci::Texte_Exact(std::stoll(chiffres), f.exposant - decimales), Ec_sci::Texte_Exact(n, k));
        }
    EXPECT_EQ(Ec_sci::Texte_Exact(1000, 14), "100000000000000000");
    EXPECT_EQ(Ec_sci::Texte_Exact(1, -12), "0.000000000001");
    EXPECT_EQ(Ec_sci::Texte_Exact(100, -10), "0.00000001");
}
