#include "topics/algebra/logic/Equat1d.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "framework/logic/Commune.hpp"
#include "support/Hasard_Test.hpp"

using Exercice::Decision;
using Termes::Equation;

namespace {

struct Equat1d_Graine : ::testing::TestWithParam<uint64_t> {
    Hasard_Test hasard{std::initializer_list<int32_t>{}, GetParam()};
};

int Zeros(std::initializer_list<int32_t> v) {
    int n = 0;
    for (int32_t x : v) n += x == 0;
    return n;
}

// An equation of level 3 or 4 from its terms K(A x + B)/D, in the row's order.
Equation Equation_De(int niveau, std::array<Termes::Terme, 4> t) {
    Equation e;
    e.niveau = niveau;
    e.termes = t;
    return e;
}

// The text of a term as its visible labels read, joined by "|".
std::string Lu(const Termes::Affichage_Terme& t) {
    std::string r;
    for (const Termes::Etiquette* l : {&t.K, &t.PARO, &t.A, &t.X, &t.B, &t.PARF})
        if (l->visible && !l->texte.empty()) r += (r.empty() ? "" : "|") + l->texte;
    return r;
}

}  // namespace

TEST_P(Equat1d_Graine, Tirages_De_Chaque_Niveau) {
    for (int i = 0; i < 2000; ++i) {
        const Equation e1 = Termes::Tire(1);
        const Termes::Reduite r1 = Termes::Reduit(e1);
        // Built on an integer root from -10 to 10, never impossible.
        ASSERT_NE(r1.C, 0);
        ASSERT_EQ(r1.D, e1.k * r1.C);
        ASSERT_GE(e1.k, -10);
        ASSERT_LE(e1.k, 10);
        ASSERT_LE(Zeros({e1.T2g().A, e1.T2g().B, e1.T1d().A, e1.T1d().B}), 1);
        ASSERT_EQ(Equat1d::Solution_Texte(r1.C, r1.D), std::to_string(e1.k));

        const Equation e2 = Termes::Tire(2);
        ASSERT_LE(Zeros({e2.T2g().A, e2.T2g().B, e2.T1d().A, e2.T1d().B}), 1);
        for (int32_t x : {e2.T2g().A, e2.T2g().B, e2.T1d().A, e2.T1d().B}) ASSERT_LE(std::abs(x), 10);

        for (int niveau : {3, 4}) {
            const Equation e = Termes::Tire(niveau);
            for (const Termes::Terme& t : e.termes) {
                ASSERT_NE(t.A, 0);
                ASSERT_NE(t.B, 0);
                ASSERT_LE(std::abs(t.A), 10);
                ASSERT_LE(std::abs(t.K), 5);
                ASSERT_GE(t.D, 1);
                ASSERT_LE(t.D, 6);
                if (niveau == 3) { ASSERT_EQ(t.D, 1); }
            }
            ASSERT_NE(e.T2g().K, 0);
            ASSERT_NE(e.T1d().K, 0);
            if (niveau == 4) {
                ASSERT_GE(e.T1g().D * e.T2g().D * e.T1d().D * e.T2d().D, 2);
                if (e.T1g().K <= 0) { ASSERT_EQ(e.T1g().D, 1); }
                if (e.T2d().K <= 0) { ASSERT_EQ(e.T2d().D, 1); }
            }
        }
    }
}

TEST_P(Equat1d_Graine, Memoire_Aux_Niveaux_1_Et_2_Seulement) {
    Equat1d::Sujet s;
    Exercice::Cycle cycle(s, Exercice::Memoire_Enonces({"un", "deux", "trois"}));
    for (int niveau : {1, 2}) {
        std::vector<std::string> cles;
        for (int i = 0; i < 400; ++i) {
            cycle.Pose(niveau);
            const std::size_t n = cles.size();
            for (std::size_t j = n >= 3 ? n - 3 : 0; j < n; ++j) ASSERT_NE(cles[j], s.Cle());
            cles.push_back(s.Cle());
        }
    }
    const auto avant = cycle.Memoire().Cles();
    for (int niveau : {3, 4}) cycle.Pose(niveau);
    EXPECT_EQ(cycle.Memoire().Cles(), avant);
}

INSTANTIATE_TEST_SUITE_P(Plusieurs, Equat1d_Graine, ::testing::Values(1u, 42u, 2026u, 987654321u));

