#include <gtest/gtest.h>

#include <set>

#include "framework/logic/Hasard.hpp"
#include "topics/fraction/logic/Corrections.hpp"
#include "topics/fraction/logic/Qaddi.hpp"
#include "topics/fraction/logic/Qdiv.hpp"
#include "topics/fraction/logic/Qmelang.hpp"
#include "topics/fraction/logic/Qmult.hpp"
#include "topics/fraction/logic/Qpuiss.hpp"
#include "topics/fraction/logic/Qreduc.hpp"
#include "topics/fraction/logic/Qsimpl.hpp"
#include "topics/fraction/logic/Qsous.hpp"

using namespace Fractions;

namespace {
struct Graines : ::testing::TestWithParam<uint64_t> {
    std::unique_ptr<Hasard::Source> ancienne;
    void SetUp() override { ancienne = Hasard::Installe(std::make_unique<Hasard::Source_Scriptee>(std::deque<int32_t>{}, GetParam())); }
    void TearDown() override { Hasard::Installe(std::move(ancienne)); }
};
constexpr int Tours = 2000;
bool Juste(const Exercice::Sujet& s, std::vector<std::string> r) { return s.Juge(r).juste; }
}  // namespace

TEST(Fractions_Regles, Reduction_Signe_Et_Zero) {
    EXPECT_EQ(Reduit({12, 16}).f, (Fraction{3, 4}));
    EXPECT_EQ(Reduit({12, 16}).par, 4);
    EXPECT_EQ(Reduit({0, 7}).f, (Fraction{0, 1}));
    EXPECT_EQ(Reduit({0, 7}).par, 7);
    EXPECT_EQ(Reduit({6, -4}).f, (Fraction{-3, 2}));
    EXPECT_EQ(Reduit({-6, -4}).f, (Fraction{3, 2}));
    // Beyond 16 bits the same rules hold.
    EXPECT_EQ(Reduit({44 * 43 * 42, 125}).f, (Fraction{79464, 125}));
    EXPECT_EQ(Reduit({200000, 300000}).f, (Fraction{2, 3}));
    EXPECT_EQ(Ppcm(4, 6, 1), 12);
    EXPECT_EQ(Ppcm(300, 400, 700), 8400);
    EXPECT_EQ(Ppcm(45, 47, 43), 90945);  // past the range of the shared search
}

TEST(Fractions_Regles, Jugement_Des_Deux_Boites) {
    EXPECT_TRUE(Juge_Reponse({3, 4}, "3", "4"));
    EXPECT_FALSE(Juge_Reponse({3, 4}, "6", "8"));
    EXPECT_FALSE(Juge_Reponse({3, 4}, "03", "4"));
    EXPECT_FALSE(Juge_Reponse({3, 4}, "3", ""));
    EXPECT_TRUE(Juge_Reponse({5, 1}, "5", ""));
    EXPECT_TRUE(Juge_Reponse({5, 1}, "5", "1"));
    EXPECT_FALSE(Juge_Reponse({5, 1}, "5", "01"));
    EXPECT_TRUE(Juge_Reponse({-1, 6}, "-1", "6"));
    EXPECT_FALSE(Juge_Reponse({-1, 6}, "1", "6"));
    EXPECT_FALSE(Juge_Reponse({1, 6}, "-1", "6"));
}

TEST(Fractions_Regles, Filtre_Du_Moins_En_Tete_Une_Fois) {
    using D = Exercice::Decision;
    EXPECT_EQ(Filtre_Numerateur_Signe(U'-', 0, U""), D::Accepte(U'-'));
    EXPECT_EQ(Filtre_Numerateur_Signe(U'-', 1, U"4"), D::Silence());
    EXPECT_EQ(Filtre_Numerateur_Signe(U'-', 0, U"-4"), D::Silence());
    EXPECT_EQ(Filtre_Numerateur_Signe(U'+', 0, U""), D::Refus());
    EXPECT_EQ(Filtre_Numerateur_Signe(U'7', 2, U"-4"), D::Accepte(U'7'));
    Qaddi::Sujet a;
    EXPECT_EQ(a.Filtre(0, U'-', 0, U""), D::Refus());
    Qsous::Sujet s;
    EXPECT_EQ(s.Filtre(0, U'-', 0, U""), D::Accepte(U'-'));
    EXPECT_EQ(s.Filtre(1, U'-', 0, U""), D::Refus());
}

