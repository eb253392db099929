#include "games/UTaquin.hpp"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include "framework/logic/Commune.hpp"
#include "platform/Services.hpp"

namespace {

const QColor Couleur_Trou(182, 142, 50);
constexpr int Cellule_Modele = 25;

QFont Police_Nombres() {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(15);
    f.setBold(true);
    return f;
}

}  // namespace

TTaquinForm::TTaquinForm(QWidget* parent)
    : TPartieForm(Description{QStringLiteral("le taquin décimal"), 505, 4, QSize(632, 380), QColor(240, 239, 241),
                              QColor(236, 226, 200)},
                  parent),
      image_(Taquin::Largeur, Taquin::Hauteur), fond_(Taquin::Largeur, Taquin::Hauteur) {
    Fin_Constructeur();
}

void TTaquinForm::Construit_Enfants() {
    TPartieForm::Construit_Enfants();
    Label1 = new QLabel(QStringLiteral("Cliquer sur la grille pour déplacer les nombres décimaux  et les\n"
                                       "ranger,dans l'ordre croissant, ligne par ligne, selon le modèle :"),
                        this);
    QFont fl = Label1->font();
    fl.setPixelSize(13);
    fl.setBold(true);
    Label1->setFont(fl);
    Label1->setGeometry(12, 18, 496, 44);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    StringGrid1 = new QLabel(this);
    StringGrid1->setGeometry(515, 8, 4 * (Cellule_Modele + 1) + 1, 3 * (Cellule_Modele + 1) + 1);
    StringGrid1->setToolTip(QStringLiteral("Le modèle : l'ordre des nombres"));

    // The board and, at the same place, the solved picture.
    const QRect plateau(16, 95, Taquin::Largeur, Taquin::Hauteur);
    Fond = new QLabel(this);
    Fond->setGeometry(plateau);
    Fond->setMouseTracking(true);
    Fond->setCursor(Qt::PointingHandCursor);
    Fond->setAccessibleName(QStringLiteral("Grille du taquin"));
    Fond->setAccessibleDescription(QStringLiteral("Cliquer sur un nombre voisin de la case vide pour l'y faire glisser"));
    Fond->installEventFilter(this);
    Image1 = new QLabel(this);
    Image1->setGeometry(plateau);
    Image1->hide();

    BBCont->setGeometry(448, 110, 164, 34);
    BBAbandon->setGeometry(448, 154, 164, 34);
    l_niv->setGeometry(448, 291, 40, 34);
    BBScore->setGeometry(526, 291, 40, 34);
    BBAide->setGeometry(572, 291, 40, 34);

    FormCreate();
}

void TTaquinForm::FormCreate() {
    QPixmap modele(StringGrid1->size());
    modele.fill(QColor(128, 128, 128));
    QPainter p(&modele);
    for (int ligne = 0; ligne < 3; ++ligne)
        for (int colonne = 0; colonne < 4; ++colonne)
            StringGrid1DrawCell(p, colonne, ligne,
                                QRect(1 + colonne * (Cellule_Modele + 1), 1 + ligne * (Cellule_Modele + 1), Cellule_Modele,
                                      Cellule_Modele));
    p.end();
    StringGrid1->setPixmap(modele);
}

void TTaquinForm::StringGrid1DrawCell(QPainter& p, int colonne, int ligne, const QRect& r) {
    static const char* const Textes[3][4] = {{"", "  1° ", "  2° ", "  3° "},
                                             {"  4° ", "  5° ", "  6° ", "  7° "},
                                             {"  8° ", " etc.", "", ""}};
    p.fillRect(r, colonne == 0 && ligne == 0 ? Couleur_Trou : QColor(Qt::white));
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(10);
    p.setFont(f);
    p.setPen(Qt::black);
    p.drawText(r.adjusted(3, 3, 0, 0), Qt::AlignLeft | Qt::AlignTop, QString::fromUtf8(Textes[ligne][colonne]));
}

QRect TTaquinForm::Rectangle(Taquin::Cellule c) const {
    const int h = Taquin::Hauteur / plateau_.Nb_Lignes();
    return QRect(c.colonne * Taquin::Largeur_Cellule, c.ligne * h, Taquin::Largeur_Cellule, h);
}

void TTaquinForm::Nouveau_Jeu() {
    Image1->hide();
    textes_ = Taquin::Tire_Textes(Niveau());
    Dessine_Solution();
    Initialise_Taquin();
}

