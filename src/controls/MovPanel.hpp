// A panel the user moves by pressing the left button on it and dragging: it
// follows the mouse within its parent and never leaves the parent's area.
// Otherwise an ordinary panel: colour, bevels, border and a centred caption.
// It takes drops through its drag-over and drop handlers. In automatic drag
// mode it stays in place instead: pressing the left button on it drags it
// (as a picture) onto another control, and it reports where the drag ended.
#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

#include "controls/Glisse.hpp"

enum TBevelCut { bvNone, bvLowered, bvRaised };

class TMovPanel : public QWidget {
    Q_OBJECT
public:
    explicit TMovPanel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void setCaption(const QString& c);
    Qt::Alignment Alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment a);
    QColor Color() const { return color_; }
    void setColor(const QColor& c);
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void setBevelOuter(TBevelCut b);
    TBevelCut BevelInner() const { return bevelInner_; }
    void setBevelInner(TBevelCut b);
    int BevelWidth() const { return bevelWidth_; }
    void setBevelWidth(int w);
    int BorderWidth() const { return borderWidth_; }
    void setBorderWidth(int w);
    // Kept for the layouts; it has no effect on the panel.
    bool Locked() const { return locked_; }
    void setLocked(bool l) { locked_ = l; }

    // dmAutomatic: a left press starts a drag of the panel (EndDrag tells
    // where it ended) rather than moving it.
    TDragMode DragMode() const { return dragMode_; }
    void setDragMode(TDragMode m) { dragMode_ = m; }
    void BeginDrag(QPoint prise);

    // True while the user is moving the panel.
    bool En_Deplacement() const { return deplace_; }

signals:
    void DragOver(QObject* Source, int X, int Y, TDragState State, bool& Accept);
    void DragDrop(QObject* Source, int X, int Y);
    // A drag of the panel ended: the control that took it (null if none).
    void EndDrag(QObject* Target, int X, int Y);
    void MouseMove(Qt::KeyboardModifiers Shift, int X, int Y);
    void Enter();
    void Exit();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;
    void dragEnterEvent(QDragEnterEvent*) override;
    void dragMoveEvent(QDragMoveEvent*) override;
    void dragLeaveEvent(QDragLeaveEvent*) override;
    void dropEvent(QDropEvent*) override;

private:

    QString caption_;
    Qt::Alignment alignment_ = Qt::AlignCenter;
    QColor color_ = QColor(240, 240, 240);
    TBevelCut bevelOuter_ = bvRaised;
    TBevelCut bevelInner_ = bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    bool locked_ = false;
    TDragMode dragMode_ = dmManual;

    bool deplace_ = false;
    QPoint prise_;  // where the panel was grabbed, in its own coordinates
    bool Branche() const;  // a drag-over handler is connected
    QPointer<QObject> sourceDessus_;
};
