#include "topics/algebra/Usyst.hpp"

#include <algorithm>

#include <QFontMetrics>

#include "platform/Polices.hpp"

namespace {

constexpr int Largeur = 960;
constexpr int Haut_Panel = 204;
constexpr int Haut_Membre = 28;   // a member's panel
constexpr int Haut_Barre = 16;    // a rule's strip, its line in the middle
constexpr int Haut_Deno = 24;
constexpr int Largeur_Egal = 30;
constexpr int Ecart = 6;          // between a member and what stands beside it
constexpr int Debut_Membres = 108;  // after "(1)" and the brace
constexpr int Haut_Verdict = 224;

TExerciceForm::Description Description_Syst() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Systèmes d'équations du 1er degré à 2 inconnues");
    d.aide = 440;
    d.niveaux = 4;
    d.client = QSize(Largeur, Haut_Panel + Haut_Verdict + 70);
    d.consigne = QStringLiteral("Calculer x et y");
    return d;
}

QFont Police_Membre() {
    QFont f = TExerciceForm::Police_Question();
    f.setPixelSize(20);
    return f;
}

QLabel* Etiquette(QWidget* parent, const QString& nom, const QString& texte, const QFont& police,
                  Qt::Alignment a = Qt::AlignCenter) {
    auto* l = new QLabel(texte, parent);
    l->setObjectName(nom);
    l->setFont(police);
    l->setAlignment(a);
    return l;
}

void Applique(QLabel* l, const Syst::Etiquette& e) {
    l->setText(QString::fromStdString(e.texte));
    l->setVisible(e.visible);
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

QFont Police_Verdict(int taille) {
    QFont f;
    f.setPixelSize(taille);
    f.setBold(true);
    return f;
}

}  // namespace

TSystForm::TSystForm(QWidget* parent)
    : TExerciceForm(Description_Syst(), std::make_unique<Syst::Sujet>(), Exercice::Memoire_Enonces(), parent) {
    Fin_Constructeur();
}

