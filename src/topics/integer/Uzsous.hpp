// Subtraction of relative integers.
#pragma once

#include "framework/FenetreExercice.hpp"
#include "topics/integer/logic/Zsous.hpp"

class TZSousF : public TExerciceForm {
    Q_OBJECT
public:
    explicit TZSousF(QWidget* parent = nullptr);

    QLabel* L_A;
    QLabel* L_S1;
    QLabel* L_B;
    QLabel* Label2;

    const Zsous::Sujet& Sujet() const { return Sujet_De<Zsous::Sujet>(); }

protected:
    void Affiche_Question() override;
    void Construit_Enfants() override;
};
