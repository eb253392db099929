// Multiplication of fractions.
#pragma once

#include "topics/fraction/FenetreFraction.hpp"
#include "topics/fraction/logic/Qmult.hpp"

class TQMultF : public TFenetre_Operation {
    Q_OBJECT
public:
    explicit TQMultF(QWidget* parent = nullptr);
    TPanneau_Annulations* Correction = nullptr;
    const Qmult::Sujet& Sujet() const { return Sujet_De<Qmult::Sujet>(); }

protected:
    void Montre_Question() override;
    void Dessine_Correction() override;
    void Construit_Enfants() override;
};
