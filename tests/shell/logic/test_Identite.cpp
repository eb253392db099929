#include <gtest/gtest.h>

#include "shell/logic/Identite.hpp"

using namespace Identite;

namespace {

// Types a whole first name through the rule, character by character.
std::u32string Tape_Prenom(const std::u32string& frappe) {
    std::u32string texte;
    for (char32_t c : frappe) texte += Lettre_Prenom(texte, c);
    return texte;
}

}  // namespace

TEST(Identite, PrenomPrendUneMajusculeAuDebutEtApresEspaceOuTrait) {
    EXPECT_EQ(Tape_Prenom(U"jean-pierre"), U"Jean-Pierre");
    EXPECT_EQ(Tape_Prenom(U"marie anne"), U"Marie Anne");
    EXPECT_EQ(Tape_Prenom(U"éloïse"), U"Éloïse");
    EXPECT_EQ(Tape_Prenom(U"anne-élise"), U"Anne-Élise");
    // Other letters stay as typed, capitals included.
    EXPECT_EQ(Tape_Prenom(U"mcDONALD"), U"McDONALD");
    // Only letters change: a leading digit or apostrophe stays, and the
    // letter after it is not a first letter any more.
    EXPECT_EQ(Tape_Prenom(U"'al"), U"'al");
    EXPECT_EQ(Tape_Prenom(U"jo  li"), U"Jo  Li");
}

TEST(Identite, MajusculesDesLettresAccentuees) {
    EXPECT_EQ(Majuscule(U'a'), U'A');
    EXPECT_EQ(Majuscule(U'z'), U'Z');
    EXPECT_EQ(Majuscule(U'ç'), U'Ç');
    EXPECT_EQ(Majuscule(U'ÿ'), U'Ÿ');
    EXPECT_EQ(Majuscule(U'œ'), U'Œ');
    EXPECT_EQ(Majuscule(U'ł'), U'Ł');
    EXPECT_EQ(Majuscule(U'ž'), U'Ž');
    EXPECT_EQ(Majuscule(U'÷'), U'÷');
    EXPECT_EQ(Majuscule(U'É'), U'É');
    EXPECT_EQ(Majuscule(U'7'), U'7');
    EXPECT_FALSE(Est_Lettre(U'-'));
    EXPECT_FALSE(Est_Lettre(U'×'));
    EXPECT_TRUE(Est_Lettre(U'ß'));
}

TEST(Identite, HorlogeDeSerie) {
    Horloge_Serie h;
    const int64_t midi = 12LL * 3600 * 1000;
    h.Demarre(midi);
    EXPECT_EQ(h.Lecture(midi), 0);
    EXPECT_EQ(h.Lecture(midi + 100), 100);
    EXPECT_EQ(h.Lecture(midi + 12 * 60 * 1000), 12 * 60 * 1000);
    EXPECT_EQ(Texte_Duree(h.Duree()), "00:12:00");
}

TEST(Identite, HorlogePasseMinuit) {
    Horloge_Serie h;
    const int64_t avant = Horloge_Serie::Jour - 5 * 60 * 1000;  // 23:55
    h.Demarre(avant);
    h.Lecture(Horloge_Serie::Jour - 100);
    // 00:10 the next day: fifteen minutes in all.
    EXPECT_EQ(h.Lecture(10 * 60 * 1000), 15 * 60 * 1000);
    EXPECT_EQ(h.Lecture(11 * 60 * 1000), 16 * 60 * 1000);
    // Counting on past the start time of the day before.
    EXPECT_EQ(h.Lecture(avant + 1000), Horloge_Serie::Jour + 1000);
    EXPECT_EQ(Texte_Duree(h.Duree()), "24:00:01");
}

TEST(Identite, HorlogeReculeeNAjouteRien) {
    Horloge_Serie h;
    const int64_t trois_heures = 3LL * 3600 * 1000;
    h.Demarre(trois_heures);
    h.Lecture(trois_heures + 60000);
    // Summer time ends: the time of day goes back one hour.
    EXPECT_EQ(h.Lecture(2LL * 3600 * 1000 + 60000), 60000);
    EXPECT_EQ(h.Lecture(2LL * 3600 * 1000 + 120000), 120000);
    EXPECT_EQ(Texte_Duree(-5), "00:00:00");
}
