// Whether a natural number is prime; if not, one of its prime divisors.
#pragma once

#include "framework/FenetreExercice.hpp"
#include "topics/natural/logic/Divisibilite.hpp"

class TPremF : public TExerciceForm {
    Q_OBJECT
public:
    explicit TPremF(QWidget* parent = nullptr);

    QPushButton* Button1 = nullptr;  // "Oui"
    QPushButton* Button2 = nullptr;  // "Non"
    TEntree* Edit2 = nullptr;        // the choice, shown, never typed
    QLabel* Label2 = nullptr;        // the question about a divisor, with Edit1

    void Button1Click();
    void Button2Click();

    const Divisibilite::Premier& Sujet() const { return Sujet_De<Divisibilite::Premier>(); }

protected:
    // The divisor typed, then the choice.
    std::vector<TEntree*> Entrees() const override { return {Edit1, Edit2}; }
    // A choice, and after "Non" a divisor.
    std::vector<TEntree*> Entrees_Requises() const override;
    TEntree* Premiere_Entree() const override { return Edit2; }
    void Affiche_Question() override;
    // A refused divisor is typed again; the choice stays.
    void Apres_Refus(const Exercice::Verdict& v) override;
    void Construit_Enfants() override;
};
