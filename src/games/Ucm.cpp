#include "games/Ucm.hpp"

#include "platform/Polices.hpp"

namespace {

TFenetreBase::Description Description_CM() {
    TFenetreBase::Description d;
    d.caption = QStringLiteral("Appuyer sur le bouton Démarrer");
    d.aide = 110;
    d.niveaux = 4;
    d.client = QSize(632, 413);
    d.fond = QColor(192, 192, 192);
    return d;
}

const QColor Sarcelle(0, 128, 128);

}  // namespace

TCMForm::TCMForm(QWidget* parent) : TJeuForm(Description_CM(), parent) {
    Fin_Constructeur();
}

void TCMForm::Construit_Enfants() {
    TJeuForm::Construit_Enfants();
    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(2);
    Panel1->setGeometry(8, 8, 340, 340);
    Colore(Panel1, Sarcelle, Qt::white);
    L_Question = new QLabel(Panel1);
    QFont fq;
    fq.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans")});
    fq.setPixelSize(24);
    fq.setBold(true);
    L_Question->setFont(fq);
    L_Question->move(Cm::Course::Repos, 20);

    QFont arial(Plateforme::Famille_Proche(QStringLiteral("Arial")));
    arial.setPointSize(8);
    for (int n = 0; n < 100; ++n) {
        auto* b = new TBoutonJeu(QString::number(n), this);
        b->setFont(arial);
        b->setGeometry(370 + 22 * (n % 10), 40 + 22 * (n / 10), 22, 22);
        b->setProperty("tag", n);
        b->setFocusPolicy(Qt::NoFocus);
        b->setEnabled(false);
        connect(b, &TBoutonJeu::Presse, this, [this, n] { Reponse(n); });
        Boutons[n] = b;
    }

    Label1 = new QLabel(QString::fromUtf8(Cm::Nom(operation_)), this);
    QFont fl = Label1->font();
    fl.setPixelSize(15);
    fl.setBold(true);
    Label1->setFont(fl);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Colore(Label1, Qt::yellow, Qt::black);
    Label1->setGeometry(370, 8, 220, 26);
    // The level of the question, beside the operation (not on the board,
    // where the calculation passes).
    l_niv->setGeometry(596, 8, 28, 26);

    groupe_ = new QButtonGroup(this);
    const struct {
        QPushButton** bouton;
        const char* texte;
        Cm::Operation op;
        const char* aide;
    } operations[] = {{&SBAdd, "+", Cm::Operation::Addition, "Addition"},
                      {&SBsoust, "-", Cm::Operation::Soustraction, "Soustraction"},
                      {&SBMult, "x", Cm::Operation::Multiplication, "Multiplication"},
                      {&SBDiv, ":", Cm::Operation::Division, "Division"}};
    QFont fo = Label1->font();
    fo.setPixelSize(18);
    int x = 370;
    for (const auto& o : operations) {
        auto* b = new QPushButton(QString::fromLatin1(o.texte), this);
        b->setCheckable(true);
        b->setFont(fo);
        b->setToolTip(QString::fromLatin1(o.aide));
        b->setGeometry(x, 272, 52, 30);
        x += 56;
        groupe_->addButton(b, static_cast<int>(o.op));
        *o.bouton = b;
    }
    SBAdd->setChecked(true);
    connect(groupe_, &QButtonGroup::idClicked, this, [this](int id) { Choisit(static_cast<Cm::Operation>(id)); });

    BBDemarre = new QPushButton(QStringLiteral("Démarrer"), this);
    BBDemarre->setGeometry(370, 312, 108, 36);
    BBFermer = new QPushButton(QStringLiteral("&Fermer"), this);
    BBFermer->setGeometry(482, 312, 108, 36);
    BBFermer->setToolTip(QStringLiteral("Fermer la fenêtre"));
    BBScore->setGeometry(370, 354, 52, 30);
    BBAide->setGeometry(426, 354, 52, 30);
    for (QPushButton* b : {BBScore, BBAide}) b->setIconSize(QSize(24, 24));
    for (QPushButton* b : {BBDemarre, BBFermer, BBScore, BBAide}) b->setAutoDefault(true);
    connect(BBDemarre, &QPushButton::clicked, this, &TCMForm::BBDemarreClick);
    connect(BBFermer, &QPushButton::clicked, this, &QWidget::close);

    Timer1->setInterval(1000);
}

void TCMForm::Choisit(Cm::Operation op) {
    operation_ = op;
    Label1->setText(QString::fromUtf8(Cm::Nom(op)));
}

void TCMForm::FormActivate() {
    TJeuForm::FormActivate();
    setWindowTitle(QStringLiteral("Choisir l'opération et le niveau puis appuyer sur le bouton Démarrer"));
}

void TCMForm::Boutons_Actifs(bool actifs) {
    for (TBoutonJeu* b : Boutons) b->setEnabled(actifs);
}

void TCMForm::BBDemarreClick() {
    course_.Demarre();
    Timer1->start();
    BBDemarre->setEnabled(false);
    Boutons_Actifs(true);
    setWindowTitle(QStringLiteral("Presser le bouton correct avant que le calcul n'atteigne le bord du tableau"));
}

void TCMForm::Place_Question() {
    L_Question->adjustSize();
    L_Question->move(course_.Gauche(), course_.Hauteur());
}

void TCMForm::Timer1Timer() {
    Timer1->setInterval(course_.Intervalle());
    // The race waits while another window (the score table) is in front.
    if (!Fenetre_Active()) return;
    switch (course_.Tic(operation_, SlideBar1->Position())) {
    case Cm::Course::Etape::Posee: {
        Nouvelle_Partie();
        l_niv->setText(QString::number(course_.Niveau()));
        QPalette p = L_Question->palette();
        p.setColor(QPalette::WindowText, Qt::white);
        L_Question->setPalette(p);
        L_Question->setText(QString::fromStdString(course_.Question().Texte()));
        break;
    }
    case Cm::Course::Etape::Temps_Ecoule:
        Met_A_Jour_Panneaux();
        L_Question->clear();
        break;
    case Cm::Course::Etape::Retour: L_Question->clear(); break;
    case Cm::Course::Etape::Avance: break;
    }
    Place_Question();
}

void TCMForm::Reponse(int nombre) {
    if (!Timer1->isActive()) return;
    const Cm::Course::Reponse r = course_.Presse(nombre);
    if (!r.prise) return;
    bool courante = true;
    if (r.juste) {
        L_Question->setText(QStringLiteral("EXACT"));
    } else {
        QPalette p = L_Question->palette();
        p.setColor(QPalette::WindowText, Qt::red);
        L_Question->setPalette(p);
        L_Question->setText(QString::fromStdString(course_.Question().Correction()));
        course_.Montre_Faux();
        Place_Question();
        // The clock goes on and moves the correction meanwhile.
        courante = Pause(3000);
    }
    // The answer was settled before the pause: it is booked whatever
    // happened meanwhile, and only once.
    Cm::Course::Note(r);
    Met_A_Jour_Panneaux();
    if (!courante) return;
    course_.Au_Repos();
    Place_Question();
}

void TCMForm::FormClose() {
    TJeuForm::FormClose();
    course_.Arrete();
    L_Question->clear();
    Place_Question();
    Boutons_Actifs(false);
    BBDemarre->setEnabled(true);
}
