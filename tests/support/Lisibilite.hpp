// Whether a correction can be read: every item shown in the verdict panel
// (a text, a fraction, a power, a rule) lies whole inside the panel, under
// its title bar, no two items overlap, and none is written below a readable
// size. Any exercise window can be played through these checks.
#pragma once

#include <QStringList>
#include <cstdint>

class TExerciceForm;

// The smallest font cell, in pixels, a correction is written with.
inline constexpr int Cellule_Lisible = 12;

// What is wrong with the verdict panel as shown now, one line per fault;
// empty when it reads well.
QStringList Defauts_Verdict(TExerciceForm& f);

// What cannot be read in the question panel: a visible answer box that shows
// fewer digits than it accepts, or whose answer, once confirmed, fades into
// its background; an answer bar that does not stand out from the panel.
QStringList Defauts_Entrees(TExerciceForm& f);

// Plays `questions` questions at every level of the window, each answered
// wrongly in every answer box, and returns the faults of the corrections
// shown (and of the answer boxes), each with the level and the question's place in the run. The draws
// come from a fixed-seed source, so a run replays exactly.
QStringList Defauts_Corrections(TExerciceForm& f, int questions, uint64_t graine = 1);
