#include "controls/Fraction.hpp"

#include <QPainter>

#include "platform/Polices.hpp"

TFraction::TFraction(QWidget* parent) : TControle_Texte(parent) {
    QFont f = font();
    f.setFamily(Plateforme::Famille_Proche("Arial"));
    setFont(f);
    resize(30, 40);
}

Geometrie::Plan_Fraction TFraction::Plan_Complet() const {
    const QFont f = Police(Geometrie::Cellule_Fraction(height()));
    return Geometrie::Fraction(height(), Largeur_Texte(f, numer_), Largeur_Texte(f, deno_));
}

Geometrie::Plan_Fraction TFraction::Plan() const { return Plan_Complet(); }

void TFraction::paintEvent(QPaintEvent*) {
    Ajuste_Largeur();
    const Geometrie::Plan_Fraction plan = Plan();
    const QFont f = Police(plan.cellule);
    QPainter p(this);
    Texte_Opaque(p, f, plan.cellule, plan.numer.x, plan.numer.y, numer_);
    if (!plan.barre) return;
    // The bar is a pen stroke of the font colour centred on its line.
    p.fillRect(plan.barre_x1, Geometrie::Premiere_Ligne_Trait(plan.barre_y, plan.barre_epaisseur),
               plan.barre_x2 - plan.barre_x1, plan.barre_epaisseur, Couleur_Police());
    Texte_Opaque(p, f, plan.cellule, plan.deno.x, plan.deno.y, deno_);
}
