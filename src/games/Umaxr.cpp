#include "games/Umaxr.hpp"

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"
#include "platform/Polices.hpp"
#include "platform/Services.hpp"

namespace {

TFenetreBase::Description Description_MaxR() {
    TFenetreBase::Description d;
    d.caption = QStringLiteral("Cliquer sur un bouton activé pour prendre les points qu'il contient");
    d.aide = 270;
    d.niveaux = 3;
    d.client = QSize(572, 413);
    d.fond = QColor(0, 128, 0);
    return d;
}

QString Prenom() { return QString::fromStdString(Commune::Prenom); }

QFrame* Panneau_Total(QWidget* parent, const QRect& g) {
    auto* p = new QFrame(parent);
    p->setFrameStyle(QFrame::Panel | QFrame::Raised);
    p->setLineWidth(2);
    p->setGeometry(g);
    return p;
}

QLabel* Etiquette(QWidget* parent, int pixels, const QColor& couleur) {
    auto* l = new QLabel(parent);
    QFont f = l->font();
    f.setPixelSize(pixels);
    f.setBold(true);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, couleur);
    l->setPalette(p);
    return l;
}

}  // namespace

TMaxRF::TMaxRF(QWidget* parent) : TJeuForm(Description_MaxR(), parent) {
    Fin_Constructeur();
}

void TMaxRF::Construit_Enfants() {
    TJeuForm::Construit_Enfants();
    for (int c = 1; c <= Maxr::Taille; ++c)
        for (int r = 1; r <= Maxr::Taille; ++r) {
            auto* b = new TBoutonJeu(this);
            b->setObjectName(QStringLiteral("BB%1%2").arg(c, 2, 10, QLatin1Char('0')).arg(r, 2, 10, QLatin1Char('0')));
            b->setGeometry(40 * c - 4, 40 * r + 40, 40, 40);
            b->setFocusPolicy(Qt::NoFocus);
            connect(b, &TBoutonJeu::Presse, this, [this, c, r] { Prise(c, r); });
            Plateau[c - 1][r - 1] = b;
            Style_Bouton(b, false);
        }

    Label1 = Etiquette(this, 16, Qt::yellow);
    Label1->setGeometry(16, 14, 540, 32);
    Label1->setText(QStringLiteral("A vous de commencer"));
    l_niv->setGeometry(520, 50, 36, 22);
    QPalette pn = l_niv->palette();
    pn.setColor(QPalette::WindowText, Qt::white);
    l_niv->setPalette(pn);

    const QColor fond_total(236, 236, 236);
    Panel1 = Panneau_Total(this, QRect(300, 80, 256, 44));
    Colore(Panel1, fond_total);
    nom_joueur_ = Etiquette(Panel1, 15, Qt::black);
    nom_joueur_->setGeometry(6, 4, 170, 36);
    l_joueur = Etiquette(Panel1, 20, QColor(0, 0, 160));
    l_joueur->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l_joueur->setGeometry(176, 4, 70, 36);
    Panel2 = Panneau_Total(this, QRect(300, 132, 256, 44));
    Colore(Panel2, fond_total);
    auto* nom_ordi = Etiquette(Panel2, 15, Qt::black);
    nom_ordi->setText(QStringLiteral("  Ordinateur :"));
    nom_ordi->setGeometry(6, 4, 170, 36);
    l_ordi = Etiquette(Panel2, 20, QColor(160, 0, 0));
    l_ordi->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l_ordi->setGeometry(176, 4, 70, 36);

    BBCont = new QPushButton(QStringLiteral("C&ontinuer"), this);
    BBCont->setToolTip(QStringLiteral("Nouvelle partie"));
    BBCont->setGeometry(300, 232, 124, 36);
    BitBtn3 = new QPushButton(QStringLiteral("&Fermer"), this);
    BitBtn3->setToolTip(QStringLiteral("Quitter le jeu"));
    BitBtn3->setGeometry(432, 232, 124, 36);
    BBScore->setGeometry(300, 280, 64, 38);
    BBAide->setGeometry(372, 280, 64, 38);
    for (QPushButton* b : {BBCont, BitBtn3, BBScore, BBAide}) b->setAutoDefault(true);
    connect(BBCont, &QPushButton::clicked, this, &TMaxRF::BBContClick);
    connect(BitBtn3, &QPushButton::clicked, this, &QWidget::close);

    Timer1->setInterval(500);
}

