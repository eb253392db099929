// Inserting numbers between two decimals: the two bounds stand, given, in the
// first and last boxes of the row; the pupil fills the boxes between them.
#pragma once

#include <array>

#include "framework/FenetreExercice.hpp"
#include "topics/decimal/logic/Dins.hpp"

class TDinsForm : public TExerciceForm {
    Q_OBJECT
public:
    explicit TDinsForm(QWidget* parent = nullptr);

    QLabel* Label2 = nullptr;
    QLabel* LRep3 = nullptr;
    std::array<TEntree*, 15> Edit;  // Edit[0] is Edit1

    const Dins::Sujet& Sujet() const { return Sujet_De<Dins::Sujet>(); }

    // The pupil's boxes, between the two bounds.
    std::vector<TEntree*> Entrees() const override;
    std::vector<TEntree*> Entrees_Requises() const override { return Entrees(); }

protected:
    void Affiche_Question() override;
    void Apres_Question() override;
    TEntree* Premiere_Entree() const override { return Edit[1]; }
    void Montre_Correction(const Exercice::Verdict& v) override;
    void Construit_Enfants() override;
};