// ---------------------------------------------------------------------------
TEST_P(Graines, Simplification_Tirages) {
    Qsimpl::Sujet s;
    bool zero = false, irreductible = false;
    for (int niveau = 1; niveau <= 4; ++niveau)
        for (int i = 0; i < Tours; ++i) {
            s.Genere(niveau);
            const Fraction q = s.Question();
            ASSERT_GE(q.d, 2);
            ASSERT_LE(q.n, 53 * 15);  // the largest common factor times 15
            ASSERT_LT(q.d, 500);
            const int64_t g = Pgcd(q.n, q.d);
            if (niveau == 1) {
                ASSERT_TRUE(g == 2 || g == 3 || g == 5) << q.n << "/" << q.d;
                ASSERT_LE(q.n, 20);
                ASSERT_LE(q.d, 20);
            }
            if (niveau == 2) ASSERT_TRUE(q.n <= 135 && q.d <= 81);
            if (q.n == 0) zero = true;
            if (g == 1) irreductible = true;
            ASSERT_TRUE(Juste(s, {Texte(s.Attendue().f.n), s.Attendue().f.d == 1 ? "" : Texte(s.Attendue().f.d)}));
        }
    EXPECT_TRUE(zero);
    EXPECT_TRUE(irreductible);
}

TEST(Simplification, Exemples_Et_Corrections) {
    Qsimpl::Sujet s;
    s.Pose({0, 37});
    EXPECT_TRUE(Juste(s, {"0", ""}));
    EXPECT_TRUE(Juste(s, {"0", "1"}));
    EXPECT_FALSE(Juste(s, {"0", "37"}));
    auto c = s.Corrige();
    EXPECT_TRUE(c.entier);
    EXPECT_EQ(c.nombre, "0");
    EXPECT_EQ(c.par, "");

    s.Pose({12, 12});
    EXPECT_TRUE(Juste(s, {"1", ""}));
    EXPECT_TRUE(Juste(s, {"1", "1"}));
    EXPECT_EQ(s.Corrige().par, "(par 12)");

    s.Pose({7, 30});
    EXPECT_TRUE(Juste(s, {"7", "30"}));
    EXPECT_FALSE(Juste(s, {"7", ""}));
    EXPECT_EQ(s.Corrige().par, "(irréductible)");

    s.Pose({12, 16});
    EXPECT_FALSE(Juste(s, {"6", "8"}));
    EXPECT_TRUE(Juste(s, {"3", "4"}));
    c = s.Corrige();
    EXPECT_FALSE(c.entier);
    EXPECT_EQ(c.fraction, (Affichage{"3", "4"}));
    EXPECT_EQ(c.par, "(par 4 (ou ses diviseurs))");

    s.Pose({10, 25});
    EXPECT_EQ(s.Corrige().par, "(par 5)");
    s.Pose({24, 36});
    EXPECT_EQ(s.Corrige().par, "(par 12 (ou ses diviseurs))");
    EXPECT_EQ(s.Points(), 20);
}

