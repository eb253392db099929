#include "topics/decimal/Uddiv.hpp"

namespace {
TExerciceForm::Description Description_Division() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Division des nombres décimaux");
    d.aide = 560;
    d.niveaux = 4;
    d.consigne = QStringLiteral("Calculer la valeur exacte (sans machine !)");
    d.fond_riche = QColor(186, 215, 219);
    d.panneau_riche = QColor(117, 53, 200);
    d.dessin_riche = QColor(255, 158, 200);
    return d;
}
}  // namespace

TDdivForm::TDdivForm(QWidget* parent) : TDOperationForm(Description_Division(), Operations::Operation::Division, parent) {
    Fin_Constructeur();
}
