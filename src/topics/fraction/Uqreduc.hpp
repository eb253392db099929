// Rewriting fractions over their least common denominator.
#pragma once

#include "topics/fraction/FenetreFraction.hpp"
#include "topics/fraction/logic/Qreduc.hpp"

class TQReducF : public TFenetreFraction {
    Q_OBJECT
public:
    explicit TQReducF(QWidget* parent = nullptr);

    TCase_Fraction *Fraction1, *Fraction2, *Fraction3;
    QLabel *L_S1, *Label2, *Label3;
    TEntree *Edit3, *Edit4, *Edit5, *Edit6;
    TFigure *Figure2, *Figure3;
    QWidget* Ligne3;  // the third question row
    // Correction rows: reduced fraction, simplifier, "=", rewritten fraction.
    std::array<TCase_Fraction*, 3> Fs, Fr;
    std::array<QLabel*, 3> Par, Egal;

    const Qreduc::Sujet& Sujet() const { return Sujet_De<Qreduc::Sujet>(); }

protected:
    std::vector<TEntree*> Entrees() const override { return {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6}; }
    TEntree* Premiere_Entree() const override { return Edit2; }
    // Every visible box.
    std::vector<TEntree*> Entrees_Requises() const override;
    void Montre_Question() override;
    void Dessine_Correction() override;
    void Construit_Enfants() override;
};
