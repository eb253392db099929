#include "topics/decimal/Udins.hpp"

#include "topics/natural/Ensemble.hpp"

namespace {

TExerciceForm::Description Description_Dins() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Insertion de nombres entre 2 décimaux");
    d.aide = 520;
    d.niveaux = 4;
    d.client = QSize(740, 412);
    d.consigne = QStringLiteral("Insérer 3 nombres différents strictement compris entre : ");
    d.fond_riche = QColor(208, 208, 208);
    d.panneau_riche = QColor(132, 158, 134);
    d.dessin_riche = QColor(255, 186, 53);
    return d;
}

QFont Police_Nombres() {
    QFont f = TExerciceForm::Police_Question();
    f.setPixelSize(19);
    return f;
}

}  // namespace

TDinsForm::TDinsForm(QWidget* parent)
    : TExerciceForm(Description_Dins(), std::make_unique<Dins::Sujet>(), Exercice::Memoire_Enonces(), parent) {
    Fin_Constructeur();
}

void TDinsForm::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    Ensemble::Agrandit(*this, 200, QSize(440, 154));
    const QFont police = Police_Nombres();
    Label2 = new QLabel(Panel1);
    Label2->setFont(Police_Question());
    Label2->setAlignment(Qt::AlignCenter);
    Label2->setGeometry(8, 30, Panel1->width() - 16, 34);
    const int largeur = QFontMetrics(police).horizontalAdvance(QStringLiteral("0000000")) + 16;
    const int pas = largeur + 14;
    const int x0 = (Panel1->width() - 5 * pas + 14) / 2;
    for (int k = 0; k < 15; ++k) {
        TEntree* e = k == 0 ? Edit1 : new TEntree(Panel1);
        e->setParent(Panel1);
        e->setFont(police);
        e->setMaxLength(7);
        e->setFixedSize(largeur, 34);
        e->move(x0 + (k % 5) * pas, 72 + (k / 5) * 40);
        if (k > 0) Branche(e, k - 1);
        Montre_Des_Le_Niveau(e, k / 5 + 1);
        Edit[k] = e;
    }
    // The caption in a band under the title, the examples below it.
    QFont fc = WinPanel1->font();
    fc.setPixelSize(16);
    fc.setBold(true);
    WinPanel1->setCaptionFont(fc);
    const int l = WinPanel1->width() - 12;
    WinPanel1->setZoneCaption(QRect(6, 18, l, 28));
    QFont fr = LRep1->font();
    fr.setPixelSize(15);
    fr.setBold(false);
    LRep3 = new QLabel(WinPanel1);
    for (QLabel* r : {LRep1, LRep2, LRep3}) {
        r->setFont(fr);
        r->setAlignment(Qt::AlignCenter);
        r->setWordWrap(true);
    }
    LRep1->setGeometry(6, 48, l, 44);
    LRep2->setGeometry(6, 94, l, 24);
    LRep3->setGeometry(6, 120, l, 24);
}

std::vector<TEntree*> TDinsForm::Entrees() const {
    return std::vector<TEntree*>(Edit.begin() + 1, Edit.begin() + 1 + Dins::Nombres(Sujet().Niveau()));
}

void TDinsForm::Affiche_Question() {
    const Dins::Sujet& s = Sujet();
    Change_Consigne(QString::fromStdString(s.Consigne()));
    Label2->setText(QString::fromStdString(s.Enonce()));
    LRep3->clear();
}

void TDinsForm::Apres_Question() {
    // The bounds, given: the first box and the one after the pupil's.
    const Dins::Sujet& s = Sujet();
    TEntree* haut = Edit[s.N() + 1];
    Edit[0]->setText(QString::fromStdString(s.Texte_A()));
    haut->setText(QString::fromStdString(s.Texte_B()));
    for (TEntree* e : {Edit[0], haut}) e->setEnabled(false);
}

void TDinsForm::Montre_Correction(const Exercice::Verdict&) {
    const Dins::Sujet& s = Sujet();
    LRep1->setText(QString::fromStdString(s.Exemples1()));
    LRep2->setText(QString::fromStdString(s.Exemples2()));
    LRep3->setText(QString::fromStdString(s.Exemples3()));
}
