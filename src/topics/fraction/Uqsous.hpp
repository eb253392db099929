// Subtraction of fractions.
#pragma once

#include "topics/fraction/FenetreFraction.hpp"
#include "topics/fraction/logic/Qsous.hpp"

class TQSousF : public TFenetre_Operation {
    Q_OBJECT
public:
    explicit TQSousF(QWidget* parent = nullptr);
    TPanneau_Somme* Correction = nullptr;
    const Qsous::Sujet& Sujet() const { return Sujet_De<Qsous::Sujet>(); }

protected:
    void Montre_Question() override;
    void Dessine_Correction() override;
    void Construit_Enfants() override;
};
