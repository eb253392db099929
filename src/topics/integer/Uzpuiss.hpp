// Powers of relative integers.
#pragma once

#include "framework/FenetreExercice.hpp"
#include "topics/integer/logic/Zpuiss.hpp"

class TZpuissF : public TExerciceForm {
    Q_OBJECT
public:
    explicit TZpuissF(QWidget* parent = nullptr);

    QLabel* L_A = nullptr;
    QLabel* L_n = nullptr;  // the exponent, small, at the base's upper right
    QLabel* Label2 = nullptr;

    const Zpuiss::Sujet& Sujet() const { return Sujet_De<Zpuiss::Sujet>(); }

protected:
    void Affiche_Question() override;
    void Construit_Enfants() override;
};
