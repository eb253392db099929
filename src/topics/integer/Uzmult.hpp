// Multiplication of relative integers.
#pragma once

#include "framework/FenetreExercice.hpp"
#include "topics/integer/logic/Zmult.hpp"

class TZMultF : public TExerciceForm {
    Q_OBJECT
public:
    explicit TZMultF(QWidget* parent = nullptr);

    QLabel* L_A = nullptr;
    QLabel* L_S1 = nullptr;
    QLabel* L_B = nullptr;
    QLabel* L_S2 = nullptr;
    QLabel* L_C = nullptr;
    QLabel* Label2 = nullptr;

    const Zmult::Sujet& Sujet() const { return Sujet_De<Zmult::Sujet>(); }

protected:
    void Affiche_Question() override;
    void Construit_Enfants() override;
};
