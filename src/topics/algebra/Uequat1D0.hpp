// First-degree equations with decimal coefficients: learning, with a worked
// solution after a wrong answer.
#pragma once

#include <array>

#include "framework/FenetreExercice.hpp"
#include "topics/algebra/logic/Equat1D0.hpp"

class Tequat1D0F : public TExerciceForm {
    Q_OBJECT
public:
    explicit Tequat1D0F(QWidget* parent = nullptr);

    // The equation: P1g (L_a, L_xg) L_Sg P2g (L_b) L_egal P1d (L_c, L_xd) L_Sd P2d (L_d).
    QWidget *P1g = nullptr, *P2g = nullptr, *P1d = nullptr, *P2d = nullptr;
    QLabel *L_a, *L_xg, *L_Sg, *L_b, *L_egal, *L_c, *L_xd, *L_Sd, *L_d;
    // The answer: x = Edit1.
    QLabel *l_x = nullptr, *Label2 = nullptr;
    // The worked solution, line i: LRepg[i] LEgal[i] LRepd[i] (LRep1g, LEgal1, LRep1d, ...).
    std::array<QLabel*, 5> LRepg, LEgal, LRepd;

    const Equat1D0::Sujet& Sujet() const { return Sujet_De<Equat1D0::Sujet>(); }

protected:
    void Affiche_Question() override;
    void Montre_Correction(const Exercice::Verdict& v) override;
    void Montre_Juste(const Exercice::Verdict& v) override;

private:
    void Cache_Solution();

protected:
    void Construit_Enfants() override;
};