void TSystForm::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    const int W = width();
    Panel1->setGeometry(8, 8, W - 16, Haut_Panel);
    QPalette p = Panel1->palette();
    p.setColor(QPalette::Window, QColor(128, 128, 0));
    p.setColor(QPalette::WindowText, Qt::white);
    Panel1->setPalette(p);
    l_niv->move(Panel1->width() - 48, 6);

    QFont petite = Label1->font();
    petite.setPixelSize(13);
    Lsup = Etiquette(Panel1, QStringLiteral("Lsup"), {}, petite, Qt::AlignLeft | Qt::AlignVCenter);
    Lsup->setGeometry(12, Haut_Panel - 28, Panel1->width() - 24, 20);

    const QFont police = Police_Membre();
    Label5 = Etiquette(Panel1, QStringLiteral("Label5"), QStringLiteral("(1)"), police);
    Label6 = Etiquette(Panel1, QStringLiteral("Label6"), QStringLiteral("(2)"), police);
    QFont accolade = police;
    accolade.setBold(false);
    accolade.setPixelSize(112);
    L_accol = Etiquette(Panel1, QStringLiteral("L_accol"), QStringLiteral("{"), accolade);
    L_accol->setGeometry(Debut_Membres - 40, 28, 36, 144);
    L_egal1 = Etiquette(Panel1, QStringLiteral("L_egal1"), QStringLiteral("="), police);
    L_egal2 = Etiquette(Panel1, QStringLiteral("L_egal2"), QStringLiteral("="), police);

    static const std::array<const char*, 4> suffixes{"1g", "1d", "2g", "2d"};
    for (std::size_t i = 0; i < 4; ++i) {
        const QString s = QLatin1String(suffixes[i]);
        Membre& m = membres[i];
        m.PN = new QWidget(Panel1);
        m.PN->setObjectName("PN" + s);
        m.L_A = Etiquette(m.PN, "L_A" + s, {}, police);
        m.L_x = Etiquette(m.PN, "L_x" + s, QStringLiteral("x"), police);
        m.L_B = Etiquette(m.PN, "L_B" + s, {}, police);
        m.L_y = Etiquette(m.PN, "L_y" + s, QStringLiteral("y"), police);
        m.L_K = Etiquette(Panel1, "L_K" + s, {}, police);
        m.PD = new QWidget(Panel1);
        m.PD->setObjectName("PD" + s);
        m.L_D = Etiquette(m.PD, "L_D" + s, {}, police);
        m.Figure = new TFigure(m.PD);
        m.Figure->setObjectName(QStringLiteral("Figure%1").arg(i + 1));
        m.Figure->setFigure(Geometrie::Parallele);
        m.Figure->setVerticale(false);
        TPen pen;
        pen.setWidth(3);
        pen.setColor(Qt::white);
        m.Figure->setPen(pen);
    }

    // The answers at the right, each on its equation's line.
    l_x = Etiquette(Panel1, QStringLiteral("l_x"), QStringLiteral("x"), Police_Question());
    Label2 = Etiquette(Panel1, QStringLiteral("Label2"), QStringLiteral("="), Police_Question());
    Label3 = Etiquette(Panel1, QStringLiteral("Label3"), QStringLiteral("y"), Police_Question());
    Label4 = Etiquette(Panel1, QStringLiteral("Label4"), QStringLiteral("="), Police_Question());
    Edit2 = new TEntree(Panel1);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setFont(Police_Question());
    const QString conseil = QStringLiteral("taper   /  pour   IMPOSSIBLE,   i   pour   INDETERMINE");
    for (TEntree* e : {Edit1, Edit2}) {
        e->setMaxLength(9);
        e->setFixedSize(Largeur_Entree(9), 38);
        e->setToolTip(conseil);
    }
    Branche(Edit2, 1);
    const int fin = Panel1->width() - 16;
    const auto rangee = [&](QLabel* inconnue, QLabel* egal, TEntree* e, int axe) {
        e->move(fin - e->width(), axe - e->height() / 2);
        egal->setGeometry(e->x() - 30, axe - 20, 30, 40);
        inconnue->setGeometry(e->x() - 60, axe - 20, 30, 40);
    };
    rangee(l_x, Label2, Edit1, 46 + Haut_Membre / 2);
    rangee(Label3, Label4, Edit2, 110 + Haut_Membre / 2);

    // The verdict under the question: the solution, the comment, the method,
    // and at level 3 the simplified system.
    const int y = Haut_Panel + 16;
    WinPanel1->setGeometry(16, y, W - 306, Haut_Verdict);
    const int lv = WinPanel1->width();
    const QFont fr = Police_Verdict(16);
    LRep1->setFont(fr);
    LRep1->setGeometry(8, 22, lv - 16, 26);
    LRep2->setFont(Police_Verdict(17));
    LRep2->setGeometry(8, 50, lv - 16, 26);
    LRep0 = new QLabel(WinPanel1);
    LRep0->setObjectName(QStringLiteral("LRep0"));
    LRep0->setAlignment(Qt::AlignCenter);
    LRep0->setGeometry(8, 80, lv - 16, 24);
    Panel2 = new QFrame(WinPanel1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::NoFrame);
    Panel2->setGeometry(2, 112, lv - 4, 104);
    Panel2->setAutoFillBackground(true);
    QPalette pb = Panel2->palette();
    pb.setColor(QPalette::Window, Qt::white);
    pb.setColor(QPalette::WindowText, Qt::black);
    Panel2->setPalette(pb);
    const QFont ft = Police_Verdict(14);
    Label8 = Etiquette(Panel2, QStringLiteral("Label8"), QStringLiteral("Système simplifié"), ft);
    Label8->setGeometry(0, 0, Panel2->width(), 20);
    QFont fb = Police_Verdict(36);
    fb.setBold(false);
    QFont mono = Plateforme::Police_Courier(12);
    mono.setPixelSize(16);
    mono.setBold(true);
    const int largeur_ligne = QFontMetrics(mono).horizontalAdvance(QString(22, QLatin1Char('0')));
    const int gauche = (Panel2->width() - largeur_ligne) / 2;
    Label7 = Etiquette(Panel2, QStringLiteral("Label7"), QStringLiteral("{"), fb);
    Label7->setGeometry(gauche - 30, 20, 28, 54);
    L30 = Etiquette(Panel2, QStringLiteral("L30"), {}, mono, Qt::AlignLeft | Qt::AlignVCenter);
    L30->setGeometry(gauche, 23, largeur_ligne, 22);
    L31 = Etiquette(Panel2, QStringLiteral("L31"), {}, mono, Qt::AlignLeft | Qt::AlignVCenter);
    L31->setGeometry(gauche, 45, largeur_ligne, 22);
    L32 = Etiquette(Panel2, QStringLiteral("L32"), {}, ft);
    L32->setGeometry(0, 74, Panel2->width(), 24);
    Panel2->hide();
    Cadre_Dessin->move(W - 282, y);
    BBConf->move(W - 152, y);
    BBCont->move(W - 152, y + 44);
    BBScore->move(W - 152, y + 90);
    BBAide->move(W - 80, y + 90);
}

