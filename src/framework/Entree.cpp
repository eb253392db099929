#include "framework/Entree.hpp"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>

#include "platform/Services.hpp"

TEntree::TEntree(QWidget* parent) : QLineEdit(parent) {
    // Drops go through the handlers below, which take only this program's
    // controls; the line edit's own text drops never happen.
    setAcceptDrops(true);
    setDragEnabled(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setAlignment(Qt::AlignCenter);
    Fond(repos_);
}

void TEntree::setCouleurs(const QColor& active, const QColor& repos) {
    active_ = active;
    repos_ = repos;
    Fond(hasFocus() ? active_ : repos_);
}

void TEntree::setMarque(const QColor& c) {
    marque_ = c;
    Fond(hasFocus() ? active_ : repos_);
}

void TEntree::Fond(const QColor& c) {
    QPalette p = palette();
    p.setColor(QPalette::Base, marque_.isValid() ? marque_ : c);
    setPalette(p);
}

Exercice::Decision TEntree::Decide(char32_t c) const {
    // The filter sees the text the character goes into: a selection is replaced.
    QString texte = text();
    int curseur = cursorPosition();
    if (hasSelectedText() && c != Exercice::Retour_Arriere) {
        curseur = selectionStart();
        texte.remove(curseur, selectedText().size());
    }
    const int position = static_cast<int>(texte.left(curseur).toUcs4().size());
    return filtre_ ? filtre_(c, position, texte.toStdU32String()) : Exercice::Decision::Accepte(c);
}

bool TEntree::Caractere(char32_t c, bool bip) {
    if (isReadOnly()) return true;  // a box the window fills itself
    const Exercice::Decision d = Decide(c);
    switch (d.genre) {
    case Exercice::Decision::Passe:
        if (d.caractere == Exercice::Retour_Arriere) {
            backspace();
        } else {
            insert(QString::fromUcs4(&d.caractere, 1));
            if (droite_a_gauche_ && !collage_) cursorBackward(false);
        }
        return true;
    case Exercice::Decision::Ignore: return true;
    case Exercice::Decision::Bip:
        if (bip) Plateforme::Bip();
        return false;
    }
    return true;
}

void TEntree::Tape(const QString& texte) {
    for (char32_t c : texte.toUcs4()) Caractere(c);
}

void TEntree::Colle(const QString& texte) {
    // Everything that passes the filter goes in; one beep at most for the rest.
    bool refus = false;
    collage_ = true;
    for (char32_t c : texte.toUcs4())
        if (c != Exercice::Retour_Arriere && !Caractere(c, false)) refus = true;
    collage_ = false;
    if (refus) Plateforme::Bip();
}

bool TEntree::Tape_Un_Caractere(const QKeyEvent* e) {
    // The keys the line edit itself would type in, whatever their modifiers
    // (Alt, AltGr, Meta); Ctrl and Ctrl+Shift are shortcuts.
    const QString t = e->text();
    if (t.isEmpty()) return false;
    const char32_t c = t.toUcs4().value(0);
    if (QChar::category(c) == QChar::Other_Format) return true;
    const Qt::KeyboardModifiers m = e->modifiers();
    if (m == Qt::ControlModifier || m == (Qt::ShiftModifier | Qt::ControlModifier)) return false;
    return QChar::isPrint(c);
}

void TEntree::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        emit Entree();
        e->accept();
        return;
    }
    if (e->matches(QKeySequence::Paste)) {
        Colle(QApplication::clipboard()->text());
        e->accept();
        return;
    }
    if (e->key() == Qt::Key_Backspace) {
        Caractere(Exercice::Retour_Arriere);
        e->accept();
        return;
    }
    if (Tape_Un_Caractere(e)) {
        for (char32_t c : e->text().toUcs4()) Caractere(c);
        e->accept();
        return;
    }
    // Navigation, Delete, Undo, Cut, Copy, Select all and the like keep
    // their usual meaning; none of them types a character.
    QLineEdit::keyPressEvent(e);
}

void TEntree::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::RightButton) {
        e->accept();
        emit ClicDroit();
        return;
    }
    if (e->button() == Qt::LeftButton && glissable_) {
        e->accept();
        const Glisse::Fin fin = Glisse::Commence(this, e->position().toPoint());
        emit EndDrag(fin.cible, fin.point.x(), fin.point.y());
        return;
    }
    if (e->button() == Qt::MiddleButton) {  // no paste of the selection around the filter
        e->accept();
        return;
    }
    QLineEdit::mousePressEvent(e);
}

void TEntree::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        e->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

void TEntree::contextMenuEvent(QContextMenuEvent* e) { e->accept(); }

void TEntree::inputMethodEvent(QInputMethodEvent* e) {
    // Composed characters (dead keys, input methods) go through the filter
    // too, as a paste.
    const QString t = e->commitString();
    QInputMethodEvent vide;
    QLineEdit::inputMethodEvent(&vide);
    Colle(t);
    e->accept();
}

void TEntree::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    Fond(active_);
}

void TEntree::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    Fond(repos_);
}

bool TEntree::Branche() const { return isSignalConnected(QMetaMethod::fromSignal(&TEntree::DragOver)); }
void TEntree::dragEnterEvent(QDragEnterEvent* e) {
    Glisse::Demande(this, &TEntree::DragOver, Branche() && !isReadOnly(), e, dsDragEnter, sourceDessus_);
}
void TEntree::dragMoveEvent(QDragMoveEvent* e) {
    Glisse::Demande(this, &TEntree::DragOver, Branche() && !isReadOnly(), e, dsDragMove, sourceDessus_);
}
void TEntree::dragLeaveEvent(QDragLeaveEvent*) { Glisse::Quitte(this, &TEntree::DragOver, sourceDessus_); }
void TEntree::dropEvent(QDropEvent* e) {
    // A drop the drag-over handler would refuse (a made-up event) is ignored.
    bool accepte = Branche() && !isReadOnly() && isEnabled();
    if (accepte && Glisse::Est_A_Nous(e)) {
        const QPoint p = e->position().toPoint();
        emit DragOver(Glisse::Source_De(e), p.x(), p.y(), dsDragMove, accepte);
    }
    if (!accepte) {
        sourceDessus_ = nullptr;
        e->ignore();
        return;
    }
    Glisse::Depose(this, &TEntree::DragDrop, e, sourceDessus_);
}
