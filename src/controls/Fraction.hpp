// A fraction in stacked form: numerator, bar, denominator. The texts are
// drawn verbatim; the font's size comes from the control's height and the
// width follows the wider text.
#pragma once

#include "controls/Graphique.hpp"
#include "controls/logic/Geometrie.hpp"

class TFraction : public TControle_Texte {
    Q_OBJECT
public:
    explicit TFraction(QWidget* parent = nullptr);

    QString Numer() const { return numer_; }
    void setNumer(const QString& t) { Change(numer_, t); }
    QString Deno() const { return deno_; }
    void setDeno(const QString& t) { Change(deno_, t); }

    // Where everything goes at the current height and font.
    virtual Geometrie::Plan_Fraction Plan() const;
    int Largeur_Voulue() const override { return Plan().largeur; }

protected:
    void paintEvent(QPaintEvent*) override;
    Geometrie::Plan_Fraction Plan_Complet() const;

    QString numer_;
    QString deno_;
};
