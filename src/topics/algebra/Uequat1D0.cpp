#include "topics/algebra/Uequat1D0.hpp"

#include <QFontMetrics>
#include <cmath>

#include "framework/logic/Commune.hpp"
#include "platform/Polices.hpp"

namespace {

constexpr int Largeur = 740;
constexpr int Haut_Panel = 132;
constexpr int Haut_Terme = 33;
constexpr int Hauteur_Terme = 44;
constexpr int Largeur_Signe = 30;
// The left member starts at 70, or at 184 when it is "a x" alone, so that
// the "=" keeps its place.
constexpr int Gauche_Membre = 70;
constexpr int Gauche_Seul = 184;
constexpr int Largeur_X = 20;

TExerciceForm::Description Description_Equat1D0() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Equations du 1er degré à 1 inconnue - Apprentissage");
    d.aide = 430;
    d.niveaux = 4;
    d.client = QSize(Largeur, 350);
    d.consigne = QStringLiteral("Résoudre, éventuellement à 0.01 près (avec 4.125 ---> 4.13)");
    return d;
}

QString T(long double x) { return QString::fromStdString(Commune::Texte_Reel(x, 2)); }

QFont Police_Solution() {
    QFont f = TExerciceForm::Police_Question();
    f.setPixelSize(16);
    return f;
}

}  // namespace

Tequat1D0F::Tequat1D0F(QWidget* parent)
    : TExerciceForm(Description_Equat1D0(), std::make_unique<Equat1D0::Sujet>(),
                    Exercice::Memoire_Enonces({"un", "deux", "trois"}), parent) {
    Fin_Constructeur();
}

