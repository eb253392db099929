// The window the number games are built on: what every window shares
// (TFenetreBase) with a game clock, the games' pauses and the hooks a test
// uses to drive the clock.
//
// Pauses pump events: while a game waits, the pupil can click, move the
// slider or close the window. Every new game or question, and every close,
// changes the game counter; after a pause, Pause() says whether the window is
// still shown and the same game current, and a handler that hears "no" draws
// and enables nothing more.
#pragma once

#include <QPushButton>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>

#include "framework/FenetreBase.hpp"

// A game button that answers as soon as a mouse button is pressed on it (not
// on release), and only while it is enabled.
class TBoutonJeu : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
signals:
    void Presse();

protected:
    void mousePressEvent(QMouseEvent* e) override;
};

class TJeuForm : public TFenetreBase {
    Q_OBJECT
public:
    explicit TJeuForm(const Description& d, QWidget* parent = nullptr);

    // The game's clock, stopped when the window closes.
    QTimer* Timer1 = nullptr;

    // Test hooks. Tic() does what a tick of Timer1 does, when Timer1 runs;
    // with Pilote_Ticks(true) the real ticks are ignored and only Tic()
    // drives the game. Suppose_Active answers "is the window the active one"
    // in place of the window system (nullopt gives the question back).
    void Tic();
    void Pilote_Ticks(bool pilote) { pilote_ = pilote; }
    void Suppose_Active(std::optional<bool> active) { active_ = active; }
    bool Fenetre_Active() const;

    int Numero_Partie() const { return partie_; }

protected:
    // What a tick of Timer1 does.
    virtual void Timer1Timer() {}
    // A new game or question is current (an older one's pause ends unheard).
    void Nouvelle_Partie() { ++partie_; }
    // Waits `ms` milliseconds while events are handled; true when the window
    // is still shown and the game of before the pause is still current.
    [[nodiscard]] bool Pause(uint16_t ms);
    // For a long computation on the event thread, called every few
    // milliseconds: each call handles the pending events and says, as
    // Pause() does, whether the window is still shown and the game of when
    // it was made still current.
    std::function<bool()> Tour_Evenements();
    // Stops the clock and ends the current game's turn.
    void FormClose() override;

private:
    int partie_ = 0;
    bool pilote_ = false;
    std::optional<bool> active_;

protected:
    void Construit_Enfants() override;
};
