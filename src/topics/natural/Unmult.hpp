// Written long multiplication of natural numbers: the pupil types each
// partial product and the product from right to left, and may note carries
// in sixteen scratch cells.
#pragma once

#include <array>

#include "controls/Figures.hpp"
#include "framework/FenetreExercice.hpp"
#include "topics/natural/logic/Nmult.hpp"

class TNMultF : public TExerciceForm {
    Q_OBJECT
public:
    explicit TNMultF(QWidget* parent = nullptr);

    QLabel* L_B = nullptr;   // the multiplicand
    QLabel* L_S1 = nullptr;  // "x"
    QLabel* L_A = nullptr;   // the multiplier
    TFigure* Figure1 = nullptr;
    TFigure* Figure2 = nullptr;
    TEntree* Memo1 = nullptr;  // the product (the base's Edit1)
    TEntree* Memo2 = nullptr;
    TEntree* Memo3 = nullptr;
    TEntree* Memo4 = nullptr;
    std::array<TEntree*, 16> E;  // E1 to E16
    std::array<QLabel*, 8> L;    // L1 to L8 of the correction

    const Nmult::Sujet& Sujet() const { return Sujet_De<Nmult::Sujet>(); }

protected:
    std::vector<TEntree*> Entrees() const override { return {Memo1, Memo2, Memo3, Memo4}; }
    std::vector<TEntree*> Entrees_Requises() const override;
    TEntree* Premiere_Entree() const override;
    void Affiche_Question() override;
    void Montre_Correction(const Exercice::Verdict& v) override;

private:
    int colonne_ = 0;  // width of one digit column
    int droite_ = 0;   // right edge of the column of units, in Panel1

protected:
    void Construit_Enfants() override;
};