// ---------------------------------------------------------------------------
TEST_P(Graines, Reduction_Tirages) {
    Qreduc::Sujet s;
    for (int niveau = 1; niveau <= 4; ++niveau)
        for (int i = 0; i < Tours; ++i) {
            s.Genere(niveau);
            const Trio& f = s.Question();
            ASSERT_EQ(s.Nombre(), niveau >= 3 ? 3 : 2);
            for (const Fraction& x : f) ASSERT_TRUE(x.n >= 1 && x.d >= 2 && x.n < 500 && x.d < 500);
            ASSERT_NE(f[0].d, f[1].d);
            ASSERT_NE(f[0].n * f[1].d, f[0].d * f[1].n);
            if (niveau <= 2) ASSERT_EQ(f[2], f[1]);
            if (niveau == 1)
                for (const Fraction& x : f) ASSERT_TRUE(Pgcd(x.n, x.d) == 1 && x.n <= 10 && x.d <= 10);
            if (niveau == 2)
                for (const Fraction& x : f) ASSERT_TRUE(x.n != x.d && x.n <= 10 && x.d <= 10);
            if (niveau == 3) {
                ASSERT_LT(f[0].d * f[1].d * f[2].d, 500);
                for (const Fraction& x : f) ASSERT_TRUE(x.n != x.d && x.n <= 10 && x.d <= 13);
            }
            if (niveau == 4) {
                for (int k = 0; k < 2; ++k) ASSERT_TRUE(f[k].n >= 10 && f[k].d <= 45 && Pgcd(f[k].n, f[k].d) > 2);
                ASSERT_GE(Pgcd(f[2].n, f[2].d), 5);
                ASSERT_NE(f[2].n, f[2].d);
            }
        }
}

TEST(Reduction, Reduit_Avant_De_Chercher_Le_Denominateur) {
    Qreduc::Sujet s;
    s.Pose(2, {Fraction{2, 4}, Fraction{1, 3}, Fraction{1, 3}});
    EXPECT_EQ(s.Denominateur(), 6);
    EXPECT_TRUE(Juste(s, {"3", "6", "2", "6"}));
    EXPECT_TRUE(Juste(s, {"3", "6", "2", "6", "", ""}));  // hidden row ignored
    EXPECT_FALSE(Juste(s, {"6", "12", "4", "12"}));
    EXPECT_FALSE(Juste(s, {"3", "6", "2", "12"}));
    const auto l = s.Corrige();
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0].reduite, (Affichage{"1", "2"}));
    EXPECT_EQ(l[0].par, "(par 2)");
    EXPECT_EQ(l[0].reecrite, (Affichage{"3", "6"}));
    EXPECT_EQ(l[1].par, "");
    EXPECT_EQ(l[1].reecrite, (Affichage{"2", "6"}));

    s.Pose(3, {Fraction{1, 4}, Fraction{5, 6}, Fraction{3, 9}});
    EXPECT_TRUE(Juste(s, {"3", "12", "10", "12", "4", "12"}));
    EXPECT_FALSE(Juste(s, {"3", "12", "10", "12", "", ""}));
    EXPECT_EQ(s.Corrige().size(), 3u);
    EXPECT_EQ(s.Corrige()[2].par, "(par 3)");
}

// ---------------------------------------------------------------------------
TEST_P(Graines, Addition_Tirages) {
    Qaddi::Sujet s;
    std::set<int64_t> denominateurs4;
    for (int niveau = 1; niveau <= 4; ++niveau)
        for (int i = 0; i < Tours; ++i) {
            s.Genere(niveau);
            const Trio& f = s.Question();
            ASSERT_EQ(s.Nombre(), niveau == 4 ? 3 : 2);
            if (niveau < 4) ASSERT_EQ(f[2], f[1]);
            if (niveau == 1) {
                ASSERT_EQ(f[0].d, f[1].d);
                for (int k = 0; k < 2; ++k) ASSERT_TRUE(Pgcd(f[k].n, f[k].d) == 1 && f[k].n <= 20 && f[k].d <= 20);
            }
            if (niveau == 2 || niveau == 3) {
                ASSERT_NE(f[0].d, f[1].d);
                ASSERT_NE(f[0].n * f[1].d, f[0].d * f[1].n);
                ASSERT_NE(f[0].n, f[0].d);
                ASSERT_NE(f[1].n, f[1].d);
            }
            if (niveau == 3) {
                ASSERT_LT(f[0].d * f[1].d, 1500);
                ASSERT_TRUE(f[0].d >= 10 && f[0].d <= 30);
            }
            if (niveau == 4)
                for (const Fraction& x : f) denominateurs4.insert(x.d);
            const Fraction a = s.Attendue();
            ASSERT_GE(a.n, 1);
            ASSERT_TRUE(Juste(s, {Texte(a.n), a.d == 1 ? "1" : Texte(a.d)}));
        }
    EXPECT_TRUE(denominateurs4.count(250));  // multiples of 50
    EXPECT_TRUE(denominateurs4.count(450));  // 90 x 5
}

