// The four column-arithmetic topics: their draws, cells and judges.
#include <gtest/gtest.h>

#include "topics/integer/logic/Tirages.hpp"
#include "topics/natural/logic/Naddi.hpp"
#include "topics/natural/logic/Ndiv.hpp"
#include "topics/natural/logic/Nmult.hpp"
#include "topics/natural/logic/Nsous.hpp"

using Exercice::Decision;

namespace {

template <class S>
S Pose(int niveau, std::deque<int32_t> script) {
    Tirages t(std::move(script));
    S s;
    s.Genere(niveau);
    return s;
}

// Smallest and largest value seen over many draws at a level.
template <class S, class F>
std::pair<int64_t, int64_t> Etendue(int niveau, F valeur) {
    S s;
    int64_t bas = INT64_MAX, haut = INT64_MIN;
    Sur_Beaucoup_De_Tirages(s, niveau, [&](const S& q) {
        bas = std::min<int64_t>(bas, valeur(q));
        haut = std::max<int64_t>(haut, valeur(q));
    }, 40, 500);
    return {bas, haut};
}

}  // namespace

TEST(Colonnes, Les_Tirages_Restent_Dans_Leurs_Plages) {
    using P = std::pair<int64_t, int64_t>;
    auto somme = [](const Naddi::Sujet& q) { return q.Resultat(); };
    EXPECT_EQ(Etendue<Naddi::Sujet>(1, somme), P(22, 200));
    const auto [s2, S2] = Etendue<Naddi::Sujet>(2, somme);
    EXPECT_GE(s2, 303);
    EXPECT_LE(S2, 3000);
    const auto [s3, S3] = Etendue<Naddi::Sujet>(3, somme);
    EXPECT_GE(s3, 404);
    EXPECT_LE(S3, 40000);
    EXPECT_EQ(Etendue<Naddi::Sujet>(1, [](const Naddi::Sujet& q) { return q.C() + q.D(); }), P(0, 0));

    auto difference = [](const Nsous::Sujet& q) { return q.Resultat(); };
    EXPECT_EQ(Etendue<Nsous::Sujet>(1, difference), P(1, 100));
    for (auto [niveau, bas, haut] : {std::tuple{2, 101, 9100}, std::tuple{3, 1000, 65999}}) {
        const auto [d, D] = Etendue<Nsous::Sujet>(niveau, difference);
        EXPECT_GE(d, bas);
        EXPECT_LE(D, haut);
    }
    const auto [m3, M3] = Etendue<Nsous::Sujet>(3, [](const Nsous::Sujet& q) { return q.M(); });
    EXPECT_GE(m3, 2000);
    EXPECT_GT(M3, 99999);  // a six-digit minuend turns up
    EXPECT_LE(M3, 196997);

    EXPECT_EQ(Etendue<Nmult::Sujet>(1, [](const Nmult::Sujet& q) { return q.D(); }), P(2, 9));
    EXPECT_EQ(Etendue<Nmult::Sujet>(2, [](const Nmult::Sujet& q) { return q.M(); }), P(11, 99));
    EXPECT_EQ(Etendue<Nmult::Sujet>(3, [](const Nmult::Sujet& q) { return q.D(); }), P(101, 999));

    for (int niveau = 1; niveau <= 3; ++niveau) {
        const auto [q, Q] = Etendue<Ndiv::Sujet>(niveau, [](const Ndiv::Sujet& s) { return s.A() - s.B(); });
        EXPECT_GT(q, 0) << niveau;  // the dividend exceeds the divisor
    }
    const auto [a3, A3] = Etendue<Ndiv::Sujet>(3, [](const Ndiv::Sujet& q) { return q.A(); });
    EXPECT_GE(a3, 1000);
    EXPECT_LE(A3, 65999);
    EXPECT_EQ(Etendue<Ndiv::Sujet>(2, [](const Ndiv::Sujet& q) { return q.B(); }), P(10, 99));
}

TEST(Colonnes, Cellules_De_Resultat_Et_De_Retenue) {
    const Naddi::Sujet s;
    EXPECT_EQ(s.Filtre(0, U'7', 0, U"12345"), Decision::Accepte(U'7'));
    EXPECT_EQ(s.Filtre(0, U'7', 0, U"123456"), Decision::Silence());  // a seventh digit
    EXPECT_EQ(s.Filtre(0, U'x', 0, U""), Decision::Silence());
    EXPECT_EQ(s.Filtre(0, Exercice::Retour_Arriere, 0, U"123456"), Decision::Accepte(Exercice::Retour_Arriere));
    EXPECT_EQ(s.Filtre(2, U'x', 0, U""), Decision::Refus());  // a carry cell beeps
    EXPECT_EQ(s.Filtre(2, U'1', 0, U""), Decision::Accepte(U'1'));
    const Nmult::Sujet m;
    EXPECT_EQ(m.Filtre(3, U'1', 0, U"1234567"), Decision::Accepte(U'1'));
    EXPECT_EQ(m.Filtre(3, U'1', 0, U"12345678"), Decision::Silence());  // a ninth
    EXPECT_EQ(m.Filtre(4, U'a', 0, U""), Decision::Refus());
}

