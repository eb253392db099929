// The first ten multiples of a natural number, in increasing order.
#pragma once

#include <array>

#include "framework/FenetreExercice.hpp"
#include "topics/natural/logic/Divisibilite.hpp"

class TNMultipF : public TExerciceForm {
    Q_OBJECT
public:
    explicit TNMultipF(QWidget* parent = nullptr);

    QLabel* Label2 = nullptr;  // "M(n) = {"
    std::array<TEntree*, Divisibilite::Multiples::Cases> Edit;  // Edit1 to Edit10

    const Divisibilite::Multiples& Sujet() const { return Sujet_De<Divisibilite::Multiples>(); }

protected:
    std::vector<TEntree*> Entrees() const override { return {Edit.begin(), Edit.end()}; }
    std::vector<TEntree*> Entrees_Requises() const override { return Entrees(); }
    void Affiche_Question() override;
    void Montre_Correction(const Exercice::Verdict& v) override;
    void Construit_Enfants() override;
};
