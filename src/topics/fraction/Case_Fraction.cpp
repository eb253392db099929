#include "topics/fraction/Case_Fraction.hpp"

#include <QFont>

namespace {
void Gras(QWidget* w) {
    QFont f = w->font();
    f.setBold(true);
    w->setFont(f);
}
}  // namespace

TCase_Fraction::TCase_Fraction(QWidget* parent, int hauteur, bool entier_si_un)
    : QWidget(parent), fraction_(entier_si_un ? new TFractn(this) : new TFraction(this)), entier_si_un_(entier_si_un) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Gras(fraction_);
    fraction_->resize(fraction_->width(), hauteur);
    Suit_Largeur();
}

void TCase_Fraction::setTextes(const QString& numer, const QString& deno) {
    fraction_->setNumer(numer);
    fraction_->setDeno(deno);
    Suit_Largeur();
}

void TCase_Fraction::Suit_Largeur() {
    const int l = fraction_->Largeur_Voulue();
    fraction_->setGeometry(0, 0, l, fraction_->height());
    setFixedSize(l, fraction_->height());
}

TCase_Unite::TCase_Unite(QWidget* parent, int hauteur) : QWidget(parent), unite_(new TUnite(this)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Gras(unite_);
    unite_->setUnite(QString());
    unite_->resize(unite_->width(), hauteur);
    setTextes(QString(), QString());
}

void TCase_Unite::setTextes(const QString& unite, const QString& exposant) {
    unite_->setUnite(unite);
    unite_->setExposant(exposant);
    const int l = unite_->Largeur_Voulue();
    unite_->setGeometry(0, 0, l, unite_->height());
    setFixedSize(l, unite_->height());
}

TFigure* Barre_Fraction(QWidget* parent, int largeur) {
    auto* f = new TFigure(parent);
    f->setFigure(Geometrie::Parallele);
    f->setVerticale(false);
    TPen pen;
    pen.setWidth(3);
    // The colour of the texts around it, so that it shows on a dark panel.
    pen.setColor(parent->palette().color(QPalette::WindowText));
    f->setPen(pen);
    f->setFixedSize(largeur, 16);
    return f;
}
