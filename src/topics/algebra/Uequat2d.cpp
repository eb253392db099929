#include "topics/algebra/Uequat2d.hpp"

#include <algorithm>

#include <QFontMetrics>

#include "framework/logic/Symbole.hpp"
#include "platform/Polices.hpp"

namespace {

constexpr int Largeur = 940;
constexpr int Haut_Panel = 150;
constexpr int Haut_Verdict = 182;
constexpr int Haut_Ligne = 44;     // the equation's labels
constexpr int Haut_Unite = 34;     // the x² terms: their x in the labels' size
constexpr int Haut_Indice = 30;    // "x" and its index in the worked solution

TExerciceForm::Description Description_Equat2d() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Equations du 2 ème degré");
    d.aide = 460;
    d.niveaux = 4;
    d.client = QSize(Largeur, Haut_Panel + Haut_Verdict + 70);
    d.consigne = QString::fromStdString(Equat2d::Consigne(1));
    return d;
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The worked solution's texts, in a narrow face.
QFont Police_Solution(int taille, bool gras = true) {
    QFont f(Plateforme::Famille_Proche(QStringLiteral("Arial")));
    f.setPixelSize(taille);
    f.setBold(gras);
    return f;
}

// The root lines, where room is short: a condensed face.
QFont Police_Racines(int taille) {
    QFont f = Police_Solution(taille);
    f.setStretch(QFont::Condensed);
    return f;
}

QLabel* Etiquette(QWidget* parent, const char* nom, const QString& texte, const QFont& police,
                  Qt::Alignment a = Qt::AlignCenter) {
    auto* l = new QLabel(texte, parent);
    l->setObjectName(QLatin1String(nom));
    l->setFont(police);
    l->setAlignment(a);
    return l;
}

void Applique(QLabel* l, const Equat2d::Etiquette& e) {
    l->setText(Q(e.texte));
    l->setVisible(e.visible);
}

void Applique(TUnite* u, const Equat2d::Etiquette& e) {
    u->setUnite(Q(e.texte));
    u->setVisible(e.visible);
    u->resize(u->Largeur_Voulue(), u->height());
}

template <class T>
T* Gras(T* w) {
    QFont f = w->font();
    f.setBold(true);
    w->setFont(f);
    return w;
}

}  // namespace

TEquat2dF::TEquat2dF(QWidget* parent)
    : TExerciceForm(Description_Equat2d(), std::make_unique<Equat2d::Sujet>(), Exercice::Memoire_Enonces(), parent) {
    Fin_Constructeur();
}

