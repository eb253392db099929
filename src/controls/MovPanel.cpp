#include "controls/MovPanel.hpp"

#include <QDragEnterEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

TMovPanel::TMovPanel(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::TabFocus);
    setAcceptDrops(true);
    resize(185, 41);
}

void TMovPanel::setCaption(const QString& c) {
    if (c == caption_) return;
    caption_ = c;
    update();
}

void TMovPanel::setAlignment(Qt::Alignment a) {
    if (a == alignment_) return;
    alignment_ = a;
    update();
}

void TMovPanel::setColor(const QColor& c) {
    if (c == color_) return;
    color_ = c;
    update();
}

void TMovPanel::setBevelOuter(TBevelCut b) {
    if (b == bevelOuter_) return;
    bevelOuter_ = b;
    update();
}

void TMovPanel::setBevelInner(TBevelCut b) {
    if (b == bevelInner_) return;
    bevelInner_ = b;
    update();
}

void TMovPanel::setBevelWidth(int w) {
    w = std::max(1, w);
    if (w == bevelWidth_) return;
    bevelWidth_ = w;
    update();
}

void TMovPanel::setBorderWidth(int w) {
    w = std::max(0, w);
    if (w == borderWidth_) return;
    borderWidth_ = w;
    update();
}

void TMovPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRect r = rect();
    p.fillRect(r, color_);
    const QColor clair = color_.lighter(160), sombre = color_.darker(200);
    auto biseau = [&](TBevelCut b) {
        if (b == bvNone) return;
        const QColor haut = b == bvRaised ? clair : sombre;
        const QColor bas = b == bvRaised ? sombre : clair;
        for (int i = 0; i < bevelWidth_; ++i) {
            p.setPen(haut);
            p.drawLine(r.left(), r.top(), r.right(), r.top());
            p.drawLine(r.left(), r.top(), r.left(), r.bottom());
            p.setPen(bas);
            p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
            p.drawLine(r.right(), r.top(), r.right(), r.bottom());
            r.adjust(1, 1, -1, -1);
        }
    };
    biseau(bevelOuter_);
    r.adjust(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_);
    biseau(bevelInner_);
    if (caption_.isEmpty()) return;
    p.setPen(palette().color(QPalette::WindowText));
    p.setFont(font());
    p.drawText(r, int(alignment_) | Qt::AlignVCenter, caption_);
}

void TMovPanel::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    if (dragMode_ == dmAutomatic) {
        BeginDrag(e->position().toPoint());
        return;
    }
    deplace_ = true;
    prise_ = e->position().toPoint();
    raise();
}

void TMovPanel::BeginDrag(QPoint prise) {
    const Glisse::Fin fin = Glisse::Commence(this, prise);
    emit EndDrag(fin.cible, fin.point.x(), fin.point.y());
}

void TMovPanel::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    emit MouseMove(e->modifiers(), p.x(), p.y());
    if (!deplace_ || !(e->buttons() & Qt::LeftButton) || !parentWidget()) return;
    QPoint coin = mapToParent(p) - prise_;
    const QSize zone = parentWidget()->size();
    coin.setX(std::clamp(coin.x(), 0, std::max(0, zone.width() - width())));
    coin.setY(std::clamp(coin.y(), 0, std::max(0, zone.height() - height())));
    move(coin);
}

void TMovPanel::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) deplace_ = false;
}

void TMovPanel::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    emit Enter();
}

void TMovPanel::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    emit Exit();
}

bool TMovPanel::Branche() const { return isSignalConnected(QMetaMethod::fromSignal(&TMovPanel::DragOver)); }

void TMovPanel::dragEnterEvent(QDragEnterEvent* e) { Glisse::Demande(this, &TMovPanel::DragOver, Branche(), e, dsDragEnter, sourceDessus_); }

void TMovPanel::dragMoveEvent(QDragMoveEvent* e) { Glisse::Demande(this, &TMovPanel::DragOver, Branche(), e, dsDragMove, sourceDessus_); }

void TMovPanel::dragLeaveEvent(QDragLeaveEvent*) { Glisse::Quitte(this, &TMovPanel::DragOver, sourceDessus_); }

void TMovPanel::dropEvent(QDropEvent* e) { Glisse::Depose(this, &TMovPanel::DragDrop, e, sourceDessus_); }
