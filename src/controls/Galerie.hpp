// A developer's window showing every notation control with typical texts,
// every figure in both variants, so that one look checks them all.
#pragma once

#include <QList>
#include <QWidget>

class TFraction;
class TFractn;
class TRacine;
class TUnite;
class TIndice;
class TFigure;
class TMovPanel;

class TGalerieControles : public QWidget {
    Q_OBJECT
public:
    explicit TGalerieControles(QWidget* parent = nullptr);

    QList<TFraction*> Fractions;  // the TFractn ones included
    QList<TRacine*> Racines;
    QList<TUnite*> Unites;
    QList<TIndice*> Indices;
    QList<TFigure*> Figures;  // each shape with Vers_Droite true, then false
    TMovPanel* MovPanel1;
};
