// Two small arrow buttons, one above the other, each with its own click: the
// window decides what up and down change (an exponent, a radicand). Holding
// a button down repeats its click. The buttons take no focus, so the pupil
// goes on typing in the box where the caret is.
#pragma once

#include <QPushButton>
#include <QWidget>

class TSpinButton : public QWidget {
    Q_OBJECT
public:
    explicit TSpinButton(QWidget* parent = nullptr);

    QPushButton* Haut() const { return haut_; }
    QPushButton* Bas() const { return bas_; }

signals:
    void UpClick();
    void DownClick();

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    QPushButton* haut_;
    QPushButton* bas_;
};
