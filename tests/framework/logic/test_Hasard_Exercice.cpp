#include <gtest/gtest.h>

#include <set>

#include "framework/logic/Commune.hpp"
#include "framework/logic/Exercice.hpp"
#include "framework/logic/Hasard.hpp"
#include "support/Hasard_Test.hpp"

namespace {

// A topic with a tiny, scripted question space.
class Sujet_Jouet : public Exercice::Sujet {
public:
    int valeur = 0;
    int tirages = 0;
    int bornes = 3;
    void Genere(int) override {
        ++tirages;
        valeur = Random(bornes);
    }
    std::string Cle() const override { return std::to_string(valeur); }
    Exercice::Verdict Juge(const std::vector<std::string>& r) const override {
        return {!r.empty() && r[0] == Cle(), Cle()};
    }
    int Points() const override { return 10; }
};

struct Avec_Script : ::testing::Test {
    Hasard_Test hasard;
    Hasard::Source_Scriptee* script = hasard.script;
    void SetUp() override { Commune::Serie.Remet_A_Zero(); }
    void TearDown() override { Commune::Serie.Remet_A_Zero(); }
};

}  // namespace

TEST(Hasard, Random_Reste_Dans_Ses_Bornes) {
    std::set<int> vus;
    for (int i = 0; i < 5000; ++i) {
        const int v = Random(7);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 7);
        vus.insert(v);
    }
    EXPECT_EQ(vus.size(), 7u);
    EXPECT_EQ(Random(0), 0);
    EXPECT_EQ(Random(-5), 0);
}

TEST_F(Avec_Script, Source_Scriptee_Rejoue_Puis_Reste_Deterministe) {
    script->Ajoute({5, 12, -1});
    EXPECT_EQ(Random(10), 5);
    EXPECT_EQ(Random(10), 2);  // reduced modulo n
    EXPECT_EQ(Random(10), 9);
    EXPECT_EQ(script->Restants(), 0u);
    const int v = Random(1000);
    EXPECT_GE(v, 0);
    EXPECT_LT(v, 1000);
}

TEST_F(Avec_Script, Pose_Redessine_Tant_Que_La_Cle_Est_Recente) {
    Sujet_Jouet sujet;
    Exercice::Cycle cycle(sujet);
    script->Ajoute({0, 1, 2});
    cycle.Pose(1);
    cycle.Pose(1);
    cycle.Pose(1);
    EXPECT_EQ(script->Reamorcages(), 3);  // reseeded at every question
    // 0, 1 and 2 are now the last three keys: every scripted draw is refused
    // and drawing goes on until the one free key comes.
    script->Ajoute({1, 2, 0, 1});
    sujet.bornes = 4;
    const int avant = sujet.tirages;
    cycle.Pose(1);
    EXPECT_EQ(sujet.Cle(), "3");
    EXPECT_GE(sujet.tirages - avant, 5);
    EXPECT_EQ(cycle.Memoire().Cles()[0], "1");
    EXPECT_EQ(cycle.Memoire().Cles()[2], "3");
}

TEST_F(Avec_Script, Aucune_Cle_Ne_Revient_Dans_Quatre_Questions) {
    Sujet_Jouet sujet;
    sujet.bornes = 5;
    Exercice::Cycle cycle(sujet);
    std::vector<std::string> cles;
    for (int i = 0; i < 2000; ++i) {
        cycle.Pose(1);
        cles.push_back(sujet.Cle());
    }
    for (std::size_t i = 1; i < cles.size(); ++i)
        for (std::size_t j = (i >= 3 ? i - 3 : 0); j < i; ++j) ASSERT_NE(cles[i], cles[j]) << i;
}

