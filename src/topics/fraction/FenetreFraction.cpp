#include "topics/fraction/FenetreFraction.hpp"

#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int Largeur = 960;
constexpr int Hauteur = 440;
constexpr int Haut_Panel = 150;

QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

TExerciceForm::Description TFenetreFraction::Design(const QString& caption, int aide, const QString& consigne) {
    Description d;
    d.caption = caption;
    d.aide = aide;
    d.niveaux = 4;
    d.client = QSize(Largeur, Hauteur);
    d.fond_riche = QColor(223, 223, 223);
    d.dessin_riche = QColor();  // the glyph keeps its design colour
    d.consigne = consigne;
    return d;
}

TFenetreFraction::TFenetreFraction(const Description& d, std::unique_ptr<Exercice::Sujet> sujet, QWidget* parent)
    : TExerciceForm(d, std::move(sujet), Exercice::Memoire_Enonces(), parent) {}

void TFenetreFraction::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    const int W = width();
    Panel1->setGeometry(8, 8, W - 16, Haut_Panel);
    l_niv->move(Panel1->width() - 48, 6);
    const int y = Haut_Panel + 20;
    WinPanel1->setGeometry(16, y, W - 282 - 28, 220);
    Cadre_Dessin->move(W - 282, y);
    BBConf->move(W - 152, y);
    BBCont->move(W - 152, y + 44);
    BBScore->move(W - 152, y + 90);
    BBAide->move(W - 80, y + 90);
    LRep1->setGeometry(6, 24, WinPanel1->width() - 12, 24);
    LRep1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    LRep2->setGeometry(6, 50, WinPanel1->width() - 12, 42);
    Zone_Correction = new QWidget(WinPanel1);
    Zone_Correction->setGeometry(6, 48, WinPanel1->width() - 12, WinPanel1->height() - 54);

    Edit1->setMaxLength(5);
    Edit1->setAlignment(Qt::AlignCenter);
    Edit1->setStatusTip(QStringLiteral("Si la fraction est irréductible, recopiez la telle-quelle"));
    Edit2 = new TEntree(Panel1);
    Edit2->setFont(Police_Question());
    Edit2->setFixedSize(Edit1->size());
    Edit2->setMaxLength(5);
    Edit2->setAlignment(Qt::AlignCenter);
    Figure1 = Barre_Fraction(Panel1, Edit1->width());
    Branche(Edit2, 1);

    ligne_question_ = new QWidget(Panel1);
    auto* lay = new QHBoxLayout(ligne_question_);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(10);
}

QWidget* TFenetreFraction::Bloc_Reponse(TEntree* haut, TEntree* bas, TFigure* barre) {
    auto* bloc = new QWidget(Panel1);
    auto* v = new QVBoxLayout(bloc);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    for (QWidget* w : {static_cast<QWidget*>(haut), static_cast<QWidget*>(barre), static_cast<QWidget*>(bas)}) {
        w->setParent(bloc);
        v->addWidget(w, 0, Qt::AlignHCenter);
    }
    return bloc;
}

void TFenetreFraction::Place_Ligne(const std::vector<QWidget*>& elements) {
    auto* lay = static_cast<QHBoxLayout*>(ligne_question_->layout());
    lay->addStretch(1);
    for (QWidget* w : elements) {
        w->setParent(ligne_question_);
        lay->addWidget(w, 0, Qt::AlignVCenter);
    }
    lay->addStretch(1);
    ligne_question_->setGeometry(0, 34, Panel1->width(), Haut_Panel - 40);
}

TCase_Fraction* TFenetreFraction::Fraction_Question(bool entier_si_un) {
    auto* f = new TCase_Fraction(Panel1, Hauteur_Question, entier_si_un);
    f->setCouleur_Police(Qt::white);
    return f;
}

QLabel* TFenetreFraction::Signe_Question(const QString& texte) {
    auto* l = new QLabel(texte, Panel1);
    QFont f = Police_Question();
    f.setPixelSize(34);
    l->setFont(f);
    return l;
}

TCase_Fraction* TFenetreFraction::Fraction_Correction(bool entier_si_un) {
    return new TCase_Fraction(Zone_Correction, Hauteur_Correction, entier_si_un);
}

QLabel* TFenetreFraction::Texte_Correction(const QString& texte, int taille) {
    auto* l = new QLabel(texte, Zone_Correction);
    QFont f = l->font();
    f.setPixelSize(taille);
    f.setBold(true);
    l->setFont(f);
    return l;
}

void TFenetreFraction::Montre(TCase_Fraction* f, const Fractions::Affichage& a) {
    f->setTextes(Q(a.numer), Q(a.deno));
    f->show();
}

void TFenetreFraction::Affiche_Question() {
    Zone_Correction->hide();
    Montre_Question();
}

void TFenetreFraction::Montre_Correction(const Exercice::Verdict& v) {
    LRep1->setText(Q(v.entete));
    Zone_Correction->show();
    Dessine_Correction();
}

