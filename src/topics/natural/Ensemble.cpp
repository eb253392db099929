#include "topics/natural/Ensemble.hpp"

#include <QFontMetrics>
#include <QGridLayout>

#include "framework/FenetreExercice.hpp"

namespace Ensemble {

QFont Police() {
    QFont f = TExerciceForm::Police_Question();
    f.setPixelSize(20);
    return f;
}

Grille Dispose(TExerciceForm& f, int cases, int par_rangee, int chiffres, const QString& fin, int y) {
    Grille g;
    auto* bloc = new QWidget(f.Panel1);
    auto* lay = new QGridLayout(bloc);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setHorizontalSpacing(2);
    lay->setVerticalSpacing(8);
    const QFont police = Police();
    // The box shows its widest number whole, frame and margins aside.
    const int largeur = QFontMetrics(police).horizontalAdvance(QString(chiffres, QLatin1Char('0'))) + 16;
    g.nom = new QLabel(bloc);
    g.nom->setFont(police);
    lay->addWidget(g.nom, 0, 0, Qt::AlignRight | Qt::AlignVCenter);
    for (int k = 0; k < cases; ++k) {
        TEntree* e = k == 0 ? f.Edit1 : new TEntree(bloc);
        e->setParent(bloc);
        e->setFont(police);
        e->setFixedSize(largeur, 34);
        e->setMaxLength(chiffres);
        g.cases.push_back(e);
        auto* v = new QLabel(k + 1 < cases ? QStringLiteral(",") : fin, bloc);
        v->setFont(police);
        g.virgules.push_back(v);
        const int rangee = k / par_rangee, colonne = 1 + 2 * (k % par_rangee);
        lay->addWidget(e, rangee, colonne);
        lay->addWidget(v, rangee, colonne + 1, Qt::AlignLeft | Qt::AlignBottom);
    }
    // Room for the set's name as wide as it may get.
    lay->setColumnMinimumWidth(0, QFontMetrics(police).horizontalAdvance(QStringLiteral("M(0000) = {")));
    lay->setColumnMinimumWidth(2 * par_rangee, QFontMetrics(police).horizontalAdvance(fin));
    const QSize taille = lay->sizeHint();
    bloc->setGeometry((f.Panel1->width() - taille.width()) / 2, y, taille.width(), taille.height());
    g.bas = y + taille.height();
    return g;
}

void Agrandit(TExerciceForm& f, int hauteur, QSize verdict) {
    const int dy = hauteur - f.Panel1->height();
    f.Panel1->resize(f.Panel1->width(), hauteur);
    for (QWidget* w : {static_cast<QWidget*>(f.Cadre_Dessin), static_cast<QWidget*>(f.BBConf),
                       static_cast<QWidget*>(f.BBCont), static_cast<QWidget*>(f.BBScore), static_cast<QWidget*>(f.BBAide)})
        w->move(w->x(), w->y() + dy);
    f.WinPanel1->setGeometry(f.WinPanel1->x(), f.WinPanel1->y() + dy, verdict.width(), verdict.height());
    const int l = verdict.width() - 12;
    f.LRep1->setGeometry(6, 22, l, 30);
    f.LRep2->setGeometry(6, 56, l, verdict.height() - 62);
}

}  // namespace Ensemble
