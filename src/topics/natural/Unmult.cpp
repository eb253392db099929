#include "topics/natural/Unmult.hpp"

#include <QFontMetrics>

#include "topics/natural/Colonnes_Fenetre.hpp"

namespace {

TExerciceForm::Description Description_NMult() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Multiplication des nombres entiers");
    d.aide = 105;
    d.niveaux = 3;
    d.client = QSize(632, 580);
    d.fond = QColor(128, 128, 0);  // olive
    d.fond_riche = QColor(255, 242, 241);
    d.panneau_riche = QColor(0, 176, 168);
    d.dessin_riche = QColor();  // the glyph keeps its design colour
    d.consigne = QStringLiteral("Calculer");
    return d;
}

constexpr int Hauteur_Case = 38;
constexpr int Pas_Case = 36;  // rows of cells overlap by their frames

}  // namespace

TNMultF::TNMultF(QWidget* parent)
    : TExerciceForm(Description_NMult(), std::make_unique<Nmult::Sujet>(), Exercice::Memoire_Enonces(), parent) {
    Fin_Constructeur();
}

void TNMultF::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    const QFont police = Police_Question();
    colonne_ = QFontMetrics(police).horizontalAdvance(QStringLiteral("0"));

    // The question panel holds the whole operation.
    Panel1->setGeometry(8, 8, width() - 16, 292);
    l_niv->move(Panel1->width() - 48, 6);

    Memo1 = Edit1;
    Memo2 = new TEntree(Panel1);
    Memo3 = new TEntree(Panel1);
    Memo4 = new TEntree(Panel1);
    const int largeur = Largeur_Entree(static_cast<int>(Nmult::Sujet::Chiffres_Max));
    for (TEntree* m : Entrees()) {
        m->setFont(police);
        m->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m->setMaxLength(static_cast<int>(Nmult::Sujet::Chiffres_Max));
        m->setDroiteAGauche(true);
        m->setFixedSize(largeur, Hauteur_Case);
    }
    for (int i = 1; i < Nmult::Sujet::Cellules_Resultat; ++i) Branche(Entrees()[static_cast<std::size_t>(i)], i);

    // The units column: its right edge is where a right-aligned cell ends its text.
    droite_ = 250;
    const int retrait = Colonnes_Fenetre::Retrait_Texte(Memo2);
    auto place_nombre = [&](QLabel* l, int y) {
        l->setParent(Panel1);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setGeometry(droite_ - retrait - 6 * colonne_, y, 6 * colonne_, 32);
    };
    L_B = Etiquette_Question();
    place_nombre(L_B, 30);
    L_A = Etiquette_Question();
    place_nombre(L_A, 62);
    L_S1 = Etiquette_Question(QStringLiteral("x"));
    L_S1->setParent(Panel1);
    L_S1->setGeometry(droite_ - largeur - 2 * colonne_ - 10, 62, 2 * colonne_, 32);

    Figure1 = Colonnes_Fenetre::Regle(Panel1, false, largeur + 2 * colonne_);
    Figure1->move(droite_ - largeur - 2 * colonne_, 94);
    Figure2 = Colonnes_Fenetre::Regle(Panel1, false, largeur + 2 * colonne_);
    Memo2->move(droite_ - largeur, 112);
    Memo3->move(droite_ - largeur - colonne_, 112 + Pas_Case);
    Memo4->move(droite_ - largeur - 2 * colonne_, 112 + 2 * Pas_Case);

    // Scratch cells, four rows of four at the right of the panel.
    const int cote = Largeur_Entree(1);
    for (std::size_t i = 0; i < E.size(); ++i) {
        E[i] = Colonnes_Fenetre::Case_Brouillon(Panel1, cote);
        E[i]->move(Panel1->width() - 24 - 4 * (cote + 6) + static_cast<int>(i % 4) * (cote + 6),
                   70 + static_cast<int>(i / 4) * (cote + 8));
        Branche_Brouillon(E[i], Nmult::Sujet::Cellules_Resultat + static_cast<int>(i));
    }

    // Below the question: the verdict, the glyph and the buttons.
    const int y = Panel1->geometry().bottom() + 10;
    WinPanel1->setGeometry(16, y, 319, 232);
    LRep1->setGeometry(6, 24, 307, 22);
    const QFont fixe = Colonnes_Fenetre::Police_Fixe();
    const int pas = QFontMetrics(fixe).height();
    for (std::size_t i = 0; i < L.size(); ++i) {
        L[i] = new QLabel(WinPanel1);
        L[i]->setFont(fixe);
        L[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        L[i]->setGeometry(60, 48 + static_cast<int>(i) * pas, 150, pas);
    }
    Colonnes_Fenetre::Range_Boutons(*this, y);
}

std::vector<TEntree*> TNMultF::Entrees_Requises() const {
    switch (Sujet().Niveau()) {
    case 1: return {Memo1};
    case 2: return {Memo2, Memo3, Memo1};
    default: return {Memo2, Memo3, Memo4, Memo1};
    }
}

TEntree* TNMultF::Premiere_Entree() const { return Sujet().Niveau() == 1 ? Memo1 : Memo2; }

void TNMultF::Affiche_Question() {
    const Nmult::Sujet& s = Sujet();
    L_B->setText(QString::number(s.M()));
    L_A->setText(QString::number(s.D()));
    const int n = s.Partiels();
    Memo2->setVisible(n >= 1);
    Memo3->setVisible(n >= 2);
    Memo4->setVisible(n >= 3);
    Figure2->setVisible(n > 0);
    const int largeur = Memo1->width();
    // The last partial product's row, then the second rule, then the product.
    const int bas = n == 0 ? 112 : 112 + n * Pas_Case + 2;
    if (n > 0) Figure2->move(droite_ - largeur - 2 * colonne_, bas);
    Memo1->move(droite_ - largeur, n == 0 ? 112 : bas + 18);
    LRep1->clear();
    for (QLabel* l : L) l->clear();
}

void TNMultF::Montre_Correction(const Exercice::Verdict& v) {
    LRep1->setText(QString::fromStdString(v.entete));
    const auto lignes = Sujet().Lignes_Correction();
    for (std::size_t i = 0; i < L.size(); ++i) L[i]->setText(QString::fromStdString(lignes[i]));
}
