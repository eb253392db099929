#include "games/UMemory.hpp"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include "framework/logic/Commune.hpp"
#include "platform/Services.hpp"

namespace {

constexpr int Cote = 60;

// One piece of a face's line: a text, possibly under a radical sign or
// raised as an exponent.
struct Morceau {
    QString texte;
    enum { Normal, Racine, Exposant } sorte = Normal;
};
using Ligne = std::vector<Morceau>;

QFont Police(int px) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(px);
    f.setBold(true);
    return f;
}

int Largeur(const Morceau& m, int px) {
    const QFontMetrics fm(Police(m.sorte == Morceau::Exposant ? px * 3 / 5 : px));
    const int t = fm.horizontalAdvance(m.texte);
    return m.sorte == Morceau::Racine ? t + px * 3 / 5 + 2 : t;
}

int Largeur(const Ligne& l, int px) {
    int w = 0;
    for (const Morceau& m : l) w += Largeur(m, px);
    return w;
}

// Draws a line centred on x, its baseline at y.
void Dessine(QPainter& p, const Ligne& l, int px, double x, double y) {
    double cx = x - Largeur(l, px) / 2.0;
    const QFontMetrics fm(Police(px));
    for (const Morceau& m : l) {
        if (m.sorte == Morceau::Exposant) {
            p.setFont(Police(px * 3 / 5));
            p.drawText(QPointF(cx, y - fm.ascent() * 0.55), m.texte);
        } else if (m.sorte == Morceau::Racine) {
            // The sign: a short rise, a long descent, then up over the number.
            const double a = fm.ascent() * 0.8;
            const double w = px * 3 / 5;
            const double haut = y - a - 3;
            const int t = fm.horizontalAdvance(m.texte);
            p.setPen(QPen(Qt::black, std::max(1.5, px / 11.0), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            p.drawPolyline(QPolygonF{{cx + 0.5, y - a * 0.45}, {cx + w * 0.3, y - a * 0.55}, {cx + w * 0.55, y + 1},
                                     {cx + w, haut}, {cx + w + t + 2, haut}});
            p.setFont(Police(px));
            p.drawText(QPointF(cx + w + 1, y), m.texte);
        } else {
            p.setFont(Police(px));
            p.drawText(QPointF(cx, y), m.texte);
        }
        cx += Largeur(m, px);
    }
}

// The largest size at which every line fits the card's width.
int Taille(std::initializer_list<const Ligne*> lignes, int px) {
    for (; px > 10; --px) {
        bool tient = true;
        for (const Ligne* l : lignes) tient = tient && Largeur(*l, px) <= Cote - 8;
        if (tient) break;
    }
    return px;
}

QPixmap Face(const Ligne& haut, const Ligne& bas = {}) {
    QPixmap image(Cote, Cote);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QColor(120, 120, 120));
    p.drawRect(0, 0, Cote - 1, Cote - 1);
    p.setPen(Qt::black);
    if (bas.empty()) {
        const int px = Taille({&haut}, 24);
        const QFontMetrics fm(Police(px));
        Dessine(p, haut, px, Cote / 2.0, Cote / 2.0 + fm.capHeight() / 2.0);
    } else {
        // A fraction: numerator, bar, denominator.
        const int px = Taille({&haut, &bas}, 18);
        const QFontMetrics fm(Police(px));
        const double barre = Cote / 2.0 + 1;
        Dessine(p, haut, px, Cote / 2.0, barre - 5);
        Dessine(p, bas, px, Cote / 2.0, barre + 6 + fm.capHeight());
        const double w = std::max(Largeur(haut, px), Largeur(bas, px)) / 2.0 + 2;
        p.setPen(QPen(Qt::black, 1.5));
        p.drawLine(QPointF(Cote / 2.0 - w, barre), QPointF(Cote / 2.0 + w, barre));
    }
    return image;
}

// The back: a square maze.
QPixmap Dos() {
    QPixmap image(Cote, Cote);
    image.fill(QColor(20, 50, 120));
    QPainter p(&image);
    p.setPen(QPen(QColor(250, 200, 40), 2, Qt::SolidLine, Qt::SquareCap));
    // Concentric walls, each with a gap turning a quarter from the last.
    for (int k = 0; k < 5; ++k) {
        const int a = 3 + k * 6, b = Cote - 4 - k * 6;
        const int g = (a + b) / 2;
        const QLine cotes[4] = {{a, a, b, a}, {b, a, b, b}, {b, b, a, b}, {a, b, a, a}};
        for (int c = 0; c < 4; ++c) {
            const QLine l = cotes[c];
            if (c != k % 4) {
                p.drawLine(l);
                continue;
            }
            // Leave a gap in the middle of this side.
            const QPoint m = c % 2 == 0 ? QPoint(g, l.y1()) : QPoint(l.x1(), g);
            const QPoint d = c % 2 == 0 ? QPoint(3, 0) : QPoint(0, 3);
            const bool croissant = l.p1().x() + l.p1().y() < l.p2().x() + l.p2().y();
            p.drawLine(l.p1(), croissant ? m - d : m + d);
            p.drawLine(croissant ? m + d : m - d, l.p2());
        }
        // A spur from each wall to the next, so that it reads as a maze.
        if (k < 4) {
            const int s = (k * 7) % 4;
            const QPoint debut[4] = {{g + 8, a}, {b, g - 8}, {g - 8, b}, {a, g + 8}};
            const QPoint pas[4] = {{0, 6}, {-6, 0}, {0, -6}, {6, 0}};
            p.drawLine(debut[s], debut[s] + pas[s]);
        }
    }
    return image;
}

std::vector<QPixmap> Images() {
    using M = Morceau;
    auto t = [](const char* s) { return Ligne{M{QString::fromUtf8(s)}}; };
    auto puissance = [](const char* b, const char* e) {
        return Ligne{M{QString::fromUtf8(b)}, M{QString::fromUtf8(e), M::Exposant}};
    };
    auto racine = [](const char* n) { return M{QString::fromUtf8(n), M::Racine}; };
    std::vector<QPixmap> v;
    v.push_back(Dos());
    for (const char* s : {"0", "12", "38", "565", "π", "1 000", "-15", "-1,7", "3,9", "2,75", "-4,25"})
        v.push_back(Face(t(s)));
    for (auto [b, e] : {std::pair{"2", "4"}, {"3", "2"}, {"10", "-2"}, {"10", "7"}, {"2", "10"}})
        v.push_back(Face(puissance(b, e)));
    for (const char* n : {"2", "3", "5", "37", "81"}) v.push_back(Face(Ligne{racine(n)}));
    v.push_back(Face(Ligne{M{QStringLiteral("2")}, racine("3")}));
    v.push_back(Face(Ligne{racine("5")}, t("2")));
    v.push_back(Face(Ligne{racine("2"), M{QStringLiteral(" + 1")}}));
    v.push_back(Face(Ligne{M{QStringLiteral("4 - ")}, racine("3")}));
    v.push_back(Face(t("2"), Ligne{racine("5"), M{QStringLiteral(" - 1")}}));
    return v;
}

}  // namespace

