#include "topics/natural/Unsous.hpp"

#include "controls/Figures.hpp"
#include "topics/natural/Colonne.hpp"

namespace {

constexpr int Droite = 240;  // right edge of the units column in Panel1
constexpr int Ligne_M = 96;  // row of the minuend
constexpr int Ligne_S = 136;  // row of the subtrahend

TExerciceForm::Description Description_NSous() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Soustraction des nombres entiers");
    d.aide = 105;
    d.niveaux = 3;
    d.client = QSize(640, 356);
    d.consigne = QStringLiteral("Calculer");
    d.fond = QColor(0, 0, 255);
    d.fond_riche = QColor(223, 223, 223);
    d.dessin_riche = QColor();  // the glyph keeps its own colour
    return d;
}

}  // namespace

TNSousF::TNSousF(QWidget* parent)
    : TExerciceForm(Description_NSous(), std::make_unique<Nsous::Sujet>(), Exercice::Memoire_Enonces(), parent) {
    Fin_Constructeur();
}

void TNSousF::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    Colonne::Dispose_Fenetre(*this, 300);
    Label1->setToolTip(QStringLiteral("En n'écrivant pas les zéros devant qui ne servent à rien"));
    const Colonne::Disposition c(Droite);
    const int w = Colonne::Largeur_Chiffre();
    L_B = c.Nombre(Panel1, 6, Ligne_M);
    L_A = c.Nombre(Panel1, 6, Ligne_S);
    L_S1 = new QLabel(QStringLiteral("-"), Panel1);
    L_S1->setFont(Colonne::Police());
    L_S1->setGeometry(c.Gauche(6) - 8, Ligne_S, w, 38);
    Figure1 = Colonne::Regle(Panel1, c.Gauche(6) - 8, Droite, Ligne_S + 58);
    Memo1 = Edit1;
    c.Place_Resultat(Memo1, static_cast<int>(Nsous::Sujet::Chiffres_Max), Ligne_S + 72);
    Memo1->setToolTip(QStringLiteral("Tape le résultat en commençant par les unités"));
    for (int k = 0; k < static_cast<int>(ERetU.size()); ++k) {
        // The ten added to a minuend digit, just left of it...
        ERetU[k] = c.Retenue(Panel1, c.Gauche(k) - 2, Ligne_M - 10);
        // ...and the unit added to the next subtrahend digit, under its column.
        ERetD[k] = c.Retenue(Panel1, c.Gauche(k + 1) + w / 2, Ligne_S + 40);
    }
    for (int k = 0; k < static_cast<int>(ERetU.size()); ++k) {
        Branche_Brouillon(ERetU[k], 1 + 2 * k);
        Branche_Brouillon(ERetD[k], 2 + 2 * k);
    }
}

void TNSousF::Affiche_Question() {
    const Nsous::Sujet& s = Sujet();
    L_B->setText(QString::number(s.M()));
    L_A->setText(QString::number(s.S()));
    for (int k = 0; k < static_cast<int>(ERetU.size()); ++k) {
        ERetU[k]->setVisible(k < s.Paires_Retenues());
        ERetD[k]->setVisible(k < s.Paires_Retenues());
    }
}
