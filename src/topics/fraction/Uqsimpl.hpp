// Simplification of fractions.
#pragma once

#include "topics/fraction/FenetreFraction.hpp"
#include "topics/fraction/logic/Qsimpl.hpp"

class TQSimplF : public TFenetreFraction {
    Q_OBJECT
public:
    explicit TQSimplF(QWidget* parent = nullptr);

    TFraction* Fraction1;
    QLabel* L_S1;
    TFraction* Fraction2;  // the expected fraction
    QLabel* LRep3;         // how it was simplified

    const Qsimpl::Sujet& Sujet() const { return Sujet_De<Qsimpl::Sujet>(); }

protected:
    void Montre_Question() override;
    void Dessine_Correction() override;
};
