#include "support/Glisse_Pilotee.hpp"

#include <QApplication>
#include <QDragEnterEvent>
#include <QPointer>
#include <QTest>

#include "controls/Glisse.hpp"

namespace {

const Qt::DropActions Actions = Qt::MoveAction | Qt::CopyAction;

// The control that would take the drag at `p`, as the window system finds it.
QWidget* Cible_En(QWidget* fenetre, QPoint p) {
    QWidget* w = fenetre->childAt(p);
    if (!w) w = fenetre;
    while (w && !w->isWindow() && !w->acceptDrops()) w = w->parentWidget();
    return w && w->acceptDrops() && w->isEnabled() ? w : nullptr;
}

Glisse::Fin Promene(QWidget* source, const QMimeData* donnees, const Glisse_Pilotee& g) {
    Glisse::Fin fin;
    QPointer<QWidget> fenetre = source->window();
    QPointer<QWidget> cible;
    bool accepte = false;
    QPoint ici;
    auto quitte = [&] {
        if (!cible) return;
        QDragLeaveEvent e;
        QApplication::sendEvent(cible, &e);
        cible = nullptr;
    };
    for (std::size_t i = 0; i < g.trajet.size() && fenetre; ++i) {
        const QPoint p = g.trajet[i];
        QWidget* w = fenetre->isVisible() ? Cible_En(fenetre, p) : nullptr;
        bool refuse_a_l_entree = false;
        if (w != cible) {
            quitte();
            cible = w;
            accepte = false;
            if (w) {
                QDragEnterEvent entre(w->mapFrom(fenetre, p), Actions, donnees, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(w, &entre);
                accepte = entre.isAccepted();
                refuse_a_l_entree = !accepte;
            }
        }
        // An accepted enter is followed at once by a move, as the library does.
        if (cible && !refuse_a_l_entree) {
            ici = cible->mapFrom(fenetre, p);
            QDragMoveEvent bouge(ici, Actions, donnees, Qt::LeftButton, Qt::NoModifier);
            bouge.setAccepted(accepte);
            QApplication::sendEvent(cible, &bouge);
            accepte = bouge.isAccepted();
        }
        if (g.en_route) g.en_route(i);
    }
    if (!g.lache || !cible || !accepte) {
        quitte();
        return fin;
    }
    QDropEvent lache(QPointF(ici), Actions, donnees, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(cible, &lache);
    if (lache.isAccepted()) {
        fin.cible = cible;
        fin.point = ici;
    }
    return fin;
}

}  // namespace

Glisse_Pilotee::Glisse_Pilotee() {
    Glisse::Installe_Pilote([this](QWidget* source, QPoint, const QMimeData* donnees) {
        ++glisses;
        return Promene(source, donnees, *this);
    });
}

Glisse_Pilotee::~Glisse_Pilotee() { Glisse::Installe_Pilote({}); }

QPoint Centre_Dans_Fenetre(const QWidget* w) { return w->mapTo(w->window(), w->rect().center()); }

int Glisse_Par(QWidget* source, const std::vector<QWidget*>& par, std::function<void(std::size_t)> en_route,
               bool lache) {
    Glisse_Pilotee g;
    const QPoint prise = source->rect().center();
    g.trajet.push_back(source->mapTo(source->window(), prise));
    for (QWidget* w : par) g.trajet.push_back(Centre_Dans_Fenetre(w));
    g.en_route = std::move(en_route);
    g.lache = lache;
    QPointer<QWidget> s(source);
    QTest::mousePress(source, Qt::LeftButton, {}, prise);
    if (s) QTest::mouseRelease(s, Qt::LeftButton, {}, prise);
    return g.glisses;
}
