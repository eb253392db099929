// Subtraction of relative integers.
#pragma once

#include "framework/FenetreExercice.hpp"
#include "topics/integer/logic/Zsous.hpp"

class TZSousF : public TExerciceForm {
    Q_OBJECT
public:
    explicit TZSousF(QWidget* parent = nullptr);

    QLabel* L_A = nullptr;
    QLabel* L_S1 = nullptr;
    QLabel* L_B = nullptr;
    QLabel* Label2 = nullptr;

    const Zsous::Sujet& Sujet() const { return Sujet_De<Zsous::Sujet>(); }

protected:
    void Affiche_Question() override;
    void Construit_Enfants() override;
};
