// Column subtraction of natural numbers by compensation: a ten added to a
// digit of the minuend, one unit to the next digit of the subtrahend.
#pragma once

#include <array>

#include "framework/FenetreExercice.hpp"
#include "topics/natural/logic/Nsous.hpp"

class TFigure;

class TNSousF : public TExerciceForm {
    Q_OBJECT
public:
    explicit TNSousF(QWidget* parent = nullptr);

    QLabel* L_A = nullptr;  // subtrahend
    QLabel* L_B = nullptr;  // minuend
    QLabel* L_S1 = nullptr;
    TFigure* Figure1 = nullptr;
    TEntree* Memo1 = nullptr;  // the result cell (the base's Edit1)
    std::array<TEntree*, 5> ERetU;  // before the units, tens, ... digit of the minuend
    std::array<TEntree*, 5> ERetD;  // under the tens, hundreds, ... column

    const Nsous::Sujet& Sujet() const { return Sujet_De<Nsous::Sujet>(); }

protected:
    void Affiche_Question() override;
    void Construit_Enfants() override;
};
