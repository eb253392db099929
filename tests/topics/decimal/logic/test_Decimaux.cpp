// The decimal entries' key filter and the reading of what a pupil typed.
#include <gtest/gtest.h>

#include <clocale>

#include "topics/decimal/logic/Decimaux.hpp"

using Decimaux::Filtre_Decimal;
using Exercice::Decision;

namespace {
// Types a text key by key at the end (or at `curseur`) through the filter.
std::u32string Tape(std::u32string texte, const std::u32string& touches, bool signe = true, int curseur = -1) {
    for (char32_t c : touches) {
        const int pos = curseur < 0 ? static_cast<int>(texte.size()) : curseur;
        const Decision d = Filtre_Decimal(c, pos, texte, signe);
        if (d.genre == Decision::Passe) {
            texte.insert(texte.begin() + pos, d.caractere);
            if (curseur >= 0) ++curseur;
        }
    }
    return texte;
}
}  // namespace

TEST(Decimaux, Filtre_Des_Entrees) {
    EXPECT_EQ(Tape(U"", U"0,3"), U"0.3");
    EXPECT_EQ(Tape(U"", U"2.5,1.7"), U"2.517");      // a second point or comma is dropped
    EXPECT_EQ(Tape(U"", U"4-2"), U"42");             // "-" after a digit, silently
    EXPECT_EQ(Tape(U"", U"--4.3"), U"-4.3");         // one sign only
    EXPECT_EQ(Tape(U"-5", U"3.,", true, 0), U"-5");  // nothing in front of the sign
    EXPECT_EQ(Tape(U"5", U"-", true, 0), U"-5");
    EXPECT_EQ(Filtre_Decimal(U'a', 0, U"", true).genre, Decision::Bip);
    EXPECT_EQ(Filtre_Decimal(U'-', 0, U"", false).genre, Decision::Bip);  // an entry without sign beeps at "-"
    EXPECT_EQ(Filtre_Decimal(U'-', 1, U"3", true).genre, Decision::Ignore);
    EXPECT_EQ(Filtre_Decimal(Exercice::Retour_Arriere, 1, U"-", true).genre, Decision::Passe);
}

TEST(Decimaux, Lecture_Quelle_Que_Soit_La_Langue) {
    // The windows run with the user's locale, where the separator may be ",".
    std::setlocale(LC_ALL, "fr_FR.UTF-8");
    EXPECT_EQ(Decimaux::Lit_Decimal("4.250"), 4.25L);
    EXPECT_EQ(Decimaux::Lit_Decimal("4,25"), 4.25L);
    EXPECT_EQ(Decimaux::Lit_Decimal("-.5"), -0.5L);
    EXPECT_EQ(Decimaux::Lit_Decimal("03.5"), 3.5L);
    for (const char* rien : {"", ".", "-", "-.", "abc"}) EXPECT_EQ(Decimaux::Lit_Decimal(rien), 0.0L) << rien;
    EXPECT_EQ(Decimaux::Lit_Decimal("2.6x"), 2.6L);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(Decimaux::Texte_Decimal(7.0L), "7");
    EXPECT_EQ(Decimaux::Texte_Decimal(0.5L), "0.5");
    EXPECT_EQ(Decimaux::Texte_Decimal(-0.000001L), "0");
}
