// Keeps the screen saver away while the program runs: asks the desktop's
// screen-saver service (freedesktop D-Bus interface) to hold off, and on an
// X11 display also tells the server now and then that the user is active.
// Without D-Bus or X11 it does nothing.
#pragma once

#include <QObject>
#include <QTimer>

class Empeche_Veille : public QObject {
    Q_OBJECT
public:
    explicit Empeche_Veille(QObject* parent = nullptr);
    ~Empeche_Veille() override;

    void Active();
    void Desactive();
    bool Actif() const { return actif_; }
    bool Par_DBus() const { return cookie_ != 0; }

private:
    bool actif_ = false;
    uint cookie_ = 0;
    QTimer rappel_;
};
