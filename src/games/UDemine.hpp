// "Le Démineur irréductible": cross a field of fractions from the bottom row
// to the top row, stepping only on irreducible fractions.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <array>

#include "controls/Fraction.hpp"
#include "framework/FenetrePartie.hpp"
#include "framework/WinPanel.hpp"
#include "games/logic/Demineur.hpp"

class TDemineForm : public TPartieForm {
    Q_OBJECT
public:
    explicit TDemineForm(QWidget* parent = nullptr);

    QLabel* StaticText1 = nullptr;
    TWinPanel* WinPanel1 = nullptr;
    TFraction* Fraction1 = nullptr;
    // Column c, row r at [(r - 1) * 10 + c - 1], named "BB" + cc + rr.
    std::array<TBoutonJeu*, Demineur::Colonnes * Demineur::Rangees> Boutons{};

    TBoutonJeu* Bouton(int c, int r) const { return Boutons[(r - 1) * Demineur::Colonnes + c - 1]; }
    const Demineur::Champ& Champ() const { return champ_; }
    bool PanneauDispo() const { return panneau_dispo_; }

    void BBMouseDown(TBoutonJeu* b);
    void StaticText1Click();

protected:
    void Nouveau_Jeu() override;
    void Montre_Solution() override;
    void FinJeu(bool gagne) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void Dessine(int c, int r, bool surligne = false);
    void Applique_Actives();
    void Montre_Chemin();
    void Note(bool gagne, int niveau);

    Demineur::Champ champ_;
    bool panneau_dispo_ = false;
    QPixmap image_mine_, image_pas_, image_arrivee_;

protected:
    void Construit_Enfants() override;
};
