#include "framework/logic/Exercice.hpp"

#include <gtest/gtest.h>

#include <memory>

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"

namespace {

// A topic whose questions come from a list, recording what the cycle asks.
class Sujet_Liste : public Exercice::Sujet {
public:
    explicit Sujet_Liste(std::vector<std::string> cles) : cles_(std::move(cles)) {}
    void Prepare(int niveau) override {
        ++preparations;
        niveau_prepare = niveau;
    }
    void Genere(int) override {
        ++generations;
        courante_ = cles_[static_cast<std::size_t>(generations - 1) % cles_.size()];
    }
    std::string Cle() const override { return courante_; }
    Exercice::Verdict Juge(const std::vector<std::string>& r) const override {
        return {!r.empty() && r[0] == courante_, courante_};
    }
    int Points() const override { return 10; }
    std::string Refuse(const std::vector<std::string>& r) const override {
        return !r.empty() && r[0] == "?" ? "Pas de point d'interrogation !" : "";
    }
    std::string Refuse_Apres_Compte(const std::vector<std::string>& r) const override {
        return !r.empty() && r[0] == "+" ? "Il faut un coefficient !" : "";
    }

    int preparations = 0, generations = 0, niveau_prepare = 0;

private:
    std::vector<std::string> cles_;
    std::string courante_;
};

}  // namespace

TEST(Cycle, Prepare_Une_Seule_Fois_Par_Question_Malgre_Les_Nouveaux_Tirages) {
    Sujet_Liste s({"a", "b", "a", "c"});
    Exercice::Cycle cycle(s, Exercice::Memoire_Enonces({"a", "b", "x"}));
    cycle.Pose(2);
    EXPECT_EQ(s.Cle(), "c");
    EXPECT_EQ(s.generations, 4);
    EXPECT_EQ(s.preparations, 1);
    EXPECT_EQ(s.niveau_prepare, 2);
    EXPECT_EQ(cycle.Memoire().Cles(), (std::array<std::string, 3>{"b", "x", "c"}));
    cycle.Pose(3);
    EXPECT_EQ(s.preparations, 2);
}

TEST(Cycle, Le_Verdict_Garde_L_Entete_Par_Defaut_Et_Compte_L_Exercice) {
    Commune::Serie.Remet_A_Zero();
    Sujet_Liste s({"7"});
    Exercice::Cycle cycle(s);
    cycle.Pose(1);
    const Exercice::Verdict v = cycle.Confirme({"8"});
    EXPECT_FALSE(v.juste);
    EXPECT_EQ(v.entete, "La bonne réponse est :");
    EXPECT_FALSE(cycle.Question_Ouverte());
    EXPECT_EQ(Commune::Serie.NbExercices, 1);
    EXPECT_EQ(Commune::Serie.EssaisNiveau(1), 1);
    Commune::Serie.Remet_A_Zero();
}

TEST(Cycle, Une_Reponse_Refusee_Ne_Compte_Pas_Et_Laisse_La_Question_Ouverte) {
    Commune::Serie.Remet_A_Zero();
    Sujet_Liste s({"7"});
    Exercice::Cycle cycle(s);
    cycle.Pose(1);
    EXPECT_EQ(cycle.Confirme({"?"}).refus, "Pas de point d'interrogation !");
    EXPECT_EQ(Commune::Serie.NbExercices, 0);
    EXPECT_TRUE(cycle.Question_Ouverte());
    EXPECT_TRUE(cycle.Confirme({"7"}).juste);
    EXPECT_EQ(Commune::Serie.NbExercices, 1);
}

TEST(Cycle, Une_Reponse_Refusee_Apres_Compte_Compte_Sans_Juger) {
    Commune::Serie.Remet_A_Zero();
    Sujet_Liste s({"7"});
    Exercice::Cycle cycle(s);
    cycle.Pose(1);
    const Exercice::Verdict v = cycle.Confirme({"+"});
    EXPECT_EQ(v.refus, "Il faut un coefficient !");
    EXPECT_TRUE(v.refus_compte);
    EXPECT_EQ(cycle.Refus_Comptes(), 1);
    EXPECT_EQ(Commune::Serie.NbExercices, 1);
    EXPECT_EQ(Commune::Serie.Score, 0);
    EXPECT_TRUE(cycle.Question_Ouverte());
    EXPECT_TRUE(cycle.Confirme({"7"}).juste);
    EXPECT_EQ(Commune::Serie.NbExercices, 2);
    Commune::Serie.Remet_A_Zero();
}
