#include "framework/Accessibilite.hpp"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "controls/Figures.hpp"
#include "controls/MovPanel.hpp"
#include "framework/SlideBar.hpp"

namespace Accessibilite {

namespace {

const char* const Nom_Auto = "tavelune_nom_auto";
const char* const Description_Auto = "tavelune_description_auto";

QString Sans_Esperluette(QString t) {
    t.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    t.remove(QLatin1Char('&'));
    t.replace(QChar(1), QLatin1Char('&'));
    return t.simplified();
}

bool Parlant(const QString& t) {
    for (QChar c : t)
        if (c.isLetterOrNumber()) return true;
    return false;
}

// The label in front of a box on its line, in the same parent.
QString Etiquette_Devant(const QWidget* w) {
    const QWidget* parent = w->parentWidget();
    if (!parent) return {};
    const QRect r = w->geometry();
    const QLabel* meilleure = nullptr;
    for (QObject* o : parent->children()) {
        const auto* l = qobject_cast<const QLabel*>(o);
        if (!l || l->isHidden() || !Parlant(l->text())) continue;
        const QRect g = l->geometry();
        const bool meme_ligne = g.top() < r.bottom() && g.bottom() > r.top();
        if (!meme_ligne || g.right() > r.left() + 2) continue;
        if (!meilleure || g.right() > meilleure->geometry().right()) meilleure = l;
    }
    return meilleure ? Sans_Esperluette(meilleure->text()) : QString();
}

// The answer boxes of a window in reading order, to number them.
int Rang_Entree(const QWidget* fenetre, const QLineEdit* e, int* total) {
    int rang = 0, n = 0;
    for (QLineEdit* x : fenetre->findChildren<QLineEdit*>()) {
        if (!x->isVisibleTo(fenetre) || qobject_cast<QAbstractSpinBox*>(x->parentWidget())) continue;
        ++n;
        if (x == e) rang = n;
    }
    *total = n;
    return rang;
}

QString Nom_Propose(QWidget* fenetre, QWidget* w) {
    const QString bulle = Sans_Esperluette(w->toolTip());
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        const QString t = Sans_Esperluette(b->text());
        return Parlant(t) ? t : (!bulle.isEmpty() ? bulle : QStringLiteral("Bouton"));
    }
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        const QString devant = Etiquette_Devant(w);
        if (!devant.isEmpty()) return devant;
        if (!bulle.isEmpty()) return bulle;
        int total = 0;
        const int rang = Rang_Entree(fenetre, e, &total);
        return total > 1 && rang > 0 ? QStringLiteral("Réponse %1").arg(rang) : QStringLiteral("Réponse");
    }
    if (!bulle.isEmpty()) return bulle;
    if (auto* m = qobject_cast<TMovPanel*>(w)) {
        const QString t = Sans_Esperluette(m->Caption());
        return Parlant(t) ? t : QStringLiteral("Élément à déplacer");
    }
    if (qobject_cast<TFigure*>(w)) return QStringLiteral("Élément à déplacer");
    if (qobject_cast<QAbstractSpinBox*>(w)) {
        const QString devant = Etiquette_Devant(w);
        return devant.isEmpty() ? QStringLiteral("Valeur") : devant;
    }
    if (qobject_cast<QAbstractSlider*>(w) || qobject_cast<TSlideBar*>(w)) return QStringLiteral("Curseur");
    if (qobject_cast<QComboBox*>(w)) return QStringLiteral("Liste de choix");
    if (qobject_cast<QAbstractItemView*>(w)) return QStringLiteral("Liste");
    if (qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w)) return QStringLiteral("Zone de texte");
    return QStringLiteral("Élément de la fenêtre");
}

QString Description_Proposee(QWidget* w, const QString& nom) {
    const QString bulle = Sans_Esperluette(w->toolTip());
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        if (e->isReadOnly()) return QStringLiteral("Montre le choix fait avec les boutons");
        return QStringLiteral("Case de réponse : taper la réponse au clavier, puis Entrée");
    }
    if (!bulle.isEmpty() && bulle != nom) return bulle;
    if (qobject_cast<QAbstractButton*>(w)) return QStringLiteral("Bouton « %1 » : Espace ou clic pour l'activer").arg(nom);
    if (qobject_cast<TSlideBar*>(w) || qobject_cast<QAbstractSlider*>(w))
        return QStringLiteral("Se règle avec les flèches gauche et droite du clavier");
    if (qobject_cast<QAbstractSpinBox*>(w)) return QStringLiteral("Se règle avec les flèches haut et bas du clavier");
    if (qobject_cast<QAbstractItemView*>(w) || qobject_cast<QComboBox*>(w))
        return QStringLiteral("Se parcourt avec les flèches du clavier");
    if (qobject_cast<TFigure*>(w) || qobject_cast<TMovPanel*>(w))
        return QStringLiteral("Se fait glisser avec la souris");
    if (qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w))
        return QStringLiteral("Zone où écrire au clavier");
    return QStringLiteral("Se déplace ou s'active à la souris ou au clavier");
}

class Guetteur : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && o->isWidgetType() && static_cast<QWidget*>(o)->isWindow())
            Nomme(static_cast<QWidget*>(o));
        return false;
    }
};

}  // namespace

bool Interactif(const QWidget* w) {
    if (!w || w->isWindow()) return false;
    // The parts of a composite control are named through it.
    if (qobject_cast<QAbstractSpinBox*>(w->parentWidget()) || qobject_cast<QComboBox*>(w->parentWidget())) return false;
    const QWidget* p = w->parentWidget();
    if (p && qobject_cast<const QAbstractItemView*>(p->parentWidget()) ) return false;  // viewports, editors
    if (qobject_cast<const QMenuBar*>(w) || qobject_cast<const QLabel*>(w)) return false;
    if (qobject_cast<const QAbstractButton*>(w)) return true;
    if (auto* f = qobject_cast<const TFigure*>(w); f && f->DragMode() == dmAutomatic) return true;
    return w->focusPolicy() != Qt::NoFocus;
}

void Nomme(QWidget* fenetre) {
    if (!fenetre) return;
    for (QWidget* w : fenetre->findChildren<QWidget*>()) {
        if (!Interactif(w)) continue;
        // A name the window gave stays; one given here before is renewed.
        if (w->accessibleName().isEmpty() || w->accessibleName() == w->property(Nom_Auto).toString()) {
            const QString nom = Nom_Propose(fenetre, w);
            if (w->accessibleName() != nom) w->setAccessibleName(nom);
            w->setProperty(Nom_Auto, nom);
        }
        if (w->accessibleDescription().isEmpty() ||
            w->accessibleDescription() == w->property(Description_Auto).toString()) {
            const QString d = Description_Proposee(w, w->accessibleName());
            if (w->accessibleDescription() != d) w->setAccessibleDescription(d);
            w->setProperty(Description_Auto, d);
        }
    }
}

void Installe() {
    static Guetteur* guetteur = nullptr;
    if (guetteur || !qApp) return;
    guetteur = new Guetteur(qApp);
    qApp->installEventFilter(guetteur);
}

QString Nom(QWidget* w) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    return i ? i->text(QAccessible::Name) : QString();
}

QString Description(QWidget* w) {
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    return i ? i->text(QAccessible::Description) : QString();
}

}  // namespace Accessibilite