TEST(Addition, Meme_Denominateur_Et_Nombre_Entier) {
    Qaddi::Sujet s;
    s.Pose(1, {Fraction{3, 8}, Fraction{5, 8}, Fraction{5, 8}});
    EXPECT_TRUE(Juste(s, {"1", ""}));
    EXPECT_TRUE(Juste(s, {"1", "1"}));
    EXPECT_FALSE(Juste(s, {"8", "8"}));
    const Ligne_Somme l = s.Corrige();
    ASSERT_EQ(l.termes.size(), 2u);
    EXPECT_EQ(l.termes[0], (Affichage{"3", "8"}));
    EXPECT_EQ(l.signes, std::vector<std::string>{"+"});
    EXPECT_TRUE(l.communs.empty());
    EXPECT_EQ(*l.brute, (Affichage{"8", "8"}));
    EXPECT_EQ(*l.simplifiee, (Affichage{"1", "1"}));
    EXPECT_EQ(l.par_resultat, "(par 8)");
    EXPECT_EQ(l.entier, "= 1");

    s.Pose(2, {Fraction{1, 2}, Fraction{1, 6}, Fraction{1, 6}});
    EXPECT_FALSE(Juste(s, {"4", "6"}));
    EXPECT_TRUE(Juste(s, {"2", "3"}));
    const Ligne_Somme m = s.Corrige();
    ASSERT_EQ(m.communs.size(), 2u);
    EXPECT_EQ(m.communs[0], (Affichage{"3", "6"}));
    EXPECT_EQ(*m.brute, (Affichage{"4", "6"}));
    EXPECT_EQ(m.par_resultat, "(par 2)");
    EXPECT_EQ(m.entier, "");

    s.Pose(4, {Fraction{12, 30}, Fraction{15, 20}, Fraction{10, 25}});
    EXPECT_TRUE(Juste(s, {"31", "20"}));
    const Ligne_Somme n = s.Corrige();
    EXPECT_EQ(n.par_termes, (std::vector<std::string>{"(par 6)", "(par 5)", "(par 5)"}));
    EXPECT_EQ(n.communs[2], (Affichage{"8", "20"}));
    EXPECT_FALSE(n.simplifiee.has_value());
}

TEST_P(Graines, Soustraction_Tirages) {
    Qsous::Sujet s;
    bool negatif = false, nul = false;
    for (int niveau = 1; niveau <= 4; ++niveau)
        for (int i = 0; i < Tours; ++i) {
            s.Genere(niveau);
            const Trio& f = s.Question();
            ASSERT_EQ(f[2], f[1]);
            const Fraction a = s.Attendue();
            if (niveau <= 3) ASSERT_GT(a.n, 0) << niveau;
            if (niveau == 1) ASSERT_EQ(f[0].d, f[1].d);
            if (niveau == 2) {
                ASSERT_NE(f[0].d, f[1].d);
                ASSERT_TRUE(f[0].d % f[1].d == 0 || f[1].d % f[0].d == 0);
                for (int k = 0; k < 2; ++k) ASSERT_EQ(Pgcd(f[k].n, f[k].d), 1);
            }
            if (a.n < 0) negatif = true;
            if (a.n == 0) nul = true;
            ASSERT_TRUE(Juste(s, {Texte(a.n), a.d == 1 ? "" : Texte(a.d)}));
        }
    EXPECT_TRUE(negatif);
    EXPECT_TRUE(nul);
}

