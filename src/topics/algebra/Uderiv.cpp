#include "topics/algebra/Uderiv.hpp"

namespace {

constexpr int Largeur = 800;
constexpr int Haut_Panel = 300;
constexpr int Hauteur_Terme = 40;

TExerciceForm::Description Description_Deriv() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Dérivées");
    d.aide = 490;
    d.niveaux = 3;
    d.client = QSize(Largeur, 546);
    d.consigne = QStringLiteral("Calculer la fonction dérivée");
    return d;
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

QFont Police_Ligne() {
    QFont f = TExerciceForm::Police_Question();
    f.setPixelSize(22);
    return f;
}

QLabel* Etiquette(QWidget* parent, const QString& texte, const QFont& f) {
    auto* l = new QLabel(texte, parent);
    l->setFont(f);
    l->adjustSize();
    return l;
}

void Montre(TCase_Unite* u, const Deriv::Monome& m) {
    u->setTextes(Q(m.unite), Q(m.exposant));
    u->setVisible(!m.unite.empty());
}

}  // namespace

TDeriForm::TDeriForm(QWidget* parent)
    : TExerciceForm(Description_Deriv(), std::make_unique<Deriv::Sujet>(), Exercice::Memoire_Enonces(), parent) {
    Fin_Constructeur();
}

