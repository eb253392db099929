#include "topics/fraction/Uqmelang.hpp"

namespace {
TExerciceForm::Description Design_Melange() {
    auto d = TFenetreFraction::Design(QStringLiteral("Opérations variées sur les fractions"), 370,
                                      QStringLiteral("Calculer et simplifier au maximum"));
    d.fond_riche = QColor(231, 239, 229);
    d.dessin_riche = QColor(255, 109, 77);
    d.panneau_riche = QColor(0, 111, 71);
    return d;
}
}  // namespace

TQMelangF::TQMelangF(QWidget* parent)
    : TFenetre_Operation(Design_Melange(), std::make_unique<Qmelang::Sujet>(), parent, QString(), true) {
    Fin_Constructeur();
}

void TQMelangF::Construit_Enfants() {
    TFenetre_Operation::Construit_Enfants();
    Correction = new TPanneau_Somme(this, Zone_Correction, true);
    Correction->setGeometry(4, 4, Zone_Correction->width() - 8, Zone_Correction->height() - 8);
}

void TQMelangF::Montre_Question() {
    const Qmelang::Sujet& s = Sujet();
    const auto op = s.Operateurs();
    LS1->setText(QString::fromStdString(op[0]));
    LS2->setText(QString::fromStdString(op[1]));
    Montre_Fractions(s.Question(), s.Nombre());
}

void TQMelangF::Dessine_Correction() { Correction->Montre(Sujet().Corrige()); }
