// Division of fractions.
#pragma once

#include "topics/fraction/FenetreFraction.hpp"
#include "topics/fraction/logic/Qdiv.hpp"

class TQDivF : public TFenetre_Operation {
    Q_OBJECT
public:
    explicit TQDivF(QWidget* parent = nullptr);
    TPanneau_Annulations* Correction = nullptr;
    const Qdiv::Sujet& Sujet() const { return Sujet_De<Qdiv::Sujet>(); }

protected:
    void Montre_Question() override;
    void Dessine_Correction() override;
    void Construit_Enfants() override;
};
