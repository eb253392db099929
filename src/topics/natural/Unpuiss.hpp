// Powers of natural numbers: compute a power, apply the rules of exponents,
// write a number as a power (the exponent on an arrow-only spin box).
#pragma once

#include "framework/FenetreExercice.hpp"
#include "topics/natural/logic/Npuiss.hpp"

class TCase_Unite;
class TSpinEdit;

class TNPuissF : public TExerciceForm {
    Q_OBJECT
public:
    explicit TNPuissF(QWidget* parent = nullptr);

    TCase_Unite* Unite2 = nullptr;
    TCase_Unite* Unite1 = nullptr;
    QLabel* Label2 = nullptr;
    TSpinEdit* SpinEdit1 = nullptr;
    TCase_Unite* RepUnite0 = nullptr;
    TCase_Unite* repUnite1 = nullptr;

    const Npuiss::Sujet& Sujet() const { return Sujet_De<Npuiss::Sujet>(); }
    std::vector<std::string> Reponses() const override;
    bool Reponse_Complete() const override;
    // At level 3 the base is given: no box is asked for.
    std::vector<TEntree*> Entrees_Requises() const override;

protected:
    void Affiche_Question() override;
    void Apres_Question() override;
    void Montre_Correction(const Exercice::Verdict& v) override;

private:
    bool exposant_change_ = false;

protected:
    void Construit_Enfants() override;
};
