// Second-degree equations ag x² + bg x + cg = cd + bd x + ad x², reduced to
// A x² + B x + C = 0: level 1 solved by factorising (a difference of squares
// or a common factor x), levels 2 to 4 with the discriminant. The draws, the
// roots as the pupil types them, the worked solution and what the labels of
// the equation show.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/logic/Exercice.hpp"

namespace Equat2d {

struct Equation {
    int niveau = 1;
    bool carres = false;  // level 1: a difference of squares (else a common factor)
    int32_t ag = 0, bg = 0, cg = 0, ad = 0, bd = 0, cd = 0;
    int64_t A() const { return int64_t{ag} - ad; }
    int64_t B() const { return int64_t{bg} - bd; }
    int64_t C() const { return int64_t{cg} - cd; }
};

// Whether n is k² for some k from 1 to 180.
bool Est_Carre(int64_t n);
// Draws one equation at the level, drawing again until the level's conditions hold.
Equation Tire(int niveau);
// ag, ad, bg, bd, cg, cd joined by spaces.
std::string Cle(const Equation& e);

struct Etiquette {
    std::string texte;
    bool visible = false;
    bool operator==(const Etiquette&) const = default;
};
// The equation's labels, left to right: Unite1 (the x² term, its exponent
// aside), L_Bg, L_Cg, "=", L_Cd, L_Bd, Unite2.
struct Affichage {
    Etiquette Unite1, L_Bg, L_Cg, L_Cd, L_Bd, Unite2;
};
Affichage Affiche(const Equation& e);

// One root's line of the worked solution: "x1 =", a fraction when there is
// one, then Lx at its left.
struct Ligne_Racine {
    bool fraction = false;
    std::string numer, deno;
    std::string texte;  // Lx
    int gauche = 40;    // Lx's left in the verdict panel
};

struct Solution {
    long double x1 = 0, x2 = 0;
    // The roots' texts at 2 and 4 decimals, not normalised ("/" both when
    // there is no real root).
    std::string x1_2, x1_4, x2_2, x2_4;
    std::string LRep0, LRep1, Labc, Ldelta, LRacDelta;
    bool discriminant = false;  // Labc, delta and its root shown (levels 2 to 4)
    std::array<Ligne_Racine, 2> racines{};
};
Solution Resout(const Equation& e);

// The instruction of the level.
std::string Consigne(int niveau);

class Sujet : public Exercice::Sujet {
public:
    void Genere(int niveau) override;
    std::string Cle() const override { return Equat2d::Cle(equation_); }
    std::string Refuse(const std::vector<std::string>& reponses) const override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 50; }
    Exercice::Decision Filtre(int, char32_t c, int curseur, const std::u32string& texte) const override;

    const Equation& Question() const { return equation_; }
    const Solution& Resolue() const { return solution_; }
    // The two expected answers, normalised.
    std::string Attendu1() const;
    std::string Attendu2() const;

private:
    Equation equation_;
    Solution solution_;
};

}  // namespace Equat2d
