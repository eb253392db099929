#include "framework/SlideBar.hpp"

#include <QBitmap>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {
const QColor Gris(128, 128, 128);
const QColor Argent(192, 192, 192);

const char* Nom_Curseur(TSlideBar::TThumbStyle s) {
    static const char* noms[] = {"Bar1", "Bar2", "Bar3", "Bar4", "Circle1", "Square1",
                                 "Diamond1", "Diamond2", "Diamond3", "Diamond4"};
    return noms[s];
}

int Arrondi(double v) { return static_cast<int>(std::lround(v)); }

// Outline of each thumb, in a picture of the given size.
QSize Taille_Curseur(const QString& nom) {
    if (nom == "Bar1") return {8, 15};
    if (nom == "Bar2") return {10, 15};
    if (nom == "Bar3") return {15, 8};
    if (nom == "Bar4") return {15, 10};
    if (nom == "Circle1") return {13, 13};
    if (nom == "Square1") return {11, 11};
    return {13, 13};
}

QPainterPath Contour(const QString& nom, QSize t) {
    QPainterPath p;
    const QRectF r(0.5, 0.5, t.width() - 1, t.height() - 1);
    if (nom.startsWith("Bar") || nom == "Square1") p.addRoundedRect(r, 1.5, 1.5);
    else if (nom == "Circle1") p.addEllipse(r);
    else {
        const QPointF c = r.center();
        p.moveTo(c.x(), r.top());
        p.lineTo(r.right(), c.y());
        p.lineTo(c.x(), r.bottom());
        p.lineTo(r.left(), c.y());
        p.closeSubpath();
    }
    return p;
}
}  // namespace

QPixmap TSlideBar::Picture(const QString& nomComplet) {
    const bool masque = nomComplet.endsWith("Mask");
    const QString nom = masque ? nomComplet.chopped(4) : nomComplet;
    const QSize t = Taille_Curseur(nom);
    const QPainterPath contour = Contour(nom, t);
    QPixmap image(t);
    image.fill(masque ? Qt::white : Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, !masque);
    if (masque) {
        p.fillPath(contour, Qt::black);  // black: the thumb, white: transparent
        return image;
    }
    // Picture: a raised face with a light top-left and dark bottom-right edge.
    QLinearGradient g(0, 0, t.width(), t.height());
    const bool bleu = nom.endsWith('2') || nom.endsWith('4');
    g.setColorAt(0, bleu ? QColor(160, 190, 255) : QColor(245, 245, 245));
    g.setColorAt(1, bleu ? QColor(30, 60, 160) : QColor(150, 150, 150));
    p.fillPath(contour, g);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.drawPath(contour);
    if (nom.startsWith("Bar")) {
        // A groove line across the middle of the bar.
        p.setPen(QPen(QColor(255, 255, 255, 180), 1));
        if (t.width() < t.height()) p.drawLine(t.width() / 2, 3, t.width() / 2, t.height() - 4);
        else p.drawLine(3, t.height() / 2, t.width() - 4, t.height() / 2);
    }
    return image;
}

QCursor TSlideBar::HandPointer() {
    // A pointing hand drawn from the symbol font: white inside, black outline.
    static const QCursor curseur = [] {
        QPixmap image(24, 24);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        QFont f;
        f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans Symbols2")});
        f.setPixelSize(22);
        QPainterPath main;
        main.addText(1, 20, f, QString(QChar(0x261D)));
        p.fillPath(main, Qt::white);
        p.setPen(QPen(Qt::black, 1.2));
        p.drawPath(main);
        p.end();
        return QCursor(image, 9, 1);
    }();
    return curseur;
}

TSlideBar::TSlideBar(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    resize(100, 15);
    LoadThumb();
}

QString TSlideBar::Label() const {
    const int i = position_ - 1;
    return (i >= 0 && i < labels_.size()) ? labels_[i] : QString();
}

