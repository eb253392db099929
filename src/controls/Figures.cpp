#include "controls/Figures.hpp"

#include <QDragEnterEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

// ---------------------------------------------------------------------------
void TPen::setColor(const QColor& c) {
    if (c == couleur_) return;
    couleur_ = c;
    emit StyleChanged();
}

void TPen::setWidth(int w) {
    if (w == largeur_) return;
    largeur_ = w;
    emit StyleChanged();
}

void TPen::setStyle(Qt::PenStyle s) {
    if (s == style_) return;
    style_ = s;
    emit StyleChanged();
}

void TPen::Assign(const TPen& autre) {
    if (&autre == this) return;
    if (autre.couleur_ == couleur_ && autre.largeur_ == largeur_ && autre.style_ == style_) return;
    couleur_ = autre.couleur_;
    largeur_ = autre.largeur_;
    style_ = autre.style_;
    emit StyleChanged();
}

QPen TPen::Plume() const { return QPen(QBrush(couleur_), largeur_, style_); }

void TBrush::setColor(const QColor& c) {
    if (c == couleur_) return;
    couleur_ = c;
    emit StyleChanged();
}

void TBrush::setStyle(Qt::BrushStyle s) {
    if (s == style_) return;
    style_ = s;
    emit StyleChanged();
}

void TBrush::Assign(const TBrush& autre) {
    if (&autre == this) return;
    if (autre.couleur_ == couleur_ && autre.style_ == style_) return;
    couleur_ = autre.couleur_;
    style_ = autre.style_;
    emit StyleChanged();
}

// ---------------------------------------------------------------------------
TFigure::TFigure(QWidget* parent) : QWidget(parent), pen_(new TPen(this)), brush_(new TBrush(this)) {
    setFocusPolicy(Qt::NoFocus);
    setAcceptDrops(true);
    resize(65, 65);
    connect(pen_, &TPen::StyleChanged, this, qOverload<>(&QWidget::update));
    connect(brush_, &TBrush::StyleChanged, this, qOverload<>(&QWidget::update));
}

void TFigure::setFigure(TFigureType f) {
    if (f == figure_) return;
    figure_ = f;
    Ajuste_Taille();
    update();
}

void TFigure::setVers_Droite(bool v) {
    if (v == versDroite_) return;
    versDroite_ = v;
    update();
}

void TFigure::setVerticale(bool v) {
    if (v == verticale_) return;
    verticale_ = v;
    Ajuste_Taille();
    update();
}

Geometrie::Plan_Figure TFigure::Plan() const {
    return Geometrie::Figure(figure_, versDroite_, verticale_, width(), height());
}

void TFigure::Ajuste_Taille() {
    const Geometrie::Plan_Figure plan = Plan();
    if (plan.largeur != width() || plan.hauteur != height()) resize(plan.largeur, plan.hauteur);
}

void TFigure::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Ajuste_Taille();
}

QColor TFigure::Couleur_Fond() const {
    if (brush_->Style() == Qt::SolidPattern) return brush_->Color();
    if (const QWidget* w = parentWidget()) return w->palette().color(w->backgroundRole());
    return palette().color(QPalette::Window);
}

void TFigure::paintEvent(QPaintEvent*) {
    Ajuste_Taille();
    const Geometrie::Plan_Figure plan = Plan();
    QPainter p(this);
    QPen plume = pen_->Plume();
    plume.setWidth(1);
    p.setBrush(brush_->Pinceau());
    for (const Geometrie::Trait& t : plan.traits) {
        QPen trait = plume;
        if (t.plume_du_fond) trait.setColor(Couleur_Fond());
        p.setPen(trait);
        QPolygon points;
        for (const auto& pt : t.points) points << QPoint(pt.x, pt.y);
        switch (t.genre) {
        case Geometrie::Trait::Polygone: p.drawPolygon(points); break;
        case Geometrie::Trait::Ligne: p.drawPolyline(points); break;
        case Geometrie::Trait::Rectangle:
        case Geometrie::Trait::Ellipse: {
            // The right and bottom corners lie just outside the shape.
            const QPoint a = points.at(0), b = points.at(1);
            const QRect r(a.x(), a.y(), b.x() - a.x() - 1, b.y() - a.y() - 1);
            if (t.genre == Geometrie::Trait::Rectangle) p.drawRect(r);
            else p.drawEllipse(r);
            break;
        }
        }
    }
}

// ---------------------------------------------------------------------------
void TFigure::BeginDrag(QPoint prise) {
    const Glisse::Fin fin = Glisse::Commence(this, prise, dragCursor_);
    emit EndDrag(fin.cible, fin.point.x(), fin.point.y());
}

void TFigure::mousePressEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    emit MouseDown(e->button(), e->modifiers(), p.x(), p.y());
    if (dragMode_ == dmAutomatic && e->button() == Qt::LeftButton) BeginDrag(p);
}

void TFigure::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    emit MouseMove(e->modifiers(), p.x(), p.y());
}

void TFigure::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    emit MouseUp(e->button(), e->modifiers(), p.x(), p.y());
}

bool TFigure::Branche() const { return isSignalConnected(QMetaMethod::fromSignal(&TFigure::DragOver)); }

void TFigure::dragEnterEvent(QDragEnterEvent* e) { Glisse::Demande(this, &TFigure::DragOver, Branche(), e, dsDragEnter, sourceDessus_); }

void TFigure::dragMoveEvent(QDragMoveEvent* e) { Glisse::Demande(this, &TFigure::DragOver, Branche(), e, dsDragMove, sourceDessus_); }

void TFigure::dragLeaveEvent(QDragLeaveEvent*) { Glisse::Quitte(this, &TFigure::DragOver, sourceDessus_); }

void TFigure::dropEvent(QDropEvent* e) { Glisse::Depose(this, &TFigure::DragDrop, e, sourceDessus_); }
