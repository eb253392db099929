// The memory game: face-down cards in pairs, each face a real number; the
// pupil turns two cards at a time and must find every pair in as few tries
// as possible.
#pragma once

#include <string>
#include <vector>

namespace Memoire {

// Image 0 is the back; faces are 1 to 26.
constexpr int Nb_Faces = 26;

struct Niveau_Jeu {
    int cartes;
    int colonnes;
    int essais_reference;
};
// Cards, columns and reference tries of a level (1 to 4).
Niveau_Jeu Du_Niveau(int niveau);
// The offset added to a pair number to pick its face: 0 at level 1, then
// 3..6, 3..7 and 4..6.
int Tire_Decalage(int niveau);

struct Note {
    std::string verdict;
    int points;
};
// The grade of a game won in `essais` tries against the reference R, halves
// and quarters of R truncated.
Note Note_Partie(int reference, int essais);

// What a click on a card did.
enum class Clic { Ignore, Premiere, Paire, Erreur, Gagne };

class Partie {
public:
    // Deals a new game: the offset is drawn, the generator reseeded, and each
    // pair number 1..N/2 goes to two cards drawn until an empty one is hit.
    void Distribue(int niveau);

    int Niveau() const { return niveau_; }
    int Nb_Cartes() const { return static_cast<int>(valeurs_.size()); }
    int Decalage() const { return decalage_; }
    int Reference() const { return reference_; }
    // Cards count from 1. The pair number's two-digit text ("01".."20").
    std::string Valeur(int carte) const;
    int Paire(int carte) const { return valeurs_[carte - 1]; }
    int Face(int carte) const { return Paire(carte) + decalage_; }
    // The picture a card shows now (0: its back).
    int Image(int carte) const;
    bool Trouvee(int carte) const { return trouvees_[carte - 1]; }

    int Essais() const { return essais_; }
    int Paires() const { return paires_; }
    bool En_Cours() const { return en_cours_; }
    // A mismatch is on show: both cards stay face up and every click is
    // ignored until Retourne().
    bool Attend_Retour() const { return retour_; }

    // A click on card n. The first card of a turn is shown; the second (not
    // found, not the first) counts a try: a pair stays up, a mismatch waits
    // for Retourne(). The last pair wins.
    Clic Clique(int carte);
    // Turns back the two cards of a mismatch.
    void Retourne();
    // Ends the game with every face up.
    void Abandonne();

private:
    int niveau_ = 1;
    int decalage_ = 0;
    int reference_ = 20;
    std::vector<int> valeurs_;
    std::vector<bool> trouvees_;
    std::vector<bool> montrees_;
    int premiere_ = 0;  // 0: waiting for a first card
    int essais_ = 0;
    int paires_ = 0;
    bool en_cours_ = false;
    bool retour_ = false;
};

}  // namespace Memoire