void TSlideBar::LoadThumb() {
    // One picture per thumb style, drawn the first time a slider takes it
    // and shared by every slider after that.
    static QHash<int, QPixmap> images;
    auto i = images.constFind(static_cast<int>(thumbStyle_));
    if (i == images.constEnd()) {
        QPixmap image = Picture(Nom_Curseur(thumbStyle_));
        image.setMask(QBitmap::fromPixmap(Picture(QString(Nom_Curseur(thumbStyle_)) + "Mask")));
        i = images.insert(static_cast<int>(thumbStyle_), image);
    }
    thumb_ = *i;
}

void TSlideBar::setMin(int v) {
    min_ = v;
    update();
}
void TSlideBar::setMax(int v) {
    max_ = v;
    update();
}

void TSlideBar::setPosition(int v) {
    if (v >= min_ && v <= max_) position_ = v;
    if (loading_) return;
    update();
    emit Change();
}

void TSlideBar::setStyle(TBevelStyle s) {
    style_ = s;
    update();
}
void TSlideBar::setThickness(int t) {
    if (t < 1 || t > 5) return;
    thickness_ = t;
    update();
}
void TSlideBar::setThumbStyle(TThumbStyle s) {
    thumbStyle_ = s;
    LoadThumb();
    update();
}
void TSlideBar::setTicks(bool t) {
    ticks_ = t;
    update();
}
void TSlideBar::setFocusColor(const QColor& c) {
    focusColor_ = c;
    update();
}

void TSlideBar::resizeEvent(QResizeEvent*) { update(); }

int TSlideBar::ThumbStart() const {
    const bool h = Orientation() == orHorizontal;
    const int longueur = h ? width() : height();
    const int taille = h ? thumb_.width() : thumb_.height();
    const int libre = std::max(0, longueur - taille);
    int debut;
    if (dragging_ && dragCoord_ >= 0) debut = dragCoord_ - taille / 2;
    else if (max_ == min_) debut = 0;
    else debut = Arrondi(double(position_ - min_) * libre / (max_ - min_));
    debut = std::clamp(debut, 0, libre);
    // A vertical slider counts from the bottom up.
    return (h || (dragging_ && dragCoord_ >= 0)) ? debut : libre - debut;
}

QRect TSlideBar::ThumbRect() const {
    if (Orientation() == orHorizontal)
        return {ThumbStart(), (height() - thumb_.height()) / 2, thumb_.width(), thumb_.height()};
    return {(width() - thumb_.width()) / 2, ThumbStart(), thumb_.width(), thumb_.height()};
}

QRect TSlideBar::GrooveRect() const {
    const int epaisseur = thickness_ + 1;
    if (Orientation() == orHorizontal) {
        const int demi = thumb_.width() / 2;
        return {demi, (height() - epaisseur) / 2, std::max(0, width() - 2 * demi), epaisseur};
    }
    const int demi = thumb_.height() / 2;
    return {(width() - epaisseur) / 2, demi, epaisseur, std::max(0, height() - 2 * demi)};
}

int TSlideBar::PositionFromCoord(int coord) const {
    double fraction;
    if (Orientation() == orHorizontal) {
        const int base = width() - thumb_.width() / 2;
        fraction = base > 0 ? double(coord) / base : 0;
    } else {
        const int base = height() - thumb_.height() / 2;
        fraction = base > 0 ? double(base - coord) / base : 0;
    }
    return std::clamp(Arrondi(fraction * (max_ - min_) + min_), std::min(min_, max_), std::max(min_, max_));
}

int TSlideBar::TickOffset(int value) const {
    const bool h = Orientation() == orHorizontal;
    const int longueur = h ? width() : height();
    const int taille = h ? thumb_.width() : thumb_.height();
    if (max_ == min_) return 0;
    const double pas = double(longueur - taille) / (max_ - min_);
    return Arrondi((value - min_) * pas);
}

void TSlideBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool h = Orientation() == orHorizontal;
    const QColor haut = style_ == bsLowered ? Gris : Qt::white;
    const QColor bas = style_ == bsLowered ? Qt::white : Gris;

    // Groove.
    const QRect g = GrooveRect();
    p.fillRect(g, hasFocus() ? focusColor_ : Argent);
    p.setPen(haut);
    p.drawLine(g.topLeft(), g.topRight());
    p.drawLine(g.topLeft(), g.bottomLeft());
    p.setPen(bas);
    p.drawLine(g.bottomLeft(), g.bottomRight());
    p.drawLine(g.topRight(), g.bottomRight());

    // Ticks, just outside the groove (above it, or left of it when vertical).
    if (ticks_ && max_ > min_) {
        for (int i = min_; i <= max_; ++i) {
            const int d = TickOffset(i);
            if (h) {
                const int x = g.left() + d;
                p.setPen(haut);
                p.drawLine(x, g.top() - 3, x, g.top() - 2);
                p.setPen(bas);
                p.drawLine(x + 1, g.top() - 3, x + 1, g.top() - 2);
            } else {
                const int y = g.bottom() - d;
                p.setPen(haut);
                p.drawLine(g.left() - 3, y, g.left() - 2, y);
                p.setPen(bas);
                p.drawLine(g.left() - 3, y + 1, g.left() - 2, y + 1);
            }
        }
    }

    // Thumb, its outside transparent through its mask.
    p.drawPixmap(ThumbRect().topLeft(), thumb_);
}

void TSlideBar::keyPressEvent(QKeyEvent* e) {
    const int pas = std::max(1, (max_ - min_) / 10);
    const bool h = Orientation() == orHorizontal;
    switch (e->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        if (position_ > min_) setPosition(position_ - 1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        if (position_ < max_) setPosition(position_ + 1);
        break;
    case Qt::Key_PageUp: setPosition(std::max(min_, position_ - pas)); break;
    case Qt::Key_PageDown: setPosition(std::min(max_, position_ + pas)); break;
    case Qt::Key_Home: setPosition(h ? min_ : max_); break;
    case Qt::Key_End: setPosition(h ? max_ : min_); break;
    default: QWidget::keyPressEvent(e); return;
    }
    e->accept();
}

void TSlideBar::mousePressEvent(QMouseEvent* e) {
    setFocus(Qt::MouseFocusReason);
    dragging_ = ThumbRect().contains(e->position().toPoint());
    lastCoord_ = Coord(e->position().toPoint());
    dragCoord_ = -1;
}

void TSlideBar::mouseMoveEvent(QMouseEvent* e) {
    setCursor(handCursor_ ? HandPointer() : QCursor(Qt::ArrowCursor));
    const int c = Coord(e->position().toPoint());
    if ((e->buttons() & Qt::LeftButton) && dragging_ && c != lastCoord_) {
        lastCoord_ = c;
        dragCoord_ = c;
        setPosition(PositionFromCoord(c));
    }
}

void TSlideBar::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const QPoint pt = e->position().toPoint();
    int nouvelle;
    if (dragging_) {
        nouvelle = PositionFromCoord(Coord(pt));
    } else {
        const QRect t = ThumbRect();
        int pas;
        if (Orientation() == orHorizontal) {
            const int milieu = t.left() + t.width() / 2;
            pas = pt.x() < milieu ? -1 : (pt.x() > milieu ? 1 : 0);
        } else {
            const int milieu = t.top() + t.height() / 2;
            pas = pt.y() < milieu ? 1 : (pt.y() > milieu ? -1 : 0);
        }
        nouvelle = position_ + pas;
    }
    nouvelle = std::clamp(nouvelle, std::min(min_, max_), std::max(min_, max_));
    dragging_ = false;
    dragCoord_ = -1;
    setPosition(nouvelle);
}

void TSlideBar::focusInEvent(QFocusEvent*) { update(); }
void TSlideBar::focusOutEvent(QFocusEvent*) { update(); }
