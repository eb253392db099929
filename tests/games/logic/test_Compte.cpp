#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "framework/logic/Hasard.hpp"
#include "games/logic/Compte.hpp"
#include "support/Recherche_Simple.hpp"

using namespace Compte;

namespace {

class Graine {
public:
    explicit Graine(uint64_t g)
        : ancienne_(Hasard::Installe(std::make_unique<Hasard::Source_Scriptee>(std::deque<int32_t>{}, g))) {}
    ~Graine() { Hasard::Installe(std::move(ancienne_)); }

private:
    std::unique_ptr<Hasard::Source> ancienne_;
};

// A solution text read back as calculation lines.
std::array<Ligne, Lignes> Lignes_De(const std::string& solution) {
    std::array<Ligne, Lignes> l;
    std::istringstream in(solution);
    std::string egal;
    for (std::size_t k = 0; k < l.size() && in >> l[k].a >> l[k].op >> l[k].b >> egal >> l[k].r; ++k) {}
    return l;
}

std::array<Ligne, Lignes> Lignes_De(std::initializer_list<Ligne> l) {
    std::array<Ligne, Lignes> t;
    std::copy(l.begin(), l.end(), t.begin());
    return t;
}

}  // namespace

TEST(Compte, PremieresSolutions) {
    EXPECT_EQ(Cherche_Solution({1, 10, 2, 9, 1, 20}, 15).solution,
              "1 + 10 = 11\n11 + 2 = 13\n13 + 1 = 14\n14 - 9 = 5\n20 - 5 = 15\n");
    EXPECT_EQ(Cherche_Solution({4, 10, 1, 15, 4, 5}, 23).solution,
              "4 + 10 = 14\n14 + 15 = 29\n29 x 4 = 116\n116 - 1 = 115\n115 : 5 = 23\n");
    // The last single-operation match wins: 4 x 5 comes first, 2 x 10 replaces it.
    EXPECT_EQ(Une_Operation({3, 4, 2, 6, 5, 10}, 20, "x"), "2 x 10 = 20");
    EXPECT_EQ(Une_Operation({7, 3, 1, 1, 1, 1}, 21, "x"), "7 x 3 = 21");
    EXPECT_EQ(Une_Operation({1, 30, 1, 1, 3, 1}, 10, "x"), "30 : 3 = 10");
    EXPECT_EQ(Une_Operation({2, 9, 2, 2, 2, 2}, 11, "x"), "9 + 2 = 11");
    EXPECT_EQ(Une_Operation({1, 1, 1, 1, 1, 1}, 50, "long"), "long");
    // The plates alone never count, and a plate is never multiplied by 1.
    EXPECT_FALSE(Cherche_Solution({5, 1, 0, 0, 0, 0}, 5).trouve);
}

TEST(Compte, RechercheRapideEgaleRechercheSimple) {
    // Unsolvable draws included: the draw of the level, not yet checked.
    for (int niveau = 1; niveau <= 3; ++niveau) {
        Graine g(static_cast<uint64_t>(niveau) * 104729u);
        // The plain search is slow in the checked build: a few hundred draws.
        const int tirages = niveau == 1 ? 300 : 40;
        for (int k = 0; k < tirages; ++k) {
            const Tirage t = Tire(niveau);
            std::string attendue;
            const bool trouve = Recherche_Simple(t.plaques, t.cible, attendue);
            const Recherche r = Cherche_Solution(t.plaques, t.cible);
            ASSERT_EQ(r.trouve, trouve) << niveau << " " << k;
            ASSERT_EQ(r.solution, attendue) << niveau << " " << k;
        }
    }
}

// The first solutions of many seeded draws, as the plain search above writes
// them, kept as one fingerprint per level (the plain search takes minutes
// over these draws in the checked build).
TEST(Compte, RechercheRapideEgaleSolutionsEnregistrees) {
    const std::array<std::pair<int, uint64_t>, 3> attendues{{
        {2000, 6526036485545348436u},
        {1000, 12514556764369369441u},
        {500, 18311332910144597271u},
    }};
    for (int niveau = 1; niveau <= 3; ++niveau) {
        Graine g(7919u * static_cast<uint64_t>(niveau));
        const auto [tirages, empreinte] = attendues[static_cast<std::size_t>(niveau - 1)];
        uint64_t h = 1469598103934665603u;
        for (int k = 0; k < tirages; ++k) {
            const Tirage t = Tire(niveau);
            for (unsigned char c : Cherche_Solution(t.plaques, t.cible).solution + "|") {
                h ^= c;
                h *= 1099511628211u;
            }
        }
        EXPECT_EQ(h, empreinte) << "niveau " << niveau;
    }
}

