#include "topics/algebra/Uinequat.hpp"

#include "platform/Polices.hpp"
#include "platform/Services.hpp"

namespace {

constexpr int Largeur = 960;
constexpr int Haut_Rangee = 124;  // the inequation and its answer
constexpr int Haut_Panel = Haut_Rangee + 48;
constexpr int Cote_Bouton = 40;
constexpr int Longueur_Max = 12;

QString Q(const std::string& t) { return Plateforme::Symbol(QString::fromStdString(t)); }

TExerciceForm::Description Description_Inequat() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Inéquations");
    d.aide = 450;
    d.niveaux = 4;
    d.client = QSize(Largeur, 356);
    d.consigne = QStringLiteral(
        "Réponse sous forme d'intervalle (bornes à 0,1 près  avec  1,25 ---> 1.3 ,  +4 ---> 4, et signe pour l'infini)");
    return d;
}

}  // namespace

TInequatF::TInequatF(QWidget* parent)
    : TExerciceForm(Description_Inequat(), std::make_unique<Inequat::Sujet>(), Exercice::Memoire_Enonces(), parent) {
    Fin_Constructeur();
}

void TInequatF::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    const int W = width();
    Panel1->setGeometry(8, 8, W - 16, Haut_Panel);
    QPalette bleu = Panel1->palette();
    bleu.setColor(QPalette::Window, QColor(0, 0, 160));
    Panel1->setPalette(bleu);
    l_niv->move(Panel1->width() - 48, 6);

    Rangee = new TRangee_Termes(Panel1, QString());
    L_signe = Rangee->Milieu;
    L_signe->setObjectName(QStringLiteral("L_signe"));
    L_signe->setFont(Plateforme::Police_Symboles(26));
    l_x = Etiquette_Question(QStringLiteral("S"));
    l_x->setParent(Panel1);
    l_x->setToolTip(QStringLiteral("ensemble des solutions"));
    Label2 = Etiquette_Question(QStringLiteral("="));
    Label2->setParent(Panel1);
    Edit1->setMaxLength(Longueur_Max);
    Edit1->setFixedSize(Largeur_Entree(Longueur_Max), 38);
    Edit1->setToolTip(
        QStringLiteral("sous la forme : Crochet / Borne Inférieure / ; / Borne Supérieure / Crochet"));

    // The keypad, along the foot of the question panel.
    static const std::array<const char*, 18> touches{"0", "1", "2", "3", "4", "5", "6", "7", "8",
                                                     "9", ".", "\u00A5", "[", "]", ";", "\u00C6", "+", "-"};
    const int pas = Cote_Bouton + 6;
    int x = (Panel1->width() - 18 * pas + 6) / 2;
    for (std::size_t i = 0; i < touches.size(); ++i) {
        auto* b = new QPushButton(Q(touches[i]), Panel1);
        b->setObjectName(QStringLiteral("Button%1").arg(i + 1));
        b->setFont(Plateforme::Police_Symboles(20));
        b->setFocusPolicy(Qt::NoFocus);
        b->setGeometry(x, Haut_Rangee + 2, Cote_Bouton, Cote_Bouton);
        x += pas;
        connect(b, &QPushButton::clicked, this, [this, b] { Button1Click(b); });
        Boutons[i] = b;
    }
    Boutons[11]->setToolTip(QStringLiteral("l'infini"));
    Boutons[15]->setToolTip(QStringLiteral("ensemble vide : pas de solution"));

    // The verdict under the question: the steps, then the expected interval.
    const int y = Haut_Panel + 20;
    WinPanel1->setGeometry(16, y, W - 282 - 24, 130);
    LRep0 = new QLabel(WinPanel1);
    LRep0->setObjectName(QStringLiteral("LRep0"));
    LRep0->setAlignment(Qt::AlignCenter);
    LRep0->setGeometry(8, 24, WinPanel1->width() - 16, 40);
    LRep1->setGeometry(8, 68, WinPanel1->width() - 16, 48);
    LRep2->hide();
    Cadre_Dessin->move(W - 282, y);
    BBConf->move(W - 152, y);
    BBCont->move(W - 152, y + 44);
    BBScore->move(W - 152, y + 90);
    BBAide->move(W - 80, y + 90);
}

void TInequatF::Button1Click(QPushButton* bouton) {
    bool tape = false;
    if (!Edit1->isEnabled() || Edit1->text().size() > Longueur_Max - 1) {
        Plateforme::Bip();
    } else {
        Edit1->deselect();
        Edit1->insert(bouton->text());
        tape = true;
    }
    if (Edit1->isEnabled()) {
        const int apres = Edit1->cursorPosition();
        Edit1->setFocus();
        Edit1->setCursorPosition(tape ? apres : 1);
    }
}

std::vector<std::string> TInequatF::Reponses() const {
    // The entry shows the signs; the judge reads their codes.
    return {Plateforme::Codes_Symbol(Edit1->text()).toStdString()};
}

void TInequatF::Affiche_Question() {
    const Termes::Equation& e = Sujet().Equation();
    Change_Consigne(e.niveau == 1 ? QStringLiteral("Réponse sous forme d'intervalle")
                                  : QStringLiteral("Réponse sous forme d'intervalle (bornes à 0,1 près avec 1,25 ---> 1.3)"));
    const int signe = Sujet().Signe();
    L_signe->setText(Q(Inequat::Signe_Texte(signe)));
    L_signe->setToolTip(QString::fromStdString(Inequat::Signe_Bulle(signe)));
    const int haut_signe = e.niveau <= 2 ? 38 : e.niveau == 3 ? 39 : 63;
    Rangee->Montre_Avec_Reponse(Termes::Affiche(e), haut_signe, l_x, Label2, Edit1, Panel1->width() - 16);
    // The steps wait, hidden with the verdict, for a wrong answer.
    QFont f = Plateforme::Police_Symboles(17);
    f.setBold(true);
    Ecrit_Sans_Couper(LRep0, Q(Sujet().Etapes()), f);
}

void TInequatF::Montre_Correction(const Exercice::Verdict& v) {
    QFont f = Plateforme::Police_Symboles(24);
    f.setBold(true);
    Ecrit_Sans_Couper(LRep1, Q(v.correction), f);
}

void TInequatF::Montre_Juste(const Exercice::Verdict&) { LRep0->clear(); }
