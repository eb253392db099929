#include "topics/algebra/Uraci.hpp"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

constexpr int Largeur = 860;
constexpr int Haut_Panel = 130;
constexpr int Haut_Verdict = 106;
constexpr int Haut_Verdict_Detaille = 232;

TExerciceForm::Description Description_Raci() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Racines carrées");
    d.aide = 420;
    d.niveaux = 4;
    d.client = QSize(Largeur, 430);
    return d;
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

TCase_Racine* Racine(QWidget* parent, int hauteur, const QColor& couleur) {
    auto* r = new TCase_Racine(parent, hauteur);
    r->setCouleur_Police(couleur);
    return r;
}

}  // namespace

TRaciF::TRaciF(QWidget* parent)
    : TExerciceForm(Description_Raci(), std::make_unique<Raci::Sujet>(), Exercice::Memoire_Enonces(), parent) {
    Fin_Constructeur();
}

void TRaciF::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    const int W = width();
    Panel1->setGeometry(8, 8, W - 16, Haut_Panel);
    l_niv->move(Panel1->width() - 48, 6);
    constexpr int H = 40;
    L_a = Etiquette_Question();
    Racine1 = Racine(nullptr, H, Qt::white);
    L_b = Etiquette_Question();
    Racine2 = Racine(nullptr, H, Qt::white);
    L_c = Etiquette_Question();
    Racine3 = Racine(nullptr, H, Qt::white);
    L_egal = Etiquette_Question(QStringLiteral("="));
    Edit1->setMaxLength(10);
    Edit1->setFixedSize(Largeur_Entree(10), 38);
    Racine4 = Racine(nullptr, H, Qt::white);
    SpinButton1 = new TSpinButton;
    SpinButton1->setFixedSize(22, 38);
    SpinButton1->setToolTip(QStringLiteral("cliquer pour faire varier la racine"));
    Ajoute_Brouillon(SpinButton1);
    Place_Question({L_a, Racine1, L_b, Racine2, L_c, Racine3, L_egal, Edit1, Racine4, SpinButton1}, 60);
    // " b " under its root sign, in the gap of the level-4 instruction.
    Racine5 = Racine(Panel1, 24, Qt::white);
    Racine5->setNombre(QStringLiteral(" b "));
    connect(SpinButton1, &TSpinButton::UpClick, this, &TRaciF::SpinButton1UpClick);
    connect(SpinButton1, &TSpinButton::DownClick, this, &TRaciF::SpinButton1DownClick);

    const int y = Haut_Panel + 20;
    WinPanel1->setGeometry(16, y, W - 282 - 24, Haut_Verdict);
    RacineRep = Racine(WinPanel1, 36, Qt::black);
    RacineRep->hide();
    Panel2 = new QWidget(WinPanel1);
    auto* lignes = new QVBoxLayout(Panel2);
    lignes->setContentsMargins(0, 0, 0, 0);
    lignes->setSpacing(2);
    QFont f = LRep1->font();
    f.setPixelSize(18);
    f.setBold(true);
    for (std::size_t i = 0; i < 3; ++i) {
        auto* rangee = new QWidget(Panel2);
        auto* h = new QHBoxLayout(rangee);
        h->setContentsMargins(0, 0, 0, 0);
        h->setSpacing(2);
        h->addStretch(1);
        auto* egal = new QLabel(i == 0 ? QString() : QStringLiteral("= "), rangee);
        egal->setFont(f);
        h->addWidget(egal);
        for (std::size_t j = 0; j < 3; ++j) {
            L[i][j] = new QLabel(rangee);
            L[i][j]->setFont(f);
            R[i][j] = Racine(rangee, 32, Qt::black);
            h->addWidget(L[i][j], 0, Qt::AlignVCenter);
            h->addWidget(R[i][j], 0, Qt::AlignVCenter);
            h->addSpacing(4);
        }
        h->addStretch(1);
        lignes->addWidget(rangee);
    }
    Panel2->setGeometry(8, 96, WinPanel1->width() - 16, 3 * 32 + 4 + 24);
    Panel2->hide();
    Cadre_Dessin->move(W - 282, y);
    BBConf->move(W - 152, y);
    BBCont->move(W - 152, y + 44);
    BBScore->move(W - 152, y + 90);
    BBAide->move(W - 80, y + 90);
}

