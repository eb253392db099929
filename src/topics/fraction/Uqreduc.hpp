// Rewriting fractions over their least common denominator.
#pragma once

#include "topics/fraction/FenetreFraction.hpp"
#include "topics/fraction/logic/Qreduc.hpp"

class TQReducF : public TFenetreFraction {
    Q_OBJECT
public:
    explicit TQReducF(QWidget* parent = nullptr);

    TCase_Fraction *Fraction1 = nullptr, *Fraction2 = nullptr, *Fraction3 = nullptr;
    QLabel *L_S1 = nullptr, *Label2 = nullptr, *Label3 = nullptr;
    TEntree *Edit3 = nullptr, *Edit4 = nullptr, *Edit5 = nullptr, *Edit6 = nullptr;
    TFigure *Figure2 = nullptr, *Figure3 = nullptr;
    QWidget* Ligne3 = nullptr;  // the third question row
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
