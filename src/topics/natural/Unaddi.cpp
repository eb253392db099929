#include "topics/natural/Unaddi.hpp"

#include "controls/Figures.hpp"
#include "topics/natural/Colonne.hpp"

namespace {

constexpr int Droite = 240;                  // right edge of the units column in Panel1
constexpr std::array<int, 4> Ligne{196, 158, 120, 82};  // rows of a, b, c, d

TExerciceForm::Description Description_NAddi() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Addition des nombres entiers");
    d.aide = 105;
    d.niveaux = 3;
    d.client = QSize(640, 356);
    d.consigne = QStringLiteral("Calculer");
    // Its own palette is the one for screens of few colours.
    d.fond = QColor(255, 236, 255);
    d.dessin = QColor(128, 128, 0);
    d.palette_si_pauvre = true;
    d.fond_riche = QColor(255, 253, 235);
    d.dessin_riche = QColor(255, 208, 176);
    return d;
}

}  // namespace

TNAddiF::TNAddiF(QWidget* parent)
    : TExerciceForm(Description_NAddi(), std::make_unique<Naddi::Sujet>(), Exercice::Memoire_Enonces(), parent) {
    Fin_Constructeur();
}

void TNAddiF::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    Colonne::Dispose_Fenetre(*this, 300);
    const Colonne::Disposition c(Droite);
    L_A = c.Nombre(Panel1, 6, Ligne[0]);
    L_B = c.Nombre(Panel1, 6, Ligne[1]);
    L_C = c.Nombre(Panel1, 6, Ligne[2]);
    L_D = c.Nombre(Panel1, 6, Ligne[3]);
    L_S1 = new QLabel(QStringLiteral("+"), Panel1);
    L_S1->setFont(Colonne::Police());
    L_S1->setGeometry(c.Gauche(6) - 8, Ligne[0], Colonne::Largeur_Chiffre(), 38);
    Figure1 = Colonne::Regle(Panel1, c.Gauche(6) - 8, Droite, Ligne[0] + 40);
    Memo1 = Edit1;
    c.Place_Resultat(Memo1, static_cast<int>(Naddi::Sujet::Chiffres_Max), Ligne[0] + 54);
    Memo1->setToolTip(QStringLiteral("Tape le résultat en commençant par les unités"));
    for (std::size_t k = 0; k < Eret.size(); ++k) {
        Eret[k] = c.Retenue(Panel1, c.Gauche(static_cast<int>(k) + 1) + Colonne::Largeur_Chiffre() / 2, 0);
        Branche_Brouillon(Eret[k], static_cast<int>(k) + 1);
    }
}

void TNAddiF::Affiche_Question() {
    const Naddi::Sujet& s = Sujet();
    const std::array<QLabel*, 4> lignes{L_A, L_B, L_C, L_D};
    const std::array<int32_t, 4> valeurs{s.A(), s.B(), s.C(), s.D()};
    for (int i = 0; i < 4; ++i) {
        lignes[i]->setText(QString::number(valeurs[i]));
        lignes[i]->setVisible(i < s.Operandes());
    }
    // The carry row sits right above the top operand shown.
    const int y = Ligne[static_cast<std::size_t>(s.Operandes() - 1)] - 14;
    for (int k = 0; k < static_cast<int>(Eret.size()); ++k) {
        Eret[k]->move(Eret[k]->x(), y);
        Eret[k]->setVisible(k < s.Retenues());
    }
}