std::vector<TEntree*> TRaciF::Entrees_Requises() const {
    // At level 4 a coefficient 1 is left out: the box may stay empty.
    if (Sujet().Niveau() == 4) return {};
    return {Edit1};
}

bool TRaciF::Reponse_Complete() const { return Sujet().Confirmable(Edit1->text().toStdString()); }

void TRaciF::Affiche_Question() {
    const Raci::Sujet& s = Sujet();
    const int n = s.Niveau();
    Change_Consigne(Q(s.Consigne()));
    const Raci::Rangee& t = s.Termes();
    L_a->setText(Q(t[0].coefficient));
    L_b->setText(Q(t[1].coefficient));
    L_c->setText(Q(t[2].coefficient));
    Racine1->setNombre(Q(t[0].radicande));
    Racine2->setNombre(Q(t[1].radicande));
    Racine3->setNombre(Q(t[2].radicande));
    for (QWidget* w : std::initializer_list<QWidget*>{L_a, L_b, Racine2, L_c, Racine3}) w->setVisible(n >= 3);
    L_a->setVisible(n >= 3 && !t[0].coefficient.empty());
    Racine4->setNombre(Q(s.Racine_Vue()));
    Racine4->setVisible(n == 4);
    SpinButton1->setVisible(n == 4);
    Edit1->setToolTip(n == 2 ? QStringLiteral("taper  /  si la réponse exacte n'existe pas") : QString());
    // " b " stands in the gap after "a".
    Racine5->setVisible(n == 4);
    const QString debut = QStringLiteral("Ecrire sous la forme a ");
    Racine5->move(Label1->x() + QFontMetrics(Label1->font()).horizontalAdvance(debut), Label1->y() - 3);
    // The worked solution of level 4 needs room under the answer.
    WinPanel1->resize(WinPanel1->width(), n == 4 ? Haut_Verdict_Detaille : Haut_Verdict);
    Panel2->hide();
    RacineRep->hide();
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t j = 0; j < 3; ++j) {
            const Raci::Terme& x = s.Solution()[i][j];
            L[i][j]->setText(Q(x.coefficient));
            R[i][j]->setNombre(Q(x.radicande));
        }
    LRep1->setAlignment(n == 4 ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignCenter);
}

void TRaciF::SpinButton1UpClick() {
    Sujet_Modifiable<Raci::Sujet>().Monte();
    Racine4->setNombre(Q(Sujet().Racine_Vue()));
    Signale_Changement();
}

void TRaciF::SpinButton1DownClick() {
    Sujet_Modifiable<Raci::Sujet>().Descend();
    Racine4->setNombre(Q(Sujet().Racine_Vue()));
    Signale_Changement();
}

void TRaciF::Place_Correction() {
    const bool detail = Sujet().Niveau() == 4;
    const int w = WinPanel1->width();
    LRep1->setGeometry(8, 34, detail ? w / 2 - 8 : w - 16, 48);
    RacineRep->move(w / 2 + 2, 40);
}

void TRaciF::Montre_Correction(const Exercice::Verdict& v) {
    const Raci::Sujet& s = Sujet();
    Place_Correction();
    QFont f = WinPanel1->font();
    f.setPixelSize(24);
    f.setBold(true);
    Ecrit_Sans_Couper(LRep1, Q(v.correction), f);
    LRep2->clear();
    const std::string racine = s.Correction_Racine();
    RacineRep->setNombre(Q(racine));
    RacineRep->setVisible(!racine.empty());
    Panel2->setVisible(s.Niveau() == 4);
}

void TRaciF::Montre_Juste(const Exercice::Verdict&) {
    LRep1->clear();
    RacineRep->hide();
    Panel2->hide();
}
