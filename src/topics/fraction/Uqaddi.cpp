#include "topics/fraction/Uqaddi.hpp"

TQAddiF::TQAddiF(QWidget* parent)
    : TFenetre_Operation(Design(QStringLiteral("Addition des fractions"), 330, QStringLiteral("Calculer et simplifier au maximum")),
                         std::make_unique<Qaddi::Sujet>(), parent, QStringLiteral("+")) {
    Fin_Constructeur();
}

void TQAddiF::Construit_Enfants() {
    TFenetre_Operation::Construit_Enfants();
    Correction = new TPanneau_Somme(this, Zone_Correction);
    Correction->setGeometry(4, 4, Zone_Correction->width() - 8, Zone_Correction->height() - 8);
}

void TQAddiF::Montre_Question() { Montre_Fractions(Sujet().Question(), Sujet().Nombre()); }

void TQAddiF::Dessine_Correction() { Correction->Montre(Sujet().Corrige()); }
