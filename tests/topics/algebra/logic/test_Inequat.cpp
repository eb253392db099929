#include "topics/algebra/logic/Inequat.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string_view>

#include "framework/logic/Symbole.hpp"
#include "support/Hasard_Test.hpp"

using Exercice::Decision;
using Inequat::Intervalle_Solution;

namespace {
const std::string I = Symbole::Infini;
const std::string Tout = "]-" + I + ";+" + I + "[";
const std::string Vide = Symbole::Ensemble_Vide;
const std::string Inf = Symbole::Inferieur_Egal, Sup = Symbole::Superieur_Egal;
}  // namespace

TEST(Inequat, Intervalles) {
    EXPECT_EQ(Intervalle_Solution(2, 5, 0), "]-" + I + ";2.5[");
    EXPECT_EQ(Intervalle_Solution(-2, 5, 0), "]-2.5;+" + I + "[");
    EXPECT_EQ(Intervalle_Solution(2, 5, 1), "]-" + I + ";2.5]");
    EXPECT_EQ(Intervalle_Solution(-2, 5, 1), "[-2.5;+" + I + "[");
    EXPECT_EQ(Intervalle_Solution(3, 4, 2), "]1.3;+" + I + "[");
    EXPECT_EQ(Intervalle_Solution(-3, 4, 3), "]-" + I + ";-1.3]");
    EXPECT_EQ(Intervalle_Solution(4, 5, 3), "[1.3;+" + I + "[");  // 1.25 rounds up
    // A bound that rounds to zero is written "0", whatever its sign.
    EXPECT_EQ(Intervalle_Solution(-30, 1, 0), "]0;+" + I + "[");
    // 0x (sign) D: all reals or none.
    for (int s : {0, 1}) EXPECT_EQ(Intervalle_Solution(0, 5, s), Tout) << s;
    for (int s : {2, 3}) EXPECT_EQ(Intervalle_Solution(0, 5, s), Vide) << s;
    for (int s : {2, 3}) EXPECT_EQ(Intervalle_Solution(0, -5, s), Tout) << s;
    EXPECT_EQ(Intervalle_Solution(0, 0, 1), Tout);
    EXPECT_EQ(Intervalle_Solution(0, 0, 3), Tout);
    EXPECT_EQ(Intervalle_Solution(0, 0, 0), Vide);
    EXPECT_EQ(Intervalle_Solution(0, 0, 2), Vide);
}

TEST(Inequat, Etapes_Et_Signe_Inverse) {
    using Inequat::Etapes;
    EXPECT_EQ(Inequat::Signe_Inverse(Inf, -1), Sup);
    EXPECT_EQ(Inequat::Signe_Inverse(">", 0), "<");
    EXPECT_EQ(Inequat::Signe_Inverse(Sup, 1), Sup);
    EXPECT_EQ(Etapes(2, -2, 5, 0), "-2 c  < 5           c  > 5/-2           c  > -2.5");
    EXPECT_EQ(Etapes(2, 3, 4, 1), "3 c  " + Inf + " 4           c  " + Inf + " 4/3           c  " + Inf +
                                      " 1.333           c  " + Inf + " 1.3");
    EXPECT_EQ(Etapes(1, -3, 6, 2), "-3 c  > 6           c  < 6/-3           c  < -2");
    EXPECT_EQ(Etapes(1, 1, 6, 3), "c " + Sup + " 6");
    EXPECT_EQ(Etapes(2, 0, 5, 0), "0 c < 5");
    EXPECT_EQ(Etapes(3, -4, 2, 3), "-4 c  " + Sup + "  2");
    EXPECT_EQ(Etapes(4, 3, 2, 0), "");
}

