// Bracketing the result of a computation: lower ≤ computation < upper.
#pragma once

#include "topics/decimal/Fenetre_Precision.hpp"
#include "topics/decimal/logic/Dencad.hpp"

class TDEncForm : public TFenetre_Precision {
    Q_OBJECT
public:
    explicit TDEncForm(QWidget* parent = nullptr);

    TEntree* Edit2;
    QLabel* Image1;
    TCase_Unite *Ua, *Ub, *Uc;
    QLabel* L_S1;
    QLabel* L_inf;
    // The correction: LRep21 ≤ LRep22.
    QLabel* LRep21;
    QLabel* Image2;
    QLabel* LRep22;

    const Dencad::Sujet& Sujet() const { return Sujet_De<Dencad::Sujet>(); }
    std::vector<TEntree*> Entrees() const override { return {Edit1, Edit2}; }
    std::vector<TEntree*> Entrees_Requises() const override { return {Edit1, Edit2}; }

protected:
    void Affiche_Question() override;
    void Montre_Correction(const Exercice::Verdict& v) override;

private:
    QWidget* ligne_correction_;

protected:
    void Construit_Enfants() override;
};
