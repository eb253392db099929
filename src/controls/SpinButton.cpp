#include "controls/SpinButton.hpp"

#include <QPainter>
#include <QPolygonF>
#include <QResizeEvent>

namespace {

// A filled triangle pointing up or down, dark on the button's face.
QIcon Fleche(bool vers_le_haut) {
    QPixmap image(14, 8);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    if (vers_le_haut) p.drawPolygon(QPolygonF{QPointF(1, 7.5), QPointF(7, 0.5), QPointF(13, 7.5)});
    else p.drawPolygon(QPolygonF{QPointF(1, 0.5), QPointF(7, 7.5), QPointF(13, 0.5)});
    QIcon icone(image);
    // Disabled after a verdict: the same arrow, greyed.
    QPixmap grise(image.size());
    grise.fill(Qt::transparent);
    QPainter g(&grise);
    g.setOpacity(0.35);
    g.drawPixmap(0, 0, image);
    icone.addPixmap(grise, QIcon::Disabled);
    return icone;
}

QPushButton* Bouton(QWidget* parent, bool vers_le_haut) {
    auto* b = new QPushButton(parent);
    // Both arrows are drawn once and shared by every spin button.
    static const QIcon haut = Fleche(true), bas = Fleche(false);
    b->setIcon(vers_le_haut ? haut : bas);
    b->setIconSize(QSize(14, 8));
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
    b->setAutoRepeat(true);
    b->setAutoRepeatDelay(400);
    b->setAutoRepeatInterval(120);
    return b;
}

}  // namespace

TSpinButton::TSpinButton(QWidget* parent) : QWidget(parent), haut_(Bouton(this, true)), bas_(Bouton(this, false)) {
    setFocusPolicy(Qt::NoFocus);
    resize(22, 38);
    connect(haut_, &QPushButton::clicked, this, &TSpinButton::UpClick);
    connect(bas_, &QPushButton::clicked, this, &TSpinButton::DownClick);
}

void TSpinButton::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    const int moitie = height() / 2;
    haut_->setGeometry(0, 0, width(), moitie);
    bas_->setGeometry(0, moitie, width(), height() - moitie);
}
