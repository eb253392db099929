// A grid of texts that saves itself to and loads itself from a small text
// file, and the rules of the best-scores table kept in such a grid.
//
// File format, one record per line: first "columns,rows", then one line
// "column,row,text" per non-empty cell, row after row; the text runs to the
// end of the line and may hold commas.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace Grille {

// A cell that does not hold a number.
class Erreur_Cellule : public std::runtime_error {
public:
    Erreur_Cellule(std::size_t position, int colonne, int ligne);
    std::size_t position;
};

// Reads a real as the program always did: optional leading spaces, an
// optional sign, digits with "." as the separator, an optional exponent.
// Returns 0 on success, otherwise the 1-based position of the first bad
// character. An empty text reads as 0.
std::size_t Lit_Reel(const std::string& texte, long double& valeur);

struct Taille {
    int colonnes = 0;
    int lignes = 0;
};

class Grille_Texte {
public:
    // Bounds of the sizes a file may ask for. A grid whose bounds are equal
    // keeps its size whatever the file says.
    Grille_Texte(int colonnes, int lignes, Taille minimum = {1, 1}, Taille maximum = {100, 1000});

    int Colonnes() const { return colonnes_; }
    int Lignes() const { return lignes_; }
    Taille Minimum() const { return minimum_; }
    Taille Maximum() const { return maximum_; }
    void Redimensionne(int colonnes, int lignes);  // bounded; cells keep their place

    // Cells outside the grid read as empty and are not written.
    const std::string& Cellule(int colonne, int ligne) const;
    void Fixe(int colonne, int ligne, const std::string& texte);
    void Vide_Lignes(int premiere, int derniere);

    // The cell's text as a real; throws Erreur_Cellule when it is no number.
    long double Valeur_Cellule(int colonne, int ligne) const;

    // The file content (UTF-8 texts, lines ended by CR LF). A line end
    // inside a text is written as a space so the file stays readable.
    std::string Texte() const;
    // Reads a file content over the grid: cells not mentioned keep their
    // text. Lines that do not follow the format, and cells outside the grid,
    // are skipped. Returns the number of lines skipped.
    int Lit(const std::string& contenu);

    // The last row whose cell in the column is not empty (0 when none of
    // the rows after the header row is).
    int Ligne_Dernier(int colonne) const;
    // The smallest value of the column over rows 1 to Ligne_Dernier
    // (10 to the power 10 when there is no entry).
    long double Score_Dernier(int colonne) const;
    // Sorts rows 1 to Ligne_Dernier by the column's value, largest first;
    // rows of equal value keep their order.
    void Trie(int colonne);

    void Echange_Lignes(int a, int b);

private:
    int colonnes_;
    int lignes_;
    Taille minimum_;
    Taille maximum_;
    std::vector<std::string> cellules_;  // row after row
};

// ---------------------------------------------------------------------------
// The best-scores table: 3 columns (surname, first name, score) and 11 rows,
// the header row then ten entries, best first.
namespace Scores {
constexpr int Colonnes = 3;
constexpr int Lignes = 11;
constexpr int Col_Nom = 0;
constexpr int Col_Prenom = 1;
constexpr int Col_Score = 2;

Grille_Texte Grille_Vide();

// Keeps only the rows whose score is a number, moved up without gaps in
// their order; the other cells of the entry rows are emptied.
void Assainit(Grille_Texte& g);

// Places the running pupil in the table as the table would rank him, then
// sorts it. Nothing is placed for an empty surname or a score of 0.
void Place_Eleve(Grille_Texte& g, const std::string& nom, const std::string& prenom, long long score);
}  // namespace Scores

}  // namespace Grille
