// First-degree equations in x with integer coefficients, two terms a side:
//   K1g(A1g x + B1g)/D1g + K2g(A2g x + B2g)/D2g = K1d(A1d x + B1d)/D1d + K2d(A2d x + B2d)/D2d
// at four levels (1 and 2: one term a side, A2g x + B2g = A1d x + B1d; 3: the
// factors and brackets; 4: the denominators too), their draws, their reduced
// form C x = D, and what each label of the four terms shows. The members can
// be joined by "=" or by an inequality sign.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "framework/logic/Exercice.hpp"

namespace Termes {

// One term K(A x + B)/D.
struct Terme {
    int32_t K = 1, A = 0, B = 0, D = 1;
};

struct Equation {
    int niveau = 1;
    int32_t k = 0;  // level 1: the root the equation is built on
    // In the order of the row: 1g, 2g (left member), 1d, 2d (right member).
    std::array<Terme, 4> termes{};
    Terme& T1g() { return termes[0]; }
    Terme& T2g() { return termes[1]; }
    Terme& T1d() { return termes[2]; }
    Terme& T2d() { return termes[3]; }
    const Terme& T1g() const { return termes[0]; }
    const Terme& T2g() const { return termes[1]; }
    const Terme& T1d() const { return termes[2]; }
    const Terme& T2d() const { return termes[3]; }
};

// Draws the integers of one equation at the level, drawing again until the
// level's conditions hold (the anti-repeat rule of levels 1 and 2 is the
// caller's, through Cle).
Equation Tire(int niveau);
// The key of the question at levels 1 and 2 (the integers joined by spaces).
std::string Cle(const Equation& e);

// The reduced equation C x = D.
struct Reduite {
    int64_t C = 0, D = 0;
};
Reduite Reduit(const Equation& e);

// What the labels of the row show.
struct Etiquette {
    std::string texte;
    bool visible = false;
    bool operator==(const Etiquette&) const = default;
};

// A term's panel (factor, "(", coefficient, "x", constant, ")") and, under it,
// its denominator over a fraction bar; tops in the question panel.
struct Affichage_Terme {
    bool visible = false;
    int haut = 33;
    Etiquette K, PARO, A, X, B, PARF;
    bool denominateur = false;  // the denominator panel is shown
    std::string D;
};

struct Affichage {
    std::array<Affichage_Terme, 4> termes{};  // 1g, 2g, 1d, 2d
    Etiquette Sg, Sd;                         // signs between the terms of a side
    int haut_signes = 44;                     // top of Sg and Sd
    int haut_milieu = 43;                     // top of the sign between the members
    // The horizontal line the row is read on (the middle of a term without
    // denominator): the signs are centred on it.
    int axe = 55;
};

Affichage Affiche(const Equation& e);

// What the topics over these equations share (the equations and the
// inequations): the draws of the level, the key, and the memory of the last
// questions at levels 1 and 2 only (levels 3 and 4 have too many questions to
// repeat).
class Sujet_Termes : public Exercice::Sujet {
public:
    void Genere(int niveau) override { equation_ = Tire(niveau); }
    std::string Cle() const override { return Termes::Cle(equation_); }
    bool Evite_Repetitions(int niveau) const override { return niveau <= 2; }

    const Termes::Equation& Equation() const { return equation_; }
    Termes::Reduite Reduite() const { return Reduit(equation_); }

private:
    Termes::Equation equation_;
};

}  // namespace Termes
