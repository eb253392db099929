#include "topics/natural/Colonne.hpp"

#include <QFontMetrics>

#include "controls/Figures.hpp"
#include "framework/FenetreExercice.hpp"

namespace Colonne {

namespace {
constexpr int Hauteur_Ligne = 38;
constexpr QSize Taille_Retenue{14, 16};
}  // namespace

QFont Police() {
    QFont f(QStringLiteral("Courier New"));
    f.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPixelSize(32);
    f.setBold(true);
    return f;
}

int Largeur_Chiffre() { return QFontMetrics(Police()).horizontalAdvance(QLatin1Char('0')); }

void Dispose_Fenetre(TExerciceForm& f, int largeur) {
    const int W = f.width();
    const int bas = f.P_nom->y() - 8;
    f.Panel1->setGeometry(8, 8, largeur, bas - 8);
    f.Panel1->setLineWidth(3);
    QPalette p = f.Panel1->palette();
    p.setColor(QPalette::Window, QColor(0, 128, 0));
    f.Panel1->setPalette(p);
    QPalette j = f.Label1->palette();
    j.setColor(QPalette::WindowText, Qt::yellow);
    f.Label1->setPalette(j);
    QFont fl = f.Label1->font();
    fl.setUnderline(true);
    f.Label1->setFont(fl);
    f.Label1->adjustSize();
    f.l_niv->move(largeur - 48, 6);
    const int x = largeur + 18;
    f.WinPanel1->setGeometry(x, 8, W - x - 8, 110);
    f.LRep1->setGeometry(6, 22, f.WinPanel1->width() - 12, 24);
    f.LRep2->setGeometry(6, 50, f.WinPanel1->width() - 12, 50);
    f.Cadre_Dessin->move(x, 130);
    f.BBConf->move(W - 152, 130);
    f.BBCont->move(W - 152, 174);
    f.BBScore->move(W - 152, 220);
    f.BBAide->move(W - 80, 220);
}

TFigure* Regle(QWidget* panneau, int x, int droite, int y) {
    auto* r = new TFigure(panneau);
    r->setFigure(Geometrie::Parallele);
    r->setVerticale(false);
    TPen pen;
    pen.setWidth(3);
    pen.setColor(Qt::white);
    r->setPen(pen);
    r->setGeometry(x, y, droite + 4 - x, 12);
    return r;
}

QLabel* Disposition::Nombre(QWidget* panneau, int chiffres, int y) const {
    auto* l = new QLabel(panneau);
    l->setFont(Police());
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setGeometry(Gauche(chiffres - 1), y, chiffres * Largeur_Chiffre(), Hauteur_Ligne);
    return l;
}

void Disposition::Place_Resultat(TEntree* e, int chiffres, int y) const {
    e->setFont(Police());
    e->setFrame(false);
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    e->setMaxLength(chiffres);
    e->setDroiteAGauche(true);
    // QLineEdit keeps a margin of 2 pixels on each side of its text, and
    // room for the caret after the last digit.
    constexpr int Marge = 2;
    const int largeur = QFontMetrics(Police()).horizontalAdvance(QString(chiffres, QLatin1Char('0'))) + 2 * Marge + 6;
    e->setFixedSize(largeur, Hauteur_Ligne + 4);
    e->move(droite_ + Marge + 2 - largeur, y);
}

TEntree* Disposition::Retenue(QWidget* panneau, int x, int y) const {
    auto* e = new TEntree(panneau);
    e->setFrame(false);
    e->setMaxLength(1);
    QFont f;
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(11);
    e->setFont(f);
    e->setTextMargins(0, 0, 0, 0);
    e->setCouleurs(QColor(255, 255, 128), QColor(215, 255, 215));
    e->setGeometry(x - Taille_Retenue.width() / 2, y, Taille_Retenue.width(), Taille_Retenue.height());
    return e;
}

}  // namespace Colonne
