#include "controls/SpinEdit.hpp"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

TSpinEdit::TSpinEdit(QWidget* parent) : QSpinBox(parent) {
    lineEdit()->setReadOnly(true);
    setAlignment(Qt::AlignCenter);
    setContextMenuPolicy(Qt::NoContextMenu);
    // The arrows are drawn in the window-text colour, which a coloured
    // question panel sets light: keep the ordinary dark one so they show.
    QPalette p = palette();
    const QPalette ordinaire = QApplication::palette();
    for (auto groupe : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(groupe, QPalette::WindowText, ordinaire.color(groupe, QPalette::WindowText));
    setPalette(p);
}

void TSpinEdit::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        QSpinBox::keyPressEvent(e);
        return;
    default:
        // Enter and the like go on to the window; what would type is dropped.
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Escape) e->ignore();
        else e->accept();
    }
}

// The wheel would change the exponent by accident while the page scrolls.
void TSpinEdit::wheelEvent(QWheelEvent* e) { e->ignore(); }
