// Derivatives of a power of x (level 1), of a polynomial with the derivative
// number at x0 (level 2), of a second-degree polynomial with the tangent at
// x0 (level 3). The pupil types the coefficients and sets the exponent of x
// of the first two terms with spin buttons; those exponents are held here.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "framework/logic/Exercice.hpp"

namespace Deriv {

// c x^e as written in f and in the correction: the coefficient text and an
// "x" when c and e are not 0, else c alone; the exponent shown when c is not
// 0 and e is neither 0 nor 1.
std::string Terme_Texte(int64_t c, int e);
std::string Exposant_Texte(int64_t c, int e);

// A term shown as a text and its raised exponent.
struct Monome {
    std::string unite;
    std::string exposant;
    bool operator==(const Monome&) const = default;
};

// The x and exponent the pupil sets beside a typed coefficient.
struct Exposant_Choisi {
    Monome vu;      // what the term shows ("x" and its exponent, or nothing)
    int valeur = 0;  // the exponent set (0: no x)
    bool Montre_X() const { return vu.unite.ends_with("x"); }
    // The exponent as the term shows it.
    int Courant() const;
    // One up, not above 99.
    void Monte();
    // One down, below 0 only when `negatif` (not below -99).
    void Descend(bool negatif);
};

// Boxes 1 to 6 of the answer, in this order.
enum Boite { Coef1, Coef2, Constante, Nombre_Derive, Pente, Ordonnee };

class Sujet : public Exercice::Sujet {
public:
    void Genere(int niveau) override;
    std::string Cle() const override;
    bool Evite_Repetitions(int) const override { return false; }
    std::string Refuse_Apres_Compte(const std::vector<std::string>& reponses) const override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 25; }
    // Backspace, digits, and "+" or "-" in front (whatever the box).
    Exercice::Decision Filtre(int, char32_t c, int curseur, const std::u32string& texte) const override;

    int Niveau() const { return niveau_; }
    int X0() const { return x0_; }
    // f's three terms (an empty one is not shown).
    const std::array<Monome, 3>& F() const { return f_; }
    // The derivative: coefficient and exponent of terms 1 and 2, the constant.
    int64_t Coefficient(int terme) const { return coef_[terme]; }
    int Exposant(int terme) const { return exp_[terme]; }
    int64_t Derive_En_X0() const { return derive_x0_; }
    int64_t F_En_X0() const { return f_x0_; }
    int64_t Ordonnee_Origine() const { return p_; }

    // The exponents of terms 1 and 2 the spin buttons set (0 at each question).
    const Exposant_Choisi& Choisi(int terme) const { return choisi_[terme]; }
    void Monte(int terme) { choisi_[terme].Monte(); }
    // Term 1 goes below 0 only at level 1; term 2 never does.
    void Descend(int terme) { choisi_[terme].Descend(terme == 0 && niveau_ == 1); }

    // The correction: f' term by term, f'(x0) and, at level 3, the point and the tangent.
    std::array<Monome, 3> Derivee() const;
    std::string Ligne_Nombre_Derive() const;
    std::string Ligne_Tangente() const;

private:
    // The boxes as judged: an implicit coefficient completed.
    std::array<std::string, 6> Complete(const std::vector<std::string>& reponses) const;

    int niveau_ = 1;
    int x0_ = 0;
    std::array<Monome, 3> f_{};
    std::array<int64_t, 3> coef_{};
    std::array<int, 2> exp_{};
    int64_t derive_x0_ = 0, f_x0_ = 0, p_ = 0;
    std::array<Exposant_Choisi, 2> choisi_{};
};

}  // namespace Deriv