TEST(Equat1d, Racine_Et_Corrections) {
    using Equat1d::Correction_Texte;
    using Equat1d::Solution_Texte;
    // A real division, to two decimals, "-0" written "0".
    EXPECT_EQ(Solution_Texte(2, 1), "0.5");
    EXPECT_EQ(Solution_Texte(-3, 4), "-1.33");
    EXPECT_EQ(Solution_Texte(-3, 0), "0");
    EXPECT_EQ(Solution_Texte(800, -1), "0");
    // Impossible (2x + 3 = 2x + 5) and indeterminate.
    EXPECT_EQ(Correction_Texte(2, 0, 2), "/    (0x = 2)");
    EXPECT_EQ(Equat1d::Commentaire_Solution("/    (0x = 2)"), "(Impossible, 0 solution)");
    EXPECT_EQ(Correction_Texte(2, 0, 0), "I    (0x = 0)");
    EXPECT_EQ(Equat1d::Commentaire_Solution("I    (0x = 0)"), "(Indeterminé, infinité de solutions)");
    EXPECT_EQ(Equat1d::Commentaire_Solution("3 x = -4"), "");
    // 3x + 1 = -3.
    EXPECT_EQ(Correction_Texte(2, 3, -4), "3 x = -4   x = -4/3   x = -1.333 3   x = -1.33");
    EXPECT_EQ(Correction_Texte(1, -2, 6), "-2 x = 6       x = 6/-2       x = -3");
    EXPECT_EQ(Correction_Texte(1, 1, 6), "x = 6");
    EXPECT_EQ(Correction_Texte(3, 0, 5), "/         (0x = 5)");
    EXPECT_EQ(Correction_Texte(3, 1, 5), " x = 5    ");
    EXPECT_EQ(Correction_Texte(3, -4, 2), "-4 x = 2       x = -0.5");
    EXPECT_EQ(Correction_Texte(3, 3, 4), "3 x = 4     x = 1.333 3     x = 1.33");
    EXPECT_EQ(Correction_Texte(4, 0, 3), "/");
    EXPECT_EQ(Correction_Texte(4, 0, 0), "I");
    EXPECT_EQ(Correction_Texte(4, 2, 3), " x = 1.5");
    EXPECT_EQ(Correction_Texte(4, 3, 4000), " x = 1 333.333 3 = 1333.33");
}

TEST(Equat1d, Filtre_Et_Jugement) {
    using Equat1d::Filtre_Solution;
    EXPECT_EQ(Filtre_Solution(U'/', 0, U""), Decision::Accepte(U'/'));
    EXPECT_EQ(Filtre_Solution(U'/', 1, U"4"), Decision::Silence());  // "4/" cannot be typed
    EXPECT_EQ(Filtre_Solution(U'i', 0, U""), Decision::Accepte(U'I'));
    EXPECT_EQ(Filtre_Solution(U'-', 0, U"+4"), Decision::Silence());
    EXPECT_EQ(Filtre_Solution(U'4', 0, U"-"), Decision::Silence());
    EXPECT_EQ(Filtre_Solution(U',', 2, U"-4"), Decision::Accepte(U'.'));
    EXPECT_EQ(Filtre_Solution(U'.', 4, U"-4.5"), Decision::Silence());
    EXPECT_EQ(Filtre_Solution(U'a', 0, U""), Decision::Refus());
    EXPECT_EQ(Filtre_Solution(Exercice::Retour_Arriere, 1, U"/"), Decision::Accepte(Exercice::Retour_Arriere));

    Hasard_Test hasard;
    Equat1d::Sujet s;
    // Level 1 with k = 4: Random(21) - 10 gives 4 from 14; B2g = 3, A1d = 1, A2g = 3.
    hasard.script->Ajoute({14, 13, 11, 13});
    s.Genere(1);
    ASSERT_EQ(s.Attendu(), "4");
    const Exercice::Verdict v = s.Juge({"+4"});
    EXPECT_TRUE(v.juste);
    EXPECT_EQ(v.titre_faux, "Faux c'est :");
    EXPECT_TRUE(s.Juge({"4.0"}).juste);
    EXPECT_FALSE(s.Juge({"04"}).juste);
    EXPECT_EQ(s.Juge({"5"}).correction, "2 x = 8       x = 8/2       x = 4");
    // Level 2, 2x + 3 = 2x + 3: indeterminate.
    hasard.script->Ajoute({12, 13, 12, 13});
    s.Genere(2);
    EXPECT_TRUE(s.Juge({"I"}).juste);
    EXPECT_FALSE(s.Juge({"/"}).juste);
}

TEST(Termes, Un_Terme_Par_Membre) {
    Hasard_Test hasard;
    // Level 2: A2g = 0, B2g = -3, A1d = -1, B1d = 5: "-3 = -x + 5".
    hasard.script->Ajoute({10, 7, 9, 15});
    const Equation e = Termes::Tire(2);
    const Termes::Affichage a = Termes::Affiche(e);
    EXPECT_EQ(Lu(a.termes[1]), "-3");
    EXPECT_EQ(Lu(a.termes[2]), "-|x|+5");
    EXPECT_FALSE(a.termes[0].visible || a.termes[3].visible || a.Sg.visible || a.Sd.visible);
    EXPECT_TRUE(a.termes[1].visible && a.termes[2].visible);
    EXPECT_FALSE(a.termes[1].denominateur || a.termes[2].denominateur);
    EXPECT_EQ(a.haut_milieu, 43);
    EXPECT_EQ(a.termes[1].haut, 33);
}

