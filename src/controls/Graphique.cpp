#include "controls/Graphique.hpp"

#include <QEvent>
#include <QFontMetrics>
#include <QResizeEvent>

#include "platform/Polices.hpp"

TControle_Texte::TControle_Texte(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(false);
}

void TControle_Texte::setCouleur(const QColor& c) { Change(couleur_, c); }

void TControle_Texte::setChange_Couleur(bool c) { Change(changeCouleur_, c); }

QColor TControle_Texte::Couleur_Police() const { return palette().color(QPalette::WindowText); }

void TControle_Texte::setCouleur_Police(const QColor& c) {
    if (c == Couleur_Police()) return;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, c);
    setPalette(p);
    update();
}

QColor TControle_Texte::Fond_Texte() const {
    if (changeCouleur_) return couleur_;
    if (const QWidget* w = parentWidget()) return w->palette().color(w->backgroundRole());
    return palette().color(QPalette::Window);
}

QFont TControle_Texte::Police(int cellule) const { return Plateforme::Police_Cellule(font(), cellule); }

int TControle_Texte::Largeur_Texte(const QFont& f, const QString& t) {
    return t.isEmpty() ? 0 : QFontMetrics(f).horizontalAdvance(t);
}

void TControle_Texte::Texte_Opaque(QPainter& p, const QFont& f, int cellule, int x, int y, const QString& t) const {
    if (t.isEmpty()) return;
    const QFontMetrics m(f);
    p.fillRect(x, y, m.horizontalAdvance(t), cellule, Fond_Texte());
    p.setFont(f);
    p.setPen(Couleur_Police());
    p.drawText(x, y + m.ascent(), t);
}

bool TControle_Texte::Ajuste_Largeur() {
    const int l = Largeur_Voulue();
    if (l == width()) return false;
    resize(l, height());
    return true;
}

void TControle_Texte::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (e->size().height() != e->oldSize().height()) Ajuste_Largeur();
}

void TControle_Texte::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::FontChange) {
        Ajuste_Largeur();
        update();
    }
}

void TControle_Texte::Peint_Second(const Geometrie::Plan_Second& plan, const QString& principal,
                                   const QString& second) {
    QPainter p(this);
    Texte_Opaque(p, Police(plan.cellule), plan.cellule, plan.principal.x, plan.principal.y, principal);
    if (plan.second)
        Texte_Opaque(p, Police(plan.petite_cellule), plan.petite_cellule, plan.position_second.x,
                     plan.position_second.y, second);
}