TEST(Soustraction, Resultats_Negatif_Et_Nul) {
    Qsous::Sujet s;
    s.Pose(4, {Fraction{20, 10}, Fraction{36, 12}, Fraction{36, 12}});
    EXPECT_TRUE(Juste(s, {"-1", ""}));
    EXPECT_TRUE(Juste(s, {"-1", "1"}));
    EXPECT_FALSE(Juste(s, {"1", ""}));
    const Ligne_Somme l = s.Corrige();
    EXPECT_EQ(*l.brute, (Affichage{"-1", "1"}));
    EXPECT_EQ(l.entier, "= -1");
    EXPECT_EQ(l.par_termes, (std::vector<std::string>{"(par 10)", "(par 12)"}));

    s.Pose(4, {Fraction{3, 50}, Fraction{3, 50}, Fraction{3, 50}});
    EXPECT_TRUE(Juste(s, {"0", ""}));
    EXPECT_FALSE(Juste(s, {"-0", ""}));
    s.Pose(3, {Fraction{2, 3}, Fraction{1, 4}, Fraction{1, 4}});
    EXPECT_TRUE(Juste(s, {"5", "12"}));
    EXPECT_FALSE(Juste(s, {"-5", "12"}));
    EXPECT_EQ(s.Corrige().signes_communs, std::vector<std::string>{"-"});
}

// ---------------------------------------------------------------------------
TEST_P(Graines, Multiplication_Et_Division_Tirages) {
    Qmult::Sujet m;
    Qdiv::Sujet d;
    std::set<std::string> signes;
    for (int niveau = 1; niveau <= 4; ++niveau)
        for (int i = 0; i < Tours; ++i) {
            m.Genere(niveau);
            const Trio& f = m.Question();
            if (niveau == 1) {
                ASSERT_EQ(Pgcd(f[0].n * f[1].n, f[0].d * f[1].d), 1);
                ASSERT_EQ(m.Attendue(), (Fraction{f[0].n * f[1].n, f[0].d * f[1].d}));
            }
            if (niveau == 3) ASSERT_LT(f[0].d * f[1].d, 1500);
            const Fraction a = m.Attendue();
            ASSERT_TRUE(Juste(m, {Texte(a.n), a.d == 1 ? "" : Texte(a.d)}));
            ASSERT_LE(m.Corrige().fractions.size(), 6u);

            d.Genere(niveau);
            const Trio& g = d.Question();
            if (niveau == 1) ASSERT_EQ(Pgcd(g[0].n * g[1].d, g[0].d * g[1].n), 1);
            if (niveau == 2) ASSERT_LT(Pgcd(g[0].n * g[1].d, g[0].d * g[1].n), 4);
            if (niveau < 4) ASSERT_EQ(d.Signes(), (std::array<std::string, 3>{"", "", ""}));
            else signes.insert(d.Signes()[0] + "," + d.Signes()[1] + "," + d.Signes()[2]);
            const Fraction b = d.Attendue();
            ASSERT_EQ(b.n < 0, d.Signes()[2] == "-");
            ASSERT_TRUE(Juste(d, {Texte(b.n), b.d == 1 ? "" : Texte(b.d)}));
        }
    EXPECT_EQ(signes, (std::set<std::string>{",,", "-,,-", ",-,-", "-,-,"}));
}

