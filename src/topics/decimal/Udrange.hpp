// Ordering decimal numbers: the numbers shown out of order on two lines, one
// entry per number, typed back in order.
#pragma once

#include <array>

#include "framework/FenetreExercice.hpp"
#include "topics/decimal/logic/Drange.hpp"

class TDRangFrm : public TExerciceForm {
    Q_OBJECT
public:
    explicit TDRangFrm(QWidget* parent = nullptr);

    QLabel* Label2 = nullptr;
    QLabel* Label21 = nullptr;
    std::array<TEntree*, 10> Edit;  // Edit[0] is Edit1

    const Drange::Sujet& Sujet() const { return Sujet_De<Drange::Sujet>(); }

    std::vector<TEntree*> Entrees() const override;
    std::vector<TEntree*> Entrees_Requises() const override { return Entrees(); }

protected:
    void Affiche_Question() override;
    void Montre_Correction(const Exercice::Verdict& v) override;
    void Construit_Enfants() override;
};
