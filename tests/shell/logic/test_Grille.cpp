#include "shell/logic/Grille.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <random>

using namespace Grille;
namespace S = Grille::Scores;

namespace {

Grille_Texte Table(std::initializer_list<std::pair<std::string, int>> entrees) {
    Grille_Texte g = S::Grille_Vide();
    g.Fixe(0, 0, "          Nom");
    g.Fixe(1, 0, "        Prénom");
    g.Fixe(2, 0, "      Score");
    int r = 1;
    for (const auto& [nom, score] : entrees) {
        g.Fixe(0, r, nom);
        g.Fixe(1, r, "p" + nom);
        g.Fixe(2, r, std::to_string(score));
        ++r;
    }
    return g;
}

std::vector<std::string> Noms(const Grille_Texte& g) {
    std::vector<std::string> r;
    for (int i = 1; i <= g.Ligne_Dernier(S::Col_Score); ++i) r.push_back(g.Cellule(0, i));
    return r;
}

}  // namespace

TEST(Grille_Fichier, Trois_Entrees_Ecrivent_Les_Dimensions_Les_Entetes_Et_Neuf_Cellules) {
    const Grille_Texte g = Table({{"DUPONT", 480}, {"MARTIN", 300}, {"LEROY", 120}});
    EXPECT_EQ(g.Texte(),
              "3,11\r\n"
              "0,0,          Nom\r\n1,0,        Prénom\r\n2,0,      Score\r\n"
              "0,1,DUPONT\r\n1,1,pDUPONT\r\n2,1,480\r\n"
              "0,2,MARTIN\r\n1,2,pMARTIN\r\n2,2,300\r\n"
              "0,3,LEROY\r\n1,3,pLEROY\r\n2,3,120\r\n");
}

TEST(Grille_Fichier, Aller_Retour_Avec_Virgules_Et_Cellules_Non_Citees) {
    Grille_Texte g(4, 5);
    g.Fixe(0, 0, "a,b,,c");
    g.Fixe(3, 4, ", début");
    g.Fixe(2, 1, "ligne\r\ncoupée");
    Grille_Texte lue(1, 1);
    lue.Lit(g.Texte());
    EXPECT_EQ(lue.Colonnes(), 4);
    EXPECT_EQ(lue.Lignes(), 5);
    EXPECT_EQ(lue.Cellule(0, 0), "a,b,,c");
    EXPECT_EQ(lue.Cellule(3, 4), ", début");
    EXPECT_EQ(lue.Cellule(2, 1), "ligne  coupée");

    // A cell the file does not mention keeps its text; files with LF only read too.
    Grille_Texte garde(3, 3);
    garde.Fixe(1, 1, "reste");
    EXPECT_EQ(garde.Lit("3,3\n0,0,x\n"), 0);
    EXPECT_EQ(garde.Cellule(1, 1), "reste");
    EXPECT_EQ(garde.Cellule(0, 0), "x");
    // An empty first line keeps the size.
    EXPECT_EQ(garde.Lit("\r\n2,2,z\r\n"), 0);
    EXPECT_EQ(garde.Colonnes(), 3);
    EXPECT_EQ(garde.Cellule(2, 2), "z");
}

TEST(Grille_Fichier, Lignes_Mal_Formees_Ignorees_Et_Tailles_Bornees) {
    Grille_Texte g = S::Grille_Vide();
    const int ignorees = g.Lit(
        "-5,99999999999\r\n"  // ignored: the score table keeps 3 x 11
        "2,1,abc\r\n"
        "x,1,nom\r\n"
        "1,1\r\n"
        "-1,2,moins\r\n"
        "3,1,dehors\r\n"
        "0,11,dehors\r\n"
        "0,4294967296,dehors\r\n"
        "0, 2 ,espace\r\n"
        "\x01\x02\xFF,\x80\r\n");
    EXPECT_EQ(ignorees, 8);
    EXPECT_EQ(g.Colonnes(), 3);
    EXPECT_EQ(g.Lignes(), 11);
    EXPECT_EQ(g.Cellule(2, 1), "abc");
    EXPECT_EQ(g.Cellule(0, 2), "espace");

    Grille_Texte libre(2, 2, {1, 1}, {50, 60});
    libre.Lit("1000000,1000000\r\n");
    EXPECT_EQ(libre.Colonnes(), 50);
    EXPECT_EQ(libre.Lignes(), 60);
    libre.Lit("0,0\r\n");
    EXPECT_EQ(libre.Colonnes(), 1);
    EXPECT_EQ(libre.Lignes(), 1);
}

