#include "controls/Racine.hpp"

#include <QPainter>
#include <QPolygon>

#include "platform/Polices.hpp"

TRacine::TRacine(QWidget* parent) : TControle_Texte(parent) {
    QFont f = font();
    f.setFamily(Plateforme::Famille_Proche("Arial"));
    setFont(f);
    resize(30, 40);
}

Geometrie::Plan_Racine TRacine::Plan() const {
    const QFont f = Police(Geometrie::Cellule_Racine(height()));
    return Geometrie::Racine(height(), Largeur_Texte(f, nombre_));
}

void TRacine::paintEvent(QPaintEvent*) {
    Ajuste_Largeur();
    const Geometrie::Plan_Racine plan = Plan();
    QPainter p(this);
    QPolygon signe;
    for (const auto& pt : plan.signe) signe << QPoint(pt.x, pt.y);
    p.setPen(QPen(Couleur_Police(), plan.epaisseur, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPolyline(signe);
    Texte_Opaque(p, Police(plan.cellule), plan.cellule, plan.texte.x, plan.texte.y, nombre_);
}
