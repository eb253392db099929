// Square roots: rounded, exact or "/", a sum to 0.01, a sum written a√b.
#pragma once

#include <array>

#include "controls/SpinButton.hpp"
#include "framework/FenetreExercice.hpp"
#include "topics/algebra/logic/Raci.hpp"
#include "topics/decimal/Fenetre_Precision.hpp"

class TRaciF : public TExerciceForm {
    Q_OBJECT
public:
    explicit TRaciF(QWidget* parent = nullptr);

    QLabel* L_a = nullptr;
    TCase_Racine* Racine1 = nullptr;
    QLabel* L_b = nullptr;
    TCase_Racine* Racine2 = nullptr;
    QLabel* L_c = nullptr;
    TCase_Racine* Racine3 = nullptr;
    QLabel* L_egal = nullptr;
    TCase_Racine* Racine4 = nullptr;
    TSpinButton* SpinButton1 = nullptr;
    TCase_Racine* Racine5 = nullptr;
    TCase_Racine* RacineRep = nullptr;
    QWidget* Panel2 = nullptr;
    // The worked solution at level 4: row i, term j (L11/R11 to L33/R33).
    std::array<std::array<QLabel*, 3>, 3> L;
    std::array<std::array<TCase_Racine*, 3>, 3> R;

    const Raci::Sujet& Sujet() const { return Sujet_De<Raci::Sujet>(); }
    std::vector<TEntree*> Entrees_Requises() const override;
    bool Reponse_Complete() const override;

    void SpinButton1UpClick();
    void SpinButton1DownClick();

protected:
    void Affiche_Question() override;
    void Montre_Correction(const Exercice::Verdict& v) override;
    void Montre_Juste(const Exercice::Verdict& v) override;

private:
    void Place_Correction();

protected:
    void Construit_Enfants() override;
};
