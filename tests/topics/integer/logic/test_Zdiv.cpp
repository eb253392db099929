#include "topics/integer/logic/Zdiv.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

#include "Tirages.hpp"
#include "framework/logic/Commune.hpp"

namespace {

struct Plage {
    int quotient_min, quotient_max;
};

// Exact-mode questions only (mode 0..8), each checked with f.
template <class F>
void Sur_Les_Divisions_Exactes(int niveau, F f) {
    Zdiv::Sujet s;
    int vues = 0;
    Sur_Beaucoup_De_Tirages(s, niveau, [&](const Zdiv::Sujet& q) {
        ASSERT_NE(q.B(), 0);
        if (q.Libre()) return;
        ++vues;
        ASSERT_TRUE(q.Quotient_Existe());
        f(q);
    });
    EXPECT_GT(vues, 5000);
}

template <class F>
void Sur_Les_Divisions_Libres(int niveau, F f) {
    Zdiv::Sujet s;
    int vues = 0;
    Sur_Beaucoup_De_Tirages(s, niveau, [&](const Zdiv::Sujet& q) {
        ASSERT_NE(q.B(), 0);
        if (!q.Libre()) return;
        ++vues;
        f(q);
    });
    EXPECT_GT(vues, 300);
}

// Poses through the cycle, as the window does: the mode is drawn first.
Zdiv::Sujet Pose(int niveau, std::deque<int32_t> script) {
    Tirages t(std::move(script));
    Zdiv::Sujet s;
    Exercice::Cycle(s).Pose(niveau);
    return s;
}

}  // namespace

TEST(Zdiv, Le_Mode_Libre_Sort_Une_Fois_Sur_Dix) {
    Zdiv::Sujet s;
    int libres = 0, total = 0;
    Sur_Beaucoup_De_Tirages(s, 1, [&](const Zdiv::Sujet& q) {
        ++total;
        libres += q.Libre();
    });
    EXPECT_NEAR(static_cast<double>(libres) / total, 0.1, 0.02);
}

TEST(Zdiv, Divisions_Exactes_Quotients_Et_Diviseurs_Par_Niveau) {
    const auto verifie = [](int niveau, int qmin, int qmax, int bmin, int bmax) {
        bool negatif = false, positif = false;
        Sur_Les_Divisions_Exactes(niveau, [&](const Zdiv::Sujet& q) {
            const int quotient = std::abs(q.A() / q.B());
            ASSERT_GE(quotient, qmin);
            ASSERT_LE(quotient, qmax);
            ASSERT_GE(q.B(), bmin);
            ASSERT_LE(q.B(), bmax);
            negatif |= q.A() < 0;
            positif |= q.A() > 0;
        });
        EXPECT_TRUE(negatif && positif) << niveau;
    };
    verifie(1, 1, 10, -10, 10);
    verifie(2, 1, 20, 11, 30);  // always a positive divisor; the dividend carries the sign
    verifie(3, 3, 50, -25, 25);
}

TEST(Zdiv, Divisions_Libres_Dans_Leurs_Plages) {
    const auto verifie = [](int niveau, int amin, int amax, int bmin, int bmax) {
        bool zero = false, sans_quotient = false;
        Sur_Les_Divisions_Libres(niveau, [&](const Zdiv::Sujet& q) {
            ASSERT_GE(q.A(), amin);
            ASSERT_LE(q.A(), amax);
            ASSERT_GE(q.B(), bmin);
            ASSERT_LE(q.B(), bmax);
            zero |= q.A() == 0;
            sans_quotient |= !q.Quotient_Existe();
        });
        EXPECT_TRUE(sans_quotient) << niveau;
        if (niveau == 1) {
            EXPECT_TRUE(zero);
        }
    };
    verifie(1, -10, 10, -10, 10);
    verifie(2, -10, 30, -10, 30);
    verifie(3, -125, 125, -25, 25);
}