TEST(Compte, TiragesDesNiveaux) {
    const std::array<std::array<std::vector<Nombre>, 7>, 3> bornes{{
        {{{1, 5, 1}, {2, 10, 2}, {1, 2, 1}, {3, 15, 3}, {1, 10, 1}, {5, 35, 5}, {10, 50, 1}}},
        {{{1, 9, 1}, {3, 12, 3}, {1, 10, 1}, {5, 50, 5}, {1, 10, 1}, {25, 225, 25}, {100, 200, 1}}},
        {{{1, 9, 1}, {25, 100, 25}, {1, 10, 1}, {10, 100, 10}, {1, 10, 1}, {50, 450, 50}, {100, 500, 1}}},
    }};
    for (int niveau = 1; niveau <= 3; ++niveau) {
        Graine g(static_cast<uint64_t>(niveau) * 31u);
        for (int k = 0; k < 400; ++k) {
            const Partie p = Tire_Soluble(niveau);
            const auto& b = bornes[static_cast<std::size_t>(niveau - 1)];
            for (std::size_t i = 0; i < 7; ++i) {
                const Nombre v = i < 6 ? p.tirage.plaques[i] : p.tirage.cible;
                ASSERT_GE(v, b[i][0]);
                ASSERT_LE(v, b[i][1]);
                ASSERT_EQ(v % b[i][2], 0);
            }
            const auto& pl = p.tirage.plaques;
            ASSERT_EQ(std::count(pl.begin(), pl.end(), p.tirage.cible), 0);
            if (niveau == 3) {
                ASSERT_NE(p.tirage.cible % 10, 0);
            }
            // Every solution shown is one the judge takes.
            ASSERT_TRUE(Juge(pl, p.tirage.cible, Lignes_De(p.solution)).juste) << p.solution;
        }
    }
}

TEST(Compte, Filtres) {
    EXPECT_EQ(Filtre_Operation(U'*'), Exercice::Decision::Accepte(U'x'));
    EXPECT_EQ(Filtre_Operation(U'/'), Exercice::Decision::Accepte(U':'));
    EXPECT_EQ(Filtre_Operation(U'-'), Exercice::Decision::Accepte(U'-'));
    EXPECT_EQ(Filtre_Operation(U'X'), Exercice::Decision::Refus());
    EXPECT_EQ(Filtre_Operation(U'5'), Exercice::Decision::Refus());
    EXPECT_EQ(Filtre_Nombre(U'+'), Exercice::Decision::Refus());
    EXPECT_EQ(Filtre_Nombre(U'7'), Exercice::Decision::Accepte(U'7'));
}

TEST(Compte, Juge) {
    const Plaques p{1, 10, 2, 9, 1, 20};
    auto juge = [&](std::initializer_list<Ligne> l) { return Juge(p, 15, Lignes_De(l)); };

    // A plate used twice; a third 1 where the plates hold two.
    Jugement j = juge({{"10", "+", "2", "12"}, {"10", "+", "9", "19"}});
    EXPECT_FALSE(j.juste);
    EXPECT_EQ(j.message, "erreur à la ligne 2 : le nombre 10 n'est pas (ou plus) disponible");
    EXPECT_EQ(j.style, Jugement::Erreur);
    j = juge({{"10", "+", "2", "12"}, {"12", "+", "1", "13"}, {"13", "+", "1", "14"}, {"14", "+", "1", "15"}});
    EXPECT_EQ(j.message, "erreur à la ligne 4 : le nombre 1 n'est pas (ou plus) disponible");

    // Results of earlier lines serve once; the target on line 3 ends the chain.
    j = juge({{"10", ":", "2", "5"}, {"5", "+", "9", "14"}, {"14", "+", "1", "15"}});
    EXPECT_TRUE(j.juste);
    EXPECT_TRUE(j.message.empty());
    EXPECT_TRUE(juge({{"10", ":", "2", "5"}, {"5", "+", "9", "14"}, {"14", "+", "1", "15"}, {"99", "+", "", ""}}).juste);
    EXPECT_TRUE(juge({{"20", "-", "9", "11"}, {"11", "+", "2", "13"}, {"13", "+", "1", "14"}, {"14", "+", "1", "15"}}).juste);
    EXPECT_EQ(juge({{"10", ":", "2", "5"}, {"5", "+", "9", "14"}, {"14", "+", "5", "19"}}).message,
              "erreur à la ligne 3 : le nombre 5 n'est pas (ou plus) disponible");

    // Stopping at a right line short of the target: wrong, no message.
    j = juge({{"10", "+", "2", "12"}, {"12", "-", "9", "3"}});
    EXPECT_FALSE(j.juste);
    EXPECT_TRUE(j.message.empty());

    // Line 1 incomplete, a wrong sum, a missing sign, a remainder, a division by 0.
    j = juge({{"10", "+", "", "12"}});
    EXPECT_EQ(j.message, "Erreur de calcul à la ligne 1");
    EXPECT_EQ(j.style, Jugement::Simple);
    EXPECT_EQ(juge({{"10", "+", "2", "13"}, {"13", "+", "2", "15"}}).message, "erreur de calcul à la ligne 1");
    EXPECT_EQ(juge({{"10", "", "2", "12"}}).message, "erreur de calcul à la ligne 1");
    EXPECT_EQ(juge({{"9", ":", "2", "4"}}).message, "erreur de calcul à la ligne 1");
    EXPECT_EQ(juge({{"1", "-", "1", "0"}, {"20", ":", "0", "0"}}).message, "erreur de calcul à la ligne 2");
    // A typed 0 is available only once a line produced it.
    EXPECT_EQ(juge({{"10", "x", "0", "0"}}).message,
              "erreur à la ligne 1 : le nombre 0 n'est pas (ou plus) disponible");
    // A product past 32 bits (it wraps to 1409865409 there).
    EXPECT_EQ(Juge({99999, 99999, 1, 1, 1, 1}, 15, Lignes_De({{"99999", "x", "99999", "1409865409"}})).message,
              "erreur de calcul à la ligne 1");

    EXPECT_TRUE(Montre_Suivante({"10", "+", "2", "12"}, 15));
    EXPECT_FALSE(Montre_Suivante({"10", "+", "5", "15"}, 15));
    EXPECT_FALSE(Montre_Suivante({"10", "+", "5", ""}, 15));
}
