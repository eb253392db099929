// The fraction minefield: a field of 10 columns by 6 rows of fractions, to be
// crossed from the bottom row (6) to the top row (1) stepping only on
// irreducible fractions; a fraction that can be simplified is a mine. One
// safe path, taken from a fixed table, crosses every field.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace Demineur {

constexpr int Colonnes = 10;
constexpr int Rangees = 6;

// Greatest common divisor (0 for two zeros).
uint16_t Pgcd2(uint16_t a, uint16_t b);
// The smallest d >= 2 dividing both, or 1 when there is none (or both <= 1).
uint16_t Plus_Petit_Diviseur(uint16_t a, uint16_t b);

// The largest term of the level's fractions: 9, 99, 256, 999.
uint16_t Borne(int niveau);
// Whether a/b is a mine the level may draw: simplifiable, by no more than 5,
// 11, 13 at levels 1 to 3, and never by 2 at levels 3 and 4.
bool Mine_Du_Niveau(uint16_t a, uint16_t b, int niveau);

// 100 paths, each a text of 4-digit cells (two-digit column, two-digit row)
// from row 06 to row 01, one cell left, right or up at each step.
const std::array<std::string_view, 100>& Chemins_Demineur();
// The (column, row) cells of a path text.
std::vector<std::pair<int, int>> Cellules(std::string_view chemin);

struct Case {
    uint16_t numer = 1;
    uint16_t deno = 2;
    bool jouee = false;
    bool active = false;  // the pupil may click it
    bool chemin = false;  // on the safe path
};

// What a click did.
enum class Issue { Ignore, Mine, Arrivee, Pas };

class Champ {
public:
    // A new field: mines everywhere, then one path of the table drawn again
    // until each of its cells is irreducible; only the bottom row is active.
    void Genere(int niveau);

    // Columns and rows count from 1; row 6 is the bottom one.
    const Case& At(int c, int r) const { return cases_[Index(c, r)]; }
    const std::string& Chemin() const { return chemin_; }
    bool Chemin_Montre() const { return chemin_montre_; }
    bool Fini() const { return fini_; }

    // A click on a cell. Only an active, unplayed cell of a field still in
    // play answers. A mine or the top row ends the game (every unplayed cell
    // goes inactive); a safe step leaves active only the played cells and the
    // unplayed neighbours left, right and above it.
    Issue Joue(int c, int r);
    // Reveals the path: its cells become active and no cell can be played.
    void Montre_Chemin();

private:
    static int Index(int c, int r) { return (r - 1) * Colonnes + (c - 1); }
    void Fige();

    std::array<Case, Colonnes * Rangees> cases_{};
    std::string chemin_;
    bool chemin_montre_ = false;
    bool fini_ = true;
};

}  // namespace Demineur
