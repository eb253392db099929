// French accessible names and descriptions for the controls a pupil types
// into, clicks or drags. A control named by its window keeps that name; every
// other one is named from what it shows: a button by its text or tooltip, an
// answer box by the label in front of it on its line (the question), else
// "Réponse", a slider or spin box by its tooltip, a figure to drag by its text.
#pragma once

#include <QString>

class QWidget;

namespace Accessibilite {

// Whether the pupil can type into, click or drag this control.
bool Interactif(const QWidget* w);

// Names the interactive controls of a window that have no name of their own,
// and renames those it named before (the label in front of a box changes with
// the question).
void Nomme(QWidget* fenetre);

// Names each window's controls whenever a window is shown.
void Installe();

// What assistive technology reads of a control.
QString Nom(QWidget* w);
QString Description(QWidget* w);

}  // namespace Accessibilite
