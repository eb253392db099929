#include "topics/natural/Undivis.hpp"

#include "topics/natural/Ensemble.hpp"

namespace {
TExerciceForm::Description Description_NDivis() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Ensemble des DIVISEURS d'un nombre entier naturel");
    d.aide = 130;
    d.niveaux = 4;
    d.client = QSize(960, 372);
    d.consigne = QStringLiteral(
        "Ecrire TOUS les diviseurs (dans l'ORDRE CROISSANT), en laissant éventuellement des vides  à la fin");
    return d;
}
}  // namespace

TNDivisF::TNDivisF(QWidget* parent)
    : TExerciceForm(Description_NDivis(), std::make_unique<Divisibilite::Diviseurs>(), Exercice::Memoire_Enonces(), parent) {
    Fin_Constructeur();
}

void TNDivisF::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    const Ensemble::Grille g = Ensemble::Dispose(*this, Divisibilite::Diviseurs::Cases, 8, 5, QStringLiteral("}"), 40);
    Label2 = g.nom;
    for (std::size_t k = 0; k < Edit.size(); ++k) {
        Edit[k] = g.cases[k];
        if (k > 0) Branche(Edit[k], static_cast<int>(k));
    }
    Ensemble::Agrandit(*this, g.bas + 12, QSize(420, 122));
    // One line per eight divisors, over the whole panel.
    LRep1->setFont(LRep2->font());
    LRep1->setWordWrap(true);
    LRep1->setGeometry(6, 20, WinPanel1->width() - 12, WinPanel1->height() - 24);
    LRep2->hide();
}

void TNDivisF::Affiche_Question() { Label2->setText(QStringLiteral("D(%1) = {").arg(Sujet().N())); }

void TNDivisF::Montre_Correction(const Exercice::Verdict& v) { LRep1->setText(QString::fromStdString(v.correction)); }
