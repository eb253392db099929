// Second-degree equations: the pupil types the two roots, "/" in both boxes
// when there is no real root; a wrong answer shows the worked solution.
#pragma once

#include <array>

#include "controls/Fraction.hpp"
#include "controls/Indice.hpp"
#include "controls/Racine.hpp"
#include "controls/Unites.hpp"
#include "framework/FenetreExercice.hpp"
#include "topics/algebra/logic/Equat2d.hpp"

class TEquat2dF : public TExerciceForm {
    Q_OBJECT
public:
    explicit TEquat2dF(QWidget* parent = nullptr);

    // The equation: Unite1 L_Bg L_Cg L_S1 L_Cd L_Bd Unite2.
    TUnite* Unite1 = nullptr;
    QLabel *L_Bg = nullptr, *L_Cg = nullptr, *L_S1 = nullptr, *L_Cd = nullptr, *L_Bd = nullptr;
    TUnite* Unite2 = nullptr;
    // The answers: x1 = Edit1, x2 = Edit2 ("x" and its index in two labels).
    QLabel *Label3, *Label4, *Label2, *Label5, *Label6, *Label7;
    TEntree* Edit2 = nullptr;
    // The worked solution.
    QLabel *LRep0 = nullptr, *Labc = nullptr, *Lsigndelta = nullptr, *Ldelta = nullptr, *LRacDelta = nullptr;
    TRacine* Racine1 = nullptr;
    TIndice *Indice1 = nullptr, *Indice2 = nullptr;
    QLabel *Label8 = nullptr, *Label9 = nullptr, *Lx1 = nullptr, *Lx2 = nullptr;
    TFraction *Fraction1 = nullptr, *Fraction2 = nullptr;

    const Equat2d::Sujet& Sujet() const { return Sujet_De<Equat2d::Sujet>(); }

    std::vector<TEntree*> Entrees() const override { return {Edit1, Edit2}; }
    std::vector<TEntree*> Entrees_Requises() const override { return {Edit1, Edit2}; }

protected:
    void Affiche_Question() override;
    void Montre_Correction(const Exercice::Verdict& v) override;
    void Montre_Juste(const Exercice::Verdict& v) override;

private:
    // Every control of the worked solution.
    std::vector<QWidget*> Solution() const;
    void Place_Racines(int y);

protected:
    void Construit_Enfants() override;
};
