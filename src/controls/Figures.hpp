// Geometric figures and rules: triangles, quadrilaterals, a solid box, a
// cylinder, lines with or without a right-angle mark. A rule (Parallele,
// Hauteur) is always a 16-pixel strip with the line in its middle. A figure
// can be dragged and can take drops, through the library's drag and drop.
#pragma once

#include <QBrush>
#include <QObject>
#include <QPen>
#include <QPointer>
#include <QWidget>

#include "controls/Glisse.hpp"
#include "controls/logic/Geometrie.hpp"

using Geometrie::TFigureType;

// The outline of a figure: colour, width and style. Every change is
// announced through StyleChanged.
class TPen : public QObject {
    Q_OBJECT
public:
    explicit TPen(QObject* parent = nullptr) : QObject(parent) {}

    QColor Color() const { return couleur_; }
    void setColor(const QColor& c);
    int Width() const { return largeur_; }
    void setWidth(int w);
    Qt::PenStyle Style() const { return style_; }
    void setStyle(Qt::PenStyle s);
    // Copies every attribute of another pen.
    void Assign(const TPen& autre);
    QPen Plume() const;

signals:
    void StyleChanged();

private:
    QColor couleur_ = Qt::black;
    int largeur_ = 1;
    Qt::PenStyle style_ = Qt::SolidLine;
};

// The fill of a figure: colour and style (solid, none, hatches).
class TBrush : public QObject {
    Q_OBJECT
public:
    explicit TBrush(QObject* parent = nullptr) : QObject(parent) {}

    QColor Color() const { return couleur_; }
    void setColor(const QColor& c);
    Qt::BrushStyle Style() const { return style_; }
    void setStyle(Qt::BrushStyle s);
    void Assign(const TBrush& autre);
    QBrush Pinceau() const { return QBrush(couleur_, style_); }

signals:
    void StyleChanged();

private:
    QColor couleur_ = Qt::white;
    Qt::BrushStyle style_ = Qt::SolidPattern;
};

class TFigure : public QWidget {
    Q_OBJECT
public:
    explicit TFigure(QWidget* parent = nullptr);

    // Owned by the figure; assigning copies the attributes.
    TPen* Pen() const { return pen_; }
    void setPen(const TPen& p) { pen_->Assign(p); }
    TBrush* Brush() const { return brush_; }
    void setBrush(const TBrush& b) { brush_->Assign(b); }

    TFigureType Figure() const { return figure_; }
    void setFigure(TFigureType f);
    bool Vers_Droite() const { return versDroite_; }
    void setVers_Droite(bool v);
    bool Verticale() const { return verticale_; }
    void setVerticale(bool v);

    TDragMode DragMode() const { return dragMode_; }
    void setDragMode(TDragMode m) { dragMode_ = m; }
    Qt::CursorShape DragCursor() const { return dragCursor_; }
    void setDragCursor(Qt::CursorShape c) { dragCursor_ = c; }
    // Starts a drag of the figure from a point of it (the automatic mode
    // does this on the left button going down).
    void BeginDrag(QPoint prise);

    // The strokes at the current size; rules also give their forced size.
    Geometrie::Plan_Figure Plan() const;
    // The colour the cylinder's body outline takes so that it does not show.
    QColor Couleur_Fond() const;

signals:
    // Accept starts true when a handler is connected; a handler clears it
    // to refuse the drop.
    void DragOver(QObject* Source, int X, int Y, TDragState State, bool& Accept);
    void DragDrop(QObject* Source, int X, int Y);
    void EndDrag(QObject* Target, int X, int Y);
    void MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void MouseMove(Qt::KeyboardModifiers Shift, int X, int Y);
    void MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void dragEnterEvent(QDragEnterEvent*) override;
    void dragMoveEvent(QDragMoveEvent*) override;
    void dragLeaveEvent(QDragLeaveEvent*) override;
    void dropEvent(QDropEvent*) override;

private:
    void Ajuste_Taille();

    TPen* pen_;
    TBrush* brush_;
    TFigureType figure_ = Geometrie::Triangle_qq;
    bool versDroite_ = true;
    bool verticale_ = true;
    TDragMode dragMode_ = dmManual;
    Qt::CursorShape dragCursor_ = Qt::DragMoveCursor;
    bool Branche() const;  // a drag-over handler is connected
    QPointer<QObject> sourceDessus_;  // source of the drag passing over the figure
};
