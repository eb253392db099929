// Powers of fractions.
#pragma once

#include "topics/fraction/FenetreFraction.hpp"
#include "topics/fraction/logic/Qpuiss.hpp"

class TQPuissF : public TFenetreFraction {
    Q_OBJECT
public:
    explicit TQPuissF(QWidget* parent = nullptr);

    QLabel *Lpar1 = nullptr, *Lpar2 = nullptr, *Lexp = nullptr, *L_S1 = nullptr;
    TCase_Fraction* Fraction1 = nullptr;
    // Correction: the raised numerator over the raised denominator, "=", the result.
    TCase_Unite *Un = nullptr, *Ud = nullptr;
    QLabel *Ltrait = nullptr, *Legal = nullptr, *LRep3 = nullptr;
    TCase_Fraction* Fraction3 = nullptr;

    const Qpuiss::Sujet& Sujet() const { return Sujet_De<Qpuiss::Sujet>(); }

protected:
    void Montre_Question() override;
    void Dessine_Correction() override;
    void Construit_Enfants() override;
};
