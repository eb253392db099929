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

    QLabel* L_A = nullptr;
    QLabel* L_S1 = nullptr;
    QLabel* L_B = nullptr;
    QLabel* Label2 = nullptr;

    const Operations::Sujet& Sujet() const { return Sujet_De<Operations::Sujet>(); }

protected:
    void Affiche_Question() override;
    void Construit_Enfants() override;
};
