// The number-sorting game: a number falls from the top of the window and the
// pupil drags it into the right box (primes, divisible by 2, by 3, by 5, the
// others) before it touches the ground.
#pragma once

#include <QFrame>
#include <QListWidget>
#include <array>

#include "controls/Figures.hpp"
#include "controls/MovPanel.hpp"
#include "framework/FenetreJeu.hpp"
#include "framework/WinPanel.hpp"
#include "games/logic/Nrange.hpp"

class TNRangeF : public TJeuForm {
    Q_OBJECT
public:
    explicit TNRangeF(QWidget* parent = nullptr);

    TMovPanel* Panel1 = nullptr;  // the falling number
    // Figure(1) .. Figure(5): the boxes (2, 3, 5, others, primes);
    // Figure(6): the ground, Figure(7) .. Figure(17): its walls and hatches.
    TFigure* Figure(int n) const { return figures_[static_cast<std::size_t>(n - 1)]; }
    QFrame* Shape1 = nullptr;  // the floor band with the boxes' labels
    QPushButton* BitBtn2 = nullptr;
    TWinPanel* WinPanel1 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QPushButton* BBFermer = nullptr;

    void FormActivate() override;
    void Pose_Question();
    void BitBtn2Click();
    // The drag of the number ended, wherever it was released.
    void Panel1EndDrag(QObject* Target, int X, int Y);

    const Nrange::Partie& Partie() const { return partie_; }
    QColor Couleur_Juste() const { return juste_; }
    // The number's top has reached the ground.
    bool Au_Sol() const;

protected:
    void Timer1Timer() override;
    void FormClose() override;

private:
    // A drag passes over a box (or over the ground, which stands for the
    // primes box).
    void Survol(int boite, QObject* source, bool& accepte);
    // The game is lost (and booked): the clock stops and the pupil chooses
    // to play again or to close.
    void Perdu();

    std::array<TFigure*, 17> figures_{};
    Nrange::Partie partie_;
    QColor juste_;

protected:
    void Construit_Enfants() override;
};