TEST(Colonnes, Somme_Et_Difference_Jugees_En_Texte) {
    // 9999 + 9999 + 9999 + 10000 = 39997; 10000 + 10000 + 10000 + 10000 = 40000.
    auto s = Pose<Naddi::Sujet>(3, {9899, 9899, 9899, 9899});
    EXPECT_EQ(s.Resultat(), 40000);
    EXPECT_TRUE(s.Juge({"40000"}).juste);
    EXPECT_FALSE(s.Juge({"040000"}).juste);
    EXPECT_EQ(s.Juge({"4000"}).correction, "40 000");
    auto d = Pose<Nsous::Sujet>(1, {12, 22});  // s = 23, m = 23 + 23
    EXPECT_EQ(d.M() - d.S(), 23);
    EXPECT_TRUE(d.Juge({"23", "9", "9"}).juste);  // the carry cells are never read
    EXPECT_FALSE(d.Juge({"023"}).juste);
}

TEST(Colonnes, Multiplication_Et_Ses_Produits_Partiels) {
    auto m = Pose<Nmult::Sujet>(2, {36, 19});  // 47 x 30
    ASSERT_EQ(m.M() * m.D(), 1410);
    EXPECT_TRUE(m.Juge({"1410", "00", "141"}).juste);
    EXPECT_FALSE(m.Juge({"1410", "0", "141"}).juste);
    EXPECT_FALSE(m.Juge({"1410", "00", "1410"}).juste);  // a right product, a wrong partial
    const auto l = m.Lignes_Correction();
    EXPECT_EQ(l[0], "47");
    EXPECT_EQ(l[1], "x   30");
    EXPECT_EQ(l[3], "00");
    EXPECT_EQ(l[4], "141 ");
    EXPECT_EQ(l[6], "1410");

    auto g = Pose<Nmult::Sujet>(3, {104, 3});  // 205 x 104
    EXPECT_TRUE(g.Juge({"21320", "820", "000", "205"}).juste);
    EXPECT_FALSE(g.Juge({"21320", "820", "00", "205"}).juste);
    const auto lg = g.Lignes_Correction();
    EXPECT_EQ(lg[4], "000 ");
    EXPECT_EQ(lg[5], "205  ");
    EXPECT_EQ(lg[7], "21320");
    EXPECT_EQ(g.Juge({}).entete, "C'est :");

    auto u = Pose<Nmult::Sujet>(1, {0, 0});  // 100 x 2
    EXPECT_TRUE(u.Juge({"200"}).juste);
    EXPECT_EQ(u.Lignes_Correction()[3], "200");
    EXPECT_EQ(u.Lignes_Correction()[4], "");
}

TEST(Colonnes, Division_Et_Ses_Dividendes_Partiels) {
    using L = std::vector<std::string>;
    EXPECT_EQ(Ndiv::Sujet::Dividendes_Partiels(849, 7), (L{"14", " 09", "  2"}));
    EXPECT_EQ(Ndiv::Sujet::Dividendes_Partiels(56, 8), (L{"0"}));
    EXPECT_EQ(Ndiv::Sujet::Dividendes_Partiels(50, 7), (L{"1"}));
    EXPECT_EQ(Ndiv::Sujet::Dividendes_Partiels(845, 7), (L{"14", " 05"}));
    EXPECT_EQ(Ndiv::Sujet::Dividendes_Partiels(65999, 50), (L{"159", " 99", "  499", "   49"}));
    // Where the staircase begins under the dividend: "55" under the 55 of 755.
    EXPECT_EQ(Ndiv::Sujet::Colonne_Partiels(849, 7), 0);
    EXPECT_EQ(Ndiv::Sujet::Colonne_Partiels(755, 35), 1);
    EXPECT_EQ(Ndiv::Sujet::Colonne_Partiels(56, 8), 1);
    EXPECT_EQ(Ndiv::Sujet::Colonne_Partiels(65999, 50), 0);

    auto d = Pose<Ndiv::Sujet>(1, {5, 799});  // 849 : 7
    ASSERT_EQ(d.A(), 849);
    EXPECT_TRUE(d.Juge({"121", "2"}).juste);
    EXPECT_FALSE(d.Juge({"121", "3"}).juste);
    EXPECT_FALSE(d.Juge({"120", "2"}).juste);
    EXPECT_FALSE(d.Juge({"0121", "2"}).juste);
    EXPECT_EQ(d.Juge({}).correction, "14\n 09\n  2");

    // The working area under a three-digit dividend.
    EXPECT_EQ(d.Filtre(Ndiv::Sujet::Zone_Calculs, U'a', 0, U""), Decision::Silence());
    EXPECT_EQ(d.Filtre(Ndiv::Sujet::Zone_Calculs, U'é', 0, U""), Decision::Silence());
    EXPECT_EQ(d.Filtre(Ndiv::Sujet::Zone_Calculs, U'+', 2, U"1 4"), Decision::Accepte(U'+'));
    EXPECT_EQ(d.Filtre(Ndiv::Sujet::Zone_Calculs, U'*', 5, U"14\n09"), Decision::Accepte(U'*'));
    EXPECT_EQ(d.Filtre(Ndiv::Sujet::Zone_Calculs, U'*', 2, U"14+\n09"), Decision::Silence());  // that line is full
    EXPECT_EQ(d.Filtre(Ndiv::Sujet::Zone_Calculs, U'\r', 2, U"14+\n09"), Decision::Accepte(U'\r'));
    EXPECT_EQ(d.Filtre(0, U'a', 0, U""), Decision::Refus());
}
