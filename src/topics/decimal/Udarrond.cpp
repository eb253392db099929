#include "topics/decimal/Udarrond.hpp"

namespace {
TExerciceForm::Description Description_Arr() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Arrondissement du résultat");
    d.aide = 580;
    d.niveaux = 4;
    d.client = TFenetre_Precision::Taille();
    d.consigne = QStringLiteral("Calculer à ");
    d.fond_riche = QColor(231, 241, 245);
    d.panneau_riche = QColor(0, 71, 113);
    d.dessin_riche = QColor(255, 152, 132);
    return d;
}
}  // namespace

TDArrForm::TDArrForm(QWidget* parent)
    : TFenetre_Precision(Description_Arr(), std::make_unique<Darrond::Sujet>(), parent) {
    Fin_Constructeur();
}

void TDArrForm::Construit_Enfants() {
    TFenetre_Precision::Construit_Enfants();
    Edit1->setFont(Police_Question());
    Edit1->setMaxLength(Darrond::Sujet::Longueur);
    Edit1->setFixedSize(Largeur_Entree(Darrond::Sujet::Longueur), 38);
    Ua = Terme();
    Ub = Terme();
    Uc = Terme();
    Ud = Terme();
    Ue = Terme();
    Racine1 = Racine();
    Racine2 = Racine();
    L_S1 = Signe();
    L_s2 = Signe();
    L_s3 = Signe();
    // The rounded value stands after the computation.
    Label2 = Signe(QStringLiteral("≈"));
    QWidget* calcul = Bloc_Calcul({Ua, L_S1, Ub, Racine1, L_s2, Uc}, {Ud, L_s3, Ue, Racine2});
    Place_Ligne({calcul, Label2, Edit1});
}

void TDArrForm::Affiche_Question() {
    const Darrond::Sujet& s = Sujet();
    const Darrond::Affichage a = s.Affiche();
    Montre_Precision(Multiples_Voisins::Texte_Precision(s.Voisins().k), s.Libelle());
    Montre(Ua, a.ua);
    Montre(L_S1, a.s1);
    Montre(Ub, a.ub);
    Montre(L_s2, a.s2);
    Montre(Uc, a.uc);
    Montre(Ud, a.ud);
    Montre(L_s3, a.s3);
    Montre(Ue, a.ue);
    Racine1->setNombre(QString::fromStdString(a.racine1));
    Racine1->setVisible(!a.racine1.empty());
    Racine2->setNombre(QString::fromStdString(a.racine2));
    Racine2->setVisible(!a.racine2.empty());
    Montre_Fraction(a.fraction);
}
