// Simplification of fractions.
#pragma once

#include "topics/fraction/FenetreFraction.hpp"
#include "topics/fraction/logic/Qsimpl.hpp"

class TQSimplF : public TFenetreFraction {
    Q_OBJECT
public:
    explicit TQSimplF(QWidget* parent = nullptr);

    TCase_Fraction* Fraction1 = nullptr;
    QLabel* L_S1 = nullptr;
    TCase_Fraction* Fraction2 = nullptr;  // the expected fraction
    QLabel* LRep3 = nullptr;         // how it was simplified

    const Qsimpl::Sujet& Sujet() const { return Sujet_De<Qsimpl::Sujet>(); }

protected:
    void Montre_Question() override;
    void Dessine_Correction() override;
    void Construit_Enfants() override;
};
