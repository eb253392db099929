// What every window of the program shares: the pupil's identity, the series
// counters, the booking operations and the text and number helpers used to
// build questions and to normalise answers.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace Commune {

// ---------------------------------------------------------------------------
// Series counters, kept as one block of eleven 32-bit integers in this order
// so that a new series can reset them at once.
struct Compteurs_Serie {
    int32_t NbExercices = 0;
    int32_t NbJustes = 0;
    int32_t Score = 0;
    // Interleaved per level: correct answers, then attempts, for levels 1 to 4.
    std::array<int32_t, 8> Niveaux{};

    int32_t JustesNiveau(int niveau) const;
    int32_t EssaisNiveau(int niveau) const;
    int32_t& JustesNiveau(int niveau);
    int32_t& EssaisNiveau(int niveau);
    void Remet_A_Zero() { *this = Compteurs_Serie{}; }
};
static_assert(sizeof(Compteurs_Serie) == 11 * sizeof(int32_t));

extern Compteurs_Serie Serie;

// Booking, called by every exercise window and game.
void Compte_Exercice();
void Note_Juste(int points, int niveau);
void Note_Faux(int points, int niveau);
// A game lost as a whole: the score alone loses the points, down to 0 at
// most; no answer and no level tally is booked.
void Note_Perdu(int points);

// ---------------------------------------------------------------------------
// Identity and shared texts.
extern std::string Nom;
extern std::string Prenom;
extern std::string Classe;
extern std::string Fichier_Scores;
extern const std::string Nom_Fichier_Scores;
extern const std::string Version;

struct Couleur {
    int r = 0, g = 0, b = 0;
    bool operator==(const Couleur&) const = default;
};
extern bool Couleurs_Riches;
extern const Couleur Couleur_Panneaux;

// ---------------------------------------------------------------------------
// Text helpers. Texts are UTF-8; widths and lengths count characters.
std::string Signe_Plus(const std::string& t);
std::string Ajoute_Plus(const std::string& t);
std::string Enleve_Plus(const std::string& t);
std::string Terme_Signe(int64_t n);
std::string Parenthese_Negatif(int64_t n);
std::string Coef_Texte(int64_t n);
std::string Groupe_Chiffres(const std::string& t);
std::string Enleve_Espaces(const std::string& t);
std::string Normalise_Decimal(const std::string& t);
std::string Cadre_Droite(const std::string& t, int largeur);
std::string Cadre_Gauche(const std::string& t, int largeur);
std::size_t Longueur(const std::string& t);  // number of characters of a UTF-8 text

// Writing reals: fixed point with exactly n decimals, "." as separator.
std::string Texte_Fixe(long double x, int n);
std::string Texte_Reel(long double x, int n);

// ---------------------------------------------------------------------------
// Number helpers.
int32_t Signe_Aleatoire(int32_t n);
long double Signe_Aleatoire_Reel(long double x);
bool Est_Premier(int64_t n);
bool Est_Divisible(int64_t d, int64_t n);
uint16_t Pgcd3(uint16_t a, uint16_t b, uint16_t c);
uint16_t Ppcm3(uint16_t a, uint16_t b, uint16_t c);
int32_t Puissance_Entiere(int32_t base, int exposant);
long double Puissance_Reelle(long double base, long double exposant);
int Ordre_Grandeur(long double x);

// Milliseconds elapsed between two readings of a 32-bit tick counter,
// right also when the counter wrapped around in between.
uint32_t Ticks_Ecoules(uint32_t debut, uint32_t maintenant);

}  // namespace Commune
