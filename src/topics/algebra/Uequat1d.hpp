// First-degree equations with integer coefficients: exercises.
#pragma once

#include "framework/FenetreExercice.hpp"
#include "topics/algebra/Rangee_Termes.hpp"
#include "topics/algebra/logic/Equat1d.hpp"

class Tequat1DF : public TExerciceForm {
    Q_OBJECT
public:
    explicit Tequat1DF(QWidget* parent = nullptr);

    TRangee_Termes* Rangee = nullptr;
    QLabel* l_x = nullptr;
    QLabel* Label2 = nullptr;

    const Equat1d::Sujet& Sujet() const { return Sujet_De<Equat1d::Sujet>(); }

protected:
    void Affiche_Question() override;
    void Montre_Correction(const Exercice::Verdict& v) override;
    void Construit_Enfants() override;
};
