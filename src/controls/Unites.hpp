// A text followed by a raised exponent, top-aligned with it ("m" and "2"
// for square metres, "10" and "-3" for a power of ten).
#pragma once

#include "controls/Graphique.hpp"
#include "controls/logic/Geometrie.hpp"

class TUnite : public TControle_Texte {
    Q_OBJECT
public:
    explicit TUnite(QWidget* parent = nullptr);

    QString Unite() const { return unite_; }
    void setUnite(const QString& t) { Change(unite_, t); }
    QString Exposant() const { return exposant_; }
    void setExposant(const QString& t) { Change(exposant_, t); }

    Geometrie::Plan_Second Plan() const;
    int Largeur_Voulue() const override { return Plan().largeur; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString unite_ = QStringLiteral("m");
    QString exposant_;
};
