// Drag and drop between the controls of one window, on the widget library's
// own drag and drop: a source starts a drag of itself, a target is told while
// the drag passes over it (and says whether it would take a drop), then
// takes the drop; the source learns where the drag ended.
#pragma once

#include <QObject>
#include <QPoint>
#include <QWidget>

class QDropEvent;

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

// The source of the drag under way, null when there is none. Drag events
// name their source through it when the library does not (a drag started
// elsewhere than from a mouse, or made up by a test).
QObject* Source_En_Cours();
void Definit_Source(QObject* source);
QObject* Source_De(const QDropEvent* e);

// True when the data of a drag event come from this program.
bool Est_A_Nous(const QDropEvent* e);

}  // namespace Glisse
