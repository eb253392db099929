// The number-sorting game: a natural number falls from the top of the window
// and the pupil drags it into one of five boxes (primes, divisible by 2, by 3,
// by 5, the others) before it touches the ground. Each drag of the number is
// judged at its end; a number that lands with no box chosen loses the game.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace Nrange {

inline constexpr int Points = 5;          // a sorted number, times the level
inline constexpr int Points_Perdu = 50;   // a number left to fall to the ground
inline constexpr int Pas_Chute = 10;      // pixels the number falls at each tick

// The boxes, by their codes. "Prime" is the program's own test, under which
// 0, 1 and 2 are prime.
enum Boite : int { Aucune = 0, Premiers = 1, Par_2 = 2, Par_3 = 3, Par_5 = 5, Autres = 99 };

// The fall clock's interval (ms) and the largest number drawn, per level.
int Intervalle(int niveau);
int Plus_Grand(int niveau);

// Whether `n` belongs in `boite` (a number such as 30 fits 2, 3 and 5; no
// number fits Aucune).
bool Juste(int32_t n, int boite);

// The table shown at the lower levels: the primes from 1 to 1000, each
// right-aligned in 4 characters, ten to a line.
std::vector<std::string> Table();

// What a tick of the fall clock does to a number whose top is at `haut`,
// `hauteur` high, above a ground whose top is at `sol`.
enum class Etape { Descend, Nouveau, Attend, Perdu };
Etape Chute(int haut, int hauteur, int sol, bool en_glisse, int boite);

// What the end of a drag of the number does.
enum class Fin { Juste, Faux, Perdu };

class Partie {
public:
    // Reseeds and draws a number of the level until it differs from each of
    // the last three; no box is chosen yet.
    void Pose(int niveau);
    // A drag passed over a box (or a figure standing for one).
    void Choisit(int boite) { boite_ = boite; }

    // The drag of the number ended, at the ground or not: with a box chosen
    // (or above the ground) the number is counted and judged; at the ground
    // with none the game is lost. Books the result.
    Fin Fin_De_Glisse(bool au_sol);
    // The number landed with no box chosen: the score alone pays for it.
    static void Perd();

    int32_t Nombre() const { return nombre_; }
    int Niveau() const { return niveau_; }
    int Boite_Choisie() const { return boite_; }
    const std::array<int32_t, 3>& Derniers() const { return derniers_; }

private:
    int32_t nombre_ = 0;
    int niveau_ = 1;
    int boite_ = Aucune;
    std::array<int32_t, 3> derniers_{};  // oldest first
};

}  // namespace Nrange
