// The neighbouring multiples of a result, and the bracketing and rounding
// judged on them.
#include <gtest/gtest.h>

#include "topics/decimal/logic/Darrond.hpp"
#include "topics/decimal/logic/Dencad.hpp"
#include "topics/decimal/logic/Multiples_Voisins.hpp"

using namespace Multiples_Voisins;

namespace {
Darrond::Sujet Arrondi(long double x, Darrond::Mode m) {
    Darrond::Sujet s;
    s.Fixe(2, x, m);
    return s;
}
Dencad::Sujet Encadre(long double x) {
    Dencad::Sujet s;
    s.Fixe(4, x);
    return s;
}
bool Juste(const Exercice::Sujet& s, std::vector<std::string> r) { return s.Juge(r).juste; }
}  // namespace

TEST(Multiples_Voisins, Encadrement_Et_Arrondi_Des_Cas_Connus) {
    Voisins v = Calcule(23.4567L, false);
    EXPECT_EQ(v.k, -1);
    EXPECT_EQ(v.inferieur, "23.4");
    EXPECT_EQ(v.superieur, "23.5");
    EXPECT_TRUE(Juste(Encadre(23.4567L), {"23.4", "23,50"}));
    EXPECT_FALSE(Juste(Encadre(23.4567L), {"23.5", "23.4"}));
    EXPECT_TRUE(Juste(Arrondi(23.4567L, Darrond::Par_Defaut), {"23.4"}));
    EXPECT_TRUE(Juste(Arrondi(23.4567L, Darrond::Par_Exces), {"23.5"}));
    EXPECT_TRUE(Juste(Arrondi(23.4567L, Darrond::Au_Plus_Pres), {"23.5"}));
    EXPECT_FALSE(Juste(Arrondi(23.4567L, Darrond::Au_Plus_Pres), {"23.4"}));

    // 2.35 lies between 0.5 and 5: hundredths. It brackets itself from below,
    // and rounds to itself in every mode.
    v = Calcule(2.35L, false);
    EXPECT_EQ(v.k, -2);
    EXPECT_EQ(v.inferieur, "2.35");
    EXPECT_EQ(v.superieur, "2.36");
    v = Calcule(2.35L, true);
    EXPECT_TRUE(v.multiple);
    EXPECT_EQ(v.superieur, "2.35");
    for (auto m : {Darrond::Par_Defaut, Darrond::Par_Exces, Darrond::Au_Plus_Pres}) {
        const Darrond::Sujet s = Arrondi(2.35L, m);
        EXPECT_TRUE(Juste(s, {"2.35"}));
        EXPECT_EQ(s.Ligne_C_Est(), "C'est : 2.350 00");
        EXPECT_EQ(s.Ligne_Donc(), "donc 2.35");  // written once, also to the nearest
    }
    // Step 3 keeps the zeros of the bounds: 2.30 is written so.
    EXPECT_EQ(Arrondi(2.3045L, Darrond::Par_Defaut).Ligne_C_Est(), "C'est : 2.304 50...(compris entre 2.30 et 2.31)");

    // An exact half: both are accepted.
    const Darrond::Sujet moitie = Arrondi(12.25L, Darrond::Au_Plus_Pres);
    EXPECT_TRUE(Juste(moitie, {"12.2"}));
    EXPECT_TRUE(Juste(moitie, {"12.3"}));
    EXPECT_EQ(moitie.Ligne_Donc(), "donc 12.2 (ou 12.3)");

    v = Calcule(60000.7L, false);
    EXPECT_EQ(v.k, 3);
    EXPECT_EQ(v.inferieur, "60000");
    EXPECT_EQ(v.superieur, "61000");
    EXPECT_TRUE(Juste(Encadre(60000.7L), {"60000.0", "61000"}));
    EXPECT_EQ(Encadre(60000.7L).Droite(), "60 000.7<61 000");

    // A negative result: lower is the further from zero.
    v = Calcule(-3.4567L, true);
    EXPECT_EQ(v.inferieur, "-3.46");
    EXPECT_EQ(v.superieur, "-3.45");
    EXPECT_TRUE(Juste(Arrondi(-3.4567L, Darrond::Par_Defaut), {"-3.46"}));
    EXPECT_TRUE(Juste(Arrondi(-3.4567L, Darrond::Par_Exces), {"-3.45"}));

    // Bounds of the order of magnitude are exclusive: 50000 is in hundreds.
    EXPECT_EQ(Calcule(50000, false).k, 2);
    EXPECT_EQ(Texte_Precision(-2).libelle, " près (0,01 : au centième)");
    EXPECT_EQ(Arrondi(0.2L, Darrond::Par_Exces).Libelle(), " près (0,001 : au millième)  par excès");
}

TEST(Multiples_Voisins, Un_Resultat_Arrondi_Ne_Passe_Pas_La_Borne) {
    // Rounded, 0.016996 would read 0.017, the upper bound itself: it is cut.
    const Dencad::Sujet e = Encadre(0.016996L);
    EXPECT_EQ(e.Inferieur(), "0.016");
    EXPECT_EQ(e.Droite(), "0.016 9<0.017");
    EXPECT_EQ(Arrondi(0.016996L, Darrond::Par_Defaut).Ligne_C_Est(),
              "C'est : 0.016 99...(compris entre 0.016 et 0.017)");
    EXPECT_EQ(Texte_Entre(-0.016996L, 5, Calcule(-0.016996L, true)), "-0.01699");
    // Any other result keeps its rounding.
    EXPECT_EQ(Encadre(0.016896L).Droite(), "0.016 9<0.017");
    EXPECT_EQ(Encadre(23.45678L).Droite(), "23.456 8<23.5");
}
