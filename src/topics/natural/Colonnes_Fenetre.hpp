// What the windows of the written operations share: their rules, their
// scratch cells, the fixed-pitch font of their corrections and the place of
// the buttons under a tall question panel.
#pragma once

#include <QFont>

#include "controls/Figures.hpp"
#include "framework/FenetreExercice.hpp"

namespace Colonnes_Fenetre {

// A rule of the operation, in a colour that shows on the panel.
TFigure* Regle(QWidget* panneau, bool verticale, int longueur);
// A one-digit scratch cell (green, light yellow while focused).
TEntree* Case_Brouillon(QWidget* parent, int cote);
// The font of the corrections laid out in columns.
QFont Police_Fixe();
// How far left of a right-aligned entry's right edge its text ends.
int Retrait_Texte(const TEntree* e);
// Puts the glyph and the buttons at the height of the verdict panel.
void Range_Boutons(TExerciceForm& f, int y);

}  // namespace Colonnes_Fenetre
