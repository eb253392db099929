#include "controls/Indice.hpp"

#include <QPainter>

#include "platform/Polices.hpp"

TIndice::TIndice(QWidget* parent) : TControle_Texte(parent) {
    QFont f = font();
    f.setFamily(Plateforme::Famille_Proche("Times New Roman"));
    f.setItalic(true);
    setFont(f);
    resize(25, 30);
}

Geometrie::Plan_Second TIndice::Plan() const {
    const int h = height();
    const int l_unite = Largeur_Texte(Police(Geometrie::Cellule_Principale(h)), unite_);
    const int l_indice = indice_.isEmpty() ? 0 : Largeur_Texte(Police(Geometrie::Petite_Cellule(h)), indice_);
    return Geometrie::Indice(h, l_unite, indice_.isEmpty(), l_indice);
}

void TIndice::paintEvent(QPaintEvent*) {
    Ajuste_Largeur();
    Peint_Second(Plan(), unite_, indice_);
}
