// Games played one whole game at a time with "C&ontinuer" and "&Abandon":
// opening the window seeds the generator, fills the panels and starts a game;
// Continue counts one exercise and deals a new game at the slider's level;
// Abandon asks, then shows the solution and books the loss; closing a game
// still in play runs Abandon first and closes whatever the answer. Moving
// the slider only changes P_niveau. A game supplies its deal, its solution
// and its booking (FinJeu).
#pragma once

#include "framework/FenetreJeu.hpp"

class TPartieForm : public TJeuForm {
    Q_OBJECT
public:
    explicit TPartieForm(const Description& d, QWidget* parent = nullptr);

    QPushButton* BBCont = nullptr;
    QPushButton* BBAbandon = nullptr;

    void FormActivate() override;
    void BBContClick();
    void BBAbandonClick();
    bool FormCloseQuery() override;

    // The level of the game in play (the slider's when it was dealt).
    int Niveau() const { return niveau_; }
    bool JeuFini() const { return fini_; }

protected:
    // Deals a new game at Niveau().
    virtual void Nouveau_Jeu() = 0;
    // Shows the solution of a game the pupil gives up.
    virtual void Montre_Solution() = 0;
    // Books the game's result.
    virtual void FinJeu(bool gagne) = 0;
    // Whether Abandon may be played now (a game may refuse it for a while,
    // when its deal is still being shown).
    virtual bool Abandon_Possible() const { return true; }

    // The game is settled: nothing more can be played nor given up, the
    // window closes freely. Continue waits for Termine().
    void Regle();
    // The game is over: settled, Continue enabled.
    void Termine();

private:
    int niveau_ = 1;
    bool fini_ = true;

protected:
    void Construit_Enfants() override;
};
