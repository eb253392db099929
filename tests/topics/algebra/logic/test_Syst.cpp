#include "topics/algebra/logic/Syst.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/Hasard_Test.hpp"

using Syst::Systeme;

namespace {

struct Syst_Graine : ::testing::TestWithParam<uint64_t> {
    Hasard_Test hasard{std::initializer_list<int32_t>{}, GetParam()};
};

// A system of level 1 or 2: a1 x + b1 y = c1, a2 x + b2 y = c2.
Systeme Simple(int niveau, int32_t a1, int32_t b1, int32_t c1, int32_t a2, int32_t b2, int32_t c2) {
    Systeme s;
    s.niveau = niveau;
    s.M1g() = {a1, b1};
    s.M1d() = {c1};
    s.M2g() = {a2, b2};
    s.M2d() = {c2};
    return s;
}

std::string Methode(const Systeme& s) { return Syst::Methode(s, Syst::Resout(Syst::Reduit_De(s))); }

}  // namespace

TEST_P(Syst_Graine, Tirages_De_Chaque_Niveau) {
    for (int i = 0; i < 2000; ++i) {
        const Systeme s1 = Syst::Tire(1);
        ASSERT_NE(s1.M1g().A * s1.M1g().B * s1.M2g().A * s1.M2g().B, 0);
        ASSERT_LE(std::abs(s1.X), 30);
        ASSERT_LE(std::abs(s1.Y), 30);
        const Syst::Solution r1 = Syst::Resout(Syst::Reduit_De(s1));
        // Built on (X, Y), unless the two equations are proportional.
        if (r1.x2 != "I") {
            ASSERT_EQ(r1.x2, std::to_string(s1.X));
            ASSERT_EQ(r1.y2, std::to_string(s1.Y));
        } else {
            ASSERT_EQ(r1.y2, "I");
        }

        const Systeme s2 = Syst::Tire(2);
        ASSERT_NE(s2.M1g().A * s2.M1g().B * s2.M2g().A * s2.M2g().B, 0);
        ASSERT_FALSE(s2.M1g().A == s2.M1d().A && s2.M2g().A == s2.M2d().A);
        for (int32_t v : {s2.M1g().A, s2.M1g().B, s2.M1d().A, s2.M2g().A, s2.M2g().B, s2.M2d().A})
            ASSERT_LE(std::abs(v), 15);

        for (int niveau : {3, 4}) {
            const Systeme s = Syst::Tire(niveau);
            for (int32_t v : {s.M1g().A, s.M1g().B, s.M1d().A, s.M2g().A, s.M2g().B, s.M2d().A}) ASSERT_NE(v, 0);
            int produit = 1;
            for (const Syst::Membre& m : s.membres) {
                ASSERT_LE(std::abs(m.A), 10);
                ASSERT_LE(std::abs(m.K), 10);
                ASSERT_GE(m.D, 1);
                ASSERT_LE(m.D, niveau == 3 ? 1 : 6);
                produit *= m.D;
            }
            if (niveau == 4) { ASSERT_GE(produit, 2); }
            for (const Syst::Membre& d : {s.M1d(), s.M2d()})
                if (d.B == 0 || (niveau == 4 && d.D == 1)) { ASSERT_EQ(d.K, 0); }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Graines, Syst_Graine, ::testing::Values(1u, 17u, 2026u));

TEST(Syst, Solutions_Et_Leurs_Textes) {
    // x = 1/3, y = 5/3: 3x + 0y = 1 is not drawn, but 3x + 3y = 6, 3x - 3y = -4 is.
    const Syst::Solution tiers = Syst::Resout({3, 3, 6, 3, -3, -4});
    EXPECT_EQ(tiers.x2, "0.33");
    EXPECT_EQ(Syst::Ligne_Solution(tiers), "x = 0.333 33 = 0.33       y = 1.666 67 = 1.67");
    EXPECT_EQ(Syst::Commentaire(tiers), "");
    EXPECT_EQ(Syst::Ligne_Solution(Syst::Resout({1, 2, 3, 2, 4, 6})), "x = I       y = I");
    // Parallel lines: "/" wins over an "I" on the other unknown.
    const Syst::Solution paralleles = Syst::Resout({1, 2, 3, 2, 4, 7});
    EXPECT_EQ(Syst::Ligne_Solution(paralleles), "x = /       y = /");
    EXPECT_EQ(Syst::Commentaire(paralleles), "(Impossible, 0 couple-solution)");
    // 0x + 0y = 3 holds for no couple, whatever the other equation says.
    EXPECT_EQ(Syst::Resout({0, 0, 3, 0, 0, 0}).x2, "/");
    EXPECT_EQ(Syst::Resout({0, 0, 0, 0, 0, 0}).x2, "I");
    EXPECT_EQ(Syst::Commentaire(Syst::Resout({0, 0, 0, 0, 0, 0})), "(Indeterminé, infinité de couples-solutions)");

    // Level 4: (x + 2y)/2 + 1 = (3x - y)/3, both members times 6.
    Systeme s;
    s.niveau = 4;
    s.M1g() = {1, 2, 1, 2};
    s.M1d() = {3, -1, 0, 3};
    s.M2g() = {1, 1, 0, 1};
    s.M2d() = {2, 0, 0, 1};
    const Syst::Reduit r = Syst::Reduit_De(s);
    EXPECT_EQ(r.P1, 3 * 1 - 2 * 3);
    EXPECT_EQ(r.Q1, 3 * 2 - 2 * -1);
    EXPECT_EQ(r.R1, 3 * 2 * (0 - 1));
    EXPECT_EQ(Syst::Ligne_Simplifiee(r.P1, r.Q1, r.R1), " -3 x +8  y = -6");
    EXPECT_EQ(Syst::Ligne_Simplifiee(1, -1, 4), "    x -   y = 4");
}

TEST(Syst, Methode_Conseillee) {
    EXPECT_EQ(Methode(Simple(1, 3, 4, 10, -3, 5, 2)), "Méthode d'addition  : ajouter les équations membre à membre");
    EXPECT_EQ(Methode(Simple(1, 3, 4, 10, 3, 5, 2)),
              "Méthode d'addition  : multiplier (1) par -1 et ajouter membre à membre");
    EXPECT_EQ(Methode(Simple(2, 1, 3, 4, 5, 7, 2)),
              "Méthode de substitution, tirer x de (1) : x = -3y+4 et remplacer dans (2)");
    EXPECT_EQ(Methode(Simple(2, 3, 2, 1, 4, 7, 2)),
              "Méthode de substitution, tirer y de (1) : y = -1.5x+0.5 et remplacer dans (2)");
    EXPECT_EQ(Methode(Simple(1, 3, 4, 1, 6, 7, 2)),
              "Méthode d'addition  : multiplier (1) par -2 et ajouter membre à membre");
    EXPECT_EQ(Methode(Simple(2, 10, 3, 1, 7, 4, 2)),
              "Méthode de substitution, tirer x de (1) : x = -0.3y+0.1 et remplacer dans (2)");
    // Lcm of the b's (12) below that of the a's (63), b's of one sign.
    EXPECT_EQ(Methode(Simple(2, 9, 4, 1, 7, 6, 2)), "Méthode d'addition  : multiplier (1) par 3, (2) par -2 puis additionner");
    EXPECT_EQ(Methode(Simple(2, 1, 2, 3, 2, 4, 7)), "");  // impossible
}

TEST(Syst, Refus_Et_Lecture_Des_Reponses) {
    Hasard_Test hasard;
    Syst::Sujet sujet;
    sujet.Genere(1);
    const std::string refus = " / : Impossible ou I : Indeterminé  POUR x ET POUR y";
    EXPECT_EQ(sujet.Refuse({"/", "4"}), refus);
    EXPECT_EQ(sujet.Refuse({"3", "I"}), refus);
    EXPECT_EQ(sujet.Refuse({"/", "I"}), refus);
    EXPECT_EQ(sujet.Refuse({"/", "/"}), "");
    EXPECT_EQ(sujet.Refuse({"I", "I"}), "");
    const std::string x = sujet.Attendu().x2, y = sujet.Attendu().y2;
    EXPECT_TRUE(sujet.Juge({"+" + x, y + ".00"}).juste);
    EXPECT_FALSE(sujet.Juge({y + "1", x}).juste);
    EXPECT_EQ(sujet.Juge({"/", "/"}).titre_faux, "Faux c'est :");
    EXPECT_EQ(sujet.Filtre(1, U'i', 0, U""), Exercice::Decision::Accepte(U'I'));
}