void Tequat1D0F::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    const int W = width();
    Panel1->setGeometry(8, 8, W - 16, Haut_Panel);
    QPalette p = Panel1->palette();
    p.setColor(QPalette::Window, QColor(192, 192, 192));
    p.setColor(QPalette::WindowText, Qt::black);
    Panel1->setPalette(p);
    l_niv->move(Panel1->width() - 48, 6);

    auto etiquette = [](QWidget* parent, const char* nom, const QString& texte, Qt::Alignment a) {
        QLabel* l = Etiquette_Question(texte);
        l->setParent(parent);
        l->setObjectName(QLatin1String(nom));
        l->setAlignment(a | Qt::AlignVCenter);
        return l;
    };
    auto panneau = [this](const char* nom) {
        auto* w = new QWidget(Panel1);
        w->setObjectName(QLatin1String(nom));
        return w;
    };
    const int largeur_a = QFontMetrics(Police_Question()).horizontalAdvance(QStringLiteral("100.75")) + 4;
    const int largeur_b = Gauche_Seul - Gauche_Membre - Largeur_Signe;
    P1g = panneau("P1g");
    P1g->resize(largeur_a + Largeur_X, Hauteur_Terme);
    L_a = etiquette(P1g, "L_a", {}, Qt::AlignRight);
    L_a->setGeometry(0, 0, largeur_a, Hauteur_Terme);
    L_xg = etiquette(P1g, "L_xg", QStringLiteral("x"), Qt::AlignHCenter);
    L_xg->setGeometry(largeur_a, 0, Largeur_X, Hauteur_Terme);
    L_Sg = etiquette(Panel1, "L_Sg", {}, Qt::AlignHCenter);
    P2g = panneau("P2g");
    L_b = etiquette(P2g, "L_b", {}, Qt::AlignLeft);
    L_b->setGeometry(0, 0, largeur_b, Hauteur_Terme);
    P2g->resize(largeur_b, Hauteur_Terme);
    L_egal = etiquette(Panel1, "L_egal", QStringLiteral("="), Qt::AlignHCenter);
    P1d = panneau("P1d");
    L_c = etiquette(P1d, "L_c", {}, Qt::AlignRight);
    L_xd = etiquette(P1d, "L_xd", QStringLiteral("x"), Qt::AlignHCenter);
    L_Sd = etiquette(Panel1, "L_Sd", {}, Qt::AlignHCenter);
    P2d = panneau("P2d");
    L_d = etiquette(P2d, "L_d", {}, Qt::AlignLeft);

    l_x = etiquette(Panel1, "l_x", QStringLiteral("x"), Qt::AlignRight);
    Label2 = etiquette(Panel1, "Label2", QStringLiteral("="), Qt::AlignHCenter);
    Edit1->setMaxLength(9);
    Edit1->setFixedSize(Largeur_Entree(9), 38);

    // The verdict under the question: five lines aligned on their "=".
    const int y = Haut_Panel + 16;
    WinPanel1->setGeometry(16, y, W - 282 - 24, 160);
    LRep1->hide();
    LRep2->hide();
    const int largeur_g = 200, largeur_egal = 24;
    const int largeur_d = WinPanel1->width() - 16 - largeur_g - largeur_egal;
    static const std::array<const char*, 5> gauches{"LRep1g", "LRep2g", "LRep3g", "LREp4g", "LRep5g"};
    for (std::size_t i = 0; i < 5; ++i) {
        const int yl = 24 + static_cast<int>(i) * 26;
        LRepg[i] = new QLabel(WinPanel1);
        LRepg[i]->setObjectName(QLatin1String(gauches[i]));
        LRepg[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        LRepg[i]->setGeometry(8, yl, largeur_g, 26);
        LEgal[i] = new QLabel(WinPanel1);
        LEgal[i]->setObjectName(QStringLiteral("LEgal%1").arg(i + 1));
        LEgal[i]->setAlignment(Qt::AlignCenter);
        LEgal[i]->setGeometry(8 + largeur_g, yl, largeur_egal, 26);
        LRepd[i] = new QLabel(WinPanel1);
        LRepd[i]->setObjectName(QStringLiteral("LRep%1d").arg(i + 1));
        LRepd[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        LRepd[i]->setGeometry(8 + largeur_g + largeur_egal, yl, largeur_d, 26);
        for (QLabel* l : {LRepg[i], LEgal[i], LRepd[i]}) l->setFont(Police_Solution());
    }
    Cache_Solution();
    Cadre_Dessin->move(W - 282, y);
    BBConf->move(W - 152, y);
    BBCont->move(W - 152, y + 44);
    BBScore->move(W - 152, y + 90);
    BBAide->move(W - 80, y + 90);
}

void Tequat1D0F::Cache_Solution() {
    for (std::size_t i = 0; i < 5; ++i)
        for (QLabel* l : {LRepg[i], LEgal[i], LRepd[i]}) l->hide();
}

void Tequat1D0F::Affiche_Question() {
    const Equat1D0::Sujet& s = Sujet();
    const int n = s.Niveau();
    Change_Consigne(QStringLiteral("Résoudre (éventuellement à 0.01 près, avec 4.125 ---> 4.13)"));
    L_a->setText(T(s.A()));
    L_b->setText(T(std::fabs(s.B())));
    L_Sg->setText(s.B() > 0 ? QStringLiteral("+") : QStringLiteral("-"));
    L_c->setText(T(s.C()));
    L_d->setText(T(std::fabs(s.D())));
    L_Sd->setText(s.D() > 0 ? QStringLiteral("+") : QStringLiteral("-"));
    L_a->setVisible(n != 2);
    for (QWidget* w : {static_cast<QWidget*>(P2g), static_cast<QWidget*>(L_Sg), static_cast<QWidget*>(L_b)})
        w->setVisible(n >= 2);
    for (QWidget* w : {static_cast<QWidget*>(L_xd), static_cast<QWidget*>(L_Sd), static_cast<QWidget*>(L_d),
                       static_cast<QWidget*>(P2d)})
        w->setVisible(n == 4);

    // Left member at its stated place; the right member after the "=".
    P1g->move(n == 1 ? Gauche_Seul : Gauche_Membre, Haut_Terme);
    L_Sg->setGeometry(Gauche_Membre + P1g->width(), Haut_Terme, Largeur_Signe, Hauteur_Terme);
    P2g->move(L_Sg->geometry().right() + 1, Haut_Terme);
    // The "=" right after the left member.
    const int x_egal = n == 1 ? Gauche_Seul + P1g->width() : P2g->x() + L_b->sizeHint().width() + 4;
    L_egal->setGeometry(x_egal, Haut_Terme, Largeur_Signe, Hauteur_Terme);
    int x = x_egal + Largeur_Signe;
    const int largeur_c = L_c->sizeHint().width();
    L_c->setGeometry(0, 0, largeur_c, Hauteur_Terme);
    L_xd->setGeometry(largeur_c, 0, Largeur_X, Hauteur_Terme);
    P1d->setGeometry(x, Haut_Terme, largeur_c + (n == 4 ? Largeur_X : 0), Hauteur_Terme);
    x += P1d->width();
    L_Sd->setGeometry(x, Haut_Terme, Largeur_Signe, Hauteur_Terme);
    x += Largeur_Signe;
    const int largeur_d = L_d->sizeHint().width();
    L_d->setGeometry(0, 0, largeur_d, Hauteur_Terme);
    P2d->setGeometry(x, Haut_Terme, largeur_d, Hauteur_Terme);
    // "x =" under the equation's "=", the answer box after it.
    const int y_reponse = Haut_Terme + Hauteur_Terme + 8;
    l_x->setGeometry(x_egal - 60, y_reponse, 60, 38);
    Label2->setGeometry(x_egal, y_reponse, Largeur_Signe, 38);
    Edit1->move(x_egal + Largeur_Signe, y_reponse);
    Cache_Solution();
}

void Tequat1D0F::Montre_Correction(const Exercice::Verdict&) {
    const auto& lignes = Sujet().Solution();
    for (std::size_t i = 0; i < 5; ++i) {
        const Equat1D0::Ligne& l = lignes[i];
        // An empty line shows nothing, its sign included.
        const bool vide = l.Vide();
        Ecrit_Sans_Couper(LRepg[i], QString::fromStdString(l.gauche), Police_Solution());
        LEgal[i]->setText(Plateforme::Symbol(QString::fromStdString(l.egal)));
        Ecrit_Sans_Couper(LRepd[i], QString::fromStdString(l.droite), Police_Solution());
        for (QLabel* w : {LRepg[i], LEgal[i], LRepd[i]}) w->setVisible(!vide);
    }
}

void Tequat1D0F::Montre_Juste(const Exercice::Verdict&) { Cache_Solution(); }
