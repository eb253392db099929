// Addition of relative integers.
#pragma once

#include "framework/FenetreExercice.hpp"
#include "topics/integer/logic/Zaddi.hpp"

class TZAddiF : public TExerciceForm {
    Q_OBJECT
public:
    explicit TZAddiF(QWidget* parent = nullptr);

    QLabel* L_A;
    QLabel* L_S1;
    QLabel* L_B;
    QLabel* L_S2;
    QLabel* L_C;
    QLabel* Label2;

    const Zaddi::Sujet& Sujet() const { return Sujet_De<Zaddi::Sujet>(); }

protected:
    void Affiche_Question() override;
    void Construit_Enfants() override;
};
