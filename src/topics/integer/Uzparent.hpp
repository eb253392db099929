// Expressions with a bracket on relative integers.
#pragma once

#include "framework/FenetreExercice.hpp"
#include "topics/integer/logic/Zparent.hpp"

class TZparentF : public TExerciceForm {
    Q_OBJECT
public:
    explicit TZparentF(QWidget* parent = nullptr);

    QLabel* L_A = nullptr;
    QLabel* L_S1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* L_B = nullptr;
    QLabel* L_S2 = nullptr;
    QLabel* L_C = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label2 = nullptr;

    const Zparent::Sujet& Sujet() const { return Sujet_De<Zparent::Sujet>(); }

protected:
    void Affiche_Question() override;
    void Construit_Enfants() override;
};
