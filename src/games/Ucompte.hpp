// The target-number game: six plates and a target are drawn (always with a
// solution), and the pupil writes up to six calculation lines, typing or
// dragging the plates, the operation tiles and earlier results into them.
#pragma once

#include <array>

#include "controls/MovPanel.hpp"
#include "framework/Entree.hpp"
#include "framework/FenetreJeu.hpp"
#include "games/logic/Compte.hpp"

class TCompteF : public TJeuForm {
    Q_OBJECT
public:
    explicit TCompteF(QWidget* parent = nullptr);

    QWidget* Panel7 = nullptr;
    std::array<TMovPanel*, 6> Panel{};      // Panel1 .. Panel6, the plates
    QLabel* Panel_nombre = nullptr;
    std::array<TMovPanel*, 4> StaticText{};  // + - x :
    std::array<QWidget*, 6> PanelRep{};
    // Per line: first number, operation, second number, result.
    std::array<TEntree*, 6> E1{}, S{}, E2{}, E3{};
    TBoutonJeu* Button1 = nullptr;
    TBoutonJeu* Button3 = nullptr;
    TBoutonJeu* btnAbandon = nullptr;
    TBoutonJeu* BtnAnnul = nullptr;
    TMovPanel* MovPanel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;

    void FormActivate() override;
    bool FormCloseQuery() override;
    void Button1Click();
    void Button3Click();
    void btnAbandonClick();
    void BtnAnnulClick();

    const Compte::Partie& Partie_En_Cours() const { return partie_; }
    bool Partie_Finie() const { return finie_; }

private:
    void Ligne_Change(int n);
    void Clic_Droit(TEntree* e);
    void Vide_Lignes();
    void Rend_Glissable(TEntree* e, bool oui);
    void Montre_Solution();
    void Termine();
    // Whether `source` may be dropped on `cible` (an entry of line `ligne`).
    bool Accepte_Nombre(QObject* source, int ligne) const;
    void Depose_Nombre(TEntree* cible, QObject* source);

    Compte::Partie partie_;
    int niveau_ = 1;
    bool finie_ = true;

protected:
    void Construit_Enfants() override;
};