TEST(Inequat, Saisie_Et_Jugement) {
    using Inequat::Filtre_Intervalle;
    for (char32_t c : std::u32string_view(U"+-.;[]09")) EXPECT_EQ(Filtre_Intervalle(c), Decision::Accepte(c));
    EXPECT_EQ(Filtre_Intervalle(U','), Decision::Accepte(U'.'));
    // Infinity and the empty set, as codes or as signs, only from the keypad.
    for (char32_t c : {char32_t{0xA5}, char32_t{0xC6}, Symbole::Signe(0xA5), Symbole::Signe(0xC6), U'a', U'/'})
        EXPECT_EQ(Filtre_Intervalle(c), Decision::Refus());
    Inequat::Sujet s;
    EXPECT_TRUE(s.Hors_Clavier(0, Symbole::Signe(0xA5)));
    EXPECT_FALSE(s.Hors_Clavier(0, U'a'));

    using Inequat::Meme_Intervalle;
    EXPECT_TRUE(Meme_Intervalle("[3;" + I + "[", "[3;+" + I + "["));
    EXPECT_TRUE(Meme_Intervalle("[+4;+" + I + "[", "[4;+" + I + "["));
    EXPECT_TRUE(Meme_Intervalle("]-" + I + ";1,3[", "]-" + I + ";1.3["));
    EXPECT_FALSE(Meme_Intervalle("]-" + I + ";1.33[", "]-" + I + ";1.3["));
    EXPECT_FALSE(Meme_Intervalle("]-" + I + ";1.30[", "]-" + I + ";1.3["));
    EXPECT_FALSE(Meme_Intervalle("[1.3;+" + I + "[", "]1.3;+" + I + "["));

    // Level 2, sign "<": 3x + 1 = x + 6 gives 2x < 5.
    Hasard_Test hasard{0, 13, 11, 11, 16};
    s.Prepare(2);
    s.Genere(2);
    EXPECT_EQ(s.Attendu(), "]-" + I + ";2.5[");
    const Exercice::Verdict v = s.Juge({"]-" + I + ";2.50["});
    EXPECT_FALSE(v.juste);
    EXPECT_EQ(v.titre_faux, "Faux c'est :");
    EXPECT_EQ(v.correction, s.Attendu());
    EXPECT_TRUE(s.Juge({"]-" + I + ";2.5["}).juste);
    EXPECT_EQ(s.Points(), 20);
}

TEST(Inequat, Le_Signe_Reste_Et_N_Entre_Pas_Dans_La_Cle) {
    Hasard_Test hasard{3, 13, 11, 11, 16};
    Inequat::Sujet s;
    Exercice::Cycle cycle(s);  // "une", "deux", "trois"
    cycle.Pose(2);
    EXPECT_EQ(s.Signe(), 3);
    // The same integers with another sign are the same question: drawn again,
    // the sign staying.
    hasard.script->Ajoute({1, 13, 11, 11, 16, 13, 11, 10, 7});
    cycle.Pose(2);
    EXPECT_EQ(s.Signe(), 1);
    EXPECT_EQ(s.Reduite().C, 3);
    EXPECT_EQ(s.Reduite().D, -4);
}

TEST(Inequat, Tirages) {
    for (uint64_t graine : {1u, 77u, 2026u}) {
        Hasard_Test hasard({}, graine);
        Inequat::Sujet s;
        Exercice::Cycle cycle(s);
        for (int niveau = 1; niveau <= 4; ++niveau) {
            std::set<int> signes;
            std::vector<std::string> cles;
            for (int i = 0; i < 300; ++i) {
                cycle.Pose(niveau);
                signes.insert(s.Signe());
                const Termes::Reduite r = s.Reduite();
                if (niveau == 1) { ASSERT_NE(r.C, 0); }
                // The expected interval is one of the forms the keypad can type.
                const std::string a = s.Attendu();
                ASSERT_TRUE(a == Vide || a.find(I) != std::string::npos) << a;
                if (niveau <= 2) {
                    for (std::size_t j = cles.size() >= 3 ? cles.size() - 3 : 0; j < cles.size(); ++j)
                        ASSERT_NE(cles[j], s.Cle());
                    cles.push_back(s.Cle());
                }
            }
            EXPECT_EQ(signes.size(), 4u) << niveau;
        }
    }
}