// ---------------------------------------------------------------------------
namespace {
QLabel* Petit(TFenetreFraction* f, const QString& t = {}) {
    QLabel* l = f->Texte_Correction(t, 12);
    QFont p = l->font();
    p.setBold(false);
    l->setFont(p);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return l;
}
}  // namespace

TPanneau_Somme::TPanneau_Somme(TFenetreFraction* f, QWidget* parent, bool premier_entier_si_un) : QWidget(parent) {
    auto* g = new QGridLayout(this);
    g->setContentsMargins(0, 0, 0, 0);
    g->setHorizontalSpacing(4);
    g->setVerticalSpacing(0);
    auto frac = [&](bool e = false) { return f->Fraction_Correction(e); };
    F1s = frac(premier_entier_si_un);
    F2s = frac();
    F3s = frac();
    F1r = frac();
    F2r = frac();
    F3r = frac();
    Frep = frac();
    Freps = frac();
    Lp1 = f->Texte_Correction();
    Lp2 = f->Texte_Correction();
    Lp3 = f->Texte_Correction();
    Lp4 = f->Texte_Correction();
    Leg1 = f->Texte_Correction(QStringLiteral("="));
    Leg2 = f->Texte_Correction(QStringLiteral("="));
    Leg3 = f->Texte_Correction(QStringLiteral("="));
    Lentier = f->Texte_Correction();
    Lpar1 = Petit(f);
    Lpar2 = Petit(f);
    Lpar3 = Petit(f);
    Lpar = Petit(f);
    const std::vector<QWidget*> ligne = {F1s, Lp1, F2s, Lp2, F3s, Leg1, F1r, Lp3, F2r, Lp4, F3r, Leg2, Frep, Leg3, Freps, Lentier};
    for (std::size_t i = 0; i < ligne.size(); ++i) g->addWidget(ligne[i], 0, static_cast<int>(i), Qt::AlignCenter);
    g->addWidget(Lpar1, 1, 0, Qt::AlignHCenter | Qt::AlignTop);
    g->addWidget(Lpar2, 1, 2, Qt::AlignHCenter | Qt::AlignTop);
    g->addWidget(Lpar3, 1, 4, Qt::AlignHCenter | Qt::AlignTop);
    g->addWidget(Lpar, 1, 14, Qt::AlignHCenter | Qt::AlignTop);
    g->setColumnStretch(16, 1);
    g->setRowStretch(2, 1);
}

void TPanneau_Somme::Montre(const Fractions::Ligne_Somme& l) {
    for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) w->hide();
    const std::array<TCase_Fraction*, 3> termes{F1s, F2s, F3s}, communs{F1r, F2r, F3r};
    const std::array<QLabel*, 2> signes{Lp1, Lp2}, signes_communs{Lp3, Lp4};
    const std::array<QLabel*, 3> par{Lpar1, Lpar2, Lpar3};
    auto texte = [](QLabel* lb, const std::string& t) {
        lb->setText(Q(t));
        lb->setVisible(!t.empty());
    };
    for (std::size_t i = 0; i < l.termes.size() && i < 3; ++i) TFenetreFraction::Montre(termes[i], l.termes[i]);
    for (std::size_t i = 0; i < l.signes.size() && i < 2; ++i) texte(signes[i], l.signes[i]);
    for (std::size_t i = 0; i < l.par_termes.size() && i < 3; ++i) texte(par[i], l.par_termes[i]);
    if (!l.communs.empty()) Leg1->show();
    for (std::size_t i = 0; i < l.communs.size() && i < 3; ++i) TFenetreFraction::Montre(communs[i], l.communs[i]);
    for (std::size_t i = 0; i < l.signes_communs.size() && i < 2; ++i) texte(signes_communs[i], l.signes_communs[i]);
    if (l.brute) {
        Leg2->show();
        TFenetreFraction::Montre(Frep, *l.brute);
    }
    if (l.simplifiee) {
        Leg3->show();
        TFenetreFraction::Montre(Freps, *l.simplifiee);
    }
    texte(Lpar, l.par_resultat);
    texte(Lentier, l.entier);
}

// ---------------------------------------------------------------------------
TPanneau_Annulations::TPanneau_Annulations(TFenetreFraction* f, QWidget* parent) : QWidget(parent) {
    for (int i = 0; i < 6; ++i) {
        F[i] = f->Fraction_Correction();
        F[i]->setParent(this);
        if (i < 5) {
            L[i] = Petit(f);
            L[i]->setParent(this);
            L[i]->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
            Leg[i] = f->Texte_Correction(QStringLiteral("="));
            Leg[i]->setParent(this);
        }
    }
    Leg7 = f->Texte_Correction(QStringLiteral("="));
    Freps = f->Fraction_Correction();
    Lentier = f->Texte_Correction();
    for (QWidget* w : {static_cast<QWidget*>(Leg7), static_cast<QWidget*>(Freps), static_cast<QWidget*>(Lentier)})
        w->setParent(this);
}

