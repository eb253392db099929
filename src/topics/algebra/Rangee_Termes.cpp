#include "topics/algebra/Rangee_Termes.hpp"

#include <algorithm>

#include "framework/FenetreExercice.hpp"

namespace {

constexpr int Largeur_Signe = 30;
constexpr int Ecart_Constante = 5;  // between "x" and the constant
constexpr int Haut_Barre = 16;      // a rule's strip, its line in the middle

QLabel* Etiquette(QWidget* parent, const QString& nom, const QString& texte = {}) {
    QLabel* l = TExerciceForm::Etiquette_Question(texte);
    l->setParent(parent);
    l->setObjectName(nom);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

void Applique(QLabel* l, const Termes::Etiquette& e) {
    l->setText(QString::fromStdString(e.texte));
    l->setVisible(e.visible);
}

}  // namespace

TRangee_Termes::TRangee_Termes(QWidget* panneau, const QString& milieu) : QWidget(panneau) {
    setObjectName(QStringLiteral("Rangee_Termes"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    static const std::array<const char*, 4> suffixes{"1g", "2g", "1d", "2d"};
    for (std::size_t i = 0; i < 4; ++i) {
        const QString s = QLatin1String(suffixes[i]);
        Terme& t = termes[i];
        t.PN = new QWidget(this);
        t.PN->setObjectName("PN" + s);
        t.L_K = Etiquette(t.PN, "L_K" + s);
        t.PARO = Etiquette(t.PN, "PARO" + s, QStringLiteral("("));
        t.L_A = Etiquette(t.PN, "L_A" + s);
        t.L_x = Etiquette(t.PN, "L_x" + s, QStringLiteral("x"));
        t.L_B = Etiquette(t.PN, "L_B" + s);
        t.PARF = Etiquette(t.PN, "PARF" + s, QStringLiteral(")"));
        t.PD = new QWidget(this);
        t.PD->setObjectName("PD" + s);
        t.L_D = Etiquette(t.PD, "L_D" + s);
        t.Figure = new TFigure(t.PD);
        t.Figure->setObjectName(QStringLiteral("Figure%1").arg(i + 1));
        t.Figure->setFigure(Geometrie::Parallele);
        t.Figure->setVerticale(false);
        TPen pen;
        pen.setWidth(3);
        pen.setColor(Qt::white);
        t.Figure->setPen(pen);
    }
    L_Sg = Etiquette(this, QStringLiteral("L_Sg"));
    L_Sd = Etiquette(this, QStringLiteral("L_Sd"));
    Milieu = Etiquette(this, QStringLiteral("L_egal"), milieu);
}

int TRangee_Termes::Montre(const Termes::Affichage& a, int gauche, int haut_milieu) {
    axe_ = a.axe;
    if (haut_milieu < 0) haut_milieu = a.haut_milieu;
    // The row stands at the top of the panel: its tops are the panel's.
    int x = 0, bas = 0;
    // A sign centred on the row's line, its top as given.
    auto signe = [&](QLabel* l, int top) {
        if (l->isHidden()) return;
        const int h = std::max(18, 2 * (a.axe - top));
        l->setGeometry(x, top, Largeur_Signe, h);
        x += Largeur_Signe;
    };
    auto terme = [&](std::size_t i) {
        const Termes::Affichage_Terme& at = a.termes[i];
        Terme& t = termes[i];
        t.PN->setVisible(at.visible);
        t.PD->setVisible(at.visible && at.denominateur);
        if (!at.visible) return;
        Applique(t.L_K, at.K);
        Applique(t.PARO, at.PARO);
        Applique(t.L_A, at.A);
        Applique(t.L_x, at.X);
        Applique(t.L_B, at.B);
        Applique(t.PARF, at.PARF);
        t.L_D->setText(QString::fromStdString(at.D));
        // The term's labels side by side, only those shown.
        int px = 0;
        for (QLabel* l : {t.L_K, t.PARO, t.L_A, t.L_x, t.L_B, t.PARF}) {
            if (l->isHidden()) continue;
            if (l == t.L_B && px > 0) px += Ecart_Constante;
            const int w = l->text().isEmpty() ? 0 : l->sizeHint().width();
            l->setGeometry(px, 0, w, Hauteur_Terme);
            px += w;
        }
        const int largeur_d = t.PD->isVisible() ? t.L_D->sizeHint().width() : 0;
        const int largeur = std::max(px, largeur_d) + 8;
        t.PN->setGeometry(x + (largeur - px) / 2, at.haut, px, Hauteur_Terme);
        bas = std::max(bas, at.haut + Hauteur_Terme);
        if (t.PD->isVisible()) {
            // The bar on the term's foot, the denominator under it.
            const int y = at.haut + Hauteur_Terme - Haut_Barre / 2;
            const int hd = t.L_D->sizeHint().height();
            t.PD->setGeometry(x, y, largeur, Haut_Barre + hd);
            t.Figure->setGeometry(0, 0, largeur, Haut_Barre);
            t.L_D->setGeometry(0, Haut_Barre, largeur, hd);
            bas = std::max(bas, t.PD->geometry().bottom() + 1);
        }
        x += largeur;
    };
    Applique(L_Sg, a.Sg);
    Applique(L_Sd, a.Sd);
    terme(0);
    signe(L_Sg, a.haut_signes);
    terme(1);
    signe(Milieu, haut_milieu);
    terme(2);
    signe(L_Sd, a.haut_signes);
    terme(3);
    setGeometry(gauche, 0, x, std::max(bas, haut_milieu + Hauteur_Terme));
    return gauche + x;
}

void TRangee_Termes::Montre_Avec_Reponse(const Termes::Affichage& a, int haut_milieu, QLabel* nom, QLabel* egal,
                                         QWidget* entree, int fin) {
    const int debut_reponse = fin - entree->width() - 2 * Largeur_Signe;
    const int droite = Montre(a, 0, haut_milieu);
    move(std::max(12, (debut_reponse - droite) / 2), 0);
    nom->setGeometry(debut_reponse, axe_ - 20, Largeur_Signe, 40);
    nom->setAlignment(Qt::AlignCenter);
    egal->setGeometry(debut_reponse + Largeur_Signe, axe_ - 20, Largeur_Signe, 40);
    egal->setAlignment(Qt::AlignCenter);
    entree->move(fin - entree->width(), axe_ - entree->height() / 2);
}
