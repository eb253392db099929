// Bracketing the result of a computation: lower ≤ computation < upper.
#pragma once

#include "topics/decimal/Fenetre_Precision.hpp"
#include "topics/decimal/logic/Dencad.hpp"

class TDEncForm : public TFenetre_Precision {
    Q_OBJECT
public:
    explicit TDEncForm(QWidget* parent = nullptr);

    TEntree* Edit2 = nullptr;
    QLabel* Image1 = nullptr;
    TCase_Unite *Ua = nullptr, *Ub = nullptr, *Uc = nullptr;
    QLabel* L_S1 = nullptr;
    QLabel* L_inf = nullptr;
    // The correction: LRep21 ≤ LRep22.
    QLabel* LRep21 = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* LRep22 = nullptr;

    const Dencad::Sujet& Sujet() const { return Sujet_De<Dencad::Sujet>(); }
    std::vector<TEntree*> Entrees() const override { return {Edit1, Edit2}; }
    std::vector<TEntree*> Entrees_Requises() const override { return {Edit1, Edit2}; }

protected:
    void Affiche_Question() override;
    void Montre_Correction(const Exercice::Verdict& v) override;

private:
    QWidget* ligne_correction_ = nullptr;

protected:
    void Construit_Enfants() override;
};
