#include "topics/natural/Udecomp.hpp"

#include <QListWidget>

#include <algorithm>

#include "controls/SpinEdit.hpp"
#include "platform/Polices.hpp"

namespace {

constexpr int Largeur_Fenetre = 800;

TExerciceForm::Description Description_Decomp() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Décomposition en produit de facteurs premiers");
    d.aide = 160;
    d.niveaux = 4;
    d.client = QSize(Largeur_Fenetre, 362);
    d.consigne = QStringLiteral("Décomposer (facteurs premiers dans l'ORDRE CROISSANT, avec éventuellement des vides à la fin)");
    return d;
}

// The correction's lines in a fixed-pitch font: the exponents 7/9 of the
// factors' size, so that each stands just after its factor.
QFont Police_Fixe(int pixels) {
    QFont f = Plateforme::Police_Courier(10);
    f.setPixelSize(pixels);
    f.setBold(true);
    return f;
}

}  // namespace

TDecompf::TDecompf(QWidget* parent)
    : TExerciceForm(Description_Decomp(), std::make_unique<Divisibilite::Decomposition>(), Exercice::Memoire_Enonces(),
                    parent) {
    Fin_Constructeur();
}

void TDecompf::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    const int W = width();
    QFont consigne = Label1->font();
    consigne.setPixelSize(13);
    Label1->setFont(consigne);
    Label1->adjustSize();
    Panel1->setFixedHeight(150);
    Panel1->setGeometry(8, 8, W - 16, 150);
    l_niv->move(Panel1->width() - 48, 24);

    Label2 = Etiquette_Question();
    Label2->setParent(Panel1);
    const int largeur = Largeur_Entree(5);
    const int pas = largeur + 28;
    const int x0 = 134;
    const int y = 84;
    Label2->setGeometry(8, y, x0 - 12, 40);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Edit[0] = Edit1;
    for (std::size_t k = 0; k < Edit.size(); ++k) {
        if (k > 0) {
            Edit[k] = new TEntree(Panel1);
            Branche(Edit[k], static_cast<int>(k));
            Fois[k - 1] = Etiquette_Question(QStringLiteral("x"));
            Fois[k - 1]->setParent(Panel1);
            Fois[k - 1]->setGeometry(x0 + static_cast<int>(k) * pas - 25, y, 22, 40);
            Fois[k - 1]->setAlignment(Qt::AlignCenter);
        }
        TEntree* e = Edit[k];
        e->setFont(Police_Question());
        e->setMaxLength(5);
        e->setFixedSize(largeur, 40);
        e->move(x0 + static_cast<int>(k) * pas, y);
        e->setCouleurs(QColor(255, 255, 128), QColor(0, 255, 0));
        SpinEdit[k] = new TSpinEdit(Panel1);
        SpinEdit[k]->setRange(1, 99);
        // Over the right end of its factor, inside the panel for the last one too.
        SpinEdit[k]->setGeometry(std::min(x0 + static_cast<int>(k) * pas + largeur - 30, Panel1->width() - 62), y - 30, 54, 26);
        SpinEdit[k]->setToolTip(QStringLiteral("cliquer pour faire varier son exposant"));
        Ajoute_Brouillon(SpinEdit[k]);
    }
    Edit[0]->setToolTip(QStringLiteral("premier facteur premier ou nombre lui-même s'il est premier"));
    Edit[1]->setToolTip(QStringLiteral("deuxième facteur premier"));
    Edit[2]->setToolTip(QStringLiteral("etc"));
    SpinEdit[2]->setToolTip(QStringLiteral("etc"));

    // The verdict under the question, wide enough for five factors.
    WinPanel1->setGeometry(16, 168, 450, 110);
    LRep1->setGeometry(8, 30, 434, 26);
    LRep2->setGeometry(8, 56, 434, 40);
    Cadre_Dessin->move(W - 282, 166);
    BBConf->move(W - 152, 166);
    BBCont->move(W - 152, 208);
    BBScore->move(W - 152, 250);
    BBAide->move(W - 80, 250);

    BitBtn1 = new QPushButton(QStringLiteral("&Table"), this);
    BitBtn1->setToolTip(QStringLiteral("Table des nombres premiers"));
    BitBtn1->setGeometry(W - 282, 282, 112, 30);
    connect(BitBtn1, &QPushButton::clicked, this, &TDecompf::BitBtn1Click);

    WinPanel2 = new TWinPanel(this);
    WinPanel2->setTitre(QStringLiteral("Table des nombres premiers"));
    WinPanel2->setCoulTitre(QColor(0, 255, 255));
    WinPanel2->setCoulFondTitre(Qt::blue);
    WinPanel2->setPosTitre(Qt::AlignHCenter);
    WinPanel2->setGeometry(16, 60, 450, 266);
    ListBox1 = new QListWidget(WinPanel2);
    ListBox1->setFont(Police_Fixe(13));
    ListBox1->setUniformItemSizes(true);
    ListBox1->setGeometry(2, 18, 446, 246);
    for (const std::string& l : Divisibilite::Table_Premiers()) ListBox1->addItem(QString::fromStdString(l));
    connect(WinPanel2->BoutonFermer(), &QPushButton::clicked, WinPanel2, &QWidget::hide);
    WinPanel2->hide();
}

std::vector<std::string> TDecompf::Reponses() const {
    std::vector<std::string> r;
    for (TEntree* e : Edit) r.push_back(e->text().toStdString());
    for (TSpinEdit* s : SpinEdit) r.push_back(std::to_string(s->value()));
    return r;
}

void TDecompf::Affiche_Question() {
    Label2->setText(QString::number(Sujet().N()) + QStringLiteral(" = "));
    for (TSpinEdit* s : SpinEdit) s->setValue(1);
    WinPanel2->hide();
}

void TDecompf::Montre_Correction(const Exercice::Verdict& v) {
    const QFont facteurs = Police_Fixe(18);
    const QFont exposants = Police_Fixe(14);
    for (auto [l, f, texte] : {std::tuple{LRep1, exposants, v.entete}, std::tuple{LRep2, facteurs, v.correction}}) {
        l->setFont(f);
        l->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        l->setText(QString::fromStdString(texte));
    }
}

void TDecompf::BitBtn1Click() {
    WinPanel2->setVisible(!WinPanel2->isVisible());
    if (WinPanel2->isVisible()) WinPanel2->raise();
}

void TDecompf::hideEvent(QHideEvent* e) {
    WinPanel2->hide();
    TExerciceForm::hideEvent(e);
}
