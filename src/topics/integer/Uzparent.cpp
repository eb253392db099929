#include "topics/integer/Uzparent.hpp"

#include <QHBoxLayout>

#include "framework/logic/Commune.hpp"

namespace {
TExerciceForm::Description Description_Zparent() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Usage des parenthèses");
    d.aide = 260;
    d.niveaux = 3;
    d.consigne = QStringLiteral("Calculer");
    d.dessin_riche = QColor(255, 227, 174);
    return d;
}
// Keeps a bracket against the number it encloses.
QWidget* Colle(QLabel* gauche, QLabel* droite) {
    auto* groupe = new QWidget;
    auto* lay = new QHBoxLayout(groupe);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(1);
    lay->addWidget(gauche);
    lay->addWidget(droite);
    return groupe;
}
}  // namespace

TZparentF::TZparentF(QWidget* parent)
    : TExerciceForm(Description_Zparent(), std::make_unique<Zparent::Sujet>(), Exercice::Memoire_Enonces(), parent) {
    Fin_Constructeur();
}

void TZparentF::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    L_A = Etiquette_Question();
    L_S1 = Etiquette_Question();
    Label3 = Etiquette_Question(QStringLiteral("("));
    L_B = Etiquette_Question();
    L_S2 = Etiquette_Question();
    L_C = Etiquette_Question();
    Label4 = Etiquette_Question(QStringLiteral(")"));
    Label2 = Etiquette_Question(QStringLiteral("="));
    Edit1->setMaxLength(5);
    Place_Question({L_A, L_S1, Colle(Label3, L_B), L_S2, Colle(L_C, Label4), Label2, Edit1});
}

void TZparentF::Affiche_Question() {
    const Zparent::Affichage f = Sujet().Affiche(Commune::Serie.NbExercices);
    L_A->setText(QString::fromStdString(f.a));
    L_S1->setText(QString::fromStdString(f.s1));
    L_S1->setVisible(!f.s1.empty());  // an implicit product takes no room
    L_B->setText(QString::fromStdString(f.b));
    L_S2->setText(QString::fromStdString(f.s2));
    L_C->setText(QString::fromStdString(f.c));
}
