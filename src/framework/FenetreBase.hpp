// What every drill and game window shares: the four status panels along the
// bottom with the level slider, the level label, the score and help buttons,
// the richer palette, the activation when the window is opened, and one close
// query for every way of closing (title bar, a close button, Esc).
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "framework/SlideBar.hpp"

class TFenetreBase : public QDialog {
    Q_OBJECT
public:
    struct Description {
        QString caption;
        int aide = 0;                 // help topic number
        int niveaux = 3;              // the slider's maximum
        QSize client{632, 324};       // client area
        QColor fond{240, 239, 241};   // design background
        QColor fond_riche;            // background with the richer palette; invalid keeps `fond`
        // A window whose richer palette is the one for screens of few colours
        // (it keeps its design colours on rich screens).
        bool palette_si_pauvre = false;
    };

    explicit TFenetreBase(const Description& d, QWidget* parent = nullptr);

    // A window's controls are built once, by Construit(): at the end of its
    // constructor, or, for the windows made at the program's start-up while
    // Construction_Differee is set, the first time it is shown. Code that
    // reaches the controls of a window that may never have been shown calls
    // Construit() first.
    void Construit();
    bool Construite() const { return construite_; }
    static bool Construction_Differee;
    void setVisible(bool visible) override;

    QLabel* l_niv = nullptr;
    QPushButton* BBScore = nullptr;
    QPushButton* BBAide = nullptr;
    QLabel* P_nom = nullptr;
    QLabel* P_justes = nullptr;
    QLabel* P_score = nullptr;
    QLabel* P_niveau = nullptr;
    TSlideBar* SlideBar1 = nullptr;

    // Runs each time the window is opened: the name, justes and score panels.
    virtual void FormActivate();
    // The slider moved: P_niveau shows its label (a window may do more).
    virtual void SlideBar1Change();
    void BBScoreClick();
    void BBAideClick();

    // Whether the window may close now; asked once for the title-bar close,
    // a close button and Esc alike. True by default.
    virtual bool FormCloseQuery() { return true; }
    // Every close goes through here: the query, then FormClose, then hiding.
    void reject() override;

protected:
    // Each window class builds its controls here, after its base's.
    virtual void Construit_Enfants();
    // The last line of the constructor of a window class that no other
    // derives from: builds the controls unless they are left to the first show.
    void Fin_Constructeur();
    // Called once the close is accepted, before the window is hidden.
    virtual void FormClose() {}
    // " Juste(s) : " and " Score : " from the series counters.
    void Met_A_Jour_Panneaux();
    // Whether the richer palette applies to this window.
    bool Palette_Riche() const;
    // Gives a widget a background (and a text colour).
    static void Colore(QWidget* w, const QColor& fond, const QColor& texte = QColor());
    const Description& Description_Base() const { return base_; }

    void showEvent(QShowEvent* e) override;

private:
    Description base_;
    // The palette is chosen when the window is made, whenever its controls are built.
    bool riche_;
    bool construite_ = false;
};
