#include "topics/integer/Uzaddi.hpp"

#include "topics/integer/logic/Relatifs.hpp"

namespace {
TExerciceForm::Description Description_ZAddi() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Addition des nombres relatifs");
    d.aide = 210;
    d.niveaux = 3;
    d.consigne = QStringLiteral("Calculer");
    return d;
}
}  // namespace

TZAddiF::TZAddiF(QWidget* parent) : TExerciceForm(Description_ZAddi(), std::make_unique<Zaddi::Sujet>(), Exercice::Memoire_Enonces(), parent) {
    Fin_Constructeur();
}

void TZAddiF::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    L_A = Etiquette_Question();
    L_S1 = Etiquette_Question(QStringLiteral("+"));
    L_B = Etiquette_Question();
    L_S2 = Etiquette_Question(QStringLiteral("+"));
    L_C = Etiquette_Question();
    Label2 = Etiquette_Question(QStringLiteral("="));
    Edit1->setMaxLength(5);
    Place_Question({L_A, L_S1, L_B, L_S2, L_C, Label2, Edit1});
}

void TZAddiF::Affiche_Question() {
    const Zaddi::Sujet& s = Sujet();
    L_A->setText(QString::fromStdString(Relatifs::Operande(s.A())));
    L_B->setText(QString::fromStdString(Relatifs::Operande(s.B())));
    L_C->setText(QString::fromStdString(Relatifs::Operande(s.C())));
    L_S2->setVisible(s.Trois_Termes());
    L_C->setVisible(s.Trois_Termes());
}
