#include "topics/fraction/Uqsous.hpp"

#include "framework/logic/Commune.hpp"

TQSousF::TQSousF(QWidget* parent)
    : TFenetre_Operation(Design(QStringLiteral("Soustraction des fractions"), 340, QStringLiteral("Calculer et simplifier au maximum")),
                         std::make_unique<Qsous::Sujet>(), parent, QStringLiteral("-")) {
    Correction = new TPanneau_Somme(this, Zone_Correction);
    Correction->setGeometry(4, 4, Zone_Correction->width() - 8, Zone_Correction->height() - 8);
    if (Commune::Couleurs_Riches) {
        QPalette p = L_Dessin->palette();
        p.setColor(QPalette::Window, QColor(134, 115, 255));
        L_Dessin->setPalette(p);
        Panneau_Question(QColor(170, 77, 0));
    }
}

void TQSousF::Montre_Question() { Montre_Fractions(Sujet().Question(), 2); }

void TQSousF::Dessine_Correction() { Correction->Montre(Sujet().Corrige()); }
