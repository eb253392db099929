// Addition of fractions.
#pragma once

#include "topics/fraction/FenetreFraction.hpp"
#include "topics/fraction/logic/Qaddi.hpp"

class TQAddiF : public TFenetre_Operation {
    Q_OBJECT
public:
    explicit TQAddiF(QWidget* parent = nullptr);
    TPanneau_Somme* Correction = nullptr;
    const Qaddi::Sujet& Sujet() const { return Sujet_De<Qaddi::Sujet>(); }

protected:
    void Montre_Question() override;
    void Dessine_Correction() override;
    void Construit_Enfants() override;
};