void TEquat2dF::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    const int W = width();
    Panel1->setGeometry(8, 8, W - 16, Haut_Panel);
    QPalette p = Panel1->palette();
    p.setColor(QPalette::Window, QColor(0, 128, 0));
    p.setColor(QPalette::WindowText, Qt::white);
    Panel1->setPalette(p);
    l_niv->move(Panel1->width() - 48, 6);

    const QFont police = Police_Question();
    const auto unite = [this, &police](const char* nom) {
        auto* u = new TUnite(Panel1);
        u->setObjectName(QLatin1String(nom));
        u->setFont(police);
        u->setExposant(QStringLiteral("2"));
        u->resize(u->Largeur_Voulue(), Haut_Unite);
        return u;
    };
    Unite1 = unite("Unite1");
    L_Bg = Etiquette(Panel1, "L_Bg", {}, police);
    L_Cg = Etiquette(Panel1, "L_Cg", {}, police);
    L_S1 = Etiquette(Panel1, "L_S1", QStringLiteral("="), police);
    L_Cd = Etiquette(Panel1, "L_Cd", {}, police);
    L_Bd = Etiquette(Panel1, "L_Bd", {}, police);
    Unite2 = unite("Unite2");

    QFont index = police;
    index.setPixelSize(15);
    Label3 = Etiquette(Panel1, "Label3", QStringLiteral("x"), police);
    Label4 = Etiquette(Panel1, "Label4", QStringLiteral("1"), index, Qt::AlignLeft | Qt::AlignBottom);
    Label2 = Etiquette(Panel1, "Label2", QStringLiteral("="), police);
    Label5 = Etiquette(Panel1, "Label5", QStringLiteral("x"), police);
    Label6 = Etiquette(Panel1, "Label6", QStringLiteral("2"), index, Qt::AlignLeft | Qt::AlignBottom);
    Label7 = Etiquette(Panel1, "Label7", QStringLiteral("="), police);
    Edit2 = new TEntree(Panel1);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setFont(police);
    for (TEntree* e : {Edit1, Edit2}) {
        e->setMaxLength(6);
        e->setFixedSize(Largeur_Entree(6), 38);
        e->setToolTip(QStringLiteral("Tapez  /  si la racine n'existe pas"));
    }
    Branche(Edit2, 1);
    // The answer row, centred under the equation: x1 = Edit1   x2 = Edit2.
    {
        const int y = 98, h = 40;
        int x = (Panel1->width() - (2 * (18 + 12 + 30 + Edit1->width()) + 60)) / 2;
        for (auto [inconnue, rang, egal, e] : {std::tuple{Label3, Label4, Label2, Edit1},
                                              std::tuple{Label5, Label6, Label7, Edit2}}) {
            inconnue->setGeometry(x, y, 18, h);
            rang->setGeometry(x + 18, y + 4, 12, h - 4);
            egal->setGeometry(x + 30, y, 30, h);
            e->move(x + 60, y + (h - e->height()) / 2);
            x += 60 + e->width() + 60;
        }
    }

    // The worked solution under the question.
    const int y = Haut_Panel + 16;
    WinPanel1->setGeometry(16, y, W - 306, Haut_Verdict);
    const int lv = WinPanel1->width();
    LRep2->hide();
    LRep0 = Etiquette(WinPanel1, "LRep0", {}, Police_Solution(17));
    LRep0->setGeometry(8, 20, lv - 16, 26);
    LRep1->setFont(Police_Solution(15, false));
    LRep1->setGeometry(8, 48, lv - 16, 22);
    Labc = Etiquette(WinPanel1, "Labc", {}, Police_Solution(15, false));
    Labc->setGeometry(8, 48, lv - 16, 22);
    Lsigndelta = Etiquette(WinPanel1, "Lsigndelta", Plateforme::Symbol(QLatin1String(Symbole::Delta)),
                           Police_Solution(18));
    Lsigndelta->setGeometry(8, 74, 22, 26);
    Ldelta = Etiquette(WinPanel1, "Ldelta", {}, Police_Solution(15), Qt::AlignLeft | Qt::AlignVCenter);
    Ldelta->setGeometry(34, 74, lv - 42, 26);
    Racine1 = Gras(new TRacine(WinPanel1));
    Racine1->setObjectName(QStringLiteral("Racine1"));
    Racine1->setFont(Police_Solution(15));
    Racine1->setNombre(Plateforme::Symbol(QLatin1String(Symbole::Delta)));
    Racine1->setGeometry(6, 102, Racine1->Largeur_Voulue(), 28);
    Racine1->resize(Racine1->Largeur_Voulue(), 28);
    LRacDelta = Etiquette(WinPanel1, "LRacDelta", {}, Police_Solution(15), Qt::AlignLeft | Qt::AlignVCenter);
    LRacDelta->setGeometry(Racine1->geometry().right() + 6, 104, 300, 26);

    const auto indice = [this](const char* nom, const char* rang) {
        auto* i = new TIndice(WinPanel1);
        i->setObjectName(QLatin1String(nom));
        i->setUnite(QStringLiteral("x"));
        i->setIndice(QLatin1String(rang));
        QFont f = Police_Solution(15, false);
        f.setItalic(true);
        i->setFont(f);
        i->resize(i->Largeur_Voulue(), Haut_Indice);
        return i;
    };
    Indice1 = indice("Indice1", "1");
    Indice2 = indice("Indice2", "2");
    Label8 = Etiquette(WinPanel1, "Label8", QStringLiteral("="), Police_Solution(15));
    Label9 = Etiquette(WinPanel1, "Label9", QStringLiteral("="), Police_Solution(15));
    Lx1 = Etiquette(WinPanel1, "Lx1", {}, Police_Solution(15), Qt::AlignLeft | Qt::AlignVCenter);
    Lx2 = Etiquette(WinPanel1, "Lx2", {}, Police_Solution(15), Qt::AlignLeft | Qt::AlignVCenter);
    Fraction1 = new TFraction(WinPanel1);
    Fraction1->setObjectName(QStringLiteral("Fraction1"));
    Fraction2 = new TFraction(WinPanel1);
    Fraction2->setObjectName(QStringLiteral("Fraction2"));
    for (TFraction* f : {Fraction1, Fraction2}) f->setFont(Police_Racines(15));
    for (QWidget* w : Solution()) w->hide();

    Cadre_Dessin->move(W - 282, y);
    BBConf->move(W - 152, y);
    BBCont->move(W - 152, y + 44);
    BBScore->move(W - 152, y + 90);
    BBAide->move(W - 80, y + 90);
}

std::vector<QWidget*> TEquat2dF::Solution() const {
    return {LRep0, LRep1, Labc, Lsigndelta, Ldelta, Racine1, LRacDelta, Indice1, Label8,
            Fraction1, Lx1, Indice2, Label9, Fraction2, Lx2};
}

