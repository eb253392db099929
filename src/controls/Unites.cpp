#include "controls/Unites.hpp"

#include <QPainter>

#include "platform/Polices.hpp"

TUnite::TUnite(QWidget* parent) : TControle_Texte(parent) {
    QFont f = font();
    f.setFamily(Plateforme::Famille_Proche("Arial"));
    setFont(f);
    resize(20, 24);
}

Geometrie::Plan_Second TUnite::Plan() const {
    const int h = height();
    const int l_unite = Largeur_Texte(Police(Geometrie::Cellule_Principale(h)), unite_);
    const int l_exposant = exposant_.isEmpty() ? 0 : Largeur_Texte(Police(Geometrie::Petite_Cellule(h)), exposant_);
    return Geometrie::Exposant(h, l_unite, exposant_.isEmpty(), l_exposant);
}

void TUnite::paintEvent(QPaintEvent*) {
    Ajuste_Largeur();
    Peint_Second(Plan(), unite_, exposant_);
}
