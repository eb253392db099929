#include "framework/Entree.hpp"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/Services.hpp"

TEntree::TEntree(QWidget* parent) : QLineEdit(parent) {
    setAcceptDrops(false);
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

void TEntree::Fond(const QColor& c) {
    QPalette p = palette();
    p.setColor(QPalette::Base, c);
    setPalette(p);
}

bool TEntree::Caractere(char32_t c) {
    const std::u32string texte = text().toStdU32String();
    const Exercice::Decision d = filtre_ ? filtre_(c, cursorPosition(), texte) : Exercice::Decision::Accepte(c);
    switch (d.genre) {
    case Exercice::Decision::Passe:
        if (d.caractere == Exercice::Retour_Arriere) backspace();
        else insert(QString::fromUcs4(&d.caractere, 1));
        return true;
    case Exercice::Decision::Ignore: return true;
    case Exercice::Decision::Bip: Plateforme::Bip(); return false;
    }
    return true;
}

void TEntree::Tape(const QString& texte) {
    for (char32_t c : texte.toUcs4()) Caractere(c);
}

void TEntree::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        emit Entree();
        e->accept();
        return;
    }
    if (e->matches(QKeySequence::Paste)) {
        // Pasted text is typed in through the same filter; one beep at most.
        bool refus = false;
        const QString colle = QApplication::clipboard()->text();
        for (char32_t c : colle.toUcs4()) {
            const std::u32string texte = text().toStdU32String();
            const auto d = filtre_ ? filtre_(c, cursorPosition(), texte) : Exercice::Decision::Accepte(c);
            if (d.genre == Exercice::Decision::Passe && d.caractere != Exercice::Retour_Arriere)
                insert(QString::fromUcs4(&d.caractere, 1));
            else if (d.genre == Exercice::Decision::Bip) refus = true;
        }
        if (refus) Plateforme::Bip();
        e->accept();
        return;
    }
    if (e->matches(QKeySequence::Cut) || e->matches(QKeySequence::Undo) || e->matches(QKeySequence::Redo)) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    const QString t = e->text();
    const bool controle = e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (e->key() == Qt::Key_Backspace) {
        Caractere(Exercice::Retour_Arriere);
        e->accept();
        return;
    }
    if (t.isEmpty() || controle || !t.at(0).isPrint()) {
        // Navigation, Delete, shortcuts and the like keep their usual meaning.
        QLineEdit::keyPressEvent(e);
        return;
    }
    for (char32_t c : t.toUcs4()) Caractere(c);
    e->accept();
}

void TEntree::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::RightButton) {
        e->accept();
        emit ClicDroit();
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
    // Composed characters (dead keys, input methods) go through the filter too.
    const QString t = e->commitString();
    QInputMethodEvent vide;
    QLineEdit::inputMethodEvent(&vide);
    Tape(t);
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
