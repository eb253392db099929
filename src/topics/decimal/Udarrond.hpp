// Rounding the result of a computation down, up or to the nearest multiple.
#pragma once

#include "topics/decimal/Fenetre_Precision.hpp"
#include "topics/decimal/logic/Darrond.hpp"

class TDArrForm : public TFenetre_Precision {
    Q_OBJECT
public:
    explicit TDArrForm(QWidget* parent = nullptr);

    TCase_Unite *Ua, *Ub, *Uc, *Ud, *Ue;
    TCase_Racine *Racine1, *Racine2;
    QLabel *L_S1, *L_s2, *L_s3;
    QLabel* Label2;

    const Darrond::Sujet& Sujet() const { return Sujet_De<Darrond::Sujet>(); }

protected:
    void Affiche_Question() override;
    void Construit_Enfants() override;
};
