#include "topics/integer/Uzdiv.hpp"

#include "topics/integer/logic/Relatifs.hpp"

namespace {
TExerciceForm::Description Description_ZDiv() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Division des nombres entiers relatifs");
    d.aide = 240;
    d.niveaux = 3;
    d.consigne = QStringLiteral("Calculer (taper  /  si le quotient entier n'existe pas)");
    d.dessin_riche = QColor();  // the glyph keeps its design colour
    return d;
}
}  // namespace

TZDivF::TZDivF(QWidget* parent)
    : TExerciceForm(Description_ZDiv(), std::make_unique<Zdiv::Sujet>(), Exercice::Memoire_Enonces(), parent) {
    Fin_Constructeur();
}

void TZDivF::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    L_A = Etiquette_Question();
    L_S1 = Etiquette_Question(QStringLiteral(":"));
    L_B = Etiquette_Question();
    Label2 = Etiquette_Question(QStringLiteral("="));
    Edit1->setMaxLength(5);
    Edit1->setToolTip(QStringLiteral("Tapez   /   si le quotient n'existe pas"));
    Place_Question({L_A, L_S1, L_B, Label2, Edit1});
}

void TZDivF::Affiche_Question() {
    L_A->setText(QString::fromStdString(Relatifs::Operande(Sujet().A())));
    L_B->setText(QString::fromStdString(Relatifs::Operande(Sujet().B())));
}
