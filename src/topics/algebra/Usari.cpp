#include "topics/algebra/Usari.hpp"

#include <algorithm>

namespace {

TExerciceForm::Description Description_Sari() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Suites arithmétiques");
    d.aide = 470;
    d.niveaux = 4;
    d.client = QSize(880, 334);
    d.consigne = QStringLiteral("Dans une suite arithmétique");
    return d;
}

constexpr int Pas_Ligne = 21;

}  // namespace

TSariForm::TSariForm(QWidget* parent) : TFenetre_Suite(Description_Sari(), std::make_unique<Sari::Sujet>(), 9, parent) {
    Fin_Constructeur();
}

void TSariForm::Construit_Enfants() {
    TFenetre_Suite::Construit_Enfants();
    // Over the other lines of the correction.
    Psup->setGeometry(2, 20, WinPanel1->width() - 4, WinPanel1->height() - 22);
    const std::array<std::pair<QLabel**, const char*>, 7> lignes{{{&L11, "L11"}, {&L12, "L12"}, {&L21, "L21"},
                                                                  {&L22, "L22"}, {&L32, "L32"}, {&L42, "L42"},
                                                                  {&L51, "L51"}}};
    for (auto [l, nom] : lignes) {
        *l = Ligne_Correction(Psup);
        (*l)->setObjectName(QLatin1String(nom));
    }
}

void TSariForm::Remplit_Psup(const Suites::Enonce& e) {
    const std::array<QLabel*, 7> labels{L11, L12, L21, L22, L32, L42, L51};
    for (std::size_t i = 0; i < labels.size(); ++i) Ecrit(labels[i], e.Lignes[i]);
    if (!e.Psup) return;
    // The derivation stands alone: the lines it covers are not shown.
    for (QWidget* w : {static_cast<QWidget*>(IndiceRep1), static_cast<QWidget*>(LRep1), static_cast<QWidget*>(LRep2)})
        w->hide();
    // Two columns: what is written of each term, then how the two are
    // subtracted under a rule, and r.
    const int x1 = 8;
    const int x2 = x1 + std::max(L11->width(), L21->width()) + 30;
    const int y = 4;
    L11->move(x1, y);
    L12->move(x2, y);
    L21->move(x1, y + Pas_Ligne);
    L22->move(x2, y + Pas_Ligne);
    L32->move(x2, y + 2 * Pas_Ligne);
    L42->move(x2, y + 3 * Pas_Ligne);
    L51->move(x1, y + 4 * Pas_Ligne);
}