void TPanneau_Annulations::Montre(const Fractions::Annulations& a) {
    for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) w->hide();
    const int n = static_cast<int>(std::min<std::size_t>(a.fractions.size(), 6));
    const int etapes = static_cast<int>(std::min<std::size_t>(a.etapes.size(), 5));
    for (int i = 0; i < n; ++i) TFenetreFraction::Montre(F[i], a.fractions[i]);
    for (int i = 0; i < etapes; ++i) L[i]->setText(Q(a.etapes[i]));
    TFenetreFraction::Montre(Freps, a.resultat);
    Lentier->setText(Q(a.entier));

    // The line is written in pieces that each begin with "=" (the first with
    // the product); a piece that no longer fits on the row goes to the next
    // one, so a long line continues on a second row with its "=" in front.
    // On a line that fits one row, the result keeps its place at the right.
    struct Morceau {
        QLabel* egal;
        TCase_Fraction* fraction;
        QLabel* etape;  // written above the fraction, or null
    };
    std::vector<Morceau> morceaux;
    for (int i = 0; i < n; ++i) morceaux.push_back({i ? Leg[i - 1] : nullptr, F[i], i < etapes ? L[i] : nullptr});
    morceaux.push_back({Leg7, Freps, nullptr});

    constexpr int Espace = 6;
    const int haut_etape = L[0]->sizeHint().height();
    const int haut_rangee = haut_etape + 2 + Freps->height();
    auto largeur = [](QWidget* w) { return w ? w->sizeHint().width() : 0; };
    // Where each piece's fraction goes, and the width of what follows it.
    auto etendue = [&](const Morceau& m) {
        const int avant = m.egal ? largeur(m.egal) + Espace : 0;
        return avant + std::max(m.fraction->width(), largeur(m.etape));
    };
    const int fin = Lentier->text().isEmpty() ? 0 : Espace + largeur(Lentier);
    int x = 0, y = 0;
    for (std::size_t k = 0; k < morceaux.size(); ++k) {
        const Morceau& m = morceaux[k];
        const bool dernier = k + 1 == morceaux.size();
        const int besoin = etendue(m) + (dernier ? fin : 0);
        if (x > 0 && x + besoin > width()) {
            x = 0;
            y += haut_rangee + Espace;
        }
        if (dernier && y == 0) x = std::max(x, width() - besoin);
        const int y_fraction = y + haut_etape + 2;
        if (m.egal) {
            m.egal->adjustSize();
            m.egal->move(x, y_fraction + (m.fraction->height() - m.egal->height()) / 2);
            m.egal->show();
            x += m.egal->width() + Espace;
        }
        m.fraction->move(x, y_fraction);
        m.fraction->show();
        if (m.etape) {
            m.etape->adjustSize();
            m.etape->move(x, y);
            m.etape->show();
        }
        x += std::max(m.fraction->width(), largeur(m.etape)) + Espace;
    }
    if (!Lentier->text().isEmpty()) {
        Lentier->adjustSize();
        Lentier->move(x, y + haut_etape + 2 + (Freps->height() - Lentier->height()) / 2);
        Lentier->show();
    }
}

// ---------------------------------------------------------------------------
TFenetre_Operation::TFenetre_Operation(const Description& d, std::unique_ptr<Exercice::Sujet> sujet, QWidget* parent,
                                       const QString& operateur, bool entier_si_un)
    : TFenetreFraction(d, std::move(sujet), parent), operateur_(operateur), entier_si_un_(entier_si_un) {}

void TFenetre_Operation::Construit_Enfants() {
    TFenetreFraction::Construit_Enfants();
    Fraction1 = Fraction_Question(entier_si_un_);
    LS1 = Signe_Question(operateur_);
    Fraction2 = Fraction_Question(entier_si_un_);
    LS2 = Signe_Question(operateur_);
    Fraction3 = Fraction_Question(entier_si_un_);
    L_S1 = Signe_Question(QStringLiteral("="));
    Place_Ligne({Fraction1, LS1, Fraction2, LS2, Fraction3, L_S1, Bloc_Reponse(Edit1, Edit2, Figure1)});
    LRep1->hide();  // the worked line needs no header
}

void TFenetre_Operation::Montre_Fractions(const Fractions::Trio& f, int nombre, const std::array<std::string, 3>& signes) {
    const std::array<TCase_Fraction*, 3> c{Fraction1, Fraction2, Fraction3};
    for (int i = 0; i < 3; ++i) c[i]->setTextes(Q(signes[i] + Fractions::Texte(f[i].n)), Q(Fractions::Texte(f[i].d)));
    LS2->setVisible(nombre == 3);
    Fraction3->setVisible(nombre == 3);
}
