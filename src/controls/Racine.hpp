// A square-root sign drawn over a text, its bar running over the text.
#pragma once

#include "controls/Graphique.hpp"
#include "controls/logic/Geometrie.hpp"

class TRacine : public TControle_Texte {
    Q_OBJECT
public:
    explicit TRacine(QWidget* parent = nullptr);

    QString Nombre() const { return nombre_; }
    void setNombre(const QString& t) { Change(nombre_, t); }

    Geometrie::Plan_Racine Plan() const;
    int Largeur_Voulue() const override { return Plan().largeur; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString nombre_;
};
