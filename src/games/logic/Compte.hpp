// The target-number game without its window: the draw of the six plates and
// the target at each level, the search for a first solution in a fixed
// depth-first order, the single-operation shortcut, the key filters of the
// calculation lines and the judge of the pupil's lines.
//
// Every value is 64-bit: a chain of products at level 3 passes 2^32, and so
// does a product of two typed five-digit numbers.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "framework/logic/Exercice.hpp"

namespace Compte {

using Nombre = int64_t;
using Plaques = std::array<Nombre, 6>;

constexpr int Points = 35;
constexpr int Lignes = 6;

struct Tirage {
    Plaques plaques{};
    Nombre cible = 0;
};

// One draw of the level (1 to 3): plates 1 to 6 then the target; at level 3
// the target alone again while it is a multiple of 10; all seven again while
// the target equals a plate. Not checked for a solution.
Tirage Tire(int niveau);

struct Recherche {
    bool trouve = false;
    // The steps, each "a + b = r" followed by a line end.
    std::string solution;
    // Operations tried.
    long long essais = 0;
    // The pump asked to stop: nothing was decided.
    bool interrompue = false;
};

// Called every few milliseconds while a search runs (a window handles its
// pending events there); false abandons the search.
using Pompe = std::function<bool()>;
constexpr int Pompe_Intervalle_Ms = 5;

// The first solution of the depth-first search: from each slot i holding a,
// sums then products (no factor 1) with each later slot, then differences
// (smaller from larger) and exact quotients (not by 1) with every other slot;
// a step puts its result in slot i and empties the other slot, and the target
// is compared only with the result of an operation. Subtrees that provably
// hold no solution are skipped, so the first solution is the same as the
// plain search's.
Recherche Cherche_Solution(const Plaques& plaques, Nombre cible, const Pompe& pompe = {});

// The shortest solution when a single operation on two plates gives the
// target: quotients of a plate by a later one, then by an earlier one,
// products, differences (larger first), sums, pairs in plate order, the last
// match kept ("2 x 10 = 20", no line end). `solution` otherwise.
std::string Une_Operation(const Plaques& plaques, Nombre cible, const std::string& solution);

struct Partie {
    Tirage tirage;
    std::string solution;
    // Draws made and operations tried to get there.
    int tirages = 0;
    long long essais = 0;
};

// Draws until the draw has a solution, then shortens it to a single
// operation where one suffices. With a pump, nothing when it abandoned.
Partie Tire_Soluble(int niveau);
std::optional<Partie> Tire_Soluble(int niveau, const Pompe& pompe);

// Number and result entries: digits and Backspace; anything else beeps.
Exercice::Decision Filtre_Nombre(char32_t c);
// Operation entries: + - x : and Backspace, "*" typed as "x" and "/" as ":";
// anything else beeps.
Exercice::Decision Filtre_Operation(char32_t c);

// The four entries of a calculation line, as typed.
struct Ligne {
    std::string a, op, b, r;
    bool Complete() const { return !a.empty() && !op.empty() && !b.empty() && !r.empty(); }
};

// Whether the line after this one is shown: its result is filled and is not
// the target.
bool Montre_Suivante(const Ligne& l, Nombre cible);

struct Jugement {
    enum Style { Aucun, Simple, Erreur };
    bool juste = false;
    // The first error found (empty when none) and the box it goes in.
    std::string message;
    Style style = Aucun;
};

// Judges the lines: each number used must still be available (the plates,
// then the results of earlier lines, each used once), each line's arithmetic
// must hold (a division with a remainder or by 0 is a calculation error), and
// the last line judged must reach the target. The chain ends at the target or
// at the first line whose numbers are not all filled.
Jugement Juge(const Plaques& plaques, Nombre cible, const std::array<Ligne, Lignes>& lignes);

}  // namespace Compte