TEST(Multiplication, Annulations_Pas_A_Pas) {
    Qmult::Sujet m;
    m.Pose(2, {Fraction{4, 9}, Fraction{3, 8}, Fraction{3, 8}});
    const Annulations a = m.Corrige();
    ASSERT_EQ(a.fractions.size(), 3u);
    EXPECT_EQ(a.fractions[0], (Affichage{"4x3", "9x8"}));
    EXPECT_EQ(a.etapes, (std::vector<std::string>{"(4,8)/4", "(3,9)/3"}));
    EXPECT_EQ(a.fractions[1], (Affichage{"1x3", "9x2"}));
    EXPECT_EQ(a.fractions[2], (Affichage{"1x1", "3x2"}));
    EXPECT_EQ(a.resultat, (Affichage{"1", "6"}));
    EXPECT_EQ(a.entier, "");

    Qdiv::Sujet d;
    d.Pose(3, {Fraction{4, 9}, Fraction{8, 3}, Fraction{8, 3}});
    EXPECT_EQ(d.Corrige().fractions, a.fractions);
    EXPECT_EQ(d.Corrige().etapes, a.etapes);

    m.Pose(2, {Fraction{6, 4}, Fraction{2, 3}, Fraction{2, 3}});
    EXPECT_TRUE(Juste(m, {"1", ""}));
    EXPECT_TRUE(Juste(m, {"1", "1"}));
    EXPECT_EQ(m.Corrige().resultat, (Affichage{"1", "1"}));
    EXPECT_EQ(m.Corrige().entier, "= 1");

    // A numerator cancels first with its own denominator when that is the largest.
    m.Pose(2, {Fraction{12, 16}, Fraction{1, 3}, Fraction{1, 3}});
    EXPECT_EQ(m.Corrige().etapes.front(), "(12,16)/4");

    // More than five cancellations: only five steps, the result irreducible.
    m.Pose(4, {Fraction{30, 42}, Fraction{22, 35}, Fraction{21, 33}});
    const Annulations b = m.Corrige();
    EXPECT_EQ(b.etapes.size(), 5u);
    EXPECT_EQ(b.fractions.size(), 6u);
    EXPECT_EQ(b.resultat, Affiche(m.Attendue()));
}

TEST(Multiplication, Produits_Au_Dela_De_16_Bits) {
    Qmult::Sujet m;
    m.Pose(4, {Fraction{44, 5}, Fraction{43, 5}, Fraction{42, 5}});
    EXPECT_EQ(m.Attendue(), (Fraction{79464, 125}));
    EXPECT_TRUE(Juste(m, {"79464", "125"}));
}

TEST(Division, Signes) {
    Qdiv::Sujet d;
    d.Pose(4, {Fraction{4, 9}, Fraction{8, 3}, Fraction{8, 3}}, {"-", "", "-"});
    EXPECT_TRUE(Juste(d, {"-1", "6"}));
    EXPECT_FALSE(Juste(d, {"1", "6"}));
    EXPECT_EQ(d.Corrige().fractions[0], (Affichage{"-4x3", "9x8"}));
    EXPECT_EQ(d.Corrige().resultat, (Affichage{"-1", "6"}));
    d.Pose(4, {Fraction{4, 9}, Fraction{8, 3}, Fraction{8, 3}}, {"-", "-", ""});
    EXPECT_TRUE(Juste(d, {"1", "6"}));
    EXPECT_FALSE(Juste(d, {"-1", "6"}));
}

// ---------------------------------------------------------------------------
TEST_P(Graines, Puissance_Tirages) {
    Qpuiss::Sujet s;
    bool numerateur = false, zero = false;
    for (int niveau = 1; niveau <= 4; ++niveau)
        for (int i = 0; i < Tours; ++i) {
            s.Genere(niveau);
            const Fraction q = s.Question();
            const int e = s.Exposant();
            ASSERT_TRUE(e >= 2 && e <= (niveau == 2 ? 5 : 4));
            if (niveau == 1) ASSERT_EQ(Pgcd(q.n, q.d), 1);
            if (s.Forme_Numerateur()) {
                numerateur = true;
                ASSERT_EQ(niveau, 4);
                ASSERT_LT(Puissance(q.n, e), 65536);
            }
            if (q.n == 0) zero = true;
            const Fraction a = s.Attendue();
            ASSERT_EQ(Pgcd(a.n, a.d), 1);
            ASSERT_LE(Texte(a.n).size(), 10u);
            ASSERT_TRUE(Juste(s, {Texte(a.n), a.d == 1 ? "" : Texte(a.d)}));
        }
    EXPECT_TRUE(numerateur);
    EXPECT_TRUE(zero);
}

