#include "topics/integer/Uzsous.hpp"

#include "topics/integer/logic/Relatifs.hpp"

namespace {
TExerciceForm::Description Description_ZSous() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Soustraction des nombres relatifs");
    d.aide = 220;
    d.niveaux = 3;
    d.consigne = QStringLiteral("Calculer");
    d.dessin_riche = QColor();  // the glyph keeps its design colour
    return d;
}
}  // namespace

TZSousF::TZSousF(QWidget* parent)
    : TExerciceForm(Description_ZSous(), std::make_unique<Zsous::Sujet>(), Exercice::Memoire_Enonces(), parent) {
    Fin_Constructeur();
}

void TZSousF::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    L_A = Etiquette_Question();
    L_S1 = Etiquette_Question(QStringLiteral("-"));
    L_B = Etiquette_Question();
    Label2 = Etiquette_Question(QStringLiteral("="));
    Edit1->setMaxLength(5);
    Place_Question({L_A, L_S1, L_B, Label2, Edit1});
}

void TZSousF::Affiche_Question() {
    L_A->setText(QString::fromStdString(Relatifs::Operande(Sujet().A())));
    L_B->setText(QString::fromStdString(Relatifs::Operande(Sujet().B())));
}
