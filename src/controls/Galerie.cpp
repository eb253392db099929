#include "controls/Galerie.hpp"

#include <QLabel>

#include "controls/Figures.hpp"
#include "controls/Fraction.hpp"
#include "controls/Fractn.hpp"
#include "controls/Indice.hpp"
#include "controls/MovPanel.hpp"
#include "controls/Racine.hpp"
#include "controls/Unites.hpp"

namespace {
const char* const Noms_Figures[] = {"Triangle_qq", "Triangle_iso", "Triangle_rect", "Parallelogramme", "Trapeze",
                                    "Losange", "Oblique", "Parallele", "Hauteur", "Parallelepipede",
                                    "Cylindre", "Rectangle2", "Ellipse2"};
}

TGalerieControles::TGalerieControles(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Contrôles"));
    setFixedSize(1000, 700);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 128, 128));
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);

    // Texts in a row, at the sizes the exercise windows use.
    int x = 10;
    auto place = [&x](QWidget* w, int y) {
        w->move(x, y);
        x += w->width() + 16;
    };
    struct Texte { const char* numer; const char* deno; int hauteur; };
    for (const Texte& t : {Texte{"12", "25", 89}, Texte{"-7", "1 024", 89}, Texte{"357", "4", 60}, Texte{"", "", 40}}) {
        auto* f = new TFraction(this);
        f->resize(30, t.hauteur);
        f->setNumer(QString::fromUtf8(t.numer));
        f->setDeno(QString::fromUtf8(t.deno));
        place(f, 10);
        Fractions << f;
    }
    for (int i = 0; i < 3; ++i) {
        auto* f = new TFractn(this);
        f->resize(30, 89);
        f->setNumer(QStringLiteral("5"));
        f->setDeno(i == 2 ? QStringLiteral("01") : QStringLiteral("1"));
        f->setMet_Deno(i == 1);
        place(f, 10);
        Fractions << f;
    }
    auto* colore = new TFraction(this);
    colore->resize(30, 60);
    colore->setNumer(QStringLiteral("3"));
    colore->setDeno(QStringLiteral("8"));
    colore->setCouleur(QColor(255, 255, 0));
    colore->setChange_Couleur(true);
    colore->setCouleur_Police(QColor(0, 0, 160));
    place(colore, 10);
    Fractions << colore;

    x = 10;
    for (const char* n : {"2", "75", "12 345", ""}) {
        auto* r = new TRacine(this);
        r->resize(30, 40);
        r->setNombre(QString::fromUtf8(n));
        place(r, 115);
        Racines << r;
    }
    struct Paire { const char* a; const char* b; int hauteur; };
    for (const Paire& p : {Paire{"m", "2", 24}, Paire{"cm", "3", 24}, Paire{"10", "-12", 30}, Paire{"x", "", 24},
                           Paire{"a", "n", 10}}) {
        auto* u = new TUnite(this);
        u->resize(20, p.hauteur);
        u->setUnite(QString::fromUtf8(p.a));
        u->setExposant(QString::fromUtf8(p.b));
        place(u, 120);
        Unites << u;
    }
    for (const Paire& p : {Paire{"U", "1", 30}, Paire{"U", "n+1", 30}, Paire{"V", "", 30}}) {
        auto* i = new TIndice(this);
        i->resize(25, p.hauteur);
        i->setUnite(QString::fromUtf8(p.a));
        i->setIndice(QString::fromUtf8(p.b));
        place(i, 120);
        Indices << i;
    }

    // Figures: one column per shape, the first variant above the second.
    for (int f = 0; f < Geometrie::Nombre_Figures; ++f) {
        auto* nom = new QLabel(QString::fromLatin1(Noms_Figures[f]), this);
        QFont petite = nom->font();
        petite.setPixelSize(9);
        nom->setFont(petite);
        nom->setGeometry(6 + f * 76, 180, 76, 12);
        for (int v = 0; v < 2; ++v) {
            auto* fig = new TFigure(this);
            fig->setGeometry(10 + f * 76, 200 + v * 90, 65, 65);
            fig->setFigure(TFigureType(f));
            fig->setVers_Droite(v == 0);
            fig->Brush()->setColor(QColor(255, 255, 160));
            fig->Pen()->setColor(QColor(0, 0, 128));
            fig->setToolTip(QString::fromLatin1(Noms_Figures[f]));
            Figures << fig;
        }
    }
    // The rules the windows use most: horizontal (fraction bars, column
    // operations) and vertical, in white.
    const int y_regles = 390;
    auto regle = [&](TFigureType f, bool verticale, bool vers_droite, QRect r) {
        auto* fig = new TFigure(this);
        fig->setFigure(f);
        fig->setVerticale(verticale);
        fig->setVers_Droite(vers_droite);
        fig->setGeometry(r);
        fig->Pen()->setColor(Qt::white);
        Figures << fig;
    };
    regle(Geometrie::Parallele, false, true, QRect(10, y_regles, 85, 30));
    regle(Geometrie::Hauteur, false, true, QRect(110, y_regles, 85, 30));
    regle(Geometrie::Hauteur, false, false, QRect(210, y_regles, 85, 30));
    regle(Geometrie::Hauteur, true, true, QRect(310, y_regles, 30, 85));
    regle(Geometrie::Cylindre, false, true, QRect(360, y_regles, 120, 50));
    regle(Geometrie::Cylindre, false, false, QRect(500, y_regles, 120, 50));
    Figures.last()->Brush()->setStyle(Qt::NoBrush);

    MovPanel1 = new TMovPanel(this);
    MovPanel1->setCaption(QStringLiteral("Panneau mobile"));
    MovPanel1->setColor(QColor(255, 210, 0));
    QPalette pp = MovPanel1->palette();
    pp.setColor(QPalette::WindowText, Qt::black);
    MovPanel1->setPalette(pp);
    MovPanel1->setGeometry(660, y_regles, 185, 41);
}
