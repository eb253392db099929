#include "topics/decimal/Udaddi.hpp"

namespace {
TExerciceForm::Description Description_Addition() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Addition des nombres décimaux");
    d.aide = 530;
    d.niveaux = 4;
    d.consigne = QStringLiteral("Calculer (sans machine !)");
    d.fond_riche = QColor(223, 223, 223);
    d.panneau_riche = QColor(0, 128, 99);
    d.dessin_riche = QColor(255, 152, 132);
    return d;
}
}  // namespace

TDAddForm::TDAddForm(QWidget* parent) : TDOperationForm(Description_Addition(), Operations::Operation::Addition, parent) {
    Fin_Constructeur();
}
