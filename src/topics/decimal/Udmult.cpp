#include "topics/decimal/Udmult.hpp"

namespace {
TExerciceForm::Description Description_Multiplication() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Multiplication des nombres décimaux");
    d.aide = 550;
    d.niveaux = 4;
    d.consigne = QStringLiteral("Calculer (sans machine !)");
    d.fond_riche = QColor(225, 229, 223);
    d.panneau_riche = QColor(174, 148, 0);
    d.dessin_riche = QColor(128, 128, 253);
    return d;
}
}  // namespace

TDmulForm::TDmulForm(QWidget* parent) : TDOperationForm(Description_Multiplication(), Operations::Operation::Multiplication, parent) {
    Fin_Constructeur();
}
