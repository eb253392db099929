#include "topics/fraction/Uqpuiss.hpp"

#include <QGridLayout>

namespace {
TExerciceForm::Description Design_Puissance() {
    auto d = TFenetreFraction::Design(QStringLiteral("Puissance des fractions"), 355,
                                      QStringLiteral("Calculer et simplifier (réponse irréductible)"));
    d.dessin_riche = QColor(255, 183, 179);
    d.panneau_riche = QColor(0, 36, 180);
    return d;
}
QString Q(const std::string& s) { return QString::fromStdString(s); }

// The exponent of the numerator alone is written small at its upper right,
// raised this far above the fraction's top.
constexpr int Exposant_Numerateur = 22;
constexpr int Elevation = 10;
constexpr int Exposant_Parentheses = 34;
}  // namespace

TQPuissF::TQPuissF(QWidget* parent) : TFenetreFraction(Design_Puissance(), std::make_unique<Qpuiss::Sujet>(), parent) {
    Fin_Constructeur();
}

void TQPuissF::Construit_Enfants() {
    TFenetreFraction::Construit_Enfants();
    const int largeur = Largeur_Entree(10);
    for (TEntree* e : {Edit1, Edit2}) {
        e->setMaxLength(10);
        e->setFixedWidth(largeur);
    }
    Figure1->setFixedWidth(largeur);
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
    // Tall enough for the exponents to read well.
    Un = new TCase_Unite(Zone_Correction, 40);
    Ud = new TCase_Unite(Zone_Correction, 40);
    Ltrait = Texte_Correction();
    Ltrait->setFixedHeight(3);
    Ltrait->setAutoFillBackground(true);
    QPalette p = Ltrait->palette();
    p.setColor(QPalette::Window, Qt::black);
    Ltrait->setPalette(p);
    Legal = Texte_Correction(QStringLiteral("="), 24);
    // The result as big as the powers it equals.
    Fraction3 = new TCase_Fraction(Zone_Correction, 72);
    LRep3 = Texte_Correction({}, 28);
    LRep1->setParent(Zone_Correction);
    LRep1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    LRep1->setFixedWidth(60);
    LRep1->show();
    g->addWidget(LRep1, 0, 0, 3, 1, Qt::AlignVCenter);
    g->addWidget(Un, 0, 1, Qt::AlignHCenter | Qt::AlignBottom);
    g->addWidget(Ltrait, 1, 1);
    g->addWidget(Ud, 2, 1, Qt::AlignHCenter | Qt::AlignTop);
    g->addWidget(Legal, 0, 2, 3, 1, Qt::AlignVCenter);
    g->addWidget(Fraction3, 0, 3, 3, 1, Qt::AlignVCenter);
    g->addWidget(LRep3, 0, 4, 3, 1, Qt::AlignVCenter);
    g->setColumnStretch(5, 1);
    g->setRowStretch(3, 1);
}

void TQPuissF::Montre_Question() {
    const Qpuiss::Sujet& s = Sujet();
    Montre(Fraction1, Fractions::Affiche(s.Question()));
    Lexp->setText(QString::number(s.Exposant()));
    const bool numerateur = s.Forme_Numerateur();
    QFont f = Lexp->font();
    f.setPixelSize(numerateur ? Exposant_Numerateur : Exposant_Parentheses);
    Lexp->setFont(f);
    // Centred on the line, a taller label starts higher.
    Lexp->setFixedHeight(Hauteur_Question + (numerateur ? 2 * Elevation : 0));
    Lpar1->setVisible(!numerateur);
    Lpar2->setVisible(!numerateur);
}

void TQPuissF::Dessine_Correction() {
    const Qpuiss::Correction c = Sujet().Corrige();
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
