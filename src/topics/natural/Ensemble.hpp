// What the windows on divisibility share: answer boxes in a grid, separated
// by commas, after the set's name ("M(12) = {"), and the lower half of the
// window moved under a taller question panel.
#pragma once

#include <QLabel>
#include <vector>

#include "framework/Entree.hpp"

class TExerciceForm;

namespace Ensemble {

// The font of the boxes and of the set's name and commas.
QFont Police();

// A grid of `cases` boxes of at most `chiffres` digits, `par_rangee` to a
// row, a comma after each and `fin` after the last one, put in the question
// panel at height y, centred, with `nom` on the left of the first row. The
// first box is the window's Edit1; the others are new.
struct Grille {
    QLabel* nom;
    std::vector<TEntree*> cases;
    std::vector<QLabel*> virgules;  // the last one shows `fin`
    int bas;                        // the grid's bottom edge in the panel
};
Grille Dispose(TExerciceForm& f, int cases, int par_rangee, int chiffres, const QString& fin, int y);

// Makes the question panel `hauteur` high and moves the verdict panel, the
// glyph and the buttons down with it; the verdict panel becomes `verdict` in
// size, its two lines spread over it.
void Agrandit(TExerciceForm& f, int hauteur, QSize verdict);

}  // namespace Ensemble
