// The worked corrections the fraction windows draw, as texts to place.
#pragma once

#include <optional>
#include <utility>

#include "topics/fraction/logic/Fractions.hpp"

namespace Fractions {

// A sum or difference written out on one line:
//   reduced terms = terms over the common denominator = raw result = simplified result = whole number
// with the simplifiers written under the terms and under the result.
struct Ligne_Somme {
    std::vector<Affichage> termes;          // the question's terms, reduced (or rewritten)
    std::vector<std::string> signes;        // between the terms
    std::vector<std::string> par_termes;    // under each term: "(par g)" or empty
    std::vector<Affichage> communs;         // over the common denominator; empty when not shown
    std::vector<std::string> signes_communs;
    std::optional<Affichage> brute;         // the result over the common denominator
    std::optional<Affichage> simplifiee;    // the irreducible result, when it differs
    std::string par_resultat;               // under the irreducible result, or empty
    std::string entier;                     // "= n" when the result is whole, or empty
};

std::string Par(int64_t g);  // "(par g)" when g > 1, otherwise empty

// The sum (or difference, `soustraction`) of the given fractions, in the
// common-denominator method. `montre_communs` shows the rewritten terms.
// When a difference is negative its sign goes in front of the result.
Ligne_Somme Corrige_Somme(const std::vector<Fraction>& fractions, bool soustraction, bool montre_communs);

// Result of a sum or difference of up to three fractions, as judged:
// irreducible, sign on the numerator.
Fraction Somme(const std::vector<Fraction>& fractions, bool soustraction);

// A product written factor by factor, with the cancellations of a numerator
// factor against a denominator factor done one at a time.
struct Annulations {
    std::vector<Affichage> fractions;   // the product before and after each step (at most 6)
    std::vector<std::string> etapes;    // "(a,b)/g" written above each fraction that is cancelled
    Affichage resultat;                 // the irreducible result
    std::string entier;                 // "= n" when the result is whole, or empty
};

// `facteurs` are (numerator, denominator) pairs; `signe` ("" or "-") stands in
// front of every numerator text.
Annulations Annule(std::vector<std::pair<int64_t, int64_t>> facteurs, const std::string& signe, Fraction resultat);

}  // namespace Fractions
