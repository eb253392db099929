#include "controls/Fractn.hpp"

Geometrie::Plan_Fraction TFractn::Plan() const {
    if (!Geometrie::Montre_Entier(deno_.toStdString(), metDeno_)) return Plan_Complet();
    const QFont f = Police(Geometrie::Cellule_Fraction(height()));
    return Geometrie::Entier(height(), Largeur_Texte(f, numer_));
}
