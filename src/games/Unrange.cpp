#include "games/Unrange.hpp"

#include <QApplication>

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"
#include "platform/Polices.hpp"
#include "platform/Services.hpp"

namespace {

TFenetreBase::Description Description_Range() {
    TFenetreBase::Description d;
    d.caption = QStringLiteral(
        "Saisir le nombre et le faire glisser dans la bonne boîte avant qu'il ne touche le sol");
    d.aide = 170;
    d.niveaux = 4;
    d.client = QSize(700, 330);
    d.fond = QColor(128, 128, 128);
    return d;
}

// The field: the number falls in the chute at the left, 23 steps of 10
// pixels from the top down to the ground line, beside the five boxes.
constexpr int Sol_Haut = 244;  // top of the ground strip; its line is 8 lower
constexpr int Nombre_X = 24, Nombre_Largeur = 84, Nombre_Hauteur = 36;
constexpr int Boite_X = 140, Boite_Pas = 90, Boite_Cote = 84;
constexpr int Champ_Largeur = 588;

const QColor Gris(128, 128, 128);
const QColor Couleur_Sol(255, 140, 0);

QFont Police(int px, bool gras = true) {
    QFont f = QApplication::font();
    f.setPixelSize(px);
    f.setBold(gras);
    return f;
}

struct Boite_Prevue {
    int figure;
    int code;
    const char* bulle;
    const char* etiquette;
    QColor couleur;
};

const Boite_Prevue Boites[] = {
    {5, Nrange::Premiers, "nombres premiers", " premiers ", QColor(0, 255, 0)},
    {1, Nrange::Par_2, "nombres non premiers et divisibles par 2", " par 2 ", QColor(0, 0, 255)},
    {2, Nrange::Par_3, "nombres non premiers et divisibles par 3", " par 3 ", QColor(0, 255, 255)},
    {3, Nrange::Par_5, "nombres non premiers et divisibles par 5", " par 5 ", QColor(255, 0, 0)},
    {4, Nrange::Autres, "ni premiers, ni divisibles par 2, 3, 5 mais par 7, 11, 13, ...", " autres ",
     QColor(0, 128, 128)},
};

}  // namespace

TNRangeF::TNRangeF(QWidget* parent) : TJeuForm(Description_Range(), parent) {
    Fin_Constructeur();
}

