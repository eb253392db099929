// Division of relative integers, "/" when the quotient is not an integer.
#pragma once

#include "framework/FenetreExercice.hpp"
#include "topics/integer/logic/Zdiv.hpp"

class TZDivF : public TExerciceForm {
    Q_OBJECT
public:
    explicit TZDivF(QWidget* parent = nullptr);

    QLabel* L_A = nullptr;
    QLabel* L_S1 = nullptr;
    QLabel* L_B = nullptr;
    QLabel* Label2 = nullptr;

    const Zdiv::Sujet& Sujet() const { return Sujet_De<Zdiv::Sujet>(); }

protected:
    void Affiche_Question() override;
    void Construit_Enfants() override;
};
