#include "games/UDemine.hpp"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include "framework/logic/Commune.hpp"

namespace {

constexpr QSize Taille_Glyphe(40, 35);

QPixmap Toile() {
    QPixmap p(Taille_Glyphe);
    p.fill(Qt::transparent);
    return p;
}

// A red burst: the fraction "implodes".
QPixmap Image_Mine() {
    QPixmap image = Toile();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF eclat;
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8;
        const double r = i % 2 ? 7 : 16;
        eclat << QPointF(20 + r * std::cos(a), 17.5 + r * std::sin(a));
    }
    p.setPen(QPen(QColor(140, 0, 0), 1.2));
    p.setBrush(QColor(230, 20, 20));
    p.drawPolygon(eclat);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 0));
    p.drawEllipse(QPointF(20, 17.5), 5, 5);
    return image;
}

// A green footprint: a safe step.
QPixmap Image_Pas() {
    QPixmap image = Toile();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 140, 40));
    p.drawEllipse(QRectF(14, 11, 12, 17));    // sole
    p.drawEllipse(QRectF(15.5, 27, 9, 7));    // heel
    const QPointF orteils[] = {{14.5, 8}, {18, 5.5}, {21.5, 5}, {25, 6.5}, {27.5, 9.5}};
    const double rayons[] = {2.6, 2.2, 2, 1.8, 1.6};
    for (int i = 0; i < 5; ++i) p.drawEllipse(orteils[i], rayons[i], rayons[i]);
    return image;
}

// A flag on the far side.
QPixmap Image_Arrivee() {
    QPixmap image = Toile();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 60, 20), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 4), QPointF(12, 32));
    QPainterPath drapeau;
    drapeau.moveTo(13, 4);
    drapeau.cubicTo(20, 1, 24, 9, 32, 5);
    drapeau.lineTo(32, 17);
    drapeau.cubicTo(24, 21, 20, 13, 13, 16);
    drapeau.closeSubpath();
    p.setPen(QPen(QColor(0, 90, 0), 1));
    p.setBrush(QColor(0, 170, 60));
    p.drawPath(drapeau);
    p.setBrush(QColor(60, 140, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(5, 30, 14, 4));
    return image;
}

}  // namespace

TDemineForm::TDemineForm(QWidget* parent)
    : TPartieForm(Description{QStringLiteral("Le Démineur irréductible"), 305, 4, QSize(632, 480),
                              QColor(240, 239, 241), QColor(214, 226, 240)},
                  parent),
      image_mine_(Image_Mine()), image_pas_(Image_Pas()), image_arrivee_(Image_Arrivee()) {
    Fin_Constructeur();
}

void TDemineForm::Construit_Enfants() {
    TPartieForm::Construit_Enfants();
    StaticText1 = new QLabel(QStringLiteral(
                                 "Cliquer sur les boutons activés pour traverser le champ de fractions mais en\n"
                                 "évitant soigneusement celles qui peuvent \"imploser\", c'est à dire être simplifiées !"),
                             this);
    QFont fs = StaticText1->font();
    fs.setPixelSize(14);
    fs.setBold(true);
    StaticText1->setFont(fs);
    StaticText1->setGeometry(12, 10, 608, 60);
    StaticText1->setAlignment(Qt::AlignCenter);
    StaticText1->setWordWrap(true);
    StaticText1->installEventFilter(this);

    QFont fb(QStringLiteral("Courier New"));
    fb.setPointSize(8);
    for (int r = 1; r <= Demineur::Rangees; ++r)
        for (int c = 1; c <= Demineur::Colonnes; ++c) {
            auto* b = new TBoutonJeu(this);
            b->setObjectName(QStringLiteral("BB%1%2").arg(c, 2, 10, QLatin1Char('0')).arg(r, 2, 10, QLatin1Char('0')));
            b->setGeometry(45 + (c - 1) * 54, 80 + (r - 1) * 45, 54, 45);
            b->setFont(fb);
            b->setIconSize(Taille_Glyphe);
            b->setFocusPolicy(Qt::NoFocus);
            b->setEnabled(false);
            connect(b, &TBoutonJeu::Presse, this, [this, b] { BBMouseDown(b); });
            Boutons[(r - 1) * Demineur::Colonnes + c - 1] = b;
        }

    // Buttons and level below the field.
    BBCont->setGeometry(45, 370, 130, 34);
    BBAbandon->setGeometry(185, 370, 130, 34);
    l_niv->setGeometry(400, 370, 40, 34);
    BBScore->setGeometry(500, 370, 40, 34);
    BBAide->setGeometry(545, 370, 40, 34);

    // Verdict panel, in front of the field.
    WinPanel1 = new TWinPanel(this);
    WinPanel1->setBordSimple(true);
    WinPanel1->setGeometry(181, 130, 270, 150);
    WinPanel1->setCouleur(Qt::white);
    WinPanel1->setCoulTitre(Qt::white);
    WinPanel1->setPosTitre(Qt::AlignHCenter);
    QFont fv = WinPanel1->font();
    fv.setPixelSize(17);
    fv.setBold(true);
    WinPanel1->setCaptionFont(fv);
    WinPanel1->setZoneCaption(QRect(4, 22, 262, 40));
    Fraction1 = new TFraction(WinPanel1);
    Fraction1->setNumer(QStringLiteral("a"));
    Fraction1->setDeno(QStringLiteral("b"));
    QFont ff = Fraction1->font();
    ff.setBold(true);
    Fraction1->setFont(ff);
    Fraction1->setGeometry(85, 62, 100, 80);
    WinPanel1->hide();
    WinPanel1->raise();
}

