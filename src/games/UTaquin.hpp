// "le taquin décimal": a sliding puzzle of decimal numbers to put back in
// increasing order, row by row, the hole in the top-left corner.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <array>
#include <string>

#include "framework/FenetrePartie.hpp"
#include "games/logic/Taquin.hpp"

class TTaquinForm : public TPartieForm {
    Q_OBJECT
public:
    explicit TTaquinForm(QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    // The model: the order the numbers go in.
    QLabel* StringGrid1 = nullptr;
    // The solved picture (shown over the board once given up) and the board.
    QLabel* Image1 = nullptr;
    QLabel* Fond = nullptr;

    const Taquin::Plateau& Plateau() const { return plateau_; }
    const std::array<std::string, Taquin::Nb_Textes>& Textes() const { return textes_; }
    // Clicks move tiles: a game is in play and its shuffle is over.
    bool JeuEnCours() const { return !JeuFini() && !melange_; }
    // The pixel rectangle of a board cell.
    QRect Rectangle(Taquin::Cellule c) const;

    void FondMouseMove(QPoint p);
    // A click on the board at p (the cell whose centre is nearest).
    void FondClick(QPoint p);

protected:
    void Nouveau_Jeu() override;
    void Montre_Solution() override;
    void FinJeu(bool gagne) override;
    bool Abandon_Possible() const override { return !melange_; }
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void FormCreate();
    void StringGrid1DrawCell(QPainter& p, int colonne, int ligne, const QRect& r);
    void Dessine_Solution();
    void Initialise_Taquin();
    void Dessine_Taquin();
    void Melange_Taquin();

    Taquin::Plateau plateau_;
    std::array<std::string, Taquin::Nb_Textes> textes_;
    QPixmap image_, fond_;
    Taquin::Cellule clic_;
    bool melange_ = false;

protected:
    void Construit_Enfants() override;
};
