// Helpers of the control tests: a parent surface of a known colour, a paint
// counter, and pixel reads of a control as it shows on its parent.
#pragma once

#include <QEvent>
#include <QImage>
#include <QTest>
#include <QWidget>

struct Compte_Peintures : QObject {
    int n = 0;
    explicit Compte_Peintures(QWidget* w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++n;
        return false;
    }
};

inline const QColor Fond_Surface(200, 220, 240);

// A shown top-level surface, white text, light blue background.
inline QWidget* Surface(QWidget& fenetre, QSize taille = QSize(400, 300)) {
    fenetre.resize(taille);
    fenetre.setAutoFillBackground(true);
    QPalette p = fenetre.palette();
    p.setColor(QPalette::Window, Fond_Surface);
    p.setColor(QPalette::WindowText, Qt::black);
    fenetre.setPalette(p);
    return &fenetre;
}

inline bool Montre(QWidget& fenetre) {
    fenetre.show();
    return QTest::qWaitForWindowExposed(&fenetre);
}

// The pixels of a control as drawn over its parent.
inline QImage Image_De(QWidget* controle) {
    QWidget* parent = controle->parentWidget();
    return parent->grab(controle->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
}

inline QColor Pixel(const QImage& i, int x, int y) { return QColor(i.pixel(x, y)); }

// Rows of the image holding at least one pixel of the given colour.
inline QList<int> Lignes_De(const QImage& i, const QColor& c) {
    QList<int> r;
    for (int y = 0; y < i.height(); ++y)
        for (int x = 0; x < i.width(); ++x)
            if (QColor(i.pixel(x, y)) == c) {
                r << y;
                break;
            }
    return r;
}