TMemoryForm::TMemoryForm(QWidget* parent)
    : TPartieForm(Description{QStringLiteral("La mémoire réelle"), 405, 4, QSize(632, 480), QColor(240, 239, 241),
                              QColor(222, 232, 214)},
                  parent) {
    Fin_Constructeur();
}

void TMemoryForm::Construit_Enfants() {
    TPartieForm::Construit_Enfants();
    Label1 = new QLabel(
        QStringLiteral("Cliquer délicatement sur une carte puis sur une seconde pour faire apparaître les \"paires\" de nombres réels"),
        this);
    QFont fl = Label1->font();
    fl.setPixelSize(12);
    Label1->setFont(fl);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    Label1->setGeometry(4, 1, 624, 28);

    BBCont->setGeometry(20, 392, 120, 34);
    BBAbandon->setGeometry(150, 392, 120, 34);
    lblEssais = new QLabel(this);
    QFont fe = lblEssais->font();
    fe.setPixelSize(15);
    fe.setBold(true);
    lblEssais->setFont(fe);
    lblEssais->setGeometry(285, 392, 150, 34);
    l_niv->setGeometry(440, 392, 40, 34);
    BBScore->setGeometry(520, 392, 40, 34);
    BBAide->setGeometry(566, 392, 40, 34);
}

