// The game against the computer on a 6 x 6 board of non-zero relative
// integers. Each takes one value in turn and adds it to his total: the pupil
// in the row where the computer last took, the computer in the column where
// the pupil last took. The game ends when the one to move has nothing left
// in his line; the larger total wins.
#pragma once

#include <array>
#include <string>

namespace Maxr {

constexpr int Taille = 6;
// Values by column then row, both 1..6 in the accessors; 0 = taken.
using Plateau = std::array<std::array<int, Taille>, Taille>;

constexpr int Points = 30;

// Draws a board for the level (1..3) with Random: values -d..d-1 without 0.
Plateau Tire_Plateau(int niveau);
// The row the computer takes in a column at a strength (1..3), or 0 when the
// column holds no value. Level 1 draws how many rows it looks at.
int Choix_Ordi(const Plateau& p, int colonne, int niveau);

enum class Issue { Gagne, Nul, Perdu };
std::string Message_Fin(Issue issue, const std::string& prenom);

class Partie {
public:
    // A new game on a drawn board, or on the given one.
    void Nouvelle(int niveau) { Pose(niveau, Tire_Plateau(niveau)); }
    void Pose(int niveau, const Plateau& p);

    // The pupil takes (c, r): only in his turn, once, a value still there,
    // in the computer's last row once the computer has taken. The whole turn
    // then counts as thinking, until Fin_Tour().
    bool Prend_Joueur(int c, int r);
    // One tick of the computer's thinking: the countdown 7..1, then 0 when
    // the computer takes.
    int Tic();
    // The computer takes in the pupil's column; returns the row taken.
    int Prend_Ordi();
    // The pupil may take again (once the computer's take is shown).
    void Fin_Tour();
    // Ends the game when the pupil's take emptied its column.
    bool Colonne_Jouee_Vide() const { return Colonne_Vide(colonne_); }

    // Ends the game and books it (once); returns how it ended.
    Issue Termine();
    // The pupil gives up an unfinished game: booked lost.
    void Abandonne();

    int Valeur(int c, int r) const { return plateau_[c - 1][r - 1]; }
    bool Colonne_Vide(int c) const;
    bool Ligne_Vide(int r) const;
    int Niveau() const { return niveau_; }
    int Total_Joueur() const { return total_joueur_; }
    int Total_Ordi() const { return total_ordi_; }
    int Colonne_Jouee() const { return colonne_; }
    int Ligne_Ordi() const { return ligne_; }  // 0 before the computer's first take
    bool Tour_Joueur() const { return tour_joueur_; }
    bool Coup_Libre() const { return coup_libre_; }
    bool Partie_Finie() const { return finie_; }
    // From the pupil's take to the end of the computer's.
    bool Reflechit() const { return reflechit_; }

private:
    Plateau plateau_{};
    int niveau_ = 1;
    int total_joueur_ = 0, total_ordi_ = 0;
    int colonne_ = 1, ligne_ = 0;
    bool tour_joueur_ = true, coup_libre_ = true, finie_ = true, reflechit_ = false;
    int compteur_ = 0;  // ticks of thinking
};

}  // namespace Maxr
