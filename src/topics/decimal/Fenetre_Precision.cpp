#include "topics/decimal/Fenetre_Precision.hpp"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <QVBoxLayout>

namespace {
constexpr int Haut_Panel = 150;
QString Q(const std::string& s) { return QString::fromStdString(s); }

QWidget* Rangee(QWidget* parent, const std::vector<QWidget*>& pieces) {
    auto* r = new QWidget(parent);
    auto* h = new QHBoxLayout(r);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(6);
    for (QWidget* w : pieces) {
        w->setParent(r);
        h->addWidget(w, 0, Qt::AlignVCenter);
    }
    return r;
}
}  // namespace

TCase_Racine::TCase_Racine(QWidget* parent, int hauteur) : QWidget(parent), racine_(new TRacine(this)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont f = racine_->font();
    f.setBold(true);
    racine_->setFont(f);
    racine_->resize(racine_->width(), hauteur);
    setNombre(QString());
}

void TCase_Racine::setNombre(const QString& t) {
    racine_->setNombre(t);
    const int l = racine_->Largeur_Voulue();
    racine_->setGeometry(0, 0, l, racine_->height());
    setFixedSize(l, racine_->height());
}

QPixmap Image_Inferieur_Egal(int hauteur, const QColor& couleur) {
    const int l = hauteur * 2 / 3;
    QPixmap image(l, hauteur);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(couleur, std::max(2, hauteur / 12), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal m = 3, haut = hauteur * 0.18, bas = hauteur * 0.66;
    p.drawPolyline(QPolygonF{QPointF(l - m, haut), QPointF(m, (haut + bas) / 2), QPointF(l - m, bas)});
    p.drawLine(QPointF(m, hauteur * 0.84), QPointF(l - m, hauteur * 0.84));
    return image;
}

TFenetre_Precision::TFenetre_Precision(const Description& d, std::unique_ptr<Exercice::Sujet> sujet, QWidget* parent)
    : TExerciceForm(d, std::move(sujet), Exercice::Memoire_Enonces(), parent) {}

void TFenetre_Precision::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    const int W = width();
    Panel1->setGeometry(8, 8, W - 16, Haut_Panel);
    l_niv->move(Panel1->width() - 48, 6);
    const int y = Haut_Panel + 20;
    WinPanel1->setGeometry(16, y, W - 282 - 28, 130);
    Cadre_Dessin->move(W - 282, y);
    BBConf->move(W - 152, y);
    BBCont->move(W - 152, y + 44);
    BBScore->move(W - 152, y + 90);
    BBAide->move(W - 80, y + 90);
    LRep1->setGeometry(6, 24, WinPanel1->width() - 12, 24);
    LRep2->setGeometry(6, 54, WinPanel1->width() - 12, 42);

    Unite1 = new TCase_Unite(Panel1, 26);
    Unite1->setCouleur_Police(Qt::white);
    L_precis = new QLabel(Panel1);
    L_precis->setFont(Label1->font());
    Figure1 = Barre_Fraction(Panel1, 40);
    Figure1->setMinimumWidth(0);
    Figure1->setMaximumWidth(QWIDGETSIZE_MAX);
    Figure1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    ligne_question_ = new QWidget(Panel1);
    auto* lay = new QHBoxLayout(ligne_question_);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(10);
}

TCase_Unite* TFenetre_Precision::Terme() {
    auto* u = new TCase_Unite(Panel1, Hauteur_Terme);
    u->setCouleur_Police(Qt::white);
    return u;
}

QLabel* TFenetre_Precision::Signe(const QString& texte) { return Etiquette_Question(texte); }

TCase_Racine* TFenetre_Precision::Racine() {
    auto* r = new TCase_Racine(Panel1, Hauteur_Terme);
    r->setCouleur_Police(Qt::white);
    return r;
}

void TFenetre_Precision::Montre(TCase_Unite* u, const Dencad::Terme& t) {
    u->setTextes(Q(t.texte), Q(t.exposant));
    u->setVisible(!t.texte.empty());
}

void TFenetre_Precision::Montre(QLabel* l, const std::string& t) {
    l->setText(Q(t));
    l->setVisible(!t.empty());
}

void TFenetre_Precision::Montre_Precision(const Multiples_Voisins::Precision& p, const std::string& libelle) {
    Unite1->setTextes(Q(p.unite), Q(p.exposant));
    L_precis->setText(Q(libelle));
    L_precis->adjustSize();
    const QRect l = Label1->geometry();
    // The precision's main text stands on the line of the words around it.
    Unite1->move(l.right() + 1, l.top() - 3);
    L_precis->move(Unite1->geometry().right() + 1, l.top());
}

QWidget* TFenetre_Precision::Bloc_Calcul(const std::vector<QWidget*>& haut, const std::vector<QWidget*>& bas) {
    auto* bloc = new QWidget(Panel1);
    auto* v = new QVBoxLayout(bloc);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    v->addWidget(Rangee(bloc, haut), 0, Qt::AlignHCenter);
    Figure1->setParent(bloc);
    v->addWidget(Figure1);
    bas_ = Rangee(bloc, bas);
    v->addWidget(bas_, 0, Qt::AlignHCenter);
    return bloc;
}

void TFenetre_Precision::Montre_Fraction(bool fraction) {
    Figure1->setVisible(fraction);
    if (bas_) bas_->setVisible(fraction);
    // The terms changed width: the rows, the block and the line are laid out
    // again at once, innermost first.
    for (QWidget* w : ligne_question_->findChildren<QWidget*>()) {
        if (QLayout* l = w->layout()) {
            l->invalidate();
            l->activate();
            w->adjustSize();
        }
    }
    for (QWidget* w : ligne_question_->findChildren<QWidget*>())
        if (w->layout()) w->adjustSize();
    ligne_question_->layout()->invalidate();
    ligne_question_->layout()->activate();
}

void TFenetre_Precision::Place_Ligne(const std::vector<QWidget*>& elements) {
    auto* lay = static_cast<QHBoxLayout*>(ligne_question_->layout());
    lay->addStretch(1);
    for (QWidget* w : elements) {
        w->setParent(ligne_question_);
        lay->addWidget(w, 0, Qt::AlignVCenter);
    }
    lay->addStretch(1);
    ligne_question_->setGeometry(0, 36, Panel1->width(), Haut_Panel - 42);
}