void TEquat2dF::Affiche_Question() {
    const Equat2d::Equation& e = Sujet().Question();
    Change_Consigne(Q(Equat2d::Consigne(e.niveau)));
    const Equat2d::Affichage a = Equat2d::Affiche(e);
    Applique(Unite1, a.Unite1);
    Applique(L_Bg, a.L_Bg);
    Applique(L_Cg, a.L_Cg);
    Applique(L_Cd, a.L_Cd);
    Applique(L_Bd, a.L_Bd);
    Applique(Unite2, a.Unite2);
    // The equation centred on its line, only what is shown.
    const std::vector<QWidget*> rangee{Unite1, L_Bg, L_Cg, L_S1, L_Cd, L_Bd, Unite2};
    const auto largeur = [](QWidget* w) {
        if (auto* l = qobject_cast<QLabel*>(w)) return l->sizeHint().width() + (l->objectName() == "L_S1" ? 16 : 4);
        return w->width() + 2;
    };
    int total = 0;
    for (QWidget* w : rangee)
        if (!w->isHidden()) total += largeur(w);
    int x = (Panel1->width() - total) / 2;
    constexpr int y = 42;
    for (QWidget* w : rangee) {
        if (w->isHidden()) continue;
        const int l = largeur(w);
        // The x of an x² term on the line of the other labels' texts.
        if (qobject_cast<TUnite*>(w)) w->move(x, y + (Haut_Ligne - Haut_Unite) / 2 + 3);
        else w->setGeometry(x, y, l, Haut_Ligne);
        x += l;
    }

    // The worked solution, ready for a wrong answer.
    const Equat2d::Solution& s = Sujet().Resolue();
    LRep0->setText(Q(s.LRep0));
    LRep1->setText(Q(s.LRep1));
    Labc->setText(Q(s.Labc));
    Ldelta->setText(Q(s.Ldelta));
    LRacDelta->setText(Q(s.LRacDelta));
    Lx1->setText(Q(s.racines[0].texte));
    Lx2->setText(Q(s.racines[1].texte));
    for (QWidget* w : Solution()) w->hide();
}

void TEquat2dF::Place_Racines(int y) {
    const Equat2d::Solution& s = Sujet().Resolue();
    const int lv = WinPanel1->width();
    const std::array<TIndice*, 2> indices{Indice1, Indice2};
    const std::array<QLabel*, 2> egaux{Label8, Label9};
    const std::array<QLabel*, 2> valeurs{Lx1, Lx2};
    const std::array<TFraction*, 2> fractions{Fraction1, Fraction2};
    // The largest size at which the two lines stand side by side, each Lx at
    // its place, the fraction and "x = " right before it.
    for (int taille = 16; taille >= 12; --taille) {
        const QFont f = Police_Racines(taille);
        const int hf = 2 * (taille + 3);
        std::array<int, 2> debut{}, fin{};
        for (std::size_t i = 0; i < 2; ++i) {
            const Equat2d::Ligne_Racine& r = s.racines[i];
            valeurs[i]->setFont(f);
            const int lx = QFontMetrics(f).horizontalAdvance(valeurs[i]->text()) + 4;
            valeurs[i]->setGeometry(r.gauche, y + 20 - 14, lx, 28);
            int x = r.gauche - (r.fraction ? 6 : 3);
            if (r.fraction) {
                fractions[i]->setNumer(Q(r.numer));
                fractions[i]->setDeno(Q(r.deno));
                fractions[i]->resize(fractions[i]->width(), hf);
                const int wf = fractions[i]->Largeur_Voulue();
                x -= wf;
                fractions[i]->setGeometry(x, y + 20 - hf / 2, wf, hf);
                x -= 3;
            }
            egaux[i]->setFont(f);
            const int we = QFontMetrics(f).horizontalAdvance(QStringLiteral("=")) + 2;
            x -= we;
            egaux[i]->setGeometry(x, y + 20 - 14, we, 28);
            x -= indices[i]->width() + 1;
            indices[i]->move(x, y + 20 - Haut_Indice / 2);
            debut[i] = x;
            fin[i] = r.gauche + lx;
        }
        if (debut[0] >= 2 && debut[1] >= fin[0] + 12 && fin[1] <= lv - 4) break;
    }
    for (std::size_t i = 0; i < 2; ++i) {
        for (QWidget* w : {static_cast<QWidget*>(indices[i]), static_cast<QWidget*>(egaux[i]),
                           static_cast<QWidget*>(valeurs[i])})
            w->show();
        fractions[i]->setVisible(s.racines[i].fraction);
    }
}

void TEquat2dF::Montre_Correction(const Exercice::Verdict&) {
    const Equat2d::Solution& s = Sujet().Resolue();
    Ecrit_Sans_Couper(LRep0, LRep0->text(), Police_Solution(17));
    LRep0->show();
    LRep1->setText(Q(s.LRep1));
    LRep1->setVisible(!s.discriminant);
    for (QWidget* w : {static_cast<QWidget*>(Labc), static_cast<QWidget*>(Lsigndelta), static_cast<QWidget*>(Ldelta),
                       static_cast<QWidget*>(Racine1), static_cast<QWidget*>(LRacDelta)})
        w->setVisible(s.discriminant);
    // Without the discriminant's lines the roots come right under the comment.
    Place_Racines(s.discriminant ? 134 : 74);
}

void TEquat2dF::Montre_Juste(const Exercice::Verdict&) {
    for (QWidget* w : Solution()) w->hide();
}