void TSystForm::Affiche_Question() {
    const Syst::Affichage a = Syst::Affiche(Sujet().Question());
    Change_Consigne(Q(a.consigne));
    Lsup->setText(Q(a.sup));

    // Each member's labels side by side; its width with its denominator.
    std::array<int, 4> largeur{}, largeur_k{};
    for (std::size_t i = 0; i < 4; ++i) {
        const Syst::Affichage_Membre& am = a.membres[i];
        Membre& m = membres[i];
        Applique(m.L_A, am.A);
        Applique(m.L_x, am.X);
        Applique(m.L_B, am.B);
        Applique(m.L_y, am.Y);
        Applique(m.L_K, am.K);
        m.L_D->setText(Q(am.D));
        int x = 0;
        for (QLabel* l : {m.L_A, m.L_x, m.L_B, m.L_y}) {
            if (l->isHidden()) continue;
            if (l == m.L_B) x += 4;
            const int w = l->text().isEmpty() ? 0 : l->sizeHint().width();
            l->setGeometry(x, 0, w, Haut_Membre);
            x += w;
        }
        m.PN->resize(x, Haut_Membre);
        m.PD->setVisible(am.denominateur);
        largeur[i] = std::max(x, am.denominateur ? m.L_D->sizeHint().width() : 0) + (am.denominateur ? 8 : 0);
        largeur_k[i] = m.L_K->isHidden() ? 0 : m.L_K->sizeHint().width() + 2;
    }
    const int gauche = std::max(largeur[0] + largeur_k[0], largeur[2] + largeur_k[2]);
    const int droite = std::max(largeur[1] + largeur_k[1], largeur[3] + largeur_k[3]);
    // The system centred in the room the answers leave.
    const int libre = l_x->x() - 16;
    const int bloc = gauche + 2 * Ecart + Largeur_Egal + droite;
    const int x_egal = std::max(Debut_Membres, (libre - bloc) / 2) + gauche + Ecart;
    const auto place = [&](std::size_t i, int x) {
        const Syst::Affichage_Membre& am = a.membres[i];
        Membre& m = membres[i];
        const int axe = (i < 2 ? 46 : 110) + Haut_Membre / 2;
        m.PN->move(x + (largeur[i] - m.PN->width()) / 2, am.haut);
        if (am.denominateur) {
            const int yb = am.haut + Haut_Membre - Haut_Barre / 2;
            m.PD->setGeometry(x, yb, largeur[i], Haut_Barre + Haut_Deno);
            m.Figure->setGeometry(0, 0, largeur[i], Haut_Barre);
            m.L_D->setGeometry(0, Haut_Barre, largeur[i], Haut_Deno);
        }
        m.L_K->setGeometry(x + largeur[i] + 2, axe - Haut_Membre / 2, largeur_k[i], Haut_Membre);
    };
    for (std::size_t e = 0; e < 2; ++e) {
        const int axe = (e == 0 ? 46 : 110) + Haut_Membre / 2;
        // The left member right-aligned before "=", the right one after it.
        place(2 * e, x_egal - Ecart - largeur[2 * e] - largeur_k[2 * e]);
        QLabel* egal = e == 0 ? L_egal1 : L_egal2;
        egal->setGeometry(x_egal, axe - Haut_Membre / 2, Largeur_Egal, Haut_Membre);
        place(2 * e + 1, x_egal + Largeur_Egal + Ecart);
        QLabel* nom = e == 0 ? Label5 : Label6;
        nom->setGeometry(x_egal - Ecart - gauche - 92, axe - Haut_Membre / 2, 40, Haut_Membre);
    }
    L_accol->move(x_egal - Ecart - gauche - 50, L_accol->y());

    const Syst::Systeme& s = Sujet().Question();
    const Syst::Reduit r = Syst::Reduit_De(s);
    L30->setText(Q(Syst::Ligne_Simplifiee(r.P1, r.Q1, r.R1)));
    L31->setText(Q(Syst::Ligne_Simplifiee(r.P2, r.Q2, r.R2)));
    Panel2->setVisible(a.simplifie);
    LRep0->clear();
    LRep0->hide();
    L32->clear();
}

void TSystForm::Montre_Correction(const Exercice::Verdict& v) {
    Ecrit_Sans_Couper(LRep1, Q(v.correction), Police_Verdict(16));
    Ecrit_Sans_Couper(L32, Q(v.correction), Police_Verdict(14));
    Ecrit_Sans_Couper(LRep2, Q(Syst::Commentaire(Sujet().Attendu())), Police_Verdict(17));
    Ecrit_Sans_Couper(LRep0, Q(Sujet().Methode()), Police_Verdict(15));
    LRep0->show();
}

void TSystForm::Montre_Juste(const Exercice::Verdict&) {
    Panel2->hide();
    LRep0->hide();
}
