// The small window shown while the program builds its windows.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QWidget>

class TSplForm : public QWidget {
    Q_OBJECT
public:
    explicit TSplForm(QWidget* parent = nullptr);

    QLabel* Panel1;  // fills the window; its text is the loading message
    QLabel* Image1;
    QFrame* Bevel1;
    QLabel* Label1;

    void FormCreate();
    // Shows the window and paints it at once, before the event loop runs.
    void Montre();
};
