#include "topics/fraction/Uqsous.hpp"

namespace {
TExerciceForm::Description Design_Soustraction() {
    auto d = TFenetreFraction::Design(QStringLiteral("Soustraction des fractions"), 340,
                                      QStringLiteral("Calculer et simplifier au maximum"));
    d.dessin_riche = QColor(134, 115, 255);
    d.panneau_riche = QColor(170, 77, 0);
    return d;
}
}  // namespace

TQSousF::TQSousF(QWidget* parent)
    : TFenetre_Operation(Design_Soustraction(), std::make_unique<Qsous::Sujet>(), parent, QStringLiteral("-")) {
    Fin_Constructeur();
}

void TQSousF::Construit_Enfants() {
    TFenetre_Operation::Construit_Enfants();
    Correction = new TPanneau_Somme(this, Zone_Correction);
    Correction->setGeometry(4, 4, Zone_Correction->width() - 8, Zone_Correction->height() - 8);
}

void TQSousF::Montre_Question() { Montre_Fractions(Sujet().Question(), 2); }

void TQSousF::Dessine_Correction() { Correction->Montre(Sujet().Corrige()); }
