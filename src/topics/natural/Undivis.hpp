// Every divisor of a natural number, in increasing order.
#pragma once

#include <array>

#include "framework/FenetreExercice.hpp"
#include "topics/natural/logic/Divisibilite.hpp"

class TNDivisF : public TExerciceForm {
    Q_OBJECT
public:
    explicit TNDivisF(QWidget* parent = nullptr);

    QLabel* Label2 = nullptr;  // "D(n) = {"
    std::array<TEntree*, Divisibilite::Diviseurs::Cases> Edit;  // Edit1 to Edit24

    const Divisibilite::Diviseurs& Sujet() const { return Sujet_De<Divisibilite::Diviseurs>(); }

protected:
    std::vector<TEntree*> Entrees() const override { return {Edit.begin(), Edit.end()}; }
    // Every number drawn has two divisors at least: the first two boxes.
    std::vector<TEntree*> Entrees_Requises() const override { return {Edit[0], Edit[1]}; }
    void Affiche_Question() override;
    // The whole set in LRep1, wrapped after every eighth divisor.
    void Montre_Correction(const Exercice::Verdict& v) override;
    void Construit_Enfants() override;
};
