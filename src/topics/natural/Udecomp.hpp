// Decomposition of a natural number into prime factors: the factors in
// increasing order, each with its exponent on a spin box above it; a table
// of the prime numbers up to 5000 on request.
#pragma once

#include <array>

#include "framework/FenetreExercice.hpp"
#include "topics/natural/logic/Divisibilite.hpp"

class QListWidget;
class TSpinEdit;

class TDecompf : public TExerciceForm {
    Q_OBJECT
public:
    explicit TDecompf(QWidget* parent = nullptr);

    QLabel* Label2 = nullptr;
    std::array<TEntree*, 5> Edit;           // Edit1 (the base's) to Edit5
    std::array<TSpinEdit*, 5> SpinEdit;     // SpinEdit1 to SpinEdit5
    std::array<QLabel*, 4> Fois;            // the "x" between the factors
    QPushButton* BitBtn1 = nullptr;                   // shows or hides the prime table
    TWinPanel* WinPanel2 = nullptr;
    QListWidget* ListBox1 = nullptr;

    const Divisibilite::Decomposition& Sujet() const { return Sujet_De<Divisibilite::Decomposition>(); }
    std::vector<TEntree*> Entrees() const override { return {Edit.begin(), Edit.end()}; }
    std::vector<std::string> Reponses() const override;

    void BitBtn1Click();

protected:
    void Affiche_Question() override;
    void Montre_Correction(const Exercice::Verdict& v) override;
    void hideEvent(QHideEvent* e) override;
    void Construit_Enfants() override;
};
