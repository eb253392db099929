// Mixed operations on relative integers.
#pragma once

#include "framework/FenetreExercice.hpp"
#include "topics/integer/logic/Zmelang.hpp"

class TZMelangF : public TExerciceForm {
    Q_OBJECT
public:
    explicit TZMelangF(QWidget* parent = nullptr);

    QLabel* L_A = nullptr;
    QLabel* L_S1 = nullptr;
    QLabel* L_B = nullptr;
    QLabel* L_S2 = nullptr;
    QLabel* L_C = nullptr;
    QLabel* Label2 = nullptr;

    const Zmelang::Sujet& Sujet() const { return Sujet_De<Zmelang::Sujet>(); }

protected:
    void Affiche_Question() override;
    void Construit_Enfants() override;
};
