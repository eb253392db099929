#include "controls/Glisse.hpp"

#include <QCursor>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QPixmap>
#include <QPointer>
#include <memory>

namespace Glisse {

namespace {
QPointer<QObject> en_cours;
Pilote pilote_installe;
}

void Installe_Pilote(Pilote pilote) { pilote_installe = std::move(pilote); }

QObject* Source_En_Cours() { return en_cours.data(); }
void Definit_Source(QObject* source) { en_cours = source; }

QObject* Source_De(const QDropEvent* e) {
    if (QObject* s = e->source()) return s;
    return Source_En_Cours();
}

bool Est_A_Nous(const QDropEvent* e) { return e->mimeData() && e->mimeData()->hasFormat(Type_Mime); }

Fin Commence(QWidget* source, QPoint prise, Qt::CursorShape curseur) {
    Fin fin;
    if (!source) return fin;
    auto* donnees = new QMimeData;
    donnees->setData(Type_Mime, source->objectName().toUtf8());
    if (pilote_installe) {
        const std::unique_ptr<QMimeData> garde(donnees);
        QPointer<QObject> avant = en_cours;
        Definit_Source(source);
        fin = pilote_installe(source, prise, donnees);
        Definit_Source(avant.data());
        return fin;
    }
    auto* drag = new QDrag(source);
    drag->setMimeData(donnees);
    const QPixmap image = source->grab();
    if (!image.isNull()) {
        drag->setPixmap(image);
        drag->setHotSpot(prise);
    }
    const QCursor c(curseur);
    if (!c.pixmap().isNull()) drag->setDragCursor(c.pixmap(), Qt::MoveAction);

    Definit_Source(source);
    // The library deletes the drag object once it is over.
    drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
    Definit_Source(nullptr);
    if (QObject* cible = drag->target()) {
        fin.cible = cible;
        if (auto* w = qobject_cast<QWidget*>(cible)) fin.point = w->mapFromGlobal(QCursor::pos());
    }
    return fin;
}

}  // namespace Glisse
