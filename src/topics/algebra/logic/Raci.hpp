// Square roots: a root rounded to a precision (level 1), an exact rational
// root or "/" (level 2), a sum of roots to 0.01 (level 3), a sum of roots
// written a√b with b minimal (level 4, the root set with a spin button, held
// here).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "framework/logic/Exercice.hpp"

namespace Raci {

// The decimal prefix of the root of a radicand whose prefix has this many
// characters ("0.0049": "0.00", 4 characters, gives "0.0").
std::string Prefixe_Racine(std::size_t longueur);
// The exact root of the radicand `prefixe` followed by x, or "/" when x is
// not a perfect square (a negative x has none).
std::string Racine_Exacte(int64_t x, const std::string& prefixe);

// A term of the question or of the worked solution: coefficient text and radicand.
struct Terme {
    std::string coefficient;
    std::string radicande;
    bool operator==(const Terme&) const = default;
};
using Rangee = std::array<Terme, 3>;

class Sujet : public Exercice::Sujet {
public:
    void Genere(int niveau) override;
    std::string Cle() const override;
    bool Evite_Repetitions(int) const override { return false; }
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 10; }
    // A decimal with its sign in front, or "/".
    Exercice::Decision Filtre(int, char32_t c, int curseur, const std::u32string& texte) const override;

    int Niveau() const { return niveau_; }
    std::string Consigne() const;
    // The terms of the question: one radicand at levels 1 and 2, three after.
    const Rangee& Termes() const { return termes_; }
    // The expected answer (levels 1 to 3), K and B at level 4.
    const std::string& Attendu() const { return attendu_; }
    int64_t K() const { return K_; }
    int B() const { return B_; }
    // Level 4: the worked solution, three rows.
    const std::array<Rangee, 3>& Solution() const { return solution_; }

    // The radicand of the answer's root (level 4), 1 shown as an empty root.
    const std::string& Racine_Vue() const { return racine_; }
    void Monte();
    void Descend();
    bool Confirmable(const std::string& edit1) const;

    // The correction: LRep1's text, and at level 4 the root beside it (empty: none).
    std::string Correction_Texte() const;
    std::string Correction_Racine() const;

private:
    int niveau_ = 1;
    int precision_ = 0;
    Rangee termes_{};
    std::string attendu_;
    std::string correction_;
    int64_t K_ = 0;
    int B_ = 2;
    std::array<Rangee, 3> solution_{};
    std::string racine_;
};

}  // namespace Raci
