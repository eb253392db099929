// What the painted notation controls (fractions, radicals, exponents and
// indices) have in common: they paint on their parent's surface, take no
// focus, draw their texts opaquely on a background colour, size their font
// from their height and let their width follow their content.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QString>
#include <QWidget>

#include "controls/logic/Geometrie.hpp"

class TControle_Texte : public QWidget {
    Q_OBJECT
public:
    explicit TControle_Texte(QWidget* parent = nullptr);

    // Background of the texts when Change_Couleur is true.
    QColor Couleur() const { return couleur_; }
    void setCouleur(const QColor& c);
    bool Change_Couleur() const { return changeCouleur_; }
    void setChange_Couleur(bool c);
    // Colour of the texts and strokes (the palette's text colour).
    QColor Couleur_Police() const;
    void setCouleur_Police(const QColor& c);

    // The colour the texts are drawn on: Couleur, or the parent's background.
    QColor Fond_Texte() const;
    // The width the content needs at the current height and font.
    virtual int Largeur_Voulue() const = 0;

protected:
    // The control's font at a cell height, with an installed family.
    QFont Police(int cellule) const;
    static int Largeur_Texte(const QFont& f, const QString& t);
    // Draws t with its top-left corner at (x, y) on the text background, over
    // the text's width and the cell height.
    void Texte_Opaque(QPainter& p, const QFont& f, int cellule, int x, int y, const QString& t) const;

    // Keeps the width on the content; true when it had to change (the
    // control then repaints on its new width).
    bool Ajuste_Largeur();
    // Paints a main text and its raised or lowered second text at the places
    // a plan gives (exponent and index controls).
    void Peint_Second(const Geometrie::Plan_Second& plan, const QString& principal, const QString& second);
    // Stores a changed value, then refits and repaints; an equal value is ignored.
    template <typename T>
    void Change(T& champ, const T& valeur) {
        if (champ == valeur) return;
        champ = valeur;
        Ajuste_Largeur();
        update();
    }

    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    QColor couleur_ = QColor(255, 255, 255);
    bool changeCouleur_ = false;
};
