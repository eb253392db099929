#include "games/logic/Cm.hpp"

#include <gtest/gtest.h>

#include "framework/logic/Commune.hpp"
#include "support/Hasard_Test.hpp"

using Cm::Operation;

namespace {
constexpr Operation Toutes[] = {Operation::Addition, Operation::Soustraction, Operation::Multiplication,
                                Operation::Division};
}  // namespace

TEST(Cm, Resultat_De_0_A_99_A_Chaque_Operation_Et_Niveau) {
    for (uint64_t graine = 1; graine <= 3; ++graine) {
        Hasard_Test hasard({}, graine);
        for (Operation op : Toutes)
            for (int niveau = 1; niveau <= 4; ++niveau)
                for (int i = 0; i < 1000; ++i) {
                    const Cm::Calcul c = Cm::Tire(op, niveau);
                    const int r = c.Resultat();
                    ASSERT_GE(r, 0) << c.Texte();
                    ASSERT_LE(r, 99) << c.Texte();
                    if (op == Operation::Division) {
                        ASSERT_EQ(c.a % c.b, 0) << c.Texte();
                        ASSERT_TRUE(niveau == 1 ? r <= 10 : niveau == 2 ? r > 10 : r <= 98) << c.Texte();
                    }
                    if (op == Operation::Multiplication && niveau >= 3) {
                        ASSERT_GT(r, 30) << c.Texte();
                    }
                }
    }
}

TEST(Cm, Addition_Niveau1_Zero_Seulement_Apres_Un_Premier_Tirage_Nul) {
    {
        Hasard_Test hasard{0, 0, 9};  // 0..9
        const Cm::Calcul c = Cm::Tire(Operation::Addition, 1);
        EXPECT_EQ(c.a, 0);
        EXPECT_EQ(c.b, 9);
    }
    for (int premier = 1; premier <= 4; ++premier) {
        Hasard_Test hasard{premier, 0, 8};  // 1..9
        const Cm::Calcul c = Cm::Tire(Operation::Addition, 1);
        EXPECT_EQ(c.a, 1);
        EXPECT_EQ(c.b, 9);
    }
}

TEST(Cm, Division_Niveau3_Garde_Son_Diviseur_Quand_Le_Dividende_Est_Retire) {
    Hasard_Test hasard{1, 99, 99, 7};  // divisor 3; 297 / 3 = 99 drawn again twice
    const Cm::Calcul c = Cm::Tire(Operation::Division, 3);
    EXPECT_EQ(c.b, 3);
    EXPECT_EQ(c.a, 21);
    EXPECT_EQ(hasard.script->Restants(), 0u);
    EXPECT_EQ(c.Texte(), "21 : 3");
    EXPECT_EQ(c.Correction(), "Non 21 : 3 = 7");
}

// The race through its ticks: the height is drawn before the reseed, the
// question after it; an unanswered question is booked wrong at the edge.
TEST(Cm, Course_Question_Sans_Reponse_Comptee_Fausse_Au_Bord) {
    Commune::Serie.Remet_A_Zero();
    Commune::Serie.Score = 100;
    Hasard_Test hasard{150, 4, 5};  // height 170, then 15 + 16
    Cm::Course course;
    course.Demarre();
    EXPECT_EQ(course.Tic(Operation::Addition, 2), Cm::Course::Etape::Posee);
    EXPECT_EQ(hasard.script->Reamorcages(), 1);
    EXPECT_EQ(course.Hauteur(), 170);
    EXPECT_EQ(course.Gauche(), 25);
    EXPECT_EQ(course.Question().Texte(), "15 + 16");
    EXPECT_TRUE(course.Ouverte());
    for (int tic = 2; tic <= 12; ++tic) ASSERT_EQ(course.Tic(Operation::Addition, 2), Cm::Course::Etape::Avance);
    EXPECT_EQ(course.Gauche(), 245);
    EXPECT_EQ(Commune::Serie.NbExercices, 0);
    EXPECT_EQ(course.Tic(Operation::Addition, 2), Cm::Course::Etape::Temps_Ecoule);
    EXPECT_EQ(Commune::Serie.NbExercices, 1);
    EXPECT_EQ(Commune::Serie.EssaisNiveau(2), 1);
    EXPECT_EQ(Commune::Serie.Score, 90);
    EXPECT_EQ(course.Gauche(), 5);
    // Closed at once: a press before the next question books nothing.
    EXPECT_FALSE(course.Ouverte());
    EXPECT_FALSE(course.Presse(31).prise);
    Commune::Serie.Remet_A_Zero();
}

TEST(Cm, Course_Une_Seule_Reponse_Par_Question_Comptee_Au_Niveau_De_La_Question) {
    Commune::Serie.Remet_A_Zero();
    Hasard_Test hasard{0, 1, 3, 4};  // 4 + 5 at level 1
    Cm::Course course;
    course.Demarre();
    course.Tic(Operation::Addition, 1);
    EXPECT_EQ(course.Intervalle(), 1000);
    const Cm::Course::Reponse r = course.Presse(9);
    EXPECT_TRUE(r.prise);
    EXPECT_TRUE(r.juste);
    EXPECT_FALSE(course.Presse(9).prise);
    Cm::Course::Note(r);
    EXPECT_EQ(Commune::Serie.NbJustes, 1);
    EXPECT_EQ(Commune::Serie.Score, 5);
    // Answered during a pause and carried to the edge: not booked again.
    course.Montre_Faux();
    for (int i = 0; i < 8; ++i) course.Tic(Operation::Addition, 4);
    EXPECT_EQ(course.Tic(Operation::Addition, 4), Cm::Course::Etape::Retour);
    EXPECT_EQ(Commune::Serie.NbExercices, 1);
    course.Tic(Operation::Addition, 4);
    EXPECT_EQ(course.Intervalle(), 500);
    course.Arrete();
    EXPECT_FALSE(course.Presse(course.Question().Resultat()).prise);
    EXPECT_EQ(course.Gauche(), 5);
    Commune::Serie.Remet_A_Zero();
}
