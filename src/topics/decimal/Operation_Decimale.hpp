// The window of the four decimal operations: the question line a op b = ...,
// one entry, the correction written with the family's decimals. Each
// operation's unit gives its caption, help topic, instruction and colours.
#pragma once

#include "framework/FenetreExercice.hpp"
#include "topics/decimal/logic/Operations.hpp"

class TDOperationForm : public TExerciceForm {
    Q_OBJECT
public:
    TDOperationForm(const Description& d, Operations::Operation op, QWidget* parent = nullptr);

    QLabel* L_A;
    QLabel* L_S1;
    QLabel* L_B;
    QLabel* Label2;

    const Operations::Sujet& Sujet() const { return Sujet_De<Operations::Sujet>(); }

protected:
    void Affiche_Question() override;
    void Construit_Enfants() override;
};