void TTaquinForm::Dessine_Solution() {
    const int lignes = Taquin::Nb_Lignes(Niveau());
    const int h = Taquin::Hauteur / lignes;
    image_.fill(Qt::white);
    QPainter p(&image_);
    p.setFont(Police_Nombres());
    const int hausse = p.fontMetrics().ascent();
    for (int r = 1; r <= lignes; ++r) {
        for (int c = 1; c <= Taquin::Colonnes; ++c) {
            // Each text from its top-left corner; the hole's cell stays empty.
            if (c > 1 || r > 1) {
                p.setPen(Qt::black);
                p.drawText(QPoint(c * 100 - 50 - 20, r * h - h / 2 - 10 + hausse),
                           QString::fromStdString(textes_[(r - 1) * 4 + c]));
            }
            p.setPen(Qt::red);
            p.drawLine(c * 100, 0, c * 100, Taquin::Hauteur);
        }
        p.setPen(Qt::red);
        p.drawLine(0, r * h, Taquin::Largeur, r * h);
    }
    p.end();
    Image1->setPixmap(image_);
}

void TTaquinForm::Initialise_Taquin() {
    plateau_.Initialise(Niveau());
    clic_ = {};
    Dessine_Taquin();
    Melange_Taquin();
}

void TTaquinForm::Dessine_Taquin() {
    QPainter p(&fond_);
    for (int i = 0; i < plateau_.Nb_Lignes(); ++i)
        for (int j = 0; j < Taquin::Colonnes; ++j) {
            const Taquin::Cellule position{j, i};
            const QRect r = Rectangle(position);
            if (plateau_.Est_Trou(position)) {
                p.fillRect(r, Couleur_Trou);
                continue;
            }
            p.drawPixmap(r, image_, Rectangle(plateau_.Source(position)));
            // A raised edge: light above and to the left, shadow below and to the right.
            p.setPen(Qt::white);
            p.drawLine(r.topLeft(), r.topRight());
            p.drawLine(r.topLeft(), r.bottomLeft());
            p.setPen(QColor(128, 128, 128));
            p.drawLine(r.bottomLeft(), r.bottomRight());
            p.drawLine(r.topRight(), r.bottomRight());
        }
    p.end();
    Fond->setPixmap(fond_);
}

void TTaquinForm::Melange_Taquin() {
    // Moves the program plays itself: no win is looked for, and the pupil's
    // clicks and Abandon wait for the end.
    melange_ = true;
    for (int k = 1; k <= 1001; ++k) {
        plateau_.Coup_Aleatoire();
        if (k % 10 == 0) {
            Dessine_Taquin();
            if (!Pause(1)) {
                // Closed meanwhile, or another game dealt: that one goes on.
                return;
            }
        }
    }
    melange_ = false;
    Dessine_Taquin();
}

void TTaquinForm::FondMouseMove(QPoint p) {
    if (const auto c = Taquin::Cellule_Du_Point(p.x(), p.y(), plateau_.Nb_Lignes())) clic_ = *c;
}

void TTaquinForm::FondClick(QPoint p) {
    if (!JeuEnCours()) return;
    const auto c = Taquin::Cellule_Du_Point(p.x(), p.y(), plateau_.Nb_Lignes());
    if (!c) return;
    clic_ = *c;
    if (!plateau_.Deplace(clic_)) return;
    Dessine_Taquin();
    if (!plateau_.Resolu()) return;
    Termine();
    FinJeu(true);
    Plateforme::Message_Information(this, QStringLiteral("Bravo, c'est gagné !"));
}

bool TTaquinForm::eventFilter(QObject* o, QEvent* e) {
    if (o == Fond) {
        if (e->type() == QEvent::MouseMove) FondMouseMove(static_cast<QMouseEvent*>(e)->position().toPoint());
        if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
            FondClick(static_cast<QMouseEvent*>(e)->position().toPoint());
    }
    return TPartieForm::eventFilter(o, e);
}

void TTaquinForm::Montre_Solution() {
    Image1->show();
    Image1->raise();
}

void TTaquinForm::FinJeu(bool gagne) {
    if (gagne) Commune::Note_Juste(30, Niveau());
    else Commune::Note_Faux(30, Niveau());
    Met_A_Jour_Panneaux();
}
