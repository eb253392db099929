// A text followed by a lowered index, bottom-aligned ("U" and "1" for the
// first term of a sequence). Italic serif by default.
#pragma once

#include "controls/Graphique.hpp"
#include "controls/logic/Geometrie.hpp"

class TIndice : public TControle_Texte {
    Q_OBJECT
public:
    explicit TIndice(QWidget* parent = nullptr);

    QString Unite() const { return unite_; }
    void setUnite(const QString& t) { Change(unite_, t); }
    QString Indice() const { return indice_; }
    void setIndice(const QString& t) { Change(indice_, t); }

    Geometrie::Plan_Second Plan() const;
    int Largeur_Voulue() const override { return Plan().largeur; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString unite_ = QStringLiteral("U");
    QString indice_ = QStringLiteral("1");
};
