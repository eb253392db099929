#include "topics/decimal/Udrange.hpp"

#include "topics/natural/Ensemble.hpp"

namespace {

TExerciceForm::Description Description_DRange() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Rangement de nombres décimaux");
    d.aide = 510;
    d.niveaux = 4;
    d.client = QSize(700, 396);
    d.consigne = QStringLiteral("Ranger dans l'ordre croissant : ");
    d.fond_riche = QColor(239, 239, 239);
    d.panneau_riche = QColor(128, 73, 34);
    d.dessin_riche = QColor(255, 190, 219);
    return d;
}

QFont Police_Nombres() {
    QFont f = TExerciceForm::Police_Question();
    f.setPixelSize(19);
    return f;
}

// From which level on each entry is shown.
constexpr std::array<int, 10> Niveau_Entree{1, 1, 1, 2, 2, 3, 3, 4, 4, 4};

}  // namespace

TDRangFrm::TDRangFrm(QWidget* parent)
    : TExerciceForm(Description_DRange(), std::make_unique<Drange::Sujet>(), Exercice::Memoire_Enonces(), parent) {
    Fin_Constructeur();
}

void TDRangFrm::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    Ensemble::Agrandit(*this, 184, QSize(390, 112));
    const QFont police = Police_Nombres();
    Label2 = new QLabel(Panel1);
    Label21 = new QLabel(Panel1);
    int y = 34;
    for (QLabel* l : {Label2, Label21}) {
        l->setFont(police);
        l->setAlignment(Qt::AlignCenter);
        l->setGeometry(8, y, Panel1->width() - 16, 30);
        y += 32;
    }
    const int largeur = QFontMetrics(police).horizontalAdvance(QStringLiteral("0000000")) + 16;
    const int pas = largeur + 14;
    const int x0 = (Panel1->width() - 5 * pas + 14) / 2;
    for (int k = 0; k < 10; ++k) {
        TEntree* e = k == 0 ? Edit1 : new TEntree(Panel1);
        e->setParent(Panel1);
        e->setFont(police);
        e->setMaxLength(7);
        e->setFixedSize(largeur, 34);
        e->move(x0 + (k % 5) * pas, 102 + (k / 5) * 40);
        e->setToolTip(k == 0 ? QStringLiteral("1 er nombre") : QStringLiteral("%1 ème nombre").arg(k + 1));
        if (k > 0) Branche(e, k);
        Montre_Des_Le_Niveau(e, Niveau_Entree[k]);
        Edit[k] = e;
    }
    QFont f = LRep1->font();
    f.setPixelSize(16);
    f.setBold(true);
    for (QLabel* l : {LRep1, LRep2}) l->setFont(f);
    LRep1->setGeometry(6, 30, WinPanel1->width() - 12, 30);
    LRep2->setGeometry(6, 66, WinPanel1->width() - 12, 30);
}

std::vector<TEntree*> TDRangFrm::Entrees() const {
    return std::vector<TEntree*>(Edit.begin(), Edit.begin() + Drange::Nombres(Sujet().Niveau()));
}

void TDRangFrm::Affiche_Question() {
    const Drange::Sujet& s = Sujet();
    Change_Consigne(QString::fromStdString(s.Consigne()));
    Label2->setText(QString::fromStdString(s.Ligne1()));
    Label21->setText(QString::fromStdString(s.Ligne2()));
}

void TDRangFrm::Montre_Correction(const Exercice::Verdict&) {
    LRep1->setText(QString::fromStdString(Sujet().Correction1()));
    LRep2->setText(QString::fromStdString(Sujet().Correction2()));
}
