// The level selector of the exercise windows: a short groove with ticks and a
// thumb picture, moved with the mouse or the keyboard.
#pragma once

#include <QColor>
#include <QCursor>
#include <QPixmap>
#include <QStringList>
#include <QWidget>

class TSlideBar : public QWidget {
    Q_OBJECT
public:
    enum TOrientation { orVertical, orHorizontal };
    enum TBevelStyle { bsLowered, bsRaised };
    enum TThumbStyle { tsBar1, tsBar2, tsBar3, tsBar4, tsCircle1, tsSquare1, tsDiamond1, tsDiamond2, tsDiamond3, tsDiamond4 };

    explicit TSlideBar(QWidget* parent = nullptr);

    const QStringList& Labels() const { return labels_; }
    void setLabels(const QStringList& l) { labels_ = l; }
    // The label of the current position (empty when there is none).
    QString Label() const;

    int Min() const { return min_; }
    void setMin(int v);
    int Max() const { return max_; }
    void setMax(int v);
    int Position() const { return position_; }
    // Out-of-range values keep the old position; in every case the thumb is
    // redrawn and Change() is raised, except while loading.
    void setPosition(int v);

    // Horizontal whenever the control is at least as wide as it is high.
    TOrientation Orientation() const { return width() >= height() ? orHorizontal : orVertical; }
    TBevelStyle Style() const { return style_; }
    void setStyle(TBevelStyle s);
    int Thickness() const { return thickness_; }
    void setThickness(int t);  // 1..5, other values ignored
    TThumbStyle ThumbStyle() const { return thumbStyle_; }
    void setThumbStyle(TThumbStyle s);
    bool Ticks() const { return ticks_; }
    void setTicks(bool t);
    QColor FocusColor() const { return focusColor_; }
    void setFocusColor(const QColor& c);
    bool HandCursor() const { return handCursor_; }
    void setHandCursor(bool h) { handCursor_ = h; }

    // While loading from the window layout, positions are only stored.
    void setLoading(bool l) { loading_ = l; }

    // Geometry, in widget coordinates.
    QRect ThumbRect() const;
    QRect GrooveRect() const;
    int PositionFromCoord(int coord) const;  // x when horizontal, y when vertical
    int TickOffset(int value) const;         // offset of a tick along the groove

    // The thumb pictures and masks, by resource name ("Bar2", "Bar2Mask", ...).
    static QPixmap Picture(const QString& name);
    static QCursor HandPointer();

signals:
    void Change();

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;

private:
    void LoadThumb();
    int Coord(const QPoint& p) const { return Orientation() == orHorizontal ? p.x() : p.y(); }
    int ThumbStart() const;  // left (or top) of the thumb at the current position or drag point

    QStringList labels_;
    int min_ = 1, max_ = 10, position_ = 1;
    TBevelStyle style_ = bsLowered;
    int thickness_ = 1;
    TThumbStyle thumbStyle_ = tsCircle1;
    bool ticks_ = true;
    QColor focusColor_ = Qt::black;
    bool handCursor_ = true;
    bool loading_ = false;

    QPixmap thumb_;
    bool dragging_ = false;
    int lastCoord_ = 0;
    int dragCoord_ = -1;  // mouse coordinate while dragging
};