TEST(Puissance, Exemples_Et_Corrections) {
    Qpuiss::Sujet s;
    s.Pose(2, {6, 4}, 2);
    EXPECT_TRUE(Juste(s, {"9", "4"}));
    EXPECT_FALSE(Juste(s, {"36", "16"}));
    auto c = s.Corrige();
    EXPECT_FALSE(c.court);
    EXPECT_EQ(c.un, "3");
    EXPECT_EQ(c.ud, "2");
    EXPECT_EQ(c.exposant, "2");
    EXPECT_EQ(c.resultat, (Affichage{"9", "4"}));

    s.Pose(2, {6, 2}, 2);
    c = s.Corrige();
    EXPECT_TRUE(c.court);
    EXPECT_EQ(c.un, "3");
    EXPECT_EQ(c.nombre, "9");

    s.Pose(3, {0, 57}, 3);
    EXPECT_TRUE(Juste(s, {"0", ""}));
    EXPECT_TRUE(Juste(s, {"0", "1"}));

    s.Pose(4, {12, 18}, 3, true);
    EXPECT_TRUE(Juste(s, {"96", ""}));
    EXPECT_TRUE(Juste(s, {"96", "1"}));
    EXPECT_FALSE(Juste(s, {"1728", "18"}));
    c = s.Corrige();
    EXPECT_FALSE(c.court);
    EXPECT_EQ(c.un, "12x12x12");
    EXPECT_EQ(c.ud, "18");
    EXPECT_EQ(c.exposant, "");
    EXPECT_EQ(c.nombre, "96");

    // Powers past 16 and 32 bits are judged on their true value.
    s.Pose(4, {399, 470}, 3);
    EXPECT_TRUE(Juste(s, {"63521199", "103823000"}));
    EXPECT_EQ(s.Corrige().resultat, (Affichage{"63 521 199", "103 823 000"}));
}

// ---------------------------------------------------------------------------
TEST_P(Graines, Operations_Variees_Tirages) {
    Qmelang::Sujet s;
    for (int niveau = 1; niveau <= 4; ++niveau)
        for (int i = 0; i < Tours; ++i) {
            s.Genere(niveau);
            const Trio& f = s.Question();
            if (niveau <= 2) {
                ASSERT_LE(s.Type(), 3);
                ASSERT_EQ(f[2], f[1]);
                ASSERT_LT(f[1].n * f[0].d, f[0].n * f[1].d);
                ASSERT_GT(f[0].d * f[1].d, 1);
                if (niveau == 2) ASSERT_GT(Pgcd(f[1].n, f[1].d), 1);
            } else {
                ASSERT_GE(s.Type(), 4);
            }
            for (const Fraction& x : f) {
                ASSERT_NE(x.n, x.d);
                ASSERT_NE(x.n, 0);
                if (niveau == 4) ASSERT_TRUE(x.n >= -9 && x.n <= 9 && x.d >= 2 && x.d <= 9);
            }
            const Fraction a = s.Attendue();
            ASSERT_GT(a.d, 0);
            if (niveau <= 2) ASSERT_GE(a.n, 0);
            ASSERT_TRUE(Juste(s, {Texte(a.n), a.d == 1 ? "" : Texte(a.d)}));
            // The worked line always ends on the expected value.
            const Ligne_Somme l = s.Corrige();
            const Affichage fin = l.simplifiee ? *l.simplifiee : *l.brute;
            ASSERT_EQ(Reduit({std::stoll(fin.numer), std::stoll(fin.deno)}).f, a);
        }
}