void TDeriForm::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    const int W = width();
    Panel1->setGeometry(8, 8, W - 16, Haut_Panel);
    QPalette p = Panel1->palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, Qt::black);
    Panel1->setPalette(p);
    l_niv->move(Panel1->width() - 48, 6);
    l_Q1 = Label1;
    const QFont ligne = Police_Ligne();
    QFont petite = Label1->font();
    petite.setPixelSize(12);
    const QFont question = Label1->font();

    // f(x) = its terms.
    L_f = Etiquette(Panel1, QStringLiteral("f(x)="), ligne);
    L_f->move(24, 41);
    Unite1 = new TCase_Unite(Panel1, Hauteur_Terme);
    Unite2 = new TCase_Unite(Panel1, Hauteur_Terme);
    Unite3 = new TCase_Unite(Panel1, Hauteur_Terme);

    // f'(x) = box 1, x and exponent, box 2, x and exponent, box 3.
    const int y_derivee = 104;
    L_fprime = Etiquette(Panel1, QStringLiteral("f'(x)="), ligne);
    L_fprime->move(24, y_derivee + 6);
    const auto boite = [this](TEntree* e, int longueur) {
        e->setFont(Police_Ligne());
        e->setMaxLength(longueur);
        e->setFixedSize(Largeur_Entree(longueur), 38);
        e->setCouleurs(QColor(255, 255, 128), QColor(151, 255, 203));
    };
    Edit2 = new TEntree(Panel1);
    Edit3 = new TEntree(Panel1);
    Edit4 = new TEntree(Panel1);
    Edit5 = new TEntree(Panel1);
    Edit6 = new TEntree(Panel1);
    boite(Edit1, 4);
    boite(Edit2, 4);
    boite(Edit3, 4);
    boite(Edit4, 6);
    boite(Edit5, 5);
    boite(Edit6, 5);
    Edit2->setToolTip(QStringLiteral("SIGNE et COEFFICIENT "));
    Edit3->setToolTip(QStringLiteral("SIGNE et COEFFICIENT "));
    Edit6->setToolTip(QStringLiteral("SIGNE et COEFFICIENT "));
    Unite4 = new TCase_Unite(Panel1, Hauteur_Terme);
    Unite5 = new TCase_Unite(Panel1, Hauteur_Terme);
    SpinButton1 = new TSpinButton(Panel1);
    SpinButton2 = new TSpinButton(Panel1);
    for (TSpinButton* s : {SpinButton1, SpinButton2}) {
        s->resize(22, 38);
        s->setToolTip(QStringLiteral("cliquer pour faire varier l'exposant"));
        Ajoute_Brouillon(s);
    }
    // Each x and exponent has a slot of its own before its spin button, so
    // that the row keeps still while the exponent changes.
    constexpr int Place_X = 48;
    int x = L_fprime->geometry().right() + 10;
    Edit1->move(x, y_derivee);
    Unite4->move(x + Edit1->width() + 2, y_derivee - 1);
    SpinButton1->move(x + Edit1->width() + 2 + Place_X, y_derivee);
    x = SpinButton1->geometry().right() + 16;
    Edit2->move(x, y_derivee);
    Unite5->move(x + Edit2->width() + 2, y_derivee - 1);
    SpinButton2->move(x + Edit2->width() + 2 + Place_X, y_derivee);
    Edit3->move(SpinButton2->geometry().right() + 16, y_derivee);

    // f'(x0), then the tangent.
    const int y_nombre = 168;
    L_Q2 = Etiquette(Panel1, QString(), question);
    L_Q2->move(24, y_nombre + 10);
    L_xo = Etiquette(Panel1, QStringLiteral("f'(xo)="), ligne);
    Edit4->move(Panel1->width() - 24 - Edit4->width(), y_nombre);
    L_xo->move(Edit4->x() - 8 - L_xo->width(), y_nombre + 6);
    L_Q3 = Etiquette(Panel1, QString(), question);
    L_Q3->move(24, 218);
    const int y_tangente = 252;
    L_D = Etiquette(Panel1, QStringLiteral("D : y ="), ligne);
    L_D->setToolTip(QStringLiteral("D : y=mx+p  déterminez m et p "));
    L_D->move(24, y_tangente + 6);
    Edit5->move(L_D->geometry().right() + 10, y_tangente);
    L_x = Etiquette(Panel1, QStringLiteral("x"), ligne);
    L_x->move(Edit5->geometry().right() + 6, y_tangente + 6);
    Edit6->move(L_x->geometry().right() + 8, y_tangente);

    // The numbers the messages call the boxes by, above them.
    const std::array<TEntree*, 6> boites{Edit1, Edit2, Edit3, Edit4, Edit5, Edit6};
    for (std::size_t i = 0; i < boites.size(); ++i) {
        Numeros[i] = Etiquette(Panel1, QString::number(i + 1), petite);
        Numeros[i]->move(boites[i]->x() + 4, boites[i]->y() - Numeros[i]->height());
    }
    for (std::size_t i = 1; i < boites.size(); ++i) Branche(boites[i], static_cast<int>(i));

    connect(SpinButton1, &TSpinButton::UpClick, this, &TDeriForm::SpinButton1UpClick);
    connect(SpinButton1, &TSpinButton::DownClick, this, &TDeriForm::SpinButton1DownClick);
    connect(SpinButton2, &TSpinButton::UpClick, this, &TDeriForm::SpinButton2UpClick);
    connect(SpinButton2, &TSpinButton::DownClick, this, &TDeriForm::SpinButton2DownClick);

    // The verdict under the question: f' term by term, f'(x0), the tangent.
    const int y = Haut_Panel + 20;
    WinPanel1->setGeometry(16, y, W - 282 - 24, 190);
    WinPanel1->setCouleur(QColor(0, 255, 255));
    U_Rep1 = new TCase_Unite(WinPanel1, 36);
    U_rep2 = new TCase_Unite(WinPanel1, 36);
    U_rep3 = new TCase_Unite(WinPanel1, 36);
    LRep1->setGeometry(8, 70, WinPanel1->width() - 16, 24);
    QFont fr = LRep1->font();
    fr.setPixelSize(17);
    fr.setBold(true);
    LRep1->setFont(fr);
    LRep2->setFont(fr);
    LRep2->setGeometry(8, 96, WinPanel1->width() - 16, 86);
    Cadre_Dessin->move(W - 282, y);
    BBConf->move(W - 152, y);
    BBCont->move(W - 152, y + 44);
    BBScore->move(W - 152, y + 90);
    BBAide->move(W - 80, y + 90);
}

