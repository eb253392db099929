// The game against the computer on relative integers.
#pragma once

#include <QFrame>
#include <array>

#include "framework/FenetreJeu.hpp"
#include "games/logic/Maxr.hpp"

class TMaxRF : public TJeuForm {
    Q_OBJECT
public:
    explicit TMaxRF(QWidget* parent = nullptr);

    // Board buttons by column then row (both from 0 here), named "BB" + column + row.
    std::array<std::array<TBoutonJeu*, Maxr::Taille>, Maxr::Taille> Plateau;
    QFrame* Panel1 = nullptr;
    QLabel* l_joueur = nullptr;
    QFrame* Panel2 = nullptr;
    QLabel* l_ordi = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* BBCont = nullptr;
    QPushButton* BitBtn3 = nullptr;

    TBoutonJeu* Bouton(int c, int r) const { return Plateau[c - 1][r - 1]; }
    const Maxr::Partie& Partie() const { return partie_; }

    void FormActivate() override;
    void SlideBar1Change() override;
    void BBContClick();
    // A press on the button of column c, row r (1..6).
    void Prise(int c, int r);
    bool FormCloseQuery() override;

protected:
    void Timer1Timer() override;

private:
    void jeu_ordi();
    void fin_jeu();
    void Montre_Totaux();
    void Style_Bouton(TBoutonJeu* b, bool en_avant);

    Maxr::Partie partie_;
    QLabel* nom_joueur_ = nullptr;

protected:
    void Construit_Enfants() override;
};
