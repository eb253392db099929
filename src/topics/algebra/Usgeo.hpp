// Geometric sequences.
#pragma once

#include "controls/Racine.hpp"
#include "controls/Unites.hpp"
#include "topics/algebra/Fenetre_Suite.hpp"
#include "topics/algebra/logic/Sgeo.hpp"

class TSgeoForm : public TFenetre_Suite {
    Q_OBJECT
public:
    explicit TSgeoForm(QWidget* parent = nullptr);

    TUnite* Unite1 = nullptr;  // q with its exponent, after LRep1
    QLabel* LRep11 = nullptr;
    // The ratio as a square root, in Psup.
    QLabel* L1 = nullptr;
    TRacine* Racine1 = nullptr;
    QLabel* L2 = nullptr;

    const Sgeo::Sujet& Sujet() const { return Sujet_De<Sgeo::Sujet>(); }

protected:
    std::vector<QWidget*> Suite_Ligne1() override { return {Unite1, LRep11}; }
    void Remplit_Psup(const Suites::Enonce& e) override;
    std::vector<QWidget*> Correction() const override;
    void Construit_Enfants() override;
};
