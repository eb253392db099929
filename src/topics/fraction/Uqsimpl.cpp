#include "topics/fraction/Uqsimpl.hpp"

#include <QVBoxLayout>

TQSimplF::TQSimplF(QWidget* parent)
    : TFenetreFraction(Design(QStringLiteral("Simplification des fractions"), 310, QStringLiteral("Simplifier au maximum")),
                       std::make_unique<Qsimpl::Sujet>(), parent) {
    Fin_Constructeur();
}

void TQSimplF::Construit_Enfants() {
    TFenetreFraction::Construit_Enfants();
    Fraction1 = Fraction_Question();
    L_S1 = Signe_Question(QStringLiteral("="));
    Edit1->setToolTip(QStringLiteral("Si la fraction est irréductible, recopiez la telle-quelle"));
    Place_Ligne({Fraction1, L_S1, Bloc_Reponse(Edit1, Edit2, Figure1)});

    auto* h = new QHBoxLayout(Zone_Correction);
    h->setContentsMargins(8, 0, 0, 0);
    Fraction2 = Fraction_Correction();
    LRep2->setParent(Zone_Correction);
    LRep2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    LRep3 = Texte_Correction({}, 16);
    h->addWidget(Fraction2);
    h->addWidget(LRep2);
    h->addSpacing(16);
    h->addWidget(LRep3);
    h->addStretch(1);
    h->setAlignment(Qt::AlignTop);
}

void TQSimplF::Montre_Question() {
    Montre(Fraction1, Fractions::Affiche(Sujet().Question()));
}

void TQSimplF::Dessine_Correction() {
    const Qsimpl::Correction c = Sujet().Corrige();
    Fraction2->setVisible(!c.entier);
    LRep2->setVisible(c.entier);
    if (c.entier) LRep2->setText(QString::fromStdString(c.nombre));
    else Montre(Fraction2, c.fraction);
    LRep3->setText(QString::fromStdString(c.par));
    LRep3->setVisible(!c.par.empty());
}
