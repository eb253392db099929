#include "framework/FenetrePartie.hpp"

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"
#include "platform/Services.hpp"

TPartieForm::TPartieForm(const Description& d, QWidget* parent) : TJeuForm(d, parent) {}

void TPartieForm::Construit_Enfants() {
    TJeuForm::Construit_Enfants();
    BBCont = new QPushButton(QStringLiteral("C&ontinuer"), this);
    BBCont->setToolTip(QStringLiteral("Nouvelle partie"));
    BBAbandon = new QPushButton(QStringLiteral("&Abandon"), this);
    BBAbandon->setToolTip(QStringLiteral("Abandonner et voir la solution"));
    BBAbandon->setEnabled(false);
    connect(BBCont, &QPushButton::clicked, this, &TPartieForm::BBContClick);
    connect(BBAbandon, &QPushButton::clicked, this, &TPartieForm::BBAbandonClick);
}

void TPartieForm::FormActivate() {
    Randomize();
    TJeuForm::FormActivate();
    BBContClick();
}

void TPartieForm::BBContClick() {
    Met_A_Jour_Panneaux();
    Commune::Compte_Exercice();
    niveau_ = SlideBar1->Position();
    l_niv->setText(QString::number(niveau_));
    BBAbandon->setEnabled(true);
    BBCont->setEnabled(false);
    fini_ = false;
    Nouvelle_Partie();
    Nouveau_Jeu();
}

void TPartieForm::BBAbandonClick() {
    if (fini_ || !Abandon_Possible() ||
        !Plateforme::Message_Confirmation(this, QStringLiteral("Voulez-vous réellement abandonner et obtenir la solution")))
        return;
    // The question pumped events: the game may have ended meanwhile.
    if (fini_) return;
    Termine();
    Montre_Solution();
    FinJeu(false);
}

bool TPartieForm::FormCloseQuery() {
    if (!fini_) BBAbandonClick();
    return true;
}

void TPartieForm::Regle() {
    fini_ = true;
    BBAbandon->setEnabled(false);
}

void TPartieForm::Termine() {
    Regle();
    BBCont->setEnabled(true);
}
