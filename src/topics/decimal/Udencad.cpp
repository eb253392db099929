#include "topics/decimal/Udencad.hpp"

namespace {
TExerciceForm::Description Description_Enc() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Encadrement du résultat");
    d.aide = 570;
    d.niveaux = 4;
    d.client = TFenetre_Precision::Taille();
    d.consigne = QStringLiteral("Calculer puis donner un encadrement à ");
    d.fond_riche = QColor(223, 223, 223);
    d.dessin_riche = QColor(255, 101, 65);
    return d;
}

QLabel* Image_Signe(QWidget* parent, int hauteur, const QColor& couleur) {
    auto* l = new QLabel(parent);
    l->setPixmap(Image_Inferieur_Egal(hauteur, couleur));
    l->setFixedSize(l->pixmap().size());
    return l;
}
}  // namespace

TDEncForm::TDEncForm(QWidget* parent)
    : TFenetre_Precision(Description_Enc(), std::make_unique<Dencad::Sujet>(), parent) {
    Fin_Constructeur();
}

void TDEncForm::Construit_Enfants() {
    TFenetre_Precision::Construit_Enfants();
    for (TEntree** e : {&Edit1, &Edit2}) {
        if (*e != Edit1) *e = new TEntree(Panel1);
        (*e)->setFont(Police_Question());
        (*e)->setMaxLength(Dencad::Sujet::Longueur);
        (*e)->setFixedSize(Largeur_Entree(Dencad::Sujet::Longueur), 38);
    }
    Branche(Edit2, 1);
    Image1 = Image_Signe(Panel1, 30, Qt::white);
    Ua = Terme();
    Ub = Terme();
    Uc = Terme();
    L_S1 = Signe();
    L_inf = Signe(QStringLiteral("<"));
    QWidget* calcul = Bloc_Calcul({Ua, L_S1, Ub}, {Uc});
    Place_Ligne({Edit1, Image1, calcul, L_inf, Edit2});

    ligne_correction_ = new QWidget(WinPanel1);
    auto* h = new QHBoxLayout(ligne_correction_);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(6);
    LRep21 = new QLabel(ligne_correction_);
    LRep22 = new QLabel(ligne_correction_);
    for (QLabel* l : {LRep21, LRep22}) l->setFont(LRep2->font());
    Image2 = Image_Signe(ligne_correction_, 24, Qt::black);
    h->addStretch(1);
    h->addWidget(LRep21);
    h->addWidget(Image2);
    h->addWidget(LRep22);
    h->addStretch(1);
    ligne_correction_->setGeometry(LRep2->geometry());
    ligne_correction_->hide();
}

void TDEncForm::Affiche_Question() {
    const Dencad::Sujet& s = Sujet();
    const Dencad::Affichage a = s.Affiche();
    Montre_Precision(s.Precision(), s.Precision().libelle);
    Montre(Ua, a.ua);
    Montre(L_S1, a.s1);
    Montre(Ub, a.ub);
    Montre(Uc, a.uc);
    Montre_Fraction(a.fraction);
    LRep21->clear();
    LRep22->clear();
    ligne_correction_->hide();
}

void TDEncForm::Montre_Correction(const Exercice::Verdict& v) {
    LRep1->setText(QString::fromStdString(v.entete));
    LRep2->clear();
    LRep21->setText(QString::fromStdString(Sujet().Inferieur()));
    LRep22->setText(QString::fromStdString(Sujet().Droite()));
    ligne_correction_->show();
}
