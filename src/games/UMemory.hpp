// "La mémoire réelle": a pairs game on cards showing real numbers.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <vector>

#include "framework/FenetrePartie.hpp"
#include "games/logic/Memoire.hpp"

class TMemoryForm : public TPartieForm {
    Q_OBJECT
public:
    explicit TMemoryForm(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLabel* lblEssais = nullptr;
    // The 60 x 60 pictures: 0 the back, 1 to 26 the faces (drawn when the
    // first game is dealt).
    std::vector<QPixmap> ImageList1;

    // The cards of the current game, IM01 first.
    std::vector<QLabel*> Cartes() const { return cartes_; }
    const Memoire::Partie& Partie() const { return partie_; }

    // A click on card n (1-based).
    void ImClick(int n);

protected:
    void Nouveau_Jeu() override;
    void Montre_Solution() override;
    void FinJeu(bool gagne) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void CreerImages();
    void DetruireImages();
    void Peint(int n);
    void AfficheCartesCorrige();

    Memoire::Partie partie_;
    std::vector<QLabel*> cartes_;

protected:
    void Construit_Enfants() override;
};
