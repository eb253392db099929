// First-degree inequations: the solution set as an interval, typed with the
// keyboard and with a keypad that also carries infinity and the empty set.
#pragma once

#include <QPushButton>
#include <array>

#include "framework/FenetreExercice.hpp"
#include "topics/algebra/Rangee_Termes.hpp"
#include "topics/algebra/logic/Inequat.hpp"

class TInequatF : public TExerciceForm {
    Q_OBJECT
public:
    explicit TInequatF(QWidget* parent = nullptr);

    TRangee_Termes* Rangee = nullptr;
    QLabel* L_signe = nullptr;  // the inequality sign between the members
    QLabel* l_x = nullptr;
    QLabel* Label2 = nullptr;
    std::array<QPushButton*, 18> Boutons;  // Button1 to Button18
    QLabel* LRep0 = nullptr;                         // the solving steps

    // A keypad button pressed: its sign goes in at the caret.
    void Button1Click(QPushButton* bouton);

    std::vector<std::string> Reponses() const override;
    const Inequat::Sujet& Sujet() const { return Sujet_De<Inequat::Sujet>(); }

protected:
    void Affiche_Question() override;
    void Montre_Correction(const Exercice::Verdict& v) override;
    void Montre_Juste(const Exercice::Verdict& v) override;
    void Construit_Enfants() override;
};
