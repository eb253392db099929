#include "topics/fraction/Uqpuiss.hpp"

#include <QGridLayout>

#include "framework/logic/Commune.hpp"

namespace {
TExerciceForm::Description Design_Puissance() {
    return TFenetreFraction::Design(QStringLiteral("Puissance des fractions"), 355,
                                    QStringLiteral("Calculer et simplifier (réponse irréductible)"));
}
QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

TQPuissF::TQPuissF(QWidget* parent) : TFenetreFraction(Design_Puissance(), std::make_unique<Qpuiss::Sujet>(), parent) {
    for (TEntree* e : {Edit1, Edit2}) {
        e->setMaxLength(10);
        e->setFixedWidth(170);
    }
    Figure1->setFixedWidth(170);
    Figure1->resize(170, 16);
    Lpar1 = Signe_Question(QStringLiteral("("));
    QFont grande = Lpar1->font();
    grande.setPixelSize(72);
    grande.setBold(false);
    Lpar1->setFont(grande);
    Fraction1 = Fraction_Question();
    Lpar2 = Signe_Question(QStringLiteral(")"));
    Lpar2->setFont(grande);
    Lexp = Signe_Question();
    Lexp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Lexp->setFixedHeight(Hauteur_Question);
    L_S1 = Signe_Question(QStringLiteral("="));
    Place_Ligne({Lpar1, Fraction1, Lpar2, Lexp, L_S1, Bloc_Reponse(Edit1, Edit2, Figure1)});

    auto* g = new QGridLayout(Zone_Correction);
    g->setContentsMargins(8, 0, 0, 0);
    g->setVerticalSpacing(0);
    Un = new TCase_Unite(Zone_Correction, 32);
    Ud = new TCase_Unite(Zone_Correction, 32);
    Ltrait = Texte_Correction();
    Ltrait->setFixedHeight(3);
    Ltrait->setAutoFillBackground(true);
    QPalette p = Ltrait->palette();
    p.setColor(QPalette::Window, Qt::black);
    Ltrait->setPalette(p);
    Legal = Texte_Correction(QStringLiteral("="));
    Fraction3 = Fraction_Correction();
    LRep3 = Texte_Correction();
    LRep1->setParent(Zone_Correction);
    LRep1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    LRep1->setFixedWidth(60);
    g->addWidget(LRep1, 0, 0, 3, 1, Qt::AlignVCenter);
    g->addWidget(Un, 0, 1, Qt::AlignHCenter | Qt::AlignBottom);
    g->addWidget(Ltrait, 1, 1);
    g->addWidget(Ud, 2, 1, Qt::AlignHCenter | Qt::AlignTop);
    g->addWidget(Legal, 0, 2, 3, 1, Qt::AlignVCenter);
    g->addWidget(Fraction3, 0, 3, 3, 1, Qt::AlignVCenter);
    g->addWidget(LRep3, 0, 4, 3, 1, Qt::AlignVCenter);
    g->setColumnStretch(5, 1);
    g->setRowStretch(3, 1);

    if (Commune::Couleurs_Riches) {
        QPalette d = L_Dessin->palette();
        d.setColor(QPalette::Window, QColor(255, 183, 179));
        L_Dessin->setPalette(d);
        Panneau_Question(QColor(0, 36, 180));
    }
}

void TQPuissF::Montre_Question() {
    const Qpuiss::Sujet& s = Sujet();
    Montre(Fraction1, Fractions::Affiche(s.Question()));
    Lexp->setText(QString::number(s.Exposant()));
    Lpar1->setVisible(!s.Forme_Numerateur());
    Lpar2->setVisible(!s.Forme_Numerateur());
}

void TQPuissF::Dessine_Correction() {
    const Qpuiss::Correction c = Sujet().Corrige();
    LRep1->setText(QStringLiteral("C'est"));
    LRep1->show();
    Legal->show();
    Un->setTextes(Q(c.un), Q(c.exposant));
    Un->show();
    Ud->setVisible(!c.court);
    Ltrait->setVisible(!c.court);
    if (!c.court) {
        Ud->setTextes(Q(c.ud), Q(c.exposant));
        Ltrait->setFixedWidth(std::max(Un->width(), Ud->width()) + 8);
    }
    // A whole result is written as a number, not over an empty denominator.
    const bool entier = !c.nombre.empty();
    LRep3->setText(Q(c.nombre));
    LRep3->setVisible(entier);
    Fraction3->setVisible(!entier);
    if (!entier) Montre(Fraction3, c.resultat);
}