TEST(Termes, Facteurs_Signes_Et_Crochets) {
    // 2(3x - 1) + 1(-4x + 2) = -1(x + 5) + 1(-2x + 7): the second terms have
    // no bracket and carry their minus sign between the terms.
    Equation e = Equation_De(3, {{{2, 3, -1, 1}, {1, -4, 2, 1}, {-1, 1, 5, 1}, {1, -2, 7, 1}}});
    Termes::Affichage a = Termes::Affiche(e);
    EXPECT_EQ(Lu(a.termes[0]), "2|(|3|x|-1|)");
    EXPECT_EQ(Lu(a.termes[1]), "4|x|+2");
    EXPECT_EQ(a.Sg, (Termes::Etiquette{"-", true}));
    EXPECT_EQ(Lu(a.termes[2]), "-|(|x|+5|)");
    EXPECT_EQ(Lu(a.termes[3]), "2|x|+7");
    EXPECT_EQ(a.Sd, (Termes::Etiquette{"-", true}));
    EXPECT_EQ(a.haut_signes, 44);
    EXPECT_EQ(a.haut_milieu, 44);

    // No first term: the factor keeps its sign; a negative factor elsewhere
    // goes between the terms and keeps its brackets; K2d = 0 hides the term.
    e = Equation_De(3, {{{0, 3, -1, 1}, {-3, 2, 1, 1}, {1, 1, 5, 1}, {0, -2, 7, 1}}});
    a = Termes::Affiche(e);
    EXPECT_FALSE(a.termes[0].visible || a.Sg.visible || a.termes[3].visible || a.Sd.visible);
    EXPECT_EQ(Lu(a.termes[1]), "-3|(|2|x|+1|)");
    EXPECT_EQ(Lu(a.termes[2]), "x|+5");
    e = Equation_De(3, {{{1, 3, -1, 1}, {-1, 2, 1, 1}, {1, 1, 5, 1}, {-2, -2, 7, 1}}});
    a = Termes::Affiche(e);
    EXPECT_EQ(Lu(a.termes[1]), "(|2|x|+1|)");
    EXPECT_EQ(a.Sg.texte, "-");
    EXPECT_EQ(Lu(a.termes[3]), "2|(|-2|x|+7|)");
    EXPECT_EQ(a.Sd.texte, "-");
}

TEST(Termes, Denominateurs) {
    // 3(2x + 1)/4 + 1(-5x + 2)/2 = (x - 3) + 2(x + 1)/3: over a bar, a factor
    // 1 takes no bracket and a negative coefficient stays in the numerator.
    Equation e = Equation_De(4, {{{3, 2, 1, 4}, {1, -5, 2, 2}, {1, 1, -3, 1}, {2, 1, 1, 3}}});
    Termes::Affichage a = Termes::Affiche(e);
    EXPECT_EQ(Lu(a.termes[0]), "3|(|2|x|+1|)");
    EXPECT_EQ(Lu(a.termes[1]), "-5|x|+2");
    EXPECT_EQ(a.Sg.texte, "+");
    EXPECT_EQ(Lu(a.termes[2]), "x|-3");
    EXPECT_EQ(Lu(a.termes[3]), "2|(|x|+1|)");
    for (int i : {0, 1, 3}) EXPECT_TRUE(a.termes[i].denominateur) << i;
    EXPECT_FALSE(a.termes[2].denominateur);
    EXPECT_EQ(a.termes[0].D, "4");
    EXPECT_EQ(a.termes[0].haut, 33);
    EXPECT_EQ(a.termes[2].haut, 55);
    EXPECT_EQ(a.haut_signes, 68);
    EXPECT_EQ(a.haut_milieu, 68);
    EXPECT_EQ(a.axe, 77);

    // Alone on its side over a bar, -1 becomes a minus in front of the bar;
    // -1 over no bar keeps its brackets.
    e = Equation_De(4, {{{0, 2, 1, 1}, {-1, -5, 2, 3}, {1, 1, -3, 2}, {-1, 4, 1, 1}}});
    a = Termes::Affiche(e);
    EXPECT_EQ(Lu(a.termes[1]), "-5|x|+2");
    EXPECT_EQ(a.Sg, (Termes::Etiquette{"-", true}));
    EXPECT_FALSE(a.termes[0].visible);
    EXPECT_EQ(Lu(a.termes[3]), "(|4|x|+1|)");
    EXPECT_EQ(a.Sd.texte, "-");
    // A factor -1 over a bar next to a first term: no bracket.
    e = Equation_De(4, {{{2, 2, 1, 1}, {-1, -5, 2, 3}, {1, 1, -3, 2}, {0, 4, 1, 1}}});
    a = Termes::Affiche(e);
    EXPECT_EQ(Lu(a.termes[1]), "-5|x|+2");
    EXPECT_EQ(a.Sg.texte, "-");
    EXPECT_FALSE(a.termes[0].denominateur);

    // The reduced form: P = 3*2*1*3 = 18, Q = 4*1*3 = 12, R = 4*2*3 = 24, S = 2*4*2 = 16.
    e = Equation_De(4, {{{3, 2, 1, 4}, {1, -5, 2, 2}, {1, 1, -3, 1}, {2, 1, 1, 3}}});
    const Termes::Reduite r = Termes::Reduit(e);
    EXPECT_EQ(r.C, 18 * 2 + 12 * -5 - 24 * 1 - 16 * 1);
    EXPECT_EQ(r.D, 24 * -3 + 16 * 1 - 18 * 1 - 12 * 2);
}