TEST_F(Avec_Script, Memoire_Initiale_Et_Decalage) {
    Exercice::Memoire_Enonces m;
    EXPECT_EQ(m.Cles()[0], "une");
    EXPECT_EQ(m.Cles()[2], "trois");
    m.Retient("a");
    EXPECT_EQ(m.Cles()[0], "deux");
    EXPECT_EQ(m.Cles()[1], "trois");
    EXPECT_EQ(m.Cles()[2], "a");
    EXPECT_TRUE(m.Contient("a"));
    EXPECT_FALSE(m.Contient("une"));
}

TEST_F(Avec_Script, Un_Sujet_A_Trop_Peu_De_Questions_Ne_Bloque_Pas) {
    Sujet_Jouet sujet;
    sujet.bornes = 1;  // one question only
    Exercice::Cycle cycle(sujet);
    cycle.Pose(1);
    cycle.Pose(1);
    EXPECT_TRUE(cycle.Question_Ouverte());
    EXPECT_LE(sujet.tirages, 2 + Exercice::Cycle::Essais_Max);
}

TEST_F(Avec_Script, Confirme_Compte_Juge_Et_Inscrit) {
    Sujet_Jouet sujet;
    Exercice::Cycle cycle(sujet);
    script->Ajoute({2});
    cycle.Pose(3);
    auto v = cycle.Confirme({"2"});
    EXPECT_TRUE(v.juste);
    EXPECT_FALSE(cycle.Question_Ouverte());
    EXPECT_EQ(Commune::Serie.NbExercices, 1);
    EXPECT_EQ(Commune::Serie.Score, 30);
    EXPECT_EQ(Commune::Serie.JustesNiveau(3), 1);
    script->Ajoute({1});
    cycle.Pose(2);
    v = cycle.Confirme({"0"});
    EXPECT_FALSE(v.juste);
    EXPECT_EQ(Commune::Serie.NbExercices, 2);
    EXPECT_EQ(Commune::Serie.NbJustes, 1);
    EXPECT_EQ(Commune::Serie.Score, 10);
    EXPECT_EQ(Commune::Serie.EssaisNiveau(2), 1);
}

TEST(Filtres, Signe_Seulement_En_Tete) {
    using Exercice::Decision;
    using Exercice::Filtre_Entier_Signe;
    EXPECT_EQ(Filtre_Entier_Signe(U'-', 0, U""), Decision::Accepte(U'-'));
    EXPECT_EQ(Filtre_Entier_Signe(U'+', 0, U"12"), Decision::Accepte(U'+'));
    EXPECT_EQ(Filtre_Entier_Signe(U'-', 1, U"5").genre, Decision::Ignore);
    EXPECT_EQ(Filtre_Entier_Signe(U'+', 3, U"123").genre, Decision::Ignore);
    EXPECT_EQ(Filtre_Entier_Signe(U'7', 2, U"12"), Decision::Accepte(U'7'));
    EXPECT_EQ(Filtre_Entier_Signe(Exercice::Retour_Arriere, 2, U"12").genre, Decision::Passe);
    // One sign only, and nothing typed in front of it.
    EXPECT_EQ(Filtre_Entier_Signe(U'-', 0, U"-5").genre, Decision::Ignore);
    EXPECT_EQ(Filtre_Entier_Signe(U'+', 0, U"-5").genre, Decision::Ignore);
    EXPECT_EQ(Filtre_Entier_Signe(U'5', 0, U"-").genre, Decision::Bip);
    EXPECT_EQ(Filtre_Entier_Signe(U'5', 1, U"-"), Decision::Accepte(U'5'));
    EXPECT_EQ(Filtre_Entier_Signe(U'/', 0, U"", U"+-/"), Decision::Accepte(U'/'));
    EXPECT_EQ(Filtre_Entier_Signe(U'-', 0, U"/", U"+-/").genre, Decision::Ignore);
    for (char32_t c : {U'a', U'Z', U'.', U',', U' ', U'é', U'\t', U'\u00A0', char32_t(0x1F600)})
        EXPECT_EQ(Filtre_Entier_Signe(c, 0, U"").genre, Decision::Bip) << static_cast<uint32_t>(c);
}