void TMaxRF::Style_Bouton(TBoutonJeu* b, bool en_avant) {
    QFont f(Plateforme::Famille_Proche(QStringLiteral("Arial")));
    f.setPointSize(en_avant ? 12 : 8);
    f.setBold(en_avant);
    b->setFont(f);
    QPalette p = palette();
    if (en_avant) {
        // Yellow on a dark face, to be read.
        p.setColor(QPalette::ButtonText, Qt::yellow);
        p.setColor(QPalette::Button, QColor(0, 0, 128));
    } else {
        const int v = b->property("valeur").toInt();
        QColor c = v > 0 ? QColor(0, 0, 255) : QColor(255, 0, 0);
        if (partie_.Niveau() == 3) c = Qt::black;
        p.setColor(QPalette::ButtonText, c);
        // The values of the buttons out of play stay readable.
        p.setColor(QPalette::Disabled, QPalette::ButtonText, partie_.Niveau() == 3 ? QColor(96, 96, 96) : c.lighter(150));
    }
    b->setPalette(p);
}

void TMaxRF::Montre_Totaux() {
    l_joueur->setText(QString::number(partie_.Total_Joueur()));
    l_ordi->setText(QString::number(partie_.Total_Ordi()));
}

void TMaxRF::FormActivate() {
    TJeuForm::FormActivate();
    Randomize();
    nom_joueur_->setText(" " + Prenom() + " : ");
    BBContClick();
}

void TMaxRF::SlideBar1Change() {
    TJeuForm::SlideBar1Change();
    if (!partie_.Reflechit()) BBCont->setEnabled(true);
}

void TMaxRF::BBContClick() {
    Met_A_Jour_Panneaux();
    Commune::Compte_Exercice();
    // A game dropped while the computer was thinking ends its turn here.
    Timer1->stop();
    Nouvelle_Partie();
    const int niveau = SlideBar1->Position();
    l_niv->setText(QString::number(niveau));
    partie_.Nouvelle(niveau);
    Montre_Totaux();
    for (int c = 1; c <= Maxr::Taille; ++c)
        for (int r = 1; r <= Maxr::Taille; ++r) {
            TBoutonJeu* b = Bouton(c, r);
            b->setProperty("valeur", partie_.Valeur(c, r));
            b->setText(QString::number(partie_.Valeur(c, r)));
            Style_Bouton(b, false);
            b->setEnabled(true);
        }
    BBCont->setEnabled(false);
    Label1->setText("A " + Prenom() + " de commencer");
}

void TMaxRF::Prise(int c, int r) {
    if (!partie_.Prend_Joueur(c, r)) return;
    l_joueur->setText(QString::number(partie_.Total_Joueur()));
    TBoutonJeu* b = Bouton(c, r);
    b->setText(QString());
    b->setEnabled(false);
    // The pupil sees where the computer will take.
    for (int k = 1; k <= Maxr::Taille; ++k)
        for (int l = 1; l <= Maxr::Taille; ++l) Bouton(k, l)->setEnabled(k == c);
    if (partie_.Colonne_Jouee_Vide()) {
        for (int l = 1; l <= Maxr::Taille; ++l) Bouton(c, l)->setEnabled(false);
        fin_jeu();
        return;
    }
    Timer1->start();
}

void TMaxRF::Timer1Timer() {
    if (const int reste = partie_.Tic(); reste > 0) {
        Label1->setText(QStringLiteral("A moi !  Je réfléchis  %1 . . .").arg(reste));
        return;
    }
    Label1->clear();
    Timer1->stop();
    jeu_ordi();
}

void TMaxRF::jeu_ordi() {
    const int c = partie_.Colonne_Jouee();
    const int avant = partie_.Total_Ordi();
    const int r = partie_.Prend_Ordi();
    if (r == 0) return;  // nothing left in the column: the game ended at the pupil's take
    const int valeur = partie_.Total_Ordi() - avant;
    Montre_Totaux();
    TBoutonJeu* b = Bouton(c, r);
    Style_Bouton(b, true);
    // A close or a new game meanwhile ends this turn here.
    if (!Pause(2000)) return;
    Style_Bouton(b, false);
    b->setText(QString());
    b->setEnabled(false);
    for (int l = 1; l <= Maxr::Taille; ++l) Bouton(c, l)->setEnabled(false);
    for (int k = 1; k <= Maxr::Taille; ++k) Bouton(k, r)->setEnabled(partie_.Valeur(k, r) != 0);
    partie_.Fin_Tour();
    if (partie_.Ligne_Vide(r)) {
        fin_jeu();
        return;
    }
    Label1->setText(QStringLiteral("J'ai pris   %1   . A %2...").arg(valeur).arg(Prenom()));
}

void TMaxRF::fin_jeu() {
    const Maxr::Issue issue = partie_.Termine();
    Met_A_Jour_Panneaux();
    Plateforme::Message_Information(this, QString::fromStdString(Maxr::Message_Fin(issue, Commune::Prenom)));
    Label1->clear();
    BBCont->setEnabled(true);
}

bool TMaxRF::FormCloseQuery() {
    if (partie_.Partie_Finie()) return true;
    if (!Plateforme::Message_Confirmation(this, QStringLiteral("Voulez-vous réellement abandonner"))) return false;
    partie_.Abandonne();
    Met_A_Jour_Panneaux();
    return true;
}
