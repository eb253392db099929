#include "topics/fraction/Uqreduc.hpp"

#include <QVBoxLayout>

TQReducF::TQReducF(QWidget* parent)
    : TFenetreFraction(Design(QStringLiteral("Réduction des fractions au même dénominateur"), 320,
                              QStringLiteral("Réduire au plus petit dénominateur commun")),
                       std::make_unique<Qreduc::Sujet>(), parent) {
    Fin_Constructeur();
}

void TQReducF::Construit_Enfants() {
    TFenetreFraction::Construit_Enfants();
    for (TEntree* e : {Edit1, Edit2}) e->setFixedWidth(Largeur_Entree(6));
    Figure1->setFixedWidth(Edit1->width());
    auto boite = [this] {
        auto* e = new TEntree(Panel1);
        e->setFont(Police_Question());
        e->setFixedSize(Edit1->size());
        e->setAlignment(Qt::AlignCenter);
        return e;
    };
    Edit3 = boite();
    Edit4 = boite();
    Edit5 = boite();
    Edit6 = boite();
    Figure2 = Barre_Fraction(Panel1, Edit1->width());
    Figure3 = Barre_Fraction(Panel1, Edit1->width());
    const std::vector<TEntree*> boites{Edit1, Edit2, Edit3, Edit4, Edit5, Edit6};
    for (std::size_t i = 0; i < boites.size(); ++i) {
        boites[i]->setMaxLength(6);
        // The hint is carried but not shown as a tooltip in this window.
        boites[i]->setStatusTip(QStringLiteral("Si la fraction est irréductible, recopiez la telle-quelle"));
        if (i >= 2) Branche(boites[i], static_cast<int>(i));
    }
    Fraction1 = Fraction_Question();
    Fraction2 = Fraction_Question();
    Fraction3 = Fraction_Question();
    L_S1 = Signe_Question(QStringLiteral("="));
    Label2 = Signe_Question(QStringLiteral("="));
    Label3 = Signe_Question(QStringLiteral("="));
    auto rangee = [this](TCase_Fraction* f, QLabel* l, QWidget* bloc) {
        auto* w = new QWidget(Panel1);
        auto* h = new QHBoxLayout(w);
        h->setContentsMargins(0, 0, 0, 0);
        h->setSpacing(8);
        for (QWidget* x : {static_cast<QWidget*>(f), static_cast<QWidget*>(l), bloc}) {
            x->setParent(w);
            h->addWidget(x, 0, Qt::AlignVCenter);
        }
        return w;
    };
    QWidget* r1 = rangee(Fraction1, L_S1, Bloc_Reponse(Edit1, Edit2, Figure1));
    QWidget* r2 = rangee(Fraction2, Label2, Bloc_Reponse(Edit3, Edit4, Figure2));
    Ligne3 = rangee(Fraction3, Label3, Bloc_Reponse(Edit5, Edit6, Figure3));
    auto* espace1 = new QWidget(Panel1);
    espace1->setFixedWidth(40);
    auto* espace2 = new QWidget(Panel1);
    espace2->setFixedWidth(40);
    Place_Ligne({r1, espace1, r2, espace2, Ligne3});

    // One row per fraction, the "=" signs under one another.
    auto* g = new QGridLayout(Zone_Correction);
    g->setContentsMargins(8, 0, 0, 0);
    g->setVerticalSpacing(8);
    for (int i = 0; i < 3; ++i) {
        Fs[i] = Fraction_Correction();
        Par[i] = Texte_Correction({}, 13);
        Egal[i] = Texte_Correction(QStringLiteral("="));
        Fr[i] = Fraction_Correction();
        g->addWidget(Fs[i], i, 0, Qt::AlignCenter);
        g->addWidget(Par[i], i, 1, Qt::AlignLeft | Qt::AlignVCenter);
        g->addWidget(Egal[i], i, 2, Qt::AlignCenter);
        g->addWidget(Fr[i], i, 3, Qt::AlignCenter);
    }
    g->setColumnStretch(4, 1);
    g->setRowStretch(3, 1);
}

std::vector<TEntree*> TQReducF::Entrees_Requises() const {
    std::vector<TEntree*> vues;
    for (TEntree* e : Entrees())
        if (e->isVisibleTo(this)) vues.push_back(e);
    return vues;
}

void TQReducF::Montre_Question() {
    const Qreduc::Sujet& s = Sujet();
    const std::array<TCase_Fraction*, 3> f{Fraction1, Fraction2, Fraction3};
    for (int i = 0; i < 3; ++i) Montre(f[i], Fractions::Affiche(s.Question()[i]));
    Ligne3->setVisible(s.Nombre() == 3);
}

void TQReducF::Dessine_Correction() {
    const auto lignes = Sujet().Corrige();
    for (int i = 0; i < 3; ++i) {
        const bool vue = i < static_cast<int>(lignes.size());
        for (QWidget* w : {static_cast<QWidget*>(Fs[i]), static_cast<QWidget*>(Egal[i]), static_cast<QWidget*>(Fr[i])})
            w->setVisible(vue);
        if (!vue) {
            Par[i]->hide();
            continue;
        }
        Montre(Fs[i], lignes[i].reduite);
        Montre(Fr[i], lignes[i].reecrite);
        Par[i]->setText(QString::fromStdString(lignes[i].par));
        Par[i]->setVisible(!lignes[i].par.empty());
    }
}
