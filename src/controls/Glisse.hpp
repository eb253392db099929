// Drag and drop between the controls of one window, on the widget library's
// own drag and drop: a source starts a drag of itself, a target is told while
// the drag passes over it (and says whether it would take a drop), then
// takes the drop; the source learns where the drag ended.
#pragma once

#include <QCursor>
#include <QDropEvent>
#include <QMimeData>
#include <QMetaMethod>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <functional>


enum TDragMode { dmManual, dmAutomatic };
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

namespace Glisse {

// The type of the data every drag of this program carries.
inline constexpr const char* Type_Mime = "application/x-tavelune-controle";

struct Fin {
    QObject* cible = nullptr;  // the widget that took the drop, or null
    QPoint point;              // where the drag ended, in the target's coordinates
};

// Drags `source` from `prise` (a point of the source) until the button is
// released; the drag shows a picture of the source.
Fin Commence(QWidget* source, QPoint prise, Qt::CursorShape curseur = Qt::DragMoveCursor);

// Tests drive drags themselves: while a pilot is installed, Commence hands it
// the source, the grabbed point and the drag's data in place of the window
// system, and the pilot says where the drag ended (an empty pilot gives the
// drags back to the window system).
using Pilote = std::function<Fin(QWidget* source, QPoint prise, const QMimeData* donnees)>;
void Installe_Pilote(Pilote pilote);

// The source of the drag under way, null when there is none. Drag events
// name their source through it when the library does not (a drag started
// elsewhere than from a mouse, or made up by a test).
QObject* Source_En_Cours();
void Definit_Source(QObject* source);
QObject* Source_De(const QDropEvent* e);

// True when the data of a drag event come from this program.
bool Est_A_Nous(const QDropEvent* e);

// The target side, shared by the controls that take drops. `DragOver` is
// the target's drag-over signal (Source, X, Y, State, bool& Accept): Accept
// starts as `branche` (true when a handler is connected), and the handler
// may clear it to refuse the drop. `dessus` remembers the source while the
// drag is over the target.
template <typename Cible, typename Signal>
void Demande(Cible* cible, Signal DragOver, bool branche, QDragMoveEvent* e, TDragState etat,
             QPointer<QObject>& dessus) {
    if (!Est_A_Nous(e)) {
        e->ignore();
        return;
    }
    dessus = Source_De(e);
    bool accepte = branche;
    const QPoint p = e->position().toPoint();
    emit(cible->*DragOver)(dessus.data(), p.x(), p.y(), etat, accepte);
    if (accepte) e->acceptProposedAction();
    else e->ignore();
}

template <typename Cible, typename Signal>
void Quitte(Cible* cible, Signal DragOver, QPointer<QObject>& dessus) {
    if (!dessus) return;
    bool accepte = false;
    const QPoint p = cible->mapFromGlobal(QCursor::pos());
    QObject* source = dessus.data();
    dessus = nullptr;
    emit(cible->*DragOver)(source, p.x(), p.y(), dsDragLeave, accepte);
}

// Hands a drop to the target's drop signal (Source, X, Y).
template <typename Cible, typename Signal>
void Depose(Cible* cible, Signal DragDrop, QDropEvent* e, QPointer<QObject>& dessus) {
    if (!Est_A_Nous(e)) {
        e->ignore();
        return;
    }
    const QPoint p = e->position().toPoint();
    QObject* source = Source_De(e);
    dessus = nullptr;
    e->acceptProposedAction();
    emit(cible->*DragDrop)(source, p.x(), p.y());
}

}  // namespace Glisse