TEST(Grille_Fichier, Entrees_Hostiles_Au_Hasard_Sans_Plantage) {
    std::mt19937 gen(20261208);
    const std::string alphabet = "0123456789,,,\r\n -+e.x\xE9\xFF";
    for (int essai = 0; essai < 5000; ++essai) {
        std::string contenu;
        const int longueur = static_cast<int>(gen() % 400);
        const bool binaire = essai % 3 == 0;
        for (int i = 0; i < longueur; ++i)
            contenu += binaire ? static_cast<char>(gen() & 0xFF) : alphabet[gen() % alphabet.size()];
        if (essai % 5 == 0) contenu = std::to_string(gen()) + "," + std::to_string(gen()) + "\n" + contenu;
        Grille_Texte g = S::Grille_Vide();
        g.Lit(contenu);
        ASSERT_EQ(g.Colonnes(), 3);
        ASSERT_EQ(g.Lignes(), 11);
        S::Assainit(g);
        S::Place_Eleve(g, "ELEVE", "E", 1 + static_cast<int>(gen() % 1000));
        for (int r = 2; r <= g.Ligne_Dernier(2); ++r) ASSERT_GE(g.Valeur_Cellule(2, r - 1), g.Valeur_Cellule(2, r));

        Grille_Texte large(1, 1, {1, 1}, {100, 1000});
        large.Lit(contenu);
        ASSERT_LE(large.Colonnes(), 100);
        ASSERT_LE(large.Lignes(), 1000);
    }
    // An enormous first line, and an enormous cell, read in bounded time.
    const auto debut = std::chrono::steady_clock::now();
    Grille_Texte g = S::Grille_Vide();
    g.Lit(std::string(4 << 20, '9') + "," + std::string(1 << 20, '9') + "\n2,1," + std::string(1 << 20, '7'));
    EXPECT_EQ(g.Lignes(), 11);
    EXPECT_EQ(g.Cellule(2, 1).size(), 1u << 20);
    EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(20));
}

TEST(Valeur_Cellule, Nombre_Ou_Erreur_A_La_Position) {
    Grille_Texte g(3, 3);
    g.Fixe(0, 1, "480");
    g.Fixe(1, 1, " -2.5e1");
    g.Fixe(2, 1, "12a");
    g.Fixe(0, 2, "1e99999");
    g.Fixe(1, 2, "abc");
    EXPECT_EQ(g.Valeur_Cellule(0, 1), 480);
    EXPECT_EQ(g.Valeur_Cellule(1, 1), -25);
    EXPECT_EQ(g.Valeur_Cellule(2, 2), 0);  // empty
    try {
        g.Valeur_Cellule(2, 1);
        FAIL();
    } catch (const Erreur_Cellule& e) {
        EXPECT_STREQ(e.what(), "Erreur à la position: 3 en cellule [2, 1].");
    }
    EXPECT_THROW(g.Valeur_Cellule(0, 2), Erreur_Cellule);
    try {
        g.Valeur_Cellule(1, 2);
        FAIL();
    } catch (const Erreur_Cellule& e) {
        EXPECT_EQ(e.position, 1u);
    }
}

TEST(Tri, Decroissant_Et_Egalites_Gardent_Leur_Ordre) {
    Grille_Texte g = Table({{"A", 100}, {"B", 500}, {"C", 300}, {"D", 500}, {"E", 100}, {"F", 700}, {"G", 300},
                            {"H", 500}, {"I", 50}, {"J", 300}});
    g.Trie(2);
    EXPECT_EQ(Noms(g), (std::vector<std::string>{"F", "B", "D", "H", "C", "G", "J", "A", "E", "I"}));
    EXPECT_EQ(g.Cellule(1, 1), "pF");  // whole rows move
    EXPECT_EQ(g.Cellule(0, 0), "          Nom");

    Grille_Texte deux = Table({{"PREMIER", 200}, {"SECOND", 200}});
    deux.Trie(2);
    EXPECT_EQ(Noms(deux), (std::vector<std::string>{"PREMIER", "SECOND"}));
}

