// Powers of ten and scientific notation: 10 to a power written as a decimal,
// the exponent of a decimal power of ten, the scientific form of a number.
#pragma once

#include "controls/SpinButton.hpp"
#include "framework/FenetreExercice.hpp"
#include "topics/algebra/logic/Ec_sci.hpp"
#include "topics/fraction/Case_Fraction.hpp"

class TEc_sciF : public TExerciceForm {
    Q_OBJECT
public:
    explicit TEc_sciF(QWidget* parent = nullptr);

    TEntree* Edit2 = nullptr;
    TCase_Unite* Unite1 = nullptr;
    TSpinButton* SpinButton1 = nullptr;
    QLabel* L_egal = nullptr;
    QLabel* L_A = nullptr;
    TCase_Unite* Urep2 = nullptr;

    const Ec_sci::Sujet& Sujet() const { return Sujet_De<Ec_sci::Sujet>(); }
    std::vector<TEntree*> Entrees() const override { return {Edit1, Edit2}; }
    std::vector<TEntree*> Entrees_Requises() const override;
    bool Reponse_Complete() const override;

    void SpinButton1UpClick();
    void SpinButton1DownClick();

protected:
    void Affiche_Question() override;
    void Apres_Question() override;
    TEntree* Premiere_Entree() const override;
    void Montre_Correction(const Exercice::Verdict& v) override;
    void Montre_Juste(const Exercice::Verdict& v) override;
    void Construit_Enfants() override;
};
