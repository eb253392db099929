#include "shell/Icone.hpp"

#include <QPainter>
#include <QPainterPath>

QPixmap Image_Programme(int cote) {
    QPixmap image(cote, cote);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal c = cote;
    QRadialGradient ciel(c * 0.4, c * 0.35, c * 0.7);
    ciel.setColorAt(0, QColor(70, 110, 210));
    ciel.setColorAt(1, QColor(20, 40, 120));
    p.setPen(QPen(QColor(10, 20, 70), std::max(1.0, c / 32)));
    p.setBrush(ciel);
    p.drawEllipse(QRectF(c * 0.04, c * 0.04, c * 0.92, c * 0.92));
    // The crescent: a disc less a shifted disc.
    QPainterPath lune;
    lune.addEllipse(QRectF(c * 0.22, c * 0.18, c * 0.56, c * 0.56));
    QPainterPath ombre;
    ombre.addEllipse(QRectF(c * 0.36, c * 0.10, c * 0.52, c * 0.52));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 214, 64));
    p.drawPath(lune.subtracted(ombre));
    // A small plus sign: the program is about numbers.
    p.setPen(QPen(Qt::white, std::max(1.0, c / 14), Qt::SolidLine, Qt::RoundCap));
    const QPointF centre(c * 0.68, c * 0.72);
    const qreal b = c * 0.09;
    p.drawLine(centre - QPointF(b, 0), centre + QPointF(b, 0));
    p.drawLine(centre - QPointF(0, b), centre + QPointF(0, b));
    return image;
}

QIcon Icone_Programme() {
    QIcon icone;
    for (int cote : {16, 24, 32, 48, 64, 128}) icone.addPixmap(Image_Programme(cote));
    return icone;
}