void TMemoryForm::DetruireImages() {
    for (QLabel* c : cartes_) delete c;
    cartes_.clear();
}

void TMemoryForm::CreerImages() {
    partie_.Distribue(Niveau());
    const Memoire::Niveau_Jeu n = Memoire::Du_Niveau(Niveau());
    const int marge = (width() - Cote * n.colonnes - 10 * (n.colonnes - 1)) / 2;
    for (int b = 1; b <= n.cartes; ++b) {
        auto* c = new QLabel(this);
        c->setObjectName(QStringLiteral("IM%1").arg(b, 2, 10, QLatin1Char('0')));
        c->setGeometry(marge + (b - 1) % n.colonnes * 70, 30 + (b - 1) / n.colonnes * 70, Cote, Cote);
        c->setCursor(Qt::PointingHandCursor);
        c->installEventFilter(this);
        c->show();
        cartes_.push_back(c);
    }
    for (int b = 1; b <= n.cartes; ++b) Peint(b);
}

void TMemoryForm::Peint(int n) {
    // The cards are drawn the first time a game needs them, not at start-up.
    if (ImageList1.empty()) ImageList1 = Images();
    cartes_[n - 1]->setPixmap(ImageList1[partie_.Image(n)]);
}

bool TMemoryForm::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        const QString nom = o->objectName();
        if (nom.startsWith(QLatin1String("IM"))) {
            // Played once the card's own event is over: a new game may free
            // the cards during the pause of a mismatch.
            const int n = nom.mid(2, 2).toInt();
            QMetaObject::invokeMethod(this, [this, n] { ImClick(n); }, Qt::QueuedConnection);
        }
    }
    return TPartieForm::eventFilter(o, e);
}

void TMemoryForm::Nouveau_Jeu() {
    lblEssais->clear();
    DetruireImages();
    CreerImages();
}

void TMemoryForm::ImClick(int n) {
    if (n < 1 || n > static_cast<int>(cartes_.size())) return;
    const Memoire::Clic clic = partie_.Clique(n);
    if (clic == Memoire::Clic::Ignore) return;
    Peint(n);
    if (clic == Memoire::Clic::Premiere) return;
    lblEssais->setText(QStringLiteral("Essai n° : %1").arg(partie_.Essais()));
    if (clic == Memoire::Clic::Erreur) {
        // Both faces stay up a second; a game abandoned meanwhile keeps them.
        if (!Pause(1000)) return;
        partie_.Retourne();
        for (int k = 1; k <= partie_.Nb_Cartes(); ++k) Peint(k);
        return;
    }
    if (clic == Memoire::Clic::Gagne) {
        Termine();
        FinJeu(true);
        Plateforme::Message_Information(
            this, QStringLiteral("Bravo ") +
                      QString::fromStdString(Memoire::Note_Partie(partie_.Reference(), partie_.Essais()).verdict));
    }
}

void TMemoryForm::AfficheCartesCorrige() {
    partie_.Abandonne();
    for (int k = 1; k <= partie_.Nb_Cartes(); ++k) Peint(k);
}

void TMemoryForm::Montre_Solution() { AfficheCartesCorrige(); }

void TMemoryForm::FinJeu(bool gagne) {
    if (gagne) Commune::Note_Juste(Memoire::Note_Partie(partie_.Reference(), partie_.Essais()).points, Niveau());
    else Commune::Note_Faux(15, Niveau());
    Met_A_Jour_Panneaux();
}
