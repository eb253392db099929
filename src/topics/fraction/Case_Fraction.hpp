// The notation controls fit their width to their content by themselves; these
// cells hold one of them inside a layout and follow its width, so that a
// question or correction line can be laid out like any row of widgets.
#pragma once

#include <QWidget>

#include "controls/Figures.hpp"
#include "controls/Fraction.hpp"
#include "controls/Fractn.hpp"
#include "controls/Unites.hpp"

class TCase_Fraction : public QWidget {
    Q_OBJECT
public:
    // `entier_si_un`: a TFractn, drawn as a whole number when its denominator is "1".
    explicit TCase_Fraction(QWidget* parent = nullptr, int hauteur = 40, bool entier_si_un = false);

    QString Numer() const { return fraction_->Numer(); }
    QString Deno() const { return fraction_->Deno(); }
    void setTextes(const QString& numer, const QString& deno);
    void setCouleur_Police(const QColor& c) { fraction_->setCouleur_Police(c); }
    // Whether only the numerator shows.
    bool Entier() const { return entier_si_un_ && Deno() == QStringLiteral("1"); }
    TFraction* Controle() const { return fraction_; }

private:
    void Suit_Largeur();
    TFraction* fraction_;
    bool entier_si_un_;
};

class TCase_Unite : public QWidget {
    Q_OBJECT
public:
    explicit TCase_Unite(QWidget* parent = nullptr, int hauteur = 32);
    QString Unite() const { return unite_->Unite(); }
    QString Exposant() const { return unite_->Exposant(); }
    void setTextes(const QString& unite, const QString& exposant);
    void setCouleur_Police(const QColor& c) { unite_->setCouleur_Police(c); }

private:
    TUnite* unite_;
};

// The horizontal rule between a numerator box and a denominator box, in the
// text colour of `parent`.
TFigure* Barre_Fraction(QWidget* parent, int largeur);
