// Mixed operations on fractions.
#pragma once

#include "topics/fraction/FenetreFraction.hpp"
#include "topics/fraction/logic/Qmelang.hpp"

class TQMelangF : public TFenetre_Operation {
    Q_OBJECT
public:
    explicit TQMelangF(QWidget* parent = nullptr);
    TPanneau_Somme* Correction = nullptr;
    const Qmelang::Sujet& Sujet() const { return Sujet_De<Qmelang::Sujet>(); }

protected:
    void Montre_Question() override;
    void Dessine_Correction() override;
    void Construit_Enfants() override;
};