TEST(Tri, Un_Score_Mal_Forme_Arrete_Le_Tri_Sans_Rien_Changer) {
    Grille_Texte g = Table({{"A", 1}, {"B", 2}});
    g.Fixe(2, 2, "2x");
    const std::string avant = g.Texte();
    EXPECT_THROW(g.Trie(2), Erreur_Cellule);
    EXPECT_EQ(g.Texte(), avant);
}

TEST(Table_Scores, Dernier_Et_Plus_Petit_Score) {
    Grille_Texte g = S::Grille_Vide();
    EXPECT_EQ(g.Ligne_Dernier(2), 0);
    EXPECT_EQ(g.Score_Dernier(2), 1e10L);
    g = Table({{"A", 300}, {"B", 120}, {"C", 250}});
    EXPECT_EQ(g.Ligne_Dernier(2), 3);
    EXPECT_EQ(g.Score_Dernier(2), 120);
}

TEST(Table_Scores, Eleve_Place_Selon_Son_Score) {
    // Empty table: the pupil alone in row 1.
    Grille_Texte g = Table({});
    S::Place_Eleve(g, "DUPONT", "Marie", 120);
    EXPECT_EQ(g.Cellule(0, 1), "DUPONT");
    EXPECT_EQ(g.Cellule(1, 1), "Marie");
    EXPECT_EQ(g.Cellule(2, 1), "120");
    EXPECT_EQ(g.Ligne_Dernier(2), 1);

    // Score 0 or no surname: never placed.
    Grille_Texte h = Table({{"A", 10}});
    S::Place_Eleve(h, "DUPONT", "Marie", 0);
    S::Place_Eleve(h, "", "Marie", 50);
    EXPECT_EQ(h.Ligne_Dernier(2), 1);

    // Fewer than ten entries: added and sorted into place, after equal scores.
    Grille_Texte k = Table({{"A", 300}, {"B", 200}, {"C", 100}});
    S::Place_Eleve(k, "NOUVEAU", "N", 200);
    EXPECT_EQ(Noms(k), (std::vector<std::string>{"A", "B", "NOUVEAU", "C"}));
}

TEST(Table_Scores, Dix_Entrees_Dont_La_Plus_Petite_Vaut_200) {
    auto pleine = [] {
        return Table({{"A", 1000}, {"B", 900}, {"C", 800}, {"D", 700}, {"E", 600}, {"F", 500}, {"G", 400},
                      {"H", 300}, {"I", 250}, {"J", 200}});
    };
    Grille_Texte g = pleine();
    S::Place_Eleve(g, "EGAL", "E", 200);
    EXPECT_EQ(Noms(g).back(), "J");
    EXPECT_EQ(g.Texte(), pleine().Texte());

    S::Place_Eleve(g, "MIEUX", "M", 210);
    EXPECT_EQ(Noms(g), (std::vector<std::string>{"A", "B", "C", "D", "E", "F", "G", "H", "I", "MIEUX"}));
    S::Place_Eleve(g, "TETE", "T", 5000);
    EXPECT_EQ(Noms(g).front(), "TETE");
    EXPECT_EQ(Noms(g).back(), "I");
    EXPECT_EQ(g.Cellule(2, 1), "5000");
    EXPECT_EQ(g.Cellule(1, 1), "T");
}

TEST(Table_Scores, Assainit_Retire_Les_Lignes_Sans_Score_Valide) {
    Grille_Texte g = S::Grille_Vide();
    g.Lit("3,11\r\n0,1,A\r\n2,1,10\r\n0,2,B\r\n2,2,douze\r\n0,3,C\r\n0,5,D\r\n2,5,30\r\n");
    S::Assainit(g);
    EXPECT_EQ(Noms(g), (std::vector<std::string>{"A", "D"}));
    EXPECT_EQ(g.Cellule(0, 3), "");
    S::Place_Eleve(g, "E", "e", 20);
    EXPECT_EQ(Noms(g), (std::vector<std::string>{"D", "E", "A"}));
}
