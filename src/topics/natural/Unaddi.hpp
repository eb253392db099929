// Column addition of natural numbers: two to four numbers one above the
// other, the result typed under the rule from right to left.
#pragma once

#include <array>

#include "framework/FenetreExercice.hpp"
#include "topics/natural/logic/Naddi.hpp"

class TFigure;

class TNAddiF : public TExerciceForm {
    Q_OBJECT
public:
    explicit TNAddiF(QWidget* parent = nullptr);

    QLabel* L_A = nullptr;
    QLabel* L_B = nullptr;
    QLabel* L_C = nullptr;
    QLabel* L_D = nullptr;
    QLabel* L_S1 = nullptr;
    TFigure* Figure1 = nullptr;
    TEntree* Memo1 = nullptr;  // the result cell (the base's Edit1)
    std::array<TEntree*, 4> Eret;  // carries over the tens, hundreds, thousands, ten-thousands

    const Naddi::Sujet& Sujet() const { return Sujet_De<Naddi::Sujet>(); }

protected:
    void Affiche_Question() override;
    void Construit_Enfants() override;
};
