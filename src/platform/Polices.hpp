// Stand-ins for the symbol fonts the windows were designed with: texts keep
// the fonts' character codes and are turned into Unicode only for display,
// in a font that carries the signs.
#pragma once

#include <QFont>
#include <QString>

namespace Plateforme {

// The Unicode sign that the Wingdings font shows for a character code.
QString Wingdings(const QString& codes);
// A font with hand symbols and mathematical signs, at a pixel size.
QFont Police_Symboles(int taille_pixels);
// A monospaced font standing in for Courier New.
QFont Police_Courier(int taille_points);

}  // namespace Plateforme
