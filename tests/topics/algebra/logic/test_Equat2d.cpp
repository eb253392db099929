#include "topics/algebra/logic/Equat2d.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "framework/logic/Commune.hpp"
#include "support/Hasard_Test.hpp"

using Equat2d::Equation;

namespace {

struct Equat2d_Graine : ::testing::TestWithParam<uint64_t> {
    Hasard_Test hasard{std::initializer_list<int32_t>{}, GetParam()};
};

// ag x² + bg x + cg = 0 at a level (level 1: `carres` says which kind).
Equation Gauche(int niveau, int32_t ag, int32_t bg, int32_t cg, bool carres = false) {
    Equation e;
    e.niveau = niveau;
    e.carres = carres;
    e.ag = ag;
    e.bg = bg;
    e.cg = cg;
    return e;
}

// The text a worked root line reads: its fraction (n/d) when shown, then Lx.
std::string Lu(const Equat2d::Ligne_Racine& r) {
    return (r.fraction ? r.numer + "/" + r.deno + " " : std::string()) + r.texte + " @" + std::to_string(r.gauche);
}

}  // namespace

TEST_P(Equat2d_Graine, Tirages_De_Chaque_Niveau) {
    for (int i = 0; i < 2000; ++i) {
        const Equation e1 = Equat2d::Tire(1);
        if (e1.carres) {
            ASSERT_TRUE(Equat2d::Est_Carre(e1.A()));
            ASSERT_EQ(e1.B(), 0);
            ASSERT_TRUE(Equat2d::Est_Carre(-e1.C()));
        } else {
            ASSERT_NE(e1.A(), 0);
            ASSERT_NE(e1.B(), 0);
            ASSERT_EQ(e1.C(), 0);
        }
        for (int32_t v : {e1.ag, e1.bg, e1.cg, e1.ad, e1.bd, e1.cd}) ASSERT_LE(std::abs(v), 50);

        // Level 2: two non-zero integer roots, found in either order.
        Equat2d::Sujet s2;
        s2.Genere(2);
        const Equation& e2 = s2.Question();
        const Equat2d::Solution& r2 = s2.Resolue();
        ASSERT_NE(e2.ag, 0);
        ASSERT_NE(e2.cg, 0);
        for (long double x : {r2.x1, r2.x2}) {
            ASSERT_NE(x, 0);
            ASSERT_EQ(x, std::round(x));
            ASSERT_LE(std::fabs(x), 10);
        }
        ASSERT_TRUE(s2.Juge({s2.Attendu2(), s2.Attendu1()}).juste);

        ASSERT_NE(Equat2d::Tire(3).A(), 0);
        ASSERT_NE(Equat2d::Tire(4).A(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Graines, Equat2d_Graine, ::testing::Values(1u, 17u, 2026u));

TEST(Equat2d, Niveau1_Solutions_Detaillees) {
    // 4x² - 9 = 0.
    const Equat2d::Solution carres = Equat2d::Resout(Gauche(1, 4, 0, -9, true));
    EXPECT_EQ(carres.LRep0, "4 x² - 9 = 0     soit    (2 x + 3)(2 x - 3) = 0");
    EXPECT_EQ(Lu(carres.racines[0]), "-3/2 = -1.5 @70");
    EXPECT_EQ(Lu(carres.racines[1]), "3/2 = 1.5 @334");
    EXPECT_EQ(carres.LRep1, "équation se ramenant au 1 er degré");
    EXPECT_FALSE(carres.discriminant);

    const Equat2d::Solution seize = Equat2d::Resout(Gauche(1, 1, 0, -16, true));
    EXPECT_EQ(Lu(seize.racines[0]), "-4 @40");
    EXPECT_EQ(Lu(seize.racines[1]), "4 @312");

    // 6x² - 4x = 0: 2 x (3 x - 2) = 0.
    const Equat2d::Solution facteur = Equat2d::Resout(Gauche(1, 6, -4, 0));
    EXPECT_EQ(facteur.LRep0, "6x² -4 x = 0    soit    2 x (3 x -2) = 0");
    EXPECT_EQ(Lu(facteur.racines[0]), "0 @40");
    EXPECT_EQ(Lu(facteur.racines[1]), "2/3 = 0.666 7 = 0.67 @344");
    // -2x² + 6x = 0: -2 x (x -3) = 0; A/d is -1, not 1, so the fraction stays.
    const Equat2d::Solution moins = Equat2d::Resout(Gauche(1, -2, 6, 0));
    EXPECT_EQ(moins.LRep0, "-2x² +6 x = 0    soit    -2 x ( x -3) = 0");
    EXPECT_EQ(Lu(moins.racines[1]), "3/1 = 3 @344");
    // 40x² - 7x = 0: the half at the third decimal rounds up (0.175 -> 0.18).
    EXPECT_EQ(Equat2d::Resout(Gauche(1, 40, -7, 0)).x2_2, "0.18");
}

TEST(Equat2d, Discriminant) {
    // x² + x - 1 = 0 at level 4.
    const Equat2d::Solution s = Equat2d::Resout(Gauche(4, 1, 1, -1));
    EXPECT_EQ(s.Ldelta, "= 1²  -4 x 1 x (-1) = 5");
    EXPECT_EQ(s.LRacDelta, "= 2.236 07");
    EXPECT_EQ(s.LRep0, " x² + x -1 = 0");
    EXPECT_EQ(s.Labc, "a = 1        b = 1        c = -1");
    EXPECT_EQ(Lu(s.racines[0]), "-1 - 2.236 07/2 x 1 = -1.618 = -1.62 @152");
    EXPECT_EQ(Lu(s.racines[1]), "-1 + 2.236 07/2 x 1 = 0.618 = 0.62 @425");
    EXPECT_EQ(Commune::Normalise_Decimal(s.x2_2), "0.62");
    // -3x² + 4x - 2 = 0 has no real root.
    const Equat2d::Solution sans = Equat2d::Resout(Gauche(3, -3, 4, -2));
    EXPECT_EQ(sans.Ldelta, "= 4²  -4 x (-3) x (-2) = -8");
    EXPECT_EQ(sans.LRacDelta, "= /");
    EXPECT_EQ(Lu(sans.racines[0]), " / @40");
    EXPECT_EQ(sans.LRep0, "");
}

TEST(Equat2d, Membres_Affiches) {
    // 0x² + 0x + 0 = 3 + 0x + 2x²: the left member shows its 0, no sign in front.
    Equation e;
    e.cd = 3;
    e.ad = 2;
    Equat2d::Affichage a = Equat2d::Affiche(e);
    EXPECT_EQ(a.L_Cg, (Equat2d::Etiquette{"0", true}));
    EXPECT_FALSE(a.Unite1.visible || a.L_Bg.visible);
    EXPECT_EQ(a.L_Cd, (Equat2d::Etiquette{"3", true}));
    EXPECT_EQ(a.Unite2, (Equat2d::Etiquette{"+2x", true}));
    // -x² + x = -x: a sign only after a shown term.
    e = Equation{};
    e.ag = -1;
    e.bg = 1;
    e.bd = -1;
    a = Equat2d::Affiche(e);
    EXPECT_EQ(a.Unite1, (Equat2d::Etiquette{"-x", true}));
    EXPECT_EQ(a.L_Bg, (Equat2d::Etiquette{"+x", true}));
    EXPECT_FALSE(a.L_Cg.visible || a.L_Cd.visible || a.Unite2.visible);
    EXPECT_EQ(a.L_Bd, (Equat2d::Etiquette{"-x", true}));
}

TEST(Equat2d, Refus_Et_Lecture_Des_Reponses) {
    // Level 3, -3x² + 4x - 2 = 0: no real root (draws 0, 14, 15).
    Hasard_Test hasard{0, 14, 15};
    Equat2d::Sujet sujet;
    sujet.Genere(3);
    ASSERT_EQ(sujet.Attendu1(), "/");
    EXPECT_TRUE(sujet.Juge({"/", "/"}).juste);
    EXPECT_EQ(sujet.Refuse({"/", "2"}), "Taper    /    POUR  x1  ET  POUR  x2");
    EXPECT_EQ(sujet.Refuse({"/", "/"}), "");
    EXPECT_EQ(sujet.Refuse({"1", "2"}), "");
    // 2x² - 3x = 0 at level 1 (common factor): 0 and 1.5.
    hasard.script->Ajoute({2, 52, 50, 47, 50, 50});
    sujet.Genere(1);
    EXPECT_TRUE(sujet.Juge({"1,50", "0"}).juste);
    EXPECT_TRUE(sujet.Juge({"0", "+1.5"}).juste);
    EXPECT_FALSE(sujet.Juge({"1.5", "1.5"}).juste);
    EXPECT_EQ(sujet.Juge({"1", "1"}).titre_faux, "Faux");
    EXPECT_EQ(sujet.Filtre(0, U'I', 0, U""), Exercice::Decision::Refus());
    EXPECT_EQ(sujet.Filtre(1, U',', 1, U"1"), Exercice::Decision::Accepte(U'.'));
}
