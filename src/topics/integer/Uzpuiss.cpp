#include "topics/integer/Uzpuiss.hpp"

#include <QHBoxLayout>

namespace {
TExerciceForm::Description Description_Zpuiss() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Puissance des nombres entiers relatifs");
    d.aide = 235;
    d.niveaux = 3;
    d.consigne = QStringLiteral("Calculer (sans machine)");
    d.dessin_riche = QColor(255, 176, 180);
    d.panneau_riche = QColor(0, 69, 109);
    return d;
}
}  // namespace

TZpuissF::TZpuissF(QWidget* parent)
    : TExerciceForm(Description_Zpuiss(), std::make_unique<Zpuiss::Sujet>(), Exercice::Memoire_Enonces(), parent) {
    Fin_Constructeur();
}

void TZpuissF::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    L_A = Etiquette_Question();
    L_n = new QLabel;
    QFont petite = Police_Question();
    petite.setPixelSize(15);
    L_n->setFont(petite);
    // The base and its exponent travel together in the question line: the
    // base on the line of the "=" and the entry, the exponent raised.
    auto* puissance = new QWidget;
    auto* lay = new QHBoxLayout(puissance);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(1);
    lay->addWidget(L_A, 0, Qt::AlignVCenter);
    lay->addWidget(L_n, 0, Qt::AlignTop);
    puissance->setFixedHeight(36);
    Label2 = Etiquette_Question(QStringLiteral("="));
    Edit1->setMaxLength(12);
    Edit1->setFixedWidth(Largeur_Entree(12));
    Place_Question({puissance, Label2, Edit1});
}

void TZpuissF::Affiche_Question() {
    const Zpuiss::Sujet& s = Sujet();
    Change_Consigne(QString::fromStdString(s.Consigne()));
    L_A->setText(QString::fromStdString(s.Base()));
    L_n->setText(QString::number(s.N()));
}