TEST(Zdiv, Les_Nouveaux_Tirages_Contre_La_Repetition_Gardent_Le_Mode) {
    Tirages t({0, 12, 2, 1, 13, 1, 0});
    Zdiv::Sujet s;
    // The first exact question drawn, 6 : 2, was asked just before.
    Exercice::Cycle cycle(s, Exercice::Memoire_Enonces({"une", "deux", "6 2"}));
    cycle.Pose(1);
    EXPECT_EQ(s.Mode(), 0);
    EXPECT_EQ(s.Cle(), "-6 3");
}

TEST(Zdiv, Sans_Quotient_Seule_La_Barre_Est_Juste) {
    const Zdiv::Sujet s = Pose(1, {9, 17, 8});  // free mode, 7 : (-2)
    ASSERT_EQ(s.Cle(), "7 -2");
    EXPECT_EQ(s.Attendu(), "/");
    EXPECT_TRUE(s.Juge({"/"}).juste);
    for (const char* r : {"-3", "-4", "+/", "/0", ""}) EXPECT_FALSE(s.Juge({r}).juste) << r;
    const Exercice::Verdict v = s.Juge({"-3"});
    EXPECT_EQ(v.entete, "Le quotient n'existe pas dans Z");
    EXPECT_EQ(v.correction, "");
}

TEST(Zdiv, Zero_Divise_Par_Un_Nombre_Donne_Zero) {
    const Zdiv::Sujet s = Pose(1, {9, 10, 6});  // free mode, 0 : (-4)
    ASSERT_EQ(s.Cle(), "0 -4");
    EXPECT_EQ(s.Attendu(), "0");
    for (const char* r : {"0", "+0", "-0"}) EXPECT_TRUE(s.Juge({r}).juste) << r;
    EXPECT_FALSE(s.Juge({"/"}).juste);
    EXPECT_EQ(s.Juge({"/"}).correction, "(0)");
}

TEST(Zdiv, Une_Division_Libre_Qui_Tombe_Juste_Attend_Le_Quotient) {
    const Zdiv::Sujet s = Pose(2, {9, 40, 12});  // 30 : 2
    ASSERT_EQ(s.Cle(), "30 2");
    EXPECT_TRUE(s.Juge({"+15"}).juste);
    EXPECT_FALSE(s.Juge({"/"}).juste);
    EXPECT_EQ(s.Juge({"/"}).correction, "15");
    EXPECT_EQ(s.Juge({"/"}).entete, "La bonne réponse est :");
}

TEST(Zdiv, Corrections_Des_Divisions_Exactes) {
    // Level 1: b = 2, quotient 3, sign -: -6 : 2.
    EXPECT_EQ(Pose(1, {0, 12, 2, 0}).Juge({"3"}).correction, "(-3)");
    // Level 3: b = -25, quotient 50: 1250 : (-25) or -1250 : (-25).
    const Zdiv::Sujet s = Pose(3, {4, 0, 47, 0});
    EXPECT_EQ(s.Cle(), "1250 -25");
    EXPECT_EQ(s.Attendu(), "-50");
    EXPECT_EQ(s.Juge({"50"}).correction, "-50");
}

TEST(Zdiv, Filtre_La_Barre_Et_Les_Signes_Seulement_En_Tete) {
    const Zdiv::Sujet s;
    using D = Exercice::Decision;
    EXPECT_EQ(s.Filtre(0, U'/', 0, U""), D::Accepte(U'/'));
    EXPECT_EQ(s.Filtre(0, U'/', 1, U"5"), D::Silence());
    EXPECT_EQ(s.Filtre(0, U'-', 0, U""), D::Accepte(U'-'));
    EXPECT_EQ(s.Filtre(0, U'+', 2, U"12"), D::Silence());
    EXPECT_EQ(s.Filtre(0, U'7', 1, U"-"), D::Accepte(U'7'));
    EXPECT_EQ(s.Filtre(0, U'a', 0, U""), D::Refus());
    EXPECT_EQ(s.Filtre(0, U':', 0, U""), D::Refus());
}
