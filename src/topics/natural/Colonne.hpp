// The pieces of a written operation laid out in columns: numbers in a fixed-
// pitch font, right-aligned on one edge so that digits of equal rank stand in
// one column; the result cell typed from right to left; the one-digit carry
// cells placed over or under a given column.
#pragma once

#include <QFont>
#include <QLabel>

#include "framework/Entree.hpp"

class TExerciceForm;
class TFigure;

namespace Colonne {

// "Courier New" bold, 32 pixels: the font of the operands and the result.
QFont Police();
// The width of one digit column in that font.
int Largeur_Chiffre();

// The window of a written operation: the question panel down the left side
// (`largeur` wide, as high as the window allows), the verdict panel, the
// glyph and the buttons on the right; Label1 yellow and underlined on green.
void Dispose_Fenetre(TExerciceForm& f, int largeur);

// The rule under the operands, from x to the units column's right edge.
TFigure* Regle(QWidget* panneau, int x, int droite, int y);

class Disposition {
public:
    // `droite`: the x of the right edge of the units column in the panel.
    explicit Disposition(int droite) : droite_(droite) {}
    int Droite() const { return droite_; }
    // The left edge of digit column `rang` (0: units, 1: tens, ...).
    int Gauche(int rang) const { return droite_ - (rang + 1) * Largeur_Chiffre(); }
    // A number label of `chiffres` columns whose text ends on the units column, at height y.
    QLabel* Nombre(QWidget* panneau, int chiffres, int y) const;
    // The result cell (a line edit of `chiffres` digits, typed right to left)
    // put at height y, its text ending on the units column.
    void Place_Resultat(TEntree* e, int chiffres, int y) const;
    // A carry cell of one digit whose centre is at x, at height y.
    TEntree* Retenue(QWidget* panneau, int x, int y) const;

private:
    int droite_;
};

}  // namespace Colonne