std::vector<TEntree*> TDeriForm::Entrees_Requises() const {
    switch (Sujet().Niveau()) {
    case 1: return {Edit1};
    case 2: return {Edit1, Edit2, Edit3, Edit4};
    default: return Entrees();
    }
}

void TDeriForm::Affiche_Question() {
    const Deriv::Sujet& s = Sujet();
    const int n = s.Niveau();
    // f's terms side by side after "f(x)=".
    int x = L_f->geometry().right() + 6;
    for (std::size_t i = 0; i < 3; ++i) {
        TCase_Unite* u = std::array<TCase_Unite*, 3>{Unite1, Unite2, Unite3}[i];
        Montre(u, s.F()[i]);
        u->move(x, 34);
        x += u->width() + 4;
    }
    for (QWidget* w : std::initializer_list<QWidget*>{Edit2, Unite5, SpinButton2, Edit3, Edit4, L_Q2, L_xo})
        w->setVisible(n >= 2);
    for (QWidget* w : std::initializer_list<QWidget*>{Edit5, Edit6, L_Q3, L_D, L_x}) w->setVisible(n == 3);
    for (std::size_t i = 0; i < Numeros.size(); ++i) Numeros[i]->setVisible(n >= 2 && (i < 4 || n == 3));
    L_fprime->setToolTip(n >= 2 ? QStringLiteral("Dans l'ordre décroissant") : QString());
    L_Q2->setText(QStringLiteral("Calculer le nombre dérivé pour Xo = %1").arg(s.X0()));
    L_Q2->adjustSize();
    L_Q3->setText(QStringLiteral("Déterminer l'équation de la tangente D au point M d'abscisse Xo = %1").arg(s.X0()));
    L_Q3->adjustSize();
    Montre_Exposants();
    for (TCase_Unite* u : {U_Rep1, U_rep2, U_rep3}) u->hide();
}

void TDeriForm::Montre_Exposants() {
    Montre(Unite4, Sujet().Choisi(0).vu);
    Montre(Unite5, Sujet().Choisi(1).vu);
}

void TDeriForm::SpinButton1UpClick() {
    Sujet_Modifiable<Deriv::Sujet>().Monte(0);
    Montre_Exposants();
    Signale_Changement();
}

void TDeriForm::SpinButton1DownClick() {
    Sujet_Modifiable<Deriv::Sujet>().Descend(0);
    Montre_Exposants();
    Signale_Changement();
}

void TDeriForm::SpinButton2UpClick() {
    Sujet_Modifiable<Deriv::Sujet>().Monte(1);
    Montre_Exposants();
    Signale_Changement();
}

void TDeriForm::SpinButton2DownClick() {
    Sujet_Modifiable<Deriv::Sujet>().Descend(1);
    Montre_Exposants();
    Signale_Changement();
}

void TDeriForm::Montre_Correction(const Exercice::Verdict& v) {
    const Deriv::Sujet& s = Sujet();
    const std::array<Deriv::Monome, 3> d = s.Derivee();
    const std::array<TCase_Unite*, 3> rep{U_Rep1, U_rep2, U_rep3};
    // f' centred on its row.
    int largeur = -6;
    for (std::size_t i = 0; i < 3; ++i) {
        Montre(rep[i], d[i]);
        if (rep[i]->isVisibleTo(WinPanel1)) largeur += rep[i]->width() + 6;
    }
    int x = (WinPanel1->width() - largeur) / 2;
    for (TCase_Unite* u : rep)
        if (u->isVisibleTo(WinPanel1)) {
            u->move(x, 28);
            x += u->width() + 6;
        }
    LRep1->setText(Q(v.correction));
    // The point and the tangent stand on lines of their own.
    LRep2->setText(Q(s.Ligne_Tangente()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void TDeriForm::Montre_Juste(const Exercice::Verdict&) {
    for (TCase_Unite* u : {U_Rep1, U_rep2, U_rep3}) u->hide();
}
