// Stand-ins for the symbol fonts the windows were designed with: texts keep
// the fonts' character codes and are turned into Unicode only for display,
// in a font that carries the signs.
#pragma once

#include <QFont>
#include <QString>

namespace Plateforme {

// The Unicode sign that the Wingdings font shows for a character code.
QString Wingdings(const QString& codes);
// The Unicode sign that the Symbol font shows for a character code (the codes
// of framework/logic/Symbole.hpp); any other character is kept.
QString Symbol(const QString& codes);
// The other way: the Symbol-font codes of the signs a window shows (what an
// entry showing those signs holds, read back before judging).
QString Codes_Symbol(const QString& signes);
// A font with hand symbols and mathematical signs, at a pixel size.
QFont Police_Symboles(int taille_pixels);
// A monospaced font standing in for Courier New.
QFont Police_Courier(int taille_points);

// The installed family closest to a font name of the window layouts
// ("Arial", "Times New Roman", "Courier New", ...); an installed name is kept.
QString Famille_Proche(const QString& nom);
// The font with its family replaced by the closest installed one, and sized
// so that its cell (ascent + descent) fits `cellule` pixels as closely as
// possible; the style (weight, italic, underline) is kept.
QFont Police_Cellule(const QFont& police, int cellule);

}  // namespace Plateforme
