#include "topics/algebra/Fenetre_Suite.hpp"

namespace {

constexpr int Haut_Panel = 150;
constexpr int Ligne_Donnees = 62;   // middle of the line of the given terms
constexpr int Ligne_Reponse = 114;  // middle of the answer line

QFont Police_Ligne(int pixels) {
    QFont f = TExerciceForm::Police_Question();
    f.setPixelSize(pixels);
    return f;
}

void Montre_Indice(TIndice* i, const Suites::Indice& v) {
    i->setUnite(QString::fromStdString(v.lettre));
    i->setIndice(QString::fromStdString(v.indice));
    i->resize(i->Largeur_Voulue(), i->height());
}

TIndice* Nouvel_Indice(QWidget* parent, const QString& nom, int hauteur, bool blanc) {
    auto* i = new TIndice(parent);
    i->setObjectName(nom);
    QFont f = i->font();
    f.setBold(true);
    i->setFont(f);
    if (blanc) i->setCouleur_Police(Qt::white);
    i->resize(i->width(), hauteur);
    return i;
}

}  // namespace

TFenetre_Suite::TFenetre_Suite(const Description& d, std::unique_ptr<Suites::Sujet> sujet, int longueur,
                               QWidget* parent)
    : TExerciceForm(d, std::move(sujet), Exercice::Memoire_Enonces(), parent), longueur_(longueur) {}

void TFenetre_Suite::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    const int W = width();
    Panel1->setGeometry(8, 8, W - 16, Haut_Panel);
    l_niv->move(Panel1->width() - 48, 6);
    QFont f1 = Label1->font();
    f1.setPixelSize(19);
    Label1->setFont(f1);
    Label1->adjustSize();

    Indice1 = Nouvel_Indice(Panel1, QStringLiteral("Indice1"), 36, true);
    Indice12 = Nouvel_Indice(Panel1, QStringLiteral("Indice12"), 36, true);
    Indice2 = Nouvel_Indice(Panel1, QStringLiteral("Indice2"), 40, true);
    for (QLabel** l : {&Label2, &Label21, &Legal}) {
        *l = new QLabel(Panel1);
        (*l)->setFont(Police_Ligne(19));
    }
    Label2->setObjectName(QStringLiteral("Label2"));
    Label21->setObjectName(QStringLiteral("Label21"));
    Legal->setObjectName(QStringLiteral("Legal"));
    Legal->setFont(Police_Question());
    Ecrit(Legal, "=");
    Edit1->setMaxLength(longueur_);
    Edit1->setFixedSize(Largeur_Entree(longueur_), 38);

    // The verdict under the question, two lines and the derivation's panel.
    const int y = Haut_Panel + 18;
    WinPanel1->setGeometry(16, y, W - 282 - 24, 134);
    LRep1->setFont(Police_Ligne(17));
    LRep2->setFont(Police_Ligne(17));
    LRep1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    LRep2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    IndiceRep1 = Nouvel_Indice(WinPanel1, QStringLiteral("IndiceRep1"), Haut_Indice, false);
    IndiceRep2 = Nouvel_Indice(WinPanel1, QStringLiteral("IndiceRep2"), Haut_Indice, false);
    IndiceRep2->setUnite(QStringLiteral("S"));
    Psup = new QFrame(WinPanel1);
    Psup->setObjectName(QStringLiteral("Psup"));
    QPalette blanc = Psup->palette();
    blanc.setColor(QPalette::Window, Qt::white);
    Psup->setPalette(blanc);
    Psup->setAutoFillBackground(true);
    Psup->hide();
    Cadre_Dessin->move(W - 282, y);
    BBConf->move(W - 152, y);
    BBCont->move(W - 152, y + 44);
    BBScore->move(W - 152, y + 90);
    BBAide->move(W - 80, y + 90);
}

QLabel* TFenetre_Suite::Ligne_Correction(QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setFont(Police_Ligne(15));
    return l;
}

void TFenetre_Suite::Ecrit(QLabel* l, const std::string& texte) {
    l->setText(QString::fromStdString(texte));
    l->resize(l->sizeHint());
}

int TFenetre_Suite::Aligne(const std::vector<QWidget*>& elements, int x, int y) {
    for (QWidget* w : elements) {
        if (w->isHidden()) continue;
        w->move(x, y - w->height() / 2);
        x += w->width();
    }
    return x;
}

void TFenetre_Suite::Affiche_Question() {
    const Suites::Enonce& e = Question();
    Change_Consigne(QString::fromStdString(e.Label1));
    Montre_Indice(Indice1, e.Indice1);
    Ecrit(Label2, e.Label2);
    Indice12->setVisible(e.deux_termes);
    Label21->setVisible(e.deux_termes);
    Montre_Indice(Indice12, e.Indice12);
    Ecrit(Label21, e.Label21);
    const int x = Aligne({Indice1, Label2}, 24, Ligne_Donnees);
    Aligne({Indice12, Label21}, x + 28, Ligne_Donnees);
    Montre_Indice(Indice2, e.Indice2);
    const int fin = Panel1->width() - 16;
    Aligne({Indice2, Legal}, fin - Edit1->width() - 8 - Legal->width() - Indice2->width(), Ligne_Reponse);
    Edit1->move(fin - Edit1->width(), Ligne_Reponse - Edit1->height() / 2);
}

void TFenetre_Suite::Apres_Question() {
    // The correction, ready for a wrong answer (once the base has emptied
    // LRep1 and LRep2 for the new question).
    const Suites::Enonce& e = Question();
    for (QWidget* w : Correction()) w->show();
    Montre_Indice(IndiceRep1, {"U", e.IndiceRep1});
    Ecrit(LRep1, e.LRep1);
    IndiceRep2->setIndice(QString::fromStdString(e.IndiceRep2_Indice));
    IndiceRep2->resize(IndiceRep2->Largeur_Voulue(), IndiceRep2->height());
    IndiceRep2->setVisible(e.IndiceRep2);
    Ecrit(LRep2, e.LRep2);
    Remplit_Psup(e);
    Psup->setVisible(e.Psup);
    std::vector<QWidget*> ligne1{IndiceRep1, LRep1};
    for (QWidget* w : Suite_Ligne1()) ligne1.push_back(w);
    Aligne(ligne1, 10, Ligne1);
    // Without the sum's index the second line's "=" stands under the first's.
    Aligne({IndiceRep2, LRep2}, e.IndiceRep2 ? 10 : 10 + IndiceRep1->width(), Ligne2);
}

std::vector<QWidget*> TFenetre_Suite::Correction() const { return {IndiceRep1, LRep1, IndiceRep2, LRep2, Psup}; }

void TFenetre_Suite::Montre_Correction(const Exercice::Verdict&) {}

void TFenetre_Suite::Montre_Juste(const Exercice::Verdict&) {
    for (QWidget* w : Correction()) w->hide();
}
