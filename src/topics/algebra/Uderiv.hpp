// Derivatives: the pupil types each coefficient of f' and sets the exponent
// of x of its first two terms with spin buttons; then f'(x0) and the tangent.
#pragma once

#include <array>

#include "controls/SpinButton.hpp"
#include "framework/FenetreExercice.hpp"
#include "topics/algebra/logic/Deriv.hpp"
#include "topics/fraction/Case_Fraction.hpp"

class TDeriForm : public TExerciceForm {
    Q_OBJECT
public:
    explicit TDeriForm(QWidget* parent = nullptr);

    QLabel* L_f = nullptr;
    TCase_Unite* Unite1 = nullptr;
    TCase_Unite* Unite2 = nullptr;
    TCase_Unite* Unite3 = nullptr;
    QLabel* l_Q1 = nullptr;  // the instruction (Label1)
    QLabel* L_fprime = nullptr;
    TCase_Unite* Unite4 = nullptr;
    TSpinButton* SpinButton1 = nullptr;
    TEntree* Edit2 = nullptr;
    TCase_Unite* Unite5 = nullptr;
    TSpinButton* SpinButton2 = nullptr;
    TEntree* Edit3 = nullptr;
    QLabel* L_Q2 = nullptr;
    QLabel* L_xo = nullptr;
    TEntree* Edit4 = nullptr;
    QLabel* L_Q3 = nullptr;
    QLabel* L_D = nullptr;
    TEntree* Edit5 = nullptr;
    QLabel* L_x = nullptr;
    TEntree* Edit6 = nullptr;
    std::array<QLabel*, 6> Numeros;  // Label1 to Label6 of the boxes: "1" to "6"
    TCase_Unite* U_Rep1 = nullptr;
    TCase_Unite* U_rep2 = nullptr;
    TCase_Unite* U_rep3 = nullptr;

    const Deriv::Sujet& Sujet() const { return Sujet_De<Deriv::Sujet>(); }
    std::vector<TEntree*> Entrees() const override { return {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6}; }
    std::vector<TEntree*> Entrees_Requises() const override;
    // Any change of the answer (a key, a spin click) lets Confirm be pressed.
    bool Reponse_Complete() const override { return Reponse_Changee(); }

    void SpinButton1UpClick();
    void SpinButton1DownClick();
    void SpinButton2UpClick();
    void SpinButton2DownClick();

protected:
    void Affiche_Question() override;
    void Montre_Correction(const Exercice::Verdict& v) override;
    void Montre_Juste(const Exercice::Verdict& v) override;

private:
    void Montre_Exposants();

protected:
    void Construit_Enfants() override;
};
