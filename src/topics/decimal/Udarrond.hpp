// Rounding the result of a computation down, up or to the nearest multiple.
#pragma once

#include "topics/decimal/Fenetre_Precision.hpp"
#include "topics/decimal/logic/Darrond.hpp"

class TDArrForm : public TFenetre_Precision {
    Q_OBJECT
public:
    explicit TDArrForm(QWidget* parent = nullptr);

    TCase_Unite *Ua = nullptr, *Ub = nullptr, *Uc = nullptr, *Ud = nullptr, *Ue = nullptr;
    TCase_Racine *Racine1 = nullptr, *Racine2 = nullptr;
    QLabel *L_S1 = nullptr, *L_s2 = nullptr, *L_s3 = nullptr;
    QLabel* Label2 = nullptr;

    const Darrond::Sujet& Sujet() const { return Sujet_De<Darrond::Sujet>(); }

protected:
    void Affiche_Question() override;
    void Construit_Enfants() override;
};
