// Systems of two linear equations in x and y: the pupil types x and y.
#pragma once

#include <array>

#include "controls/Figures.hpp"
#include "framework/FenetreExercice.hpp"
#include "topics/algebra/logic/Syst.hpp"

class TSystForm : public TExerciceForm {
    Q_OBJECT
public:
    explicit TSystForm(QWidget* parent = nullptr);

    QLabel* Lsup = nullptr;     // the second instruction line
    QLabel* L_accol = nullptr;  // the brace before the two equations
    QLabel *Label5 = nullptr, *Label6 = nullptr;  // "(1)" and "(2)"
    // One member (A x + B y)/D + K: the panel PN.. (L_A.., L_x.., L_B..,
    // L_y..), the constant L_K.. after it, under it the denominator panel
    // PD.. (L_D.. under a fraction bar).
    struct Membre {
        QWidget* PN;
        QLabel *L_A, *L_x, *L_B, *L_y, *L_K;
        QWidget* PD;
        QLabel* L_D;
        TFigure* Figure;
    };
    std::array<Membre, 4> membres;  // 1g, 1d, 2g, 2d
    QLabel *L_egal1 = nullptr, *L_egal2 = nullptr;
    QLabel *l_x = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr;  // "x" "=" and "y" "="
    TEntree* Edit2 = nullptr;
    // The verdict: LRep0 (the method), and the simplified system of level 3.
    QLabel* LRep0 = nullptr;
    QFrame* Panel2 = nullptr;
    QLabel *Label8 = nullptr, *Label7 = nullptr, *L30 = nullptr, *L31 = nullptr, *L32 = nullptr;

    const Syst::Sujet& Sujet() const { return Sujet_De<Syst::Sujet>(); }

    std::vector<TEntree*> Entrees() const override { return {Edit1, Edit2}; }
    std::vector<TEntree*> Entrees_Requises() const override { return {Edit1, Edit2}; }

protected:
    void Affiche_Question() override;
    void Montre_Correction(const Exercice::Verdict& v) override;
    void Montre_Juste(const Exercice::Verdict& v) override;
    void Construit_Enfants() override;
};
