#include "topics/natural/Uprem.hpp"

#include <QFontMetrics>

#include "topics/natural/Ensemble.hpp"

namespace {
TExerciceForm::Description Description_Prem() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Reconnaître si un nombre est premier");
    d.aide = 140;
    d.niveaux = 4;
    d.client = QSize(720, 366);
    return d;
}
}  // namespace

TPremF::TPremF(QWidget* parent)
    : TExerciceForm(Description_Prem(), std::make_unique<Divisibilite::Premier>(), Exercice::Memoire_Enonces(), parent) {
    Fin_Constructeur();
}

void TPremF::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    Panel1->setToolTip(QStringLiteral("Cliquez sur OUI ou NON puis confirmez"));
    Label1->setFont(Police_Question());
    Label1->move(16, 10);

    Button1 = new QPushButton(QStringLiteral("&Oui"), Panel1);
    Button2 = new QPushButton(QStringLiteral("&Non"), Panel1);
    QFont fb = Button1->font();
    fb.setPixelSize(18);
    fb.setBold(true);
    Button1->setFont(fb);
    Button2->setFont(fb);
    Button1->setGeometry(40, 54, 100, 38);
    Button2->setGeometry(152, 54, 100, 38);
    Edit2 = new TEntree(Panel1);
    Edit2->setFont(Police_Question());
    Edit2->setReadOnly(true);
    Edit2->setFocusPolicy(Qt::ClickFocus);
    Edit2->setMaxLength(11);
    Edit2->setFixedSize(QFontMetrics(Edit2->font()).horizontalAdvance(QStringLiteral("PAS PREMIER")) + 24, 38);
    Edit2->move(280, 54);
    Branche(Edit2, 1);

    Label2 = new QLabel(QStringLiteral("Par quel facteur premier, autre que 1 et lui-même, est-il divisible ?"), Panel1);
    QFont fl = Label2->font();
    fl.setPixelSize(15);
    fl.setBold(true);
    Label2->setFont(fl);
    Label2->adjustSize();
    Label2->move(16, 120);
    Edit1->setParent(Panel1);
    Edit1->setMaxLength(4);
    Edit1->setFixedSize(Largeur_Entree(4), 38);
    Edit1->move(Label2->x() + Label2->width() + 12, 110);

    Ensemble::Agrandit(*this, 172, QSize(400, 101));

    Ajoute_Brouillon(Button1);
    Ajoute_Brouillon(Button2);
    connect(Button1, &QPushButton::clicked, this, &TPremF::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TPremF::Button2Click);
}

std::vector<TEntree*> TPremF::Entrees_Requises() const {
    // Until a choice is made, the empty choice holds Confirm back.
    if (Edit1->isVisibleTo(this)) return {Edit2, Edit1};
    return {Edit2};
}

void TPremF::Affiche_Question() {
    Change_Consigne(QStringLiteral("Le nombre %1 est-il premier ?").arg(Sujet().N()));
    Label2->hide();
    Edit1->hide();
}

void TPremF::Button1Click() {
    Edit2->setText(QString::fromLatin1(Divisibilite::Premier::Oui));
    Label2->hide();
    Edit1->setText(QString());
    Edit1->hide();
    Edit1Change();
}

void TPremF::Button2Click() {
    Edit2->setText(QString::fromLatin1(Divisibilite::Premier::Non));
    Label2->show();
    Edit1->show();
    Edit1->setText(QString());
    Edit1->setFocus();
    Edit1Change();
}

void TPremF::Apres_Refus(const Exercice::Verdict&) {
    Edit1->setText(QString());
    Edit1->setFocus();
}
