// The fraction rules every fraction window shares: the reduced form (through
// Pgcd3), the least common denominator (through Ppcm3), the sign carried by the
// numerator, and the judging of an answer typed as a numerator over a
// denominator. Values are held in 64-bit integers so that products and powers
// of the questions' 16-bit terms are always judged on their true value.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/logic/Exercice.hpp"

namespace Fractions {

// Greatest common divisor of |a| and |b| as Pgcd3(a, b, b) gives it:
// Pgcd(0, d) = d and Pgcd(0, 0) = 1.
int64_t Pgcd(int64_t a, int64_t b);
// Least common multiple of positive values.
int64_t Ppcm(int64_t a, int64_t b, int64_t c = 1);
// Integer power, exponent >= 0.
int64_t Puissance(int64_t base, int exposant);

struct Fraction {
    int64_t n = 0;
    int64_t d = 1;
    bool operator==(const Fraction&) const = default;
};

// A reduced fraction and the divisor it was reduced by.
struct Reduction {
    Fraction f;
    int64_t par = 1;
};

// Divides numerator and denominator by their gcd; the sign ends up on the
// numerator and the denominator is positive (0/d gives 0/1, by d).
Reduction Reduit(Fraction f);

std::string Texte(int64_t x);

// A numerator/denominator pair as the correction draws it.
struct Affichage {
    std::string numer;
    std::string deno;
    bool operator==(const Affichage&) const = default;
};
Affichage Affiche(Fraction f);

// Judges the two boxes against an irreducible expected fraction (positive
// denominator). Exact text comparison: the numerator must be the canonical
// decimal text, with "-" for a negative value; when the value is whole the
// denominator box may be empty or "1".
bool Juge_Reponse(Fraction attendue, const std::string& numer, const std::string& deno);

// Judges the numerator and denominator boxes (the first two answers) against
// the expected fraction, as Juge_Reponse; the correction reads "n/d", or "n"
// when the value is whole.
Exercice::Verdict Juge_Fraction(Fraction attendue, const std::vector<std::string>& reponses);

// Filter of a numerator box that accepts a leading minus sign: digits and
// backspace pass, "-" only at the first position and once, no digit in front
// of it; anything else beeps.
Exercice::Decision Filtre_Numerateur_Signe(char32_t c, int curseur, const std::u32string& texte);
// Filter of the topics whose answer may be negative: the numerator box
// (entry 0) as Filtre_Numerateur_Signe, every other box digits only.
Exercice::Decision Filtre_Fraction_Signee(int entree, char32_t c, int curseur, const std::u32string& texte);

using Exercice::Reponse;

}  // namespace Fractions

// ---------------------------------------------------------------------------
// Draws shared by several fraction windows.
namespace Fractions {

using Trio = std::array<Fraction, 3>;

// What the topics on two or three fractions share: the fractions of the
// question and its level, 25 points, and no memory of the last questions.
class Sujet_Trio : public Exercice::Sujet {
public:
    // The terms of the three fractions.
    std::string Cle() const override;
    int Points() const override { return 25; }
    bool Evite_Repetitions(int) const override { return false; }

    const Trio& Question() const { return f_; }
    int Niveau() const { return niveau_; }
    void Pose(int niveau, const Trio& f) {
        niveau_ = niveau;
        f_ = f;
    }

protected:
    int niveau_ = 1;
    Trio f_{};
};

// Two fractions p1/q1, p2/q2 drawn with the given term draws: the first is
// drawn again with everything when p1 = q1; the second alone while p2 = q2;
// everything again when q1 = q2, when both are equal, or when `garde` refuses.
template <class TireP, class TireQ, class Garde>
void Tire_Paire(Trio& f, TireP tire_p, TireQ tire_q, Garde garde) {
    for (;;) {
        f[0].n = tire_p();
        f[0].d = tire_q();
        if (f[0].n == f[0].d) continue;
        do {
            f[1].n = tire_p();
            f[1].d = tire_q();
        } while (f[1].n == f[1].d);
        if (f[0].d == f[1].d || f[0].n * f[1].d == f[0].d * f[1].n) continue;
        if (!garde(f)) continue;
        f[2] = f[1];
        return;
    }
}

// The pairs of the middle levels of the sum and product topics: terms
// 1..10 over 2..10 at level 2; 1..20 over 10..30 with q1 x q2 < 1500 at level 3.
void Tire_Paire_Moyenne(Trio& f, int niveau);

// A fraction k.a / k.b with a in 1..15 and b in 1..9, drawn again while the
// denominator is 1.
Fraction Facteur_Commun(int64_t k);

// The large reducible fractions of the hardest levels: two fractions with
// terms 10..45 reducible by more than 2, distinct, of distinct denominators;
// with `troisieme`, then a third one 1..46 over 2..47 reducible by 5 or more.
void Tire_Grandes(Trio& f, bool troisieme);

}  // namespace Fractions
