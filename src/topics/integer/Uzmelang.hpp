// Mixed operations on relative integers.
#pragma once

#include "framework/FenetreExercice.hpp"
#include "topics/integer/logic/Zmelang.hpp"

class TZMelangF : public TExerciceForm {
    Q_OBJECT
public:
    explicit TZMelangF(QWidget* parent = nullptr);

    QLabel* L_A;
    QLabel* L_S1;
    QLabel* L_B;
    QLabel* L_S2;
    QLabel* L_C;
    QLabel* Label2;

    const Zmelang::Sujet& Sujet() const { return Sujet_De<Zmelang::Sujet>(); }

protected:
    void Affiche_Question() override;
    void Construit_Enfants() override;
};
