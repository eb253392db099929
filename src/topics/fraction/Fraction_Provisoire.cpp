#include "topics/fraction/Fraction_Provisoire.hpp"

#include <QPainter>

namespace {
QFont Police_De_Base() {
    QFont f;
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setBold(true);
    return f;
}
}  // namespace

TFraction_Provisoire::TFraction_Provisoire(QWidget* parent, int hauteur, bool entier_si_un)
    : QWidget(parent), entier_si_un_(entier_si_un) {
    setFixedHeight(hauteur);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    Ajuste();
}

QFont TFraction_Provisoire::Police() const {
    QFont f = Police_De_Base();
    f.setPixelSize(std::max(6, height() / 2 - 2));
    return f;
}

void TFraction_Provisoire::setNumer(const QString& t) {
    if (t == numer_) return;
    numer_ = t;
    Ajuste();
}

void TFraction_Provisoire::setDeno(const QString& t) {
    if (t == deno_) return;
    deno_ = t;
    Ajuste();
}

void TFraction_Provisoire::setCouleur_Police(const QColor& c) {
    couleur_ = c;
    update();
}

QSize TFraction_Provisoire::sizeHint() const {
    const QFontMetrics m(Police());
    const int l = Entier() ? m.horizontalAdvance(numer_) : std::max(m.horizontalAdvance(numer_), m.horizontalAdvance(deno_));
    return {l + 4, height()};
}

void TFraction_Provisoire::Ajuste() {
    setFixedWidth(sizeHint().width());
    updateGeometry();
    update();
}

void TFraction_Provisoire::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(Police());
    p.setPen(couleur_);
    const int H = height();
    const int cellule = H / 2 - 2;
    if (Entier()) {
        p.drawText(QRect(0, H / 4, width(), cellule + 4), Qt::AlignHCenter | Qt::AlignTop, numer_);
        return;
    }
    p.drawText(QRect(0, 1, width(), cellule + 2), Qt::AlignHCenter | Qt::AlignTop, numer_);
    p.setPen(QPen(couleur_, H / 50 + 1));
    p.drawLine(1, H / 2, width() - 1, H / 2);
    p.setPen(couleur_);
    p.drawText(QRect(0, H / 2 + 4, width(), cellule + 2), Qt::AlignHCenter | Qt::AlignTop, deno_);
}

// ---------------------------------------------------------------------------
TUnite_Provisoire::TUnite_Provisoire(QWidget* parent, int hauteur) : QWidget(parent) {
    setFixedHeight(hauteur);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QFont TUnite_Provisoire::Police(bool petite) const {
    QFont f = Police_De_Base();
    f.setPixelSize(petite ? std::max(6, height() * 9 / 20) : std::max(6, height() * 7 / 10));
    return f;
}

void TUnite_Provisoire::setUnite(const QString& t) {
    unite_ = t;
    setFixedWidth(sizeHint().width());
    update();
}

void TUnite_Provisoire::setExposant(const QString& t) {
    exposant_ = t;
    setFixedWidth(sizeHint().width());
    update();
}

void TUnite_Provisoire::setCouleur_Police(const QColor& c) {
    couleur_ = c;
    update();
}

QSize TUnite_Provisoire::sizeHint() const {
    const int l = QFontMetrics(Police(false)).horizontalAdvance(unite_) + QFontMetrics(Police(true)).horizontalAdvance(exposant_);
    return {l + 4, height()};
}

void TUnite_Provisoire::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(couleur_);
    p.setFont(Police(false));
    const int l = QFontMetrics(Police(false)).horizontalAdvance(unite_);
    p.drawText(QRect(2, 0, l + 1, height()), Qt::AlignLeft | Qt::AlignBottom, unite_);
    p.setFont(Police(true));
    p.drawText(QRect(2 + l, 0, width() - l - 2, height()), Qt::AlignLeft | Qt::AlignTop, exposant_);
}

// ---------------------------------------------------------------------------
TBarre_Provisoire::TBarre_Provisoire(QWidget* parent, int largeur) : QFrame(parent) {
    setFrameStyle(QFrame::NoFrame);
    setFixedSize(largeur, 3);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    setPalette(p);
}
