// The answer entry of the exercise windows: every typed or pasted character
// goes through the topic's filter; a right click is answered with a message.
// It takes drops of this program's controls only when a drag-over handler is
// connected and accepts them (never text dropped from elsewhere), and while it
// is draggable a left press drags it onto another control.
#pragma once

#include <QLineEdit>
#include <QPointer>
#include <functional>

#include "controls/Glisse.hpp"

#include "framework/logic/Exercice.hpp"

class TEntree : public QLineEdit {
    Q_OBJECT
public:
    using Filtre = std::function<Exercice::Decision(char32_t c, int curseur, const std::u32string& texte)>;

    explicit TEntree(QWidget* parent = nullptr);
    void setFiltre(Filtre f) { filtre_ = std::move(f); }
    // Background colours while the entry has the focus and while it has not.
    void setCouleurs(const QColor& active, const QColor& repos);
    // A background that stands over both while it is set (an invalid colour
    // clears it): an answer marked as faulty.
    void setMarque(const QColor& c);
    QColor Marque() const { return marque_; }

    // A result cell of a written operation: each typed digit goes in at the
    // caret and the caret stays in front of it, so that 1, 2, 3 shows 321 (a
    // paste still goes in as written).
    void setDroiteAGauche(bool oui) { droite_a_gauche_ = oui; }
    bool DroiteAGauche() const { return droite_a_gauche_; }

    // Whether a key press types a character (and so goes through the filter),
    // whatever its modifiers (Alt, AltGr, Meta); Ctrl and Ctrl+Shift are shortcuts.
    static bool Tape_Un_Caractere(const QKeyEvent* e);

    // Types a text as the pupil would, character by character through the filter.
    void Tape(const QString& texte);
    // Pastes a text: what passes the filter goes in, with one beep for the rest.
    void Colle(const QString& texte);

    // While true, a left press starts a drag of the entry (EndDrag tells
    // where it ended) instead of placing the caret.
    void setGlissable(bool oui) { glissable_ = oui; }
    bool Glissable() const { return glissable_; }

signals:
    void DragOver(QObject* Source, int X, int Y, TDragState State, bool& Accept);
    void DragDrop(QObject* Source, int X, int Y);
    void EndDrag(QObject* Target, int X, int Y);
    void Entree();       // Enter or Return was pressed
    void ClicDroit();    // the right mouse button was pressed on the entry

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dragLeaveEvent(QDragLeaveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:

    // What the filter decides for a character typed at the caret.
    Exercice::Decision Decide(char32_t c) const;
    // Puts one character through the filter; returns false when it was refused
    // (with a beep when `bip`).
    bool Caractere(char32_t c, bool bip = true);
    void Fond(const QColor& c);

    Filtre filtre_;
    bool droite_a_gauche_ = false;
    bool collage_ = false;
    QColor active_ = QColor(255, 255, 128);
    QColor repos_ = Qt::white;
    QColor marque_;
    bool glissable_ = false;
    QPointer<QObject> sourceDessus_;
    bool Branche() const;  // a drag-over handler is connected
};
