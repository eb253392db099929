// Powers of fractions.
#pragma once

#include "topics/fraction/FenetreFraction.hpp"
#include "topics/fraction/logic/Qpuiss.hpp"

class TQPuissF : public TFenetreFraction {
    Q_OBJECT
public:
    explicit TQPuissF(QWidget* parent = nullptr);

    QLabel *Lpar1, *Lpar2, *Lexp, *L_S1;
    TCase_Fraction* Fraction1;
    // Correction: the raised numerator over the raised denominator, "=", the result.
    TCase_Unite *Un, *Ud;
    QLabel *Ltrait, *Legal, *LRep3;
    TCase_Fraction* Fraction3;

    const Qpuiss::Sujet& Sujet() const { return Sujet_De<Qpuiss::Sujet>(); }

protected:
    void Montre_Question() override;
    void Dessine_Correction() override;
    void Construit_Enfants() override;
};
