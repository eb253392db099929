#include "topics/natural/Unpuiss.hpp"

#include <QHBoxLayout>

#include "controls/SpinEdit.hpp"
#include "framework/logic/Commune.hpp"
#include "topics/fraction/Case_Fraction.hpp"

namespace {

TExerciceForm::Description Description_NPuiss() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Puissances des nombres entiers naturels");
    d.aide = 150;
    d.niveaux = 4;
    d.consigne = QStringLiteral("Compléter");
    d.fond_riche = QColor(255, 235, 235);
    d.dessin_riche = QColor(227, 63, 22);
    return d;
}

QString Q(int64_t v) { return QString::number(v); }

}  // namespace

TNPuissF::TNPuissF(QWidget* parent)
    : TExerciceForm(Description_NPuiss(), std::make_unique<Npuiss::Sujet>(), Exercice::Memoire_Enonces(), parent) {
    Fin_Constructeur();
}

void TNPuissF::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    Unite2 = new TCase_Unite(nullptr, 40);
    Unite1 = new TCase_Unite(nullptr, 40);
    Label2 = Etiquette_Question(QStringLiteral("="));
    QFont f = Police_Question();
    f.setPixelSize(27);
    Edit1->setFont(f);
    Edit1->setFixedSize(Largeur_Entree(9), 38);
    // The exponent stands raised after the number.
    auto* haut = new QWidget;
    haut->setFixedSize(58, 44);
    SpinEdit1 = new TSpinEdit(haut);
    SpinEdit1->setGeometry(0, 0, 56, 24);
    SpinEdit1->setMaximum(99);
    Ajoute_Brouillon(SpinEdit1);
    connect(SpinEdit1, &QSpinBox::valueChanged, this, [this] {
        exposant_change_ = true;
        Edit1Change();
    });
    Place_Question({Unite2, Unite1, Label2, Edit1, haut});

    RepUnite0 = new TCase_Unite(WinPanel1, 40);
    repUnite1 = new TCase_Unite(WinPanel1, 40);
    for (TCase_Unite* u : {RepUnite0, repUnite1}) u->hide();
}

void TNPuissF::Affiche_Question() {
    const Npuiss::Sujet& s = Sujet();
    Unite1->setToolTip(QString());
    switch (s.Niveau()) {
    case 1:
    case 2:
        Unite1->setTextes(Q(s.N()), Q(s.E()));
        break;
    case 3:
        if (s.Regle_Posee() == Npuiss::Regle::Produit) {
            Unite2->setTextes(Q(s.N()), s.Q() == 1 ? QString() : Q(s.Q()));
            Unite1->setTextes(QStringLiteral("x ") + Q(s.N()), s.E() == 1 ? QString() : Q(s.E()));
        } else {
            Unite2->setTextes(QStringLiteral("(") + Q(s.N()), Q(s.E()));
            Unite1->setTextes(QStringLiteral(")"), Q(s.Q()));
        }
        break;
    default:
        Unite1->setTextes(QString::fromStdString(Commune::Groupe_Chiffres(std::to_string(s.Valeur()))), QString());
        if (s.Valeur() > 100 && s.N() != 10)
            Unite1->setToolTip(QStringLiteral("penser à décomposer en produit de facteurs premiers"));
        break;
    }
    Unite2->setVisible(s.Niveau() == 3);
    SpinEdit1->parentWidget()->setVisible(s.Niveau() >= 3);
    for (TCase_Unite* u : {RepUnite0, repUnite1}) u->hide();
}

void TNPuissF::Apres_Question() {
    const Npuiss::Sujet& s = Sujet();
    Edit1->setToolTip(QString());
    Edit1->setMaxLength(8);
    if (s.Niveau() == 3) {
        // The base is given: only the exponent is asked.
        Edit1->setMaxLength(1);
        Edit1->setText(Q(s.N()));
        Edit1->setEnabled(false);
        Edit1->setToolTip(QStringLiteral("nombre"));
        SpinEdit1->setToolTip(QStringLiteral("son exposant"));
        SpinEdit1->setMinimum(1);
        SpinEdit1->setValue(1);
        SpinEdit1->setFocus();
    } else if (s.Niveau() == 4) {
        Edit1->setToolTip(QStringLiteral("nombre à trouver"));
        SpinEdit1->setToolTip(QStringLiteral("son exposant (> 1)"));
        SpinEdit1->setMinimum(2);
        SpinEdit1->setValue(2);
    }
    exposant_change_ = false;
}

bool TNPuissF::Reponse_Complete() const {
    // At level 3 the pupil must move the exponent at least once.
    if (Sujet().Niveau() == 3) return exposant_change_;
    return !Edit1->text().isEmpty();
}

std::vector<TEntree*> TNPuissF::Entrees_Requises() const {
    if (Sujet().Niveau() == 3) return {};
    return {Edit1};
}

std::vector<std::string> TNPuissF::Reponses() const {
    return {Edit1->text().toStdString(), std::to_string(SpinEdit1->value())};
}

void TNPuissF::Montre_Correction(const Exercice::Verdict& v) {
    const Npuiss::Sujet& s = Sujet();
    if (s.Niveau() <= 2) {
        TExerciceForm::Montre_Correction(v);
        return;
    }
    LRep1->setText(QString::fromStdString(v.entete));
    LRep2->clear();
    // Shown first: a control measures its texts in the font it is drawn with.
    RepUnite0->setVisible(s.Niveau() == 3);
    repUnite1->show();
    if (s.Niveau() == 3) {
        RepUnite0->setTextes(Q(s.N()), QString::fromStdString(s.Exposant_Detaille()));
        repUnite1->setTextes(QStringLiteral("= ") + Q(s.N()), Q(s.Exposant_Attendu()));
    } else {
        repUnite1->setTextes(Q(s.N()), Q(s.E()));
    }
    // The worked power, centred under "C'est".
    const bool detail = s.Niveau() == 3;
    const int l0 = detail ? RepUnite0->width() + 10 : 0;
    int x = (WinPanel1->width() - l0 - repUnite1->width()) / 2;
    if (detail) {
        RepUnite0->move(x, 50);
        x += l0;
    }
    repUnite1->move(x, 50);
}
