#include "topics/natural/Unmultip.hpp"

#include "topics/natural/Ensemble.hpp"

namespace {
TExerciceForm::Description Description_NMultip() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Ensemble des MULTIPLES d'un nombre entier naturel");
    d.aide = 120;
    d.niveaux = 4;
    d.client = QSize(760, 330);
    d.consigne = QStringLiteral("Compléter (10 premiers multiples dans l'ORDRE CROISSANT)");
    return d;
}
}  // namespace

TNMultipF::TNMultipF(QWidget* parent)
    : TExerciceForm(Description_NMultip(), std::make_unique<Divisibilite::Multiples>(), Exercice::Memoire_Enonces(), parent) {
    Fin_Constructeur();
}

void TNMultipF::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    const Ensemble::Grille g = Ensemble::Dispose(*this, Divisibilite::Multiples::Cases, 5, 6, QStringLiteral(",...}"), 40);
    Label2 = g.nom;
    for (std::size_t k = 0; k < Edit.size(); ++k) {
        Edit[k] = g.cases[k];
        if (k > 0) Branche(Edit[k], static_cast<int>(k));
    }
    Ensemble::Agrandit(*this, g.bas + 12, QSize(440, 110));
    // The set is written on two lines of one size.
    LRep1->setFont(LRep2->font());
}

void TNMultipF::Affiche_Question() { Label2->setText(QStringLiteral("M(%1) = {").arg(Sujet().N())); }

void TNMultipF::Montre_Correction(const Exercice::Verdict& v) {
    LRep1->setText(QString::fromStdString(v.entete));
    LRep2->setText(QString::fromStdString(v.correction));
}
