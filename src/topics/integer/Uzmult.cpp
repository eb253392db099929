#include "topics/integer/Uzmult.hpp"

#include "topics/integer/logic/Relatifs.hpp"

namespace {
TExerciceForm::Description Description_ZMult() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Multiplication des nombres relatifs");
    d.aide = 230;
    d.niveaux = 3;
    d.consigne = QStringLiteral("Calculer");
    d.dessin_riche = QColor(166, 237, 206);
    return d;
}
}  // namespace

TZMultF::TZMultF(QWidget* parent)
    : TExerciceForm(Description_ZMult(), std::make_unique<Zmult::Sujet>(), Exercice::Memoire_Enonces(), parent) {
    Fin_Constructeur();
}

void TZMultF::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    L_A = Etiquette_Question();
    L_S1 = Etiquette_Question(QStringLiteral("x"));
    L_B = Etiquette_Question();
    L_S2 = Etiquette_Question(QStringLiteral("x"));
    L_C = Etiquette_Question();
    Label2 = Etiquette_Question(QStringLiteral("="));
    Edit1->setMaxLength(6);
    Edit1->setFixedWidth(112);
    Place_Question({L_A, L_S1, L_B, L_S2, L_C, Label2, Edit1});
}

void TZMultF::Affiche_Question() {
    const Zmult::Sujet& s = Sujet();
    L_A->setText(QString::fromStdString(Relatifs::Operande(s.A())));
    L_B->setText(QString::fromStdString(Relatifs::Operande(s.B())));
    L_C->setText(QString::fromStdString(Relatifs::Operande(s.C())));
    L_S2->setVisible(s.Trois_Facteurs());
    L_C->setVisible(s.Trois_Facteurs());
}
