#include "topics/decimal/Udsous.hpp"

namespace {
TExerciceForm::Description Description_Soustraction() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Soustraction des nombres décimaux");
    d.aide = 540;
    d.niveaux = 4;
    d.consigne = QStringLiteral("Calculer (sans machine !)");
    d.fond_riche = QColor(243, 241, 245);
    d.panneau_riche = QColor(164, 89, 0);
    d.dessin_riche = QColor(188, 255, 146);
    return d;
}
}  // namespace

TDsouForm::TDsouForm(QWidget* parent) : TDOperationForm(Description_Soustraction(), Operations::Operation::Soustraction, parent) {
    Fin_Constructeur();
}
