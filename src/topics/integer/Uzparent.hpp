// Expressions with a bracket on relative integers.
#pragma once

#include "framework/FenetreExercice.hpp"
#include "topics/integer/logic/Zparent.hpp"

class TZparentF : public TExerciceForm {
    Q_OBJECT
public:
    explicit TZparentF(QWidget* parent = nullptr);

    QLabel* L_A;
    QLabel* L_S1;
    QLabel* Label3;
    QLabel* L_B;
    QLabel* L_S2;
    QLabel* L_C;
    QLabel* Label4;
    QLabel* Label2;

    const Zparent::Sujet& Sujet() const { return Sujet_De<Zparent::Sujet>(); }

protected:
    void Affiche_Question() override;
    void Construit_Enfants() override;
};