void TNRangeF::Construit_Enfants() {
    TJeuForm::Construit_Enfants();
    setObjectName(QStringLiteral("TNRangeF"));
    juste_ = Palette_Riche() ? QColor(255, 191, 191) : QColor(255, 0, 255);

    auto figure = [this](int n, Geometrie::TFigureType type, QRect g) {
        auto* f = new TFigure(this);
        f->setObjectName(QStringLiteral("Figure%1").arg(n));
        f->setFigure(type);
        f->setGeometry(g);
        f->setDragMode(dmAutomatic);
        f->setCursor(Qt::OpenHandCursor);
        figures_[static_cast<std::size_t>(n - 1)] = f;
        return f;
    };

    // The floor band under the ground, with the label of each box.
    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(0, Sol_Haut + 22, Champ_Largeur, 30);
    Colore(Shape1, QColor(96, 64, 32), Qt::white);

    // The ground: its line, the walls of the chute and the hatches under it.
    TFigure* sol = figure(6, Geometrie::Parallele, QRect(0, Sol_Haut, Champ_Largeur, 16));
    sol->setVerticale(false);
    figure(7, Geometrie::Parallele, QRect(Nombre_X - 20, 0, 16, Sol_Haut + 9));
    figure(8, Geometrie::Parallele, QRect(Nombre_X + Nombre_Largeur + 4, 0, 16, Sol_Haut + 9));
    for (int k = 0; k < 9; ++k)
        figure(9 + k, Geometrie::Oblique, QRect(Nombre_X - 12 + 12 * k, Sol_Haut + 10, 12, 10));
    for (int n = 6; n <= 17; ++n) {
        TFigure* f = Figure(n);
        f->Pen()->setColor(Couleur_Sol);
        f->setAccessibleName(QStringLiteral("le sol"));
        connect(f, &TFigure::DragOver, this, [this](QObject* source, int, int, TDragState, bool& accepte) {
            Survol(Nrange::Premiers, source, accepte);
        });
    }

    for (std::size_t k = 0; k < std::size(Boites); ++k) {
        const Boite_Prevue& b = Boites[k];
        const int x = Boite_X + Boite_Pas * static_cast<int>(k);
        TFigure* f = figure(b.figure, Geometrie::Parallelepipede,
                            QRect(x, Sol_Haut + 8 - Boite_Cote, Boite_Cote, Boite_Cote));
        f->Brush()->setColor(b.couleur);
        f->setToolTip(QString::fromUtf8(b.bulle));
        const int code = b.code;
        connect(f, &TFigure::DragOver, this, [this, code](QObject* source, int, int, TDragState, bool& accepte) {
            Survol(code, source, accepte);
        });
        auto* l = new QLabel(QString::fromUtf8(b.etiquette), Shape1);
        l->setGeometry(x - 3, 0, Boite_Pas, 30);
        l->setAlignment(Qt::AlignCenter);
        l->setFont(Police(14));
    }

    Panel1 = new TMovPanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(Nombre_X, 0, Nombre_Largeur, Nombre_Hauteur);
    Panel1->setColor(QColor(255, 255, 0));
    Panel1->setBevelWidth(2);
    Panel1->setFont(Police(22));
    Panel1->setDragMode(dmAutomatic);
    Panel1->setCursor(Qt::OpenHandCursor);
    Panel1->setToolTip(QStringLiteral("Faire glisser le nombre dans la bonne boîte"));
    connect(Panel1, &TMovPanel::EndDrag, this, &TNRangeF::Panel1EndDrag);

    // The level, the buttons and the table of primes.
    const int xd = Champ_Largeur + 12;
    // On a background of its own: the window's turns pink or black.
    l_niv->setGeometry(xd + 58, 8, 30, 24);
    l_niv->setAlignment(Qt::AlignCenter);
    Colore(l_niv, QColor(0, 0, 128), Qt::white);
    BitBtn2 = new QPushButton(QStringLiteral("&Table"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setToolTip(QStringLiteral("Montrer ou cacher la table des nombres premiers"));
    BitBtn2->setGeometry(xd, 40, 88, 32);
    BBScore->setGeometry(xd, 84, 42, 36);
    BBAide->setGeometry(xd + 46, 84, 42, 36);
    BBFermer = new QPushButton(QStringLiteral("&Fermer"), this);
    BBFermer->setObjectName(QStringLiteral("BBFermer"));
    BBFermer->setToolTip(QStringLiteral("Fermer la fenêtre"));
    BBFermer->setGeometry(xd, Sol_Haut + 22, 88, 30);
    for (QPushButton* b : {BitBtn2, BBScore, BBAide, BBFermer}) b->setAutoDefault(false);
    connect(BitBtn2, &QPushButton::clicked, this, &TNRangeF::BitBtn2Click);
    connect(BBFermer, &QPushButton::clicked, this, &QWidget::close);

    // Above the boxes, clear of the chute: the numbers of levels 1 and 2 are
    // on its first lines, the rest scrolls.
    WinPanel1 = new TWinPanel(this);
    WinPanel1->setObjectName(QStringLiteral("WinPanel1"));
    WinPanel1->setTitre(QStringLiteral("Nombres premiers de 1 à 1000"));
    WinPanel1->setCoulTitre(Qt::white);
    WinPanel1->setCoulFondTitre(QColor(0, 0, 255));
    WinPanel1->setPosTitre(Qt::AlignHCenter);
    WinPanel1->setGeometry(Boite_X, 4, 360, 150);
    ListBox1 = new QListWidget(WinPanel1);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    QFont fixe = Plateforme::Police_Courier(10);
    fixe.setPixelSize(13);
    fixe.setBold(true);
    ListBox1->setFont(fixe);
    ListBox1->setUniformItemSizes(true);
    ListBox1->setGeometry(2, 18, 356, 130);
    WinPanel1->hide();

    Panel1->raise();
}

void TNRangeF::FormActivate() {
    TJeuForm::FormActivate();
    Randomize();
    Colore(this, Gris);
    ListBox1->clear();
    for (const std::string& l : Nrange::Table()) ListBox1->addItem(QString::fromStdString(l));
    Pose_Question();
    Timer1->start();
}

void TNRangeF::Pose_Question() {
    Nouvelle_Partie();
    partie_.Pose(SlideBar1->Position());
    const int niveau = partie_.Niveau();
    l_niv->setText(QString::number(niveau));
    WinPanel1->hide();
    BitBtn2->setVisible(niveau <= 2);
    Timer1->setInterval(Nrange::Intervalle(niveau));
    Panel1->move(Panel1->x(), 0);
    Panel1->setCaption(QString::number(partie_.Nombre()));
}

void TNRangeF::BitBtn2Click() {
    WinPanel1->setVisible(!WinPanel1->isVisible());
    if (WinPanel1->isVisible()) WinPanel1->raise();
}

bool TNRangeF::Au_Sol() const {
    return Nrange::Chute(Panel1->y(), Panel1->height(), Figure(6)->y(), false, Nrange::Premiers) !=
           Nrange::Etape::Descend;
}

void TNRangeF::Timer1Timer() {
    // The number waits while another window (a message, the scores) is in front.
    if (!Fenetre_Active()) return;
    const bool en_main = Glisse::Source_En_Cours() == Panel1;
    switch (Nrange::Chute(Panel1->y(), Panel1->height(), Figure(6)->y(), en_main, partie_.Boite_Choisie())) {
    case Nrange::Etape::Descend: Panel1->move(Panel1->x(), Panel1->y() + Nrange::Pas_Chute); break;
    case Nrange::Etape::Attend: break;
    case Nrange::Etape::Nouveau: Pose_Question(); break;
    case Nrange::Etape::Perdu:
        Nrange::Partie::Perd();
        Perdu();
        break;
    }
}

void TNRangeF::Survol(int boite, QObject* source, bool& accepte) {
    WinPanel1->hide();
    partie_.Choisit(boite);
    accepte = source == Panel1;
}

void TNRangeF::Panel1EndDrag(QObject*, int, int) {
    if (!isVisible() || !Timer1->isActive()) return;
    switch (partie_.Fin_De_Glisse(Au_Sol())) {
    case Nrange::Fin::Perdu: Perdu(); return;
    case Nrange::Fin::Juste: Colore(this, juste_); break;
    case Nrange::Fin::Faux: Colore(this, Qt::black); break;
    }
    Met_A_Jour_Panneaux();
    Pose_Question();
}

void TNRangeF::Perdu() {
    Timer1->stop();
    Met_A_Jour_Panneaux();
    const bool rejoue = Plateforme::Message(this, Plateforme::Style::Avertissement, QStringLiteral("Perdu ! Rejouer ?"),
                                            {Plateforme::Bouton::Oui, Plateforme::Bouton::Non}) ==
                        Plateforme::Bouton::Oui;
    if (!isVisible()) return;
    if (rejoue) FormActivate();
    else close();
}

void TNRangeF::FormClose() {
    TJeuForm::FormClose();
    WinPanel1->hide();
}