TEST(Operations_Variees, Priorites_Et_Signes) {
    Qmelang::Sujet s;
    s.Pose(3, 6, {Fraction{1, 2}, Fraction{1, 3}, Fraction{3, 4}});
    EXPECT_TRUE(Juste(s, {"1", "4"}));
    EXPECT_FALSE(Juste(s, {"1", "8"}));
    Ligne_Somme l = s.Corrige();
    EXPECT_EQ(l.termes[1], (Affichage{"1 x 3", "3 x 4"}));
    EXPECT_EQ(l.communs[1], (Affichage{"1", "4"}));
    EXPECT_EQ(l.signes_communs[0], "-");
    EXPECT_EQ(*l.brute, (Affichage{"1", "4"}));
    EXPECT_FALSE(l.simplifiee.has_value());

    s.Pose(4, 5, {Fraction{1, 2}, Fraction{3, 4}, Fraction{-3, 2}});
    EXPECT_TRUE(Juste(s, {"0", ""}));
    EXPECT_TRUE(Juste(s, {"0", "1"}));
    l = s.Corrige();
    EXPECT_EQ(l.termes[1], (Affichage{"3 x 2", "4 x (-3)"}));
    EXPECT_EQ(l.communs[1], (Affichage{"1", "2"}));
    EXPECT_EQ(l.signes_communs[0], "-");
    EXPECT_EQ(l.entier, "= 0");

    s.Pose(4, 4, {Fraction{-2, 3}, Fraction{3, 5}, Fraction{-1, 5}});
    EXPECT_TRUE(Juste(s, {"-1", "5"}));
    EXPECT_FALSE(Juste(s, {"1", "-5"}));
    EXPECT_EQ(s.Corrige().signes_communs[0], "+");

    // The quotient's term is written in lowest terms.
    s.Pose(3, 7, {Fraction{2, 3}, Fraction{4, 5}, Fraction{1, 6}});
    l = s.Corrige();
    EXPECT_EQ(l.communs[0], (Affichage{"5", "6"}));
    EXPECT_TRUE(Juste(s, {"2", "3"}));

    s.Pose(1, 2, {Fraction{3, 2}, Fraction{2, 3}, Fraction{2, 3}});
    l = s.Corrige();
    EXPECT_EQ(l.termes[0], (Affichage{"3 x 2", "2 x 3"}));
    EXPECT_EQ(*l.simplifiee, (Affichage{"1", "1"}));
    EXPECT_EQ(l.entier, "= 1");

    s.Pose(1, 0, {Fraction{3, 1}, Fraction{1, 2}, Fraction{1, 2}});
    EXPECT_TRUE(Juste(s, {"7", "2"}));
    EXPECT_EQ(s.Operateurs()[0], "+");
}

INSTANTIATE_TEST_SUITE_P(Fractions, Graines, ::testing::Values(1u, 7u, 2026u));

TEST(Fractions_Cycle, Sans_Memoire_Des_Dernieres_Questions) {
    auto ancienne = Hasard::Installe(std::make_unique<Hasard::Source_Scriptee>(std::deque<int32_t>{0, 5, 8, 0, 5, 8}));
    Qsimpl::Sujet s;
    Exercice::Cycle c(s);
    c.Pose(1);
    EXPECT_EQ(s.Question(), (Fraction{6, 10}));
    c.Pose(1);  // the same question may come again at once
    EXPECT_EQ(s.Question(), (Fraction{6, 10}));
    EXPECT_EQ(c.Memoire().Cles(), (std::array<std::string, 3>{"une", "deux", "trois"}));
    EXPECT_TRUE(c.Question_Ouverte());
    Hasard::Installe(std::move(ancienne));
}
