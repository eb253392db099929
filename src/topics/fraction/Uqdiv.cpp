#include "topics/fraction/Uqdiv.hpp"

TQDivF::TQDivF(QWidget* parent)
    : TFenetre_Operation(Design(QStringLiteral("Division des fractions"), 360,
                                QStringLiteral("Calculer et simplifier (réponse irréductible)")),
                         std::make_unique<Qdiv::Sujet>(), parent, QStringLiteral(":")) {
    Fin_Constructeur();
}

void TQDivF::Construit_Enfants() {
    TFenetre_Operation::Construit_Enfants();
    Correction = new TPanneau_Annulations(this, Zone_Correction);
    Correction->setGeometry(4, 0, Zone_Correction->width() - 8, Zone_Correction->height() - 4);
}

void TQDivF::Montre_Question() { Montre_Fractions(Sujet().Question(), 2, Sujet().Signes()); }

void TQDivF::Dessine_Correction() { Correction->Montre(Sujet().Corrige()); }
