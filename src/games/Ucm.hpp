// The mental arithmetic race: press the button of the result before the
// calculation crosses the board.
#pragma once

#include <QButtonGroup>
#include <QFrame>
#include <array>

#include "framework/FenetreJeu.hpp"
#include "games/logic/Cm.hpp"

class TCMForm : public TJeuForm {
    Q_OBJECT
public:
    explicit TCMForm(QWidget* parent = nullptr);

    QFrame* Panel1 = nullptr;          // the board
    QLabel* L_Question = nullptr;      // the calculation, moving on the board
    std::array<TBoutonJeu*, 100> Boutons;  // button n shows n
    QPushButton* SBAdd = nullptr;
    QPushButton* SBsoust = nullptr;
    QPushButton* SBMult = nullptr;
    QPushButton* SBDiv = nullptr;
    QLabel* Label1 = nullptr;          // the operation's name
    QPushButton* BBDemarre = nullptr;
    QPushButton* BBFermer = nullptr;

    void FormActivate() override;
    void BBDemarreClick();
    // A press on the button of `nombre`.
    void Reponse(int nombre);

    const Cm::Course& Course() const { return course_; }
    Cm::Operation Operation() const { return operation_; }

protected:
    void Timer1Timer() override;
    void FormClose() override;

private:
    void Choisit(Cm::Operation op);
    void Place_Question();
    void Boutons_Actifs(bool actifs);

    Cm::Course course_;
    Cm::Operation operation_ = Cm::Operation::Addition;
    QButtonGroup* groupe_ = nullptr;

protected:
    void Construit_Enfants() override;
};
