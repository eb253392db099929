#include "topics/natural/Colonnes_Fenetre.hpp"

#include <QStyle>
#include <QStyleOptionFrame>
#include <cmath>

namespace Colonnes_Fenetre {

namespace {
double Luminance(const QColor& c) {
    auto canal = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * canal(c.redF()) + 0.7152 * canal(c.greenF()) + 0.0722 * canal(c.blueF());
}
}  // namespace

TFigure* Regle(QWidget* panneau, bool verticale, int longueur) {
    auto* f = new TFigure(panneau);
    f->setFigure(Geometrie::Parallele);
    f->setVerticale(verticale);
    TPen pen;
    pen.setWidth(2);
    // White on a dark panel, black on a light one.
    const QColor fond = panneau->palette().color(QPalette::Window);
    pen.setColor(Luminance(fond) > 0.18 ? QColor(Qt::black) : QColor(Qt::white));
    f->setPen(pen);
    if (verticale) f->resize(16, longueur);
    else f->resize(longueur, 16);
    return f;
}

TEntree* Case_Brouillon(QWidget* parent, int cote) {
    auto* e = new TEntree(parent);
    e->setFont(TExerciceForm::Police_Question());
    e->setMaxLength(1);
    e->setCouleurs(QColor(255, 255, 128), QColor(215, 255, 215));
    e->resize(cote, 36);
    return e;
}

QFont Police_Fixe() {
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"), QStringLiteral("Courier New")});
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    f.setPixelSize(18);
    f.setBold(true);
    return f;
}

int Retrait_Texte(const TEntree* e) {
    QStyleOptionFrame o;
    o.initFrom(e);
    o.lineWidth = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &o, e);
    const QRect contenu = e->style()->subElementRect(QStyle::SE_LineEditContents, &o, e).marginsRemoved(e->textMargins());
    constexpr int Marge = 2;  // the line edit's own margin
    return e->width() - (contenu.x() + contenu.width()) + Marge;
}

void Range_Boutons(TExerciceForm& f, int y) {
    const int dy = y - f.Cadre_Dessin->y();
    for (QWidget* w : std::initializer_list<QWidget*>{f.Cadre_Dessin, f.BBConf, f.BBCont, f.BBScore, f.BBAide})
        w->move(w->x(), w->y() + dy);
}

}  // namespace Colonnes_Fenetre
