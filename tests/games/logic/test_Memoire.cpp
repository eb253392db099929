#include "games/logic/Memoire.hpp"

#include <gtest/gtest.h>

#include <map>

#include "support/Hasard_Test.hpp"

using namespace Memoire;

TEST(Memoire, Notes_Aux_Bornes) {
    struct Cas { int r, essais, points; const char* verdict; };
    for (const Cas& c : {Cas{20, 25, 30, "c'est excellent !"}, Cas{20, 26, 20, "c'est pas mal !"},
                         Cas{90, 135, 20, "c'est pas mal !"}, Cas{90, 136, 10, "c'est correct !"},
                         Cas{90, 180, 10, "c'est correct !"}, Cas{90, 181, 5, "mais c'est un peu laborieux !"},
                         Cas{30, 37, 30, "c'est excellent !"}, Cas{30, 38, 20, "c'est pas mal !"}}) {
        const Note n = Note_Partie(c.r, c.essais);
        EXPECT_EQ(n.points, c.points) << c.r << " " << c.essais;
        EXPECT_EQ(n.verdict, c.verdict) << c.r << " " << c.essais;
    }
}

TEST(Memoire, Donnes_De_Chaque_Niveau) {
    for (int niveau = 1; niveau <= 4; ++niveau)
        for (uint64_t graine = 1; graine <= 30; ++graine) {
            Hasard_Test hasard({}, graine);
            Partie p;
            p.Distribue(niveau);
            EXPECT_EQ(hasard.script->Reamorcages(), 1);
            ASSERT_EQ(p.Nb_Cartes(), Du_Niveau(niveau).cartes);
            std::map<int, int> fois;
            for (int k = 1; k <= p.Nb_Cartes(); ++k) {
                ++fois[p.Paire(k)];
                EXPECT_LE(p.Face(k), Nb_Faces);
                EXPECT_GE(p.Face(k), 1);
                EXPECT_EQ(p.Image(k), 0);
            }
            ASSERT_EQ(static_cast<int>(fois.size()), p.Nb_Cartes() / 2);
            for (auto [paire, n] : fois) EXPECT_EQ(n, 2) << paire;
            EXPECT_EQ(fois.begin()->first, 1);
        }
    Hasard_Test hasard({2});  // offset 4 + 2, then the deal
    Partie p;
    p.Distribue(4);
    EXPECT_EQ(p.Decalage(), 6);
    EXPECT_EQ(p.Reference(), 90);
}

namespace {
// The other card of card n's pair.
int Jumelle(const Partie& p, int n) {
    for (int k = 1; k <= p.Nb_Cartes(); ++k)
        if (k != n && p.Paire(k) == p.Paire(n)) return k;
    return 0;
}
int Intruse(const Partie& p, int n) {
    for (int k = 1; k <= p.Nb_Cartes(); ++k)
        if (!p.Trouvee(k) && p.Paire(k) != p.Paire(n)) return k;
    return 0;
}
}  // namespace

TEST(Memoire, Clics_Et_Essais) {
    Hasard_Test hasard({}, 7);
    Partie p;
    p.Distribue(1);
    EXPECT_EQ(p.Valeur(1).size(), 2u);
    EXPECT_EQ(p.Clique(1), Clic::Premiere);
    EXPECT_EQ(p.Image(1), p.Face(1));
    EXPECT_EQ(p.Clique(1), Clic::Ignore);  // the same card again
    const int autre = Intruse(p, 1);
    EXPECT_EQ(p.Clique(autre), Clic::Erreur);
    EXPECT_EQ(p.Essais(), 1);
    EXPECT_EQ(p.Clique(Jumelle(p, 1)), Clic::Ignore);  // while the mismatch shows
    EXPECT_EQ(p.Image(autre), p.Face(autre));
    p.Retourne();
    EXPECT_EQ(p.Image(1), 0);
    EXPECT_EQ(p.Image(autre), 0);
    EXPECT_EQ(p.Clique(1), Clic::Premiere);
    EXPECT_EQ(p.Clique(Jumelle(p, 1)), Clic::Paire);
    EXPECT_EQ(p.Essais(), 2);
    EXPECT_EQ(p.Clique(1), Clic::Ignore);  // found
    EXPECT_EQ(p.Clique(autre), Clic::Premiere);
    EXPECT_EQ(p.Clique(Jumelle(p, 1)), Clic::Ignore);  // found, as a second card
    EXPECT_EQ(p.Essais(), 2);
    EXPECT_EQ(p.Clique(Jumelle(p, autre)), Clic::Paire);
    // Every other pair at once: the last one wins.
    Clic fin = Clic::Ignore;
    for (int k = 1; k <= p.Nb_Cartes(); ++k)
        if (!p.Trouvee(k)) {
            EXPECT_EQ(p.Clique(k), Clic::Premiere);
            fin = p.Clique(Jumelle(p, k));
        }
    EXPECT_EQ(fin, Clic::Gagne);
    EXPECT_EQ(p.Essais(), 11);
    EXPECT_FALSE(p.En_Cours());
    EXPECT_EQ(p.Clique(2), Clic::Ignore);
}

TEST(Memoire, Abandon_Montre_Tout_Et_Fige) {
    Hasard_Test hasard({}, 2);
    Partie p;
    p.Distribue(2);
    p.Clique(1);
    EXPECT_EQ(p.Clique(Intruse(p, 1)), Clic::Erreur);
    p.Abandonne();
    p.Retourne();  // a pause ending after the abandon turns nothing back
    for (int k = 1; k <= p.Nb_Cartes(); ++k) EXPECT_EQ(p.Image(k), p.Face(k));
    EXPECT_EQ(p.Clique(3), Clic::Ignore);
}
