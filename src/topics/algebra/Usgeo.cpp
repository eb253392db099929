#include "topics/algebra/Usgeo.hpp"

namespace {

TExerciceForm::Description Description_Sgeo() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Suites géométriques");
    d.aide = 480;
    d.niveaux = 4;
    d.client = QSize(880, 334);
    d.consigne = QStringLiteral("Dans une suite géométrique");
    return d;
}

}  // namespace

TSgeoForm::TSgeoForm(QWidget* parent) : TFenetre_Suite(Description_Sgeo(), std::make_unique<Sgeo::Sujet>(), 14, parent) {
    Fin_Constructeur();
}

void TSgeoForm::Construit_Enfants() {
    TFenetre_Suite::Construit_Enfants();
    Unite1 = new TUnite(WinPanel1);
    Unite1->setObjectName(QStringLiteral("Unite1"));
    QFont f = Unite1->font();
    f.setBold(true);
    Unite1->setFont(f);
    Unite1->resize(Unite1->width(), Haut_Indice);
    LRep11 = Ligne_Correction(WinPanel1);
    LRep11->setObjectName(QStringLiteral("LRep11"));
    LRep11->setFont(LRep1->font());

    Psup->setGeometry(2, 64, WinPanel1->width() - 4, 50);
    L1 = Ligne_Correction(Psup);
    L1->setObjectName(QStringLiteral("L1"));
    Racine1 = new TRacine(Psup);
    Racine1->setObjectName(QStringLiteral("Racine1"));
    Racine1->setFont(f);
    Racine1->resize(Racine1->width(), 28);
    L2 = Ligne_Correction(Psup);
    L2->setObjectName(QStringLiteral("L2"));
    for (QLabel* l : {L1, L2}) l->setFont(LRep1->font());
}

std::vector<QWidget*> TSgeoForm::Correction() const {
    std::vector<QWidget*> c = TFenetre_Suite::Correction();
    c.push_back(Unite1);
    c.push_back(LRep11);
    return c;
}

void TSgeoForm::Remplit_Psup(const Suites::Enonce& e) {
    Unite1->setUnite(QString::fromStdString(e.Unite1));
    Unite1->setExposant(QString::fromStdString(e.Exposant1));
    Unite1->resize(Unite1->Largeur_Voulue(), Unite1->height());
    Unite1->setVisible(!e.Unite1.empty());
    Ecrit(LRep11, e.LRep11);
    LRep11->setVisible(!e.LRep11.empty());
    // q = the square root of the quotient, then its value.
    Ecrit(L1, e.Lignes[0]);
    Racine1->setNombre(QString::fromStdString(e.Lignes[1]));
    Racine1->resize(Racine1->Largeur_Voulue(), Racine1->height());
    Ecrit(L2, e.Lignes[2]);
    const int x = Aligne({L1, Racine1}, 8, 25);
    Aligne({L2}, x + 20, 25);
}
