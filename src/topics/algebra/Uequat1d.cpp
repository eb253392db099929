#include "topics/algebra/Uequat1d.hpp"

namespace {

constexpr int Largeur = 960;
constexpr int Haut_Panel = 124;

TExerciceForm::Description Description_Equat1d() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Equations du 1er degré à 1 inconnue - Exercices");
    d.aide = 430;
    d.niveaux = 4;
    d.client = QSize(Largeur, 320);
    d.consigne = QStringLiteral("Résoudre");
    return d;
}

}  // namespace

Tequat1DF::Tequat1DF(QWidget* parent)
    : TExerciceForm(Description_Equat1d(), std::make_unique<Equat1d::Sujet>(),
                    Exercice::Memoire_Enonces({"un", "deux", "trois"}), parent) {
    Fin_Constructeur();
}

void Tequat1DF::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    const int W = width();
    Panel1->setGeometry(8, 8, W - 16, Haut_Panel);
    Rangee = new TRangee_Termes(Panel1, QStringLiteral("="));
    l_x = Etiquette_Question(QStringLiteral("x"));
    l_x->setParent(Panel1);
    Label2 = Etiquette_Question(QStringLiteral("="));
    Label2->setParent(Panel1);
    Edit1->setMaxLength(9);
    Edit1->setFixedSize(Largeur_Entree(9), 38);
    Edit1->setToolTip(QStringLiteral("taper   /  pour   IMPOSSIBLE,   i   pour   INDETERMINE"));

    // The verdict under the question, wide enough for a worked line.
    const int y = Haut_Panel + 20;
    WinPanel1->setGeometry(16, y, W - 282 - 24, 116);
    LRep1->setGeometry(8, 26, WinPanel1->width() - 16, 34);
    LRep2->setGeometry(8, 64, WinPanel1->width() - 16, 40);
    Cadre_Dessin->move(W - 282, y);
    BBConf->move(W - 152, y);
    BBCont->move(W - 152, y + 44);
    BBScore->move(W - 152, y + 90);
    BBAide->move(W - 80, y + 90);
}

void Tequat1DF::Affiche_Question() {
    const Termes::Equation& e = Sujet().Equation();
    Change_Consigne(e.niveau == 1 ? QStringLiteral("Résoudre")
                                  : QStringLiteral("Résoudre, éventuellement à 0.01 près (et 4.125 ---> 4.13, / : "
                                                   "impossible, I : indéterminé)"));
    // The equation, then "x =" and the answer box at its right, on its line.
    Rangee->Montre_Avec_Reponse(Termes::Affiche(e), -1, l_x, Label2, Edit1, Panel1->width() - 16);
}

void Tequat1DF::Montre_Correction(const Exercice::Verdict& v) {
    QFont f = LRep1->font();
    f.setPixelSize(17);
    f.setBold(true);
    Ecrit_Sans_Couper(LRep1, QString::fromStdString(v.correction), f);
    LRep2->setText(QString::fromStdString(Equat1d::Commentaire_Solution(v.correction)));
}