bool TDemineForm::eventFilter(QObject* o, QEvent* e) {
    if (o == StaticText1 && e->type() == QEvent::MouseButtonPress) StaticText1Click();
    return TPartieForm::eventFilter(o, e);
}

void TDemineForm::Dessine(int c, int r, bool surligne) {
    const Demineur::Case& k = champ_.At(c, r);
    // The picture, and a darker one than Qt's own for a disabled button,
    // so that the fractions not yet reachable stay readable.
    QIcon icone;
    for (const bool actif : {true, false}) {
        QPixmap image = Toile();
        QPainter p(&image);
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(13);
        f.setBold(surligne);
        p.setFont(f);
        const QColor encre = surligne ? QColor(255, 0, 0) : actif ? palette().color(QPalette::ButtonText) : QColor(105, 105, 105);
        if (!surligne) p.fillRect(image.rect(), palette().color(QPalette::Button));
        p.setPen(encre);
        // Each term right-aligned on four digit widths: the top-left corner
        // of the numerator at (5, 0), of the denominator at (5, 20).
        const int chiffre = p.fontMetrics().horizontalAdvance(QLatin1Char('0'));
        auto terme = [&](uint16_t n, int y) {
            const QString t = QString::number(n);
            p.drawText(QRect(5 + (4 - int(t.size())) * chiffre, y, 40, 15), Qt::AlignLeft | Qt::AlignTop, t);
        };
        terme(k.numer, 0);
        p.drawLine(3, 15, 35, 15);
        terme(k.deno, 20);
        if (surligne) {
            p.setBrush(Qt::NoBrush);
            p.drawRect(0, 0, 39, 34);
        }
        p.end();
        icone.addPixmap(image, actif ? QIcon::Normal : QIcon::Disabled);
    }
    Bouton(c, r)->setIcon(icone);
}

void TDemineForm::Applique_Actives() {
    for (int r = 1; r <= Demineur::Rangees; ++r)
        for (int c = 1; c <= Demineur::Colonnes; ++c) Bouton(c, r)->setEnabled(champ_.At(c, r).active);
}

void TDemineForm::Nouveau_Jeu() {
    panneau_dispo_ = false;
    WinPanel1->hide();
    champ_.Genere(Niveau());
    for (int r = 1; r <= Demineur::Rangees; ++r)
        for (int c = 1; c <= Demineur::Colonnes; ++c) Dessine(c, r);
    Applique_Actives();
}

void TDemineForm::BBMouseDown(TBoutonJeu* b) {
    const QString nom = b->objectName();
    const int c = nom.mid(2, 2).toInt();
    const int r = nom.mid(4, 2).toInt();
    const Demineur::Issue issue = champ_.Joue(c, r);
    switch (issue) {
    case Demineur::Issue::Ignore: return;
    case Demineur::Issue::Pas:
        b->setIcon(QIcon(image_pas_));
        Applique_Actives();
        return;
    default: break;
    }
    // A mine or the far side: the game is settled before the pause, and its
    // result booked once after it, whatever happened meanwhile.
    const bool gagne = issue == Demineur::Issue::Arrivee;
    const int niveau = Niveau();
    b->setIcon(QIcon(gagne ? image_arrivee_ : image_mine_));
    Regle();
    Applique_Actives();
    const bool suite = Pause(500);
    Note(gagne, niveau);
    if (!suite) return;
    Termine();
    const Demineur::Case& k = champ_.At(c, r);
    if (gagne) {
        WinPanel1->resize(270, 70);
        WinPanel1->setCaption(QStringLiteral("Bravo !"));
        Fraction1->hide();
        WinPanel1->setTitre(QStringLiteral("Gagné !"));
        WinPanel1->setCoulFondTitre(QColor(0, 128, 0));
    } else {
        WinPanel1->resize(270, 150);
        Fraction1->setNumer(QString::number(k.numer));
        Fraction1->setDeno(QString::number(k.deno));
        WinPanel1->setCaption(QStringLiteral("peut être simplifiée par %1").arg(Demineur::Plus_Petit_Diviseur(k.numer, k.deno)));
        Fraction1->show();
        WinPanel1->setTitre(QStringLiteral("Perdu !"));
        WinPanel1->setCoulFondTitre(QColor(255, 0, 0));
    }
    WinPanel1->show();
    WinPanel1->raise();
    if (!gagne) Montre_Chemin();
    panneau_dispo_ = true;
}

void TDemineForm::Montre_Chemin() {
    champ_.Montre_Chemin();
    for (const auto& [c, r] : Demineur::Cellules(champ_.Chemin())) Dessine(c, r, true);
    Applique_Actives();
}

void TDemineForm::Montre_Solution() { Montre_Chemin(); }

void TDemineForm::Note(bool gagne, int niveau) {
    if (gagne) Commune::Note_Juste(30, niveau);
    else Commune::Note_Faux(30, niveau);
    Met_A_Jour_Panneaux();
}

void TDemineForm::FinJeu(bool gagne) { Note(gagne, Niveau()); }

void TDemineForm::StaticText1Click() {
    if (!panneau_dispo_) return;
    WinPanel1->show();
    WinPanel1->raise();
}
