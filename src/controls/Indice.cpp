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
    const Geometrie::Plan_Second plan = Plan();
    QPainter p(this);
    Texte_Opaque(p, Police(plan.cellule), plan.cellule, plan.principal.x, plan.principal.y, unite_);
    if (plan.second)
        Texte_Opaque(p, Police(plan.petite_cellule), plan.petite_cellule, plan.position_second.x,
                     plan.position_second.y, indice_);
}
