// Drags in window tests, through the program's own drag machinery: while a
// Glisse_Pilotee lives, a drag that a control starts (a left press on a
// draggable panel, figure or entry) goes along `trajet`, points of the
// source's window, and ends at the last one. The controls under the way get
// the drag events the window system would send them (enter and move where a
// control takes drops, leave when the drag goes on elsewhere), then the drop
// if the last one accepted it.
#pragma once

#include <QPoint>
#include <QWidget>
#include <functional>
#include <vector>

class Glisse_Pilotee {
public:
    Glisse_Pilotee();
    ~Glisse_Pilotee();
    Glisse_Pilotee(const Glisse_Pilotee&) = delete;
    Glisse_Pilotee& operator=(const Glisse_Pilotee&) = delete;

    std::vector<QPoint> trajet;
    // Called once each point is reached (a test may tick a clock meanwhile).
    std::function<void(std::size_t)> en_route;
    bool lache = true;  // false: the drag is given up at the end (Esc)
    int glisses = 0;    // drags that went along the way
};

// The centre of `w` in the coordinates of its window.
QPoint Centre_Dans_Fenetre(const QWidget* w);

// Presses the left button on `source`, drags along the centres of `par`
// (none: the drag ends where it began) and releases; `en_route` as above.
// Returns the number of drags the press started (0 when the source did not
// start one).
int Glisse_Par(QWidget* source, const std::vector<QWidget*>& par,
               std::function<void(std::size_t)> en_route = {}, bool lache = true);
