#include "shell/logic/Notes.hpp"

#include <gtest/gtest.h>

using Commune::Compteurs_Serie;
using namespace Notes;

namespace {
Compteurs_Serie Avec(std::initializer_list<std::array<int, 3>> niveaux) {
    Compteurs_Serie c;
    for (const auto& [n, j, e] : niveaux) {
        c.JustesNiveau(n) = j;
        c.EssaisNiveau(n) = e;
    }
    return c;
}
}  // namespace

TEST(Note_Sur_20, Pondere_Chaque_Reponse_Par_Son_Niveau) {
    EXPECT_EQ(Note_Sur_20(Avec({{1, 5, 7}})), "14.3");
    EXPECT_EQ(Note_Sur_20(Avec({{4, 3, 3}})), "20.0");
    EXPECT_EQ(Note_Sur_20(Avec({{1, 1, 2}, {3, 1, 2}})), "10.0");
    EXPECT_EQ(Note_Sur_20(Avec({{1, 0, 5}})), "0.0");
    EXPECT_EQ(Note_Sur_20(Compteurs_Serie{}), "0.0");
    // A wrong answer at level 4 weighs four times a wrong one at level 1.
    EXPECT_EQ(Note_Sur_20(Avec({{1, 1, 1}, {4, 0, 1}})), "4.0");
    // Huge tallies do not overflow.
    EXPECT_EQ(Note_Sur_20(Avec({{4, 2147483647, 2147483647}, {3, 0, 2147483647}})), "11.4");
}

TEST(Note_Sur_20, Note_De_La_Serie_En_Cours) {
    Commune::Serie = Avec({{2, 1, 4}});
    EXPECT_EQ(Note_Sur_20(), "5.0");
    Commune::Serie.Remet_A_Zero();
}

TEST(Rapport_Note, Disposition_Exacte) {
    const std::string attendu =
        "DUPONT Ma. 4B\r\n\r\n"
        "Niveau         J   /   Exe  Coef\r\n\r\n"
        "    1      :      5    /    7   1\r\n"
        "    2      :      0    /    0   2\r\n"
        "    3      :      12   /   30   3\r\n"
        "    4      :      0    /    0   4\r\n\r\n"
        "         N =  8.5 / 20";
    EXPECT_EQ(Rapport_Note("DUPONT", "Marie", "4B", Avec({{1, 5, 7}, {3, 12, 30}})), attendu);
}

TEST(Rapport_Note, Prenom_Court_Accents_Et_Note_Normalisee) {
    const std::string r = Rapport_Note("LI", "A", "6C", Avec({{4, 3, 3}}));
    EXPECT_EQ(r.substr(0, r.find('\r')), "LI A. 6C");
    EXPECT_EQ(r.substr(r.rfind("N =")), "N =   20 / 20");
    const std::string accent = Rapport_Note("ÉTÉ", "Élodie", "3E", Compteurs_Serie{});
    EXPECT_EQ(accent.substr(0, accent.find('\r')), "ÉTÉ Él. 3E");
    EXPECT_EQ(accent.substr(accent.rfind("N =")), "N =    0 / 20");
}

TEST(Ligne_Resultats, Exemple_Reproduit_Caractere_Pour_Caractere) {
    EXPECT_EQ(Ligne_Resultats("DUPONT", "Marie", "4B", "07/12/2026 15:42:10", "00:12:34", Avec({{1, 5, 7}})),
              "DUPONT Marie                07/12/2026 15:42 4B       n1   5/7   n2   0/0   n3   0/0   n4   0/0   "
              "00:12 N = 14.3/20");
}

TEST(Ligne_Resultats, Les_Champs_Trop_Longs_Grandissent) {
    const std::string l = Ligne_Resultats("MARTIN-DELACROIX-BERTRAND", "Jean-Pierre", "TERMINALE", "7/12/26 9:05:00",
                                          "01:02:03", Avec({{2, 123, 1000}, {4, 3, 3}}));
    EXPECT_EQ(l,
              "MARTIN-DELACROIX-BERTRAND Jean-Pierre 7/12/26 9:05 TERMINALE n1   0/0   n2 123/1000 n3   0/0   "
              "n4   3/3   01:02 N =  2.6/20");
    // Characters, not bytes, are counted for the widths.
    const std::string a = Ligne_Resultats("ÉLÈVE", "Zoé", "5È", "07/12/2026 15:42:10", "00:00:05", Avec({{4, 3, 3}}));
    EXPECT_EQ(a.substr(0, a.find("07/")), "ÉLÈVE Zoé" + std::string(18, ' ') + " ");
    EXPECT_NE(a.find(" 5È       n1"), std::string::npos);
    EXPECT_NE(a.find("00:00 N =   20/20"), std::string::npos);
}

TEST(Liste_Locale, Les_Plus_Anciennes_Lignes_Partent_Au_Dela_De_60) {
    std::vector<std::string> l;
    for (int i = 1; i <= 60; ++i) l.push_back(std::to_string(i));
    Limite_Liste_Locale(l);
    EXPECT_EQ(l.size(), 60u);
    l.push_back("61");
    Limite_Liste_Locale(l);
    ASSERT_EQ(l.size(), 30u);
    EXPECT_EQ(l.front(), "32");
    EXPECT_EQ(l.back(), "61");
    // A list grown elsewhere is cut down too, still keeping the newest.
    std::vector<std::string> grande(200, "x");
    grande.back() = "dernier";
    Limite_Liste_Locale(grande);
    EXPECT_EQ(grande.size(), 45u);  // five blocks of 31 gone
    EXPECT_EQ(grande.back(), "dernier");
    std::vector<std::string> enorme(100000, "x");
    Limite_Liste_Locale(enorme);
    EXPECT_EQ(enorme.size(), 100000u - 31u * 3224u);
}

TEST(Fichier_General, Avertissement_Au_Dessus_De_100000_Octets) {
    EXPECT_FALSE(Fichier_General_Trop_Gros(100000));
    EXPECT_TRUE(Fichier_General_Trop_Gros(100001));
    EXPECT_EQ(Avertissement_Taille(100001),
              "Le fichier général de résultats a une taille de 100001 octets.\r\n"
              "Il conviendrait prochainement de le vider !\r\n"
              "(Dans le menu principal : CTRL-SHIFT-F9 puis bouton [E])");
}

TEST(Impression, En_Tete_Puis_Chaque_Ligne_Suivie_D_Une_Ligne_Vide) {
    const auto l = Lignes_Impression({"a", "b"});
    ASSERT_EQ(l.size(), 8u);
    EXPECT_EQ(l[0], "");
    EXPECT_EQ(l[1], "TAVELUNE" + std::string(45, ' ') + "Notes");
    EXPECT_EQ(l[2], std::string(105, '-'));
    EXPECT_EQ(l[3], "");
    EXPECT_EQ(l[4], "a");
    EXPECT_EQ(l[5], "");
    EXPECT_EQ(l[6], "b");
    EXPECT_EQ(l[7], "");
}

TEST(Debogueur, Lu_Dans_Le_Statut_Du_Processus) {
    EXPECT_FALSE(Suivi_Par_Debogueur("Name:\ttavelune\nTracerPid:\t0\nUid:\t1000\n"));
    EXPECT_TRUE(Suivi_Par_Debogueur("Name:\ttavelune\nTracerPid:\t4321\n"));
    EXPECT_FALSE(Suivi_Par_Debogueur(""));
    EXPECT_FALSE(Suivi_Par_Debogueur("TracerPid:\t00\n"));
}
