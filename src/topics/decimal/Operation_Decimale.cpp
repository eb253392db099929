#include "topics/decimal/Operation_Decimale.hpp"

TDOperationForm::TDOperationForm(const Description& d, Operations::Operation op, QWidget* parent)
    : TExerciceForm(d, std::make_unique<Operations::Sujet>(op), Exercice::Memoire_Enonces(), parent) {}

void TDOperationForm::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    L_A = Etiquette_Question();
    L_S1 = Etiquette_Question(QString::fromStdString(Sujet().Signe()));
    L_B = Etiquette_Question();
    Label2 = Etiquette_Question(QStringLiteral("="));
    const int longueur = Sujet().Longueur_Entree();
    Edit1->setMaxLength(longueur);
    Edit1->setFixedWidth(Largeur_Entree(longueur));
    Place_Question({L_A, L_S1, L_B, Label2, Edit1});
}

void TDOperationForm::Affiche_Question() {
    L_A->setText(QString::fromStdString(Sujet().Texte_A()));
    L_B->setText(QString::fromStdString(Sujet().Texte_B()));
}
