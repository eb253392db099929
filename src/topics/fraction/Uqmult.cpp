#include "topics/fraction/Uqmult.hpp"

#include "framework/logic/Commune.hpp"

TQMultF::TQMultF(QWidget* parent)
    : TFenetre_Operation(Design(QStringLiteral("Multiplication des fractions"), 350,
                                QStringLiteral("Calculer et simplifier (réponse irréductible)")),
                         std::make_unique<Qmult::Sujet>(), parent, QStringLiteral("x")) {
    Fin_Constructeur();
}

void TQMultF::Construit_Enfants() {
    TFenetre_Operation::Construit_Enfants();
    Correction = new TPanneau_Annulations(this, Zone_Correction);
    Correction->setGeometry(4, 0, Zone_Correction->width() - 8, Zone_Correction->height() - 4);
    // The answer boxes turn aqua when left.
    for (TEntree* e : {Edit1, Edit2}) e->setCouleurs(QColor(255, 255, 128), QColor(0, 255, 255));
    if (Palette_Riche()) WinPanel1->setCouleur(QColor(253, 239, 196));
}

void TQMultF::Montre_Question() { Montre_Fractions(Sujet().Question(), Sujet().Nombre()); }

void TQMultF::Dessine_Correction() { Correction->Montre(Sujet().Corrige()); }
