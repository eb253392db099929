#include "topics/integer/Uzmelang.hpp"

#include "framework/logic/Commune.hpp"

namespace {
TExerciceForm::Description Description_ZMelang() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Opérations variées sur les nombres relatifs");
    d.aide = 250;
    d.niveaux = 3;
    d.consigne = QStringLiteral("Calculer");
    d.dessin_riche = QColor(115, 255, 204);
    d.panneau_riche = QColor(170, 36, 91);
    return d;
}
}  // namespace

TZMelangF::TZMelangF(QWidget* parent)
    : TExerciceForm(Description_ZMelang(), std::make_unique<Zmelang::Sujet>(), Exercice::Memoire_Enonces(), parent) {
    Fin_Constructeur();
}

void TZMelangF::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    L_A = Etiquette_Question();
    L_S1 = Etiquette_Question();
    L_B = Etiquette_Question();
    L_S2 = Etiquette_Question();
    L_C = Etiquette_Question();
    Label2 = Etiquette_Question(QStringLiteral("="));
    Edit1->setMaxLength(5);
    Place_Question({L_A, L_S1, L_B, L_S2, L_C, Label2, Edit1});
}

void TZMelangF::Affiche_Question() {
    const Zmelang::Affichage f = Sujet().Affiche(Commune::Serie.NbExercices);
    L_A->setText(QString::fromStdString(f.a));
    L_S1->setText(QString::fromStdString(f.s1));
    L_B->setText(QString::fromStdString(f.b));
    L_S2->setText(QString::fromStdString(f.s2));
    L_C->setText(QString::fromStdString(f.c));
    L_S2->setVisible(f.trois_termes);
    L_C->setVisible(f.trois_termes);
}
