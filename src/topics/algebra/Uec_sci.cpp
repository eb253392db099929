#include "topics/algebra/Uec_sci.hpp"

#include <QFontMetrics>

#include "controls/logic/Geometrie.hpp"
#include "platform/Polices.hpp"

namespace {

constexpr int Largeur = 780;
constexpr int Haut_Panel = 124;

TExerciceForm::Description Description_Ec_sci() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Puissances de 10. Ecriture scientifique");
    d.aide = 410;
    d.niveaux = 4;
    d.client = QSize(Largeur, 324);
    d.consigne = QStringLiteral("Compléter");
    return d;
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

TEc_sciF::TEc_sciF(QWidget* parent)
    : TExerciceForm(Description_Ec_sci(), std::make_unique<Ec_sci::Sujet>(),
                    Exercice::Memoire_Enonces({"une", "deux", "trois"}), parent) {
    Fin_Constructeur();
}

void TEc_sciF::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    const int W = width();
    Panel1->setGeometry(8, 8, W - 16, Haut_Panel);
    l_niv->move(Panel1->width() - 48, 6);
    Edit2 = new TEntree(Panel1);
    Edit2->setFont(Police_Question());
    Edit2->setMaxLength(5);
    Edit2->setFixedSize(Largeur_Entree(5), 38);
    Edit2->setToolTip(QStringLiteral("entrer un nombre entre 1 et 10"));
    Branche(Edit2, 1);
    Edit1->setMaxLength(28);
    Edit1->setFixedSize(Largeur_Entree(28), 38);
    Unite1 = new TCase_Unite(nullptr, 42);
    Unite1->setCouleur_Police(Qt::white);
    SpinButton1 = new TSpinButton;
    SpinButton1->setFixedSize(22, 38);
    SpinButton1->setToolTip(QStringLiteral("cliquer pour faire varier l'exposant"));
    Ajoute_Brouillon(SpinButton1);
    L_egal = Etiquette_Question(QStringLiteral("="));
    L_A = Etiquette_Question();
    Place_Question({Edit2, Unite1, SpinButton1, L_egal, L_A, Edit1}, 56);
    connect(SpinButton1, &TSpinButton::UpClick, this, &TEc_sciF::SpinButton1UpClick);
    connect(SpinButton1, &TSpinButton::DownClick, this, &TEc_sciF::SpinButton1DownClick);

    const int y = Haut_Panel + 20;
    WinPanel1->setGeometry(16, y, W - 282 - 24, 106);
    LRep1->setGeometry(8, 34, WinPanel1->width() - 16, 48);
    Urep2 = new TCase_Unite(WinPanel1, 34);
    Urep2->hide();
    Cadre_Dessin->move(W - 282, y);
    BBConf->move(W - 152, y);
    BBCont->move(W - 152, y + 44);
    BBScore->move(W - 152, y + 90);
    BBAide->move(W - 80, y + 90);
}

std::vector<TEntree*> TEc_sciF::Entrees_Requises() const {
    switch (Sujet().Genre_Pose()) {
    case Ec_sci::Genre::Completer: return {Edit1};
    case Ec_sci::Genre::Trouver_Exposant: return {};
    default: return {Edit2};
    }
}

bool TEc_sciF::Reponse_Complete() const {
    return Sujet().Confirmable(Edit1->text().toStdString(), Edit2->text().toStdString());
}

TEntree* TEc_sciF::Premiere_Entree() const {
    return Sujet().Genre_Pose() == Ec_sci::Genre::Scientifique ? Edit2 : Edit1;
}

void TEc_sciF::Affiche_Question() {
    const Ec_sci::Sujet& s = Sujet();
    const Ec_sci::Genre g = s.Genre_Pose();
    Change_Consigne(g == Ec_sci::Genre::Completer          ? QStringLiteral("Compléter")
                    : g == Ec_sci::Genre::Trouver_Exposant ? QStringLiteral("Mettre l'exposant qui convient")
                                                           : QStringLiteral("Forme scientifique (mettre le nombre et "
                                                                            "l'exposant qui conviennent)"));
    Unite1->setTextes(Q(s.Unite()), Q(s.Exposant_Vu()));
    L_A->setText(Q(s.Nombre()));
    Edit1->setVisible(g == Ec_sci::Genre::Completer);
    Edit2->setVisible(g == Ec_sci::Genre::Scientifique);
    L_A->setVisible(g != Ec_sci::Genre::Completer);
    SpinButton1->setVisible(g != Ec_sci::Genre::Completer);
    Urep2->hide();
    // The correction is centred under a power of ten; at level 4 the
    // mantissa ends at the middle and its power of ten follows it.
    LRep1->setAlignment(g == Ec_sci::Genre::Scientifique ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignCenter);
    LRep1->setGeometry(8, 34, g == Ec_sci::Genre::Scientifique ? WinPanel1->width() / 2 - 8 : WinPanel1->width() - 16,
                       48);
}

void TEc_sciF::Apres_Question() {
    // The box the question does not ask for stays shut, so that no hidden box
    // takes the caret; without a box the exponent's buttons are the answer.
    const Ec_sci::Genre g = Sujet().Genre_Pose();
    Edit1->setEnabled(g == Ec_sci::Genre::Completer);
    Edit2->setEnabled(g == Ec_sci::Genre::Scientifique);
}

void TEc_sciF::SpinButton1UpClick() {
    Sujet_Modifiable<Ec_sci::Sujet>().Monte();
    Unite1->setTextes(Q(Sujet().Unite()), Q(Sujet().Exposant_Vu()));
    Signale_Changement();
}

void TEc_sciF::SpinButton1DownClick() {
    Sujet_Modifiable<Ec_sci::Sujet>().Descend();
    Unite1->setTextes(Q(Sujet().Unite()), Q(Sujet().Exposant_Vu()));
    Signale_Changement();
}

void TEc_sciF::Montre_Correction(const Exercice::Verdict& v) {
    const Ec_sci::Sujet& s = Sujet();
    QFont f = WinPanel1->font();
    f.setPixelSize(24);
    f.setBold(true);
    Ecrit_Sans_Couper(LRep1, Q(v.correction), f);
    LRep2->clear();
    const bool puissance = !s.Correction_Unite().empty();
    Urep2->setVisible(puissance);
    if (!puissance) return;
    Urep2->setTextes(Q(s.Correction_Unite()), Q(s.Correction_Exposant()));
    if (s.Genre_Pose() != Ec_sci::Genre::Scientifique) {
        Urep2->move((WinPanel1->width() - Urep2->width()) / 2, 40);
        return;
    }
    // The mantissa and its power of ten stand on one baseline.
    const QFontMetrics m(LRep1->font());
    const int ligne = LRep1->y() + (LRep1->height() - m.height()) / 2 + m.ascent();
    QFont g = WinPanel1->font();
    g.setBold(true);
    const QFontMetrics mu(Plateforme::Police_Cellule(g, Geometrie::Cellule_Principale(Urep2->height())));
    Urep2->move(WinPanel1->width() / 2 + 2, ligne - 1 - mu.ascent());
}

void TEc_sciF::Montre_Juste(const Exercice::Verdict&) {
    LRep1->clear();
    Urep2->hide();
}
