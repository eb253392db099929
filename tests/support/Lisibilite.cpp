#include "support/Lisibilite.hpp"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <cmath>

#include "controls/Fraction.hpp"
#include "controls/Figures.hpp"
#include "controls/Indice.hpp"
#include "controls/Racine.hpp"
#include "controls/Unites.hpp"
#include "framework/FenetreExercice.hpp"
#include "support/Hasard_Test.hpp"

namespace {

struct Element {
    const QWidget* w;
    QRect r;  // what it covers, in the panel's coordinates
    QString nom;
};

// The rectangle a label's text covers, unclipped: a text longer than its
// label reaches past it.
QRect Texte_Couvert(const QLabel* l) {
    int drapeaux = static_cast<int>(l->alignment());
    if (l->wordWrap()) drapeaux |= Qt::TextWordWrap;
    const QRect cadre = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
    return QFontMetrics(l->font()).boundingRect(cadre, drapeaux, l->text());
}

// The smallest font cell a notation control draws with, or 0 for a figure.
int Plus_Petite_Cellule(const QWidget* w) {
    if (auto* f = qobject_cast<const TFraction*>(w)) return f->Plan().cellule;
    if (auto* u = qobject_cast<const TUnite*>(w)) {
        const auto p = u->Plan();
        return p.second ? std::min(p.cellule, p.petite_cellule) : p.cellule;
    }
    if (auto* i = qobject_cast<const TIndice*>(w)) {
        const auto p = i->Plan();
        return p.second ? std::min(p.cellule, p.petite_cellule) : p.cellule;
    }
    if (auto* r = qobject_cast<const TRacine*>(w)) return r->Plan().cellule;
    return 0;
}

QString Nom(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->text().isEmpty() ? QStringLiteral("(trait)") : '"' + l->text() + '"';
    if (auto* f = qobject_cast<const TFraction*>(w)) return f->Numer() + "/" + f->Deno();
    if (auto* u = qobject_cast<const TUnite*>(w)) return u->Unite() + "^" + u->Exposant();
    return QString::fromLatin1(w->metaObject()->className());
}

// WCAG contrast ratio of two colours, 1 (none) to 21 (black on white).
double Contraste(const QColor& a, const QColor& b) {
    auto lum = [](const QColor& c) {
        auto canal = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * canal(c.redF()) + 0.7152 * canal(c.greenF()) + 0.0722 * canal(c.blueF());
    };
    const double x = lum(a), y = lum(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}
constexpr double Contraste_Lisible = 3.0;

// A vertical and a horizontal rule meet on purpose (the bracket of a
// division): their strips may cross.
bool Angle_De_Regles(const QWidget* a, const QWidget* b) {
    auto* x = qobject_cast<const TFigure*>(a);
    auto* y = qobject_cast<const TFigure*>(b);
    return x && y && x->Figure() == Geometrie::Parallele && y->Figure() == Geometrie::Parallele &&
           x->Verticale() != y->Verticale();
}

// Makes the layouts of the window settle, as they would before painting.
void Pose_Mises_En_Page() {
    for (int i = 0; i < 4; ++i) QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

}  // namespace

QStringList Defauts_Verdict(TExerciceForm& f) {
    Pose_Mises_En_Page();
    QStringList defauts;
    TWinPanel* panneau = f.WinPanel1;
    if (!panneau->isVisible()) return {QStringLiteral("pas de verdict")};
    const QRect barre = panneau->BarreTitre()->geometry();
    const QRect dedans = panneau->contentsRect().adjusted(0, barre.bottom() + 1 - panneau->contentsRect().top(), 0, 0);

    std::vector<Element> elements;
    for (QWidget* w : panneau->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(panneau) || w == panneau->LabelTitre() || w == panneau->BarreTitre() ||
            w == panneau->BoutonFermer())
            continue;
        QRect r;
        int cellule = 0;
        if (auto* l = qobject_cast<QLabel*>(w)) {
            if (l->text().isEmpty() && !l->autoFillBackground()) continue;  // nothing drawn
            r = l->text().isEmpty() ? l->rect() : Texte_Couvert(l);
            if (!l->text().isEmpty()) cellule = QFontMetrics(l->font()).height();
        } else if (qobject_cast<TControle_Texte*>(w) || qobject_cast<TFigure*>(w)) {
            r = w->rect();
            cellule = Plus_Petite_Cellule(w);
        } else {
            continue;  // a container
        }
        const QString nom = Nom(w);
        if (cellule && cellule < Cellule_Lisible)
            defauts << QStringLiteral("%1 écrit en %2 px").arg(nom).arg(cellule);
        // What of it shows through its parents, up to the panel.
        QRect vu = r & w->rect();
        for (const QWidget* p = w; p != panneau; p = p->parentWidget()) {
            vu = vu.translated(p->pos()) & p->parentWidget()->rect();
            r.translate(p->pos());
        }
        if (vu != r || !dedans.contains(r))
            defauts << QStringLiteral("%1 coupé (%2,%3 %4x%5)").arg(nom).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
        elements.push_back({w, r, nom});
    }
    for (std::size_t i = 0; i < elements.size(); ++i)
        for (std::size_t j = i + 1; j < elements.size(); ++j)
            if (elements[i].r.intersects(elements[j].r) && !Angle_De_Regles(elements[i].w, elements[j].w))
                defauts << QStringLiteral("%1 sur %2").arg(elements[i].nom, elements[j].nom);
    return defauts;
}

QStringList Defauts_Entrees(TExerciceForm& f) {
    Pose_Mises_En_Page();
    QStringList defauts;
    for (TEntree* e : f.Panel1->findChildren<TEntree*>()) {
        if (!e->isVisibleTo(&f) || e->maxLength() > 100) continue;
        // The room QLineEdit leaves for its text.
        QStyleOptionFrame o;
        o.initFrom(e);
        o.lineWidth = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &o, e);
        constexpr int Marge = 2;  // QLineEdit's own margin on each side
        const int place = e->style()->subElementRect(QStyle::SE_LineEditContents, &o, e)
                              .marginsRemoved(e->textMargins()).width() - 2 * Marge;
        const int texte = QFontMetrics(e->font()).horizontalAdvance(QString(e->maxLength(), QLatin1Char('0')));
        if (texte > place)
            defauts << QStringLiteral("une case de %1 chiffres n'en montre que %2 px sur %3").arg(e->maxLength()).arg(place).arg(texte);
        const QPalette& p = e->palette();
        if (Contraste(p.color(QPalette::Disabled, QPalette::Text), p.color(QPalette::Disabled, QPalette::Base)) < Contraste_Lisible)
            defauts << QStringLiteral("une réponse confirmée se lit mal sur sa case");
    }
    // A control the pupil works with lies whole inside the question panel.
    const QRect dedans = f.Panel1->contentsRect();
    for (QWidget* w : f.Panel1->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&f) || !(qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w) ||
                                     qobject_cast<QAbstractSpinBox*>(w)))
            continue;
        if (qobject_cast<QLineEdit*>(w->parentWidget())) continue;  // a spin box's own line
        const QRect r(w->mapTo(f.Panel1, QPoint(0, 0)), w->size());
        if (!dedans.contains(r)) defauts << QStringLiteral("%1 dépasse du panneau de la question").arg(Nom(w));
    }
    // Spin-box arrows are drawn in the window-text colour on the button colour.
    for (QAbstractSpinBox* b : f.Panel1->findChildren<QAbstractSpinBox*>())
        if (b->isVisibleTo(&f) &&
            Contraste(b->palette().color(QPalette::WindowText), b->palette().color(QPalette::Button)) < Contraste_Lisible)
            defauts << QStringLiteral("les flèches de %1 se voient mal").arg(Nom(b));
    const QColor fond = f.Panel1->palette().color(QPalette::Window);
    for (TFigure* barre : f.Panel1->findChildren<TFigure*>())
        if (barre->isVisibleTo(&f) && Contraste(barre->Pen()->Color(), fond) < Contraste_Lisible)
            defauts << QStringLiteral("un trait se voit mal sur le panneau");
    return defauts;
}

QStringList Defauts_Corrections(TExerciceForm& f, int questions, uint64_t graine) {
    Hasard_Test hasard({}, graine);
    QStringList defauts;
    for (int niveau = 1; niveau <= f.SlideBar1->Max(); ++niveau) {
        f.SlideBar1->setPosition(niveau);
        for (int q = 0; q < questions; ++q) {
            f.BBContClick();
            if (q == 0)
                for (const QString& d : Defauts_Entrees(f)) defauts << QStringLiteral("niveau %1 : %2").arg(niveau).arg(d);
            // A wrong answer in every box the question shows: the same digit
            // everywhere is almost never right, and a right one is skipped.
            const auto repond = [&f] {
                for (TEntree* e : f.Panel1->findChildren<TEntree*>())
                    if (e->isVisibleTo(&f) && e->isEnabled() && e->text().isEmpty()) e->Tape(QStringLiteral("7"));
            };
            repond();
            // An answer chosen with a button of the question panel ("Oui",
            // "Non"): each button in turn from one question to the next.
            const QList<QPushButton*> boutons = f.Panel1->findChildren<QPushButton*>();
            for (qsizetype k = 0; k < boutons.size() && !f.BBConf->isEnabled(); ++k) {
                QPushButton* b = boutons[(q + k) % boutons.size()];
                if (!b->isVisibleTo(&f) || !b->isEnabled()) continue;
                b->click();
                repond();
            }
            // An answer given on a spin box: one step up.
            for (QAbstractSpinBox* b : f.Panel1->findChildren<QAbstractSpinBox*>())
                if (!f.BBConf->isEnabled() && b->isVisibleTo(&f) && b->isEnabled()) b->stepUp();
            if (!f.BBConf->isEnabled()) {
                defauts << QStringLiteral("niveau %1, question %2 : Confirmer reste grisé").arg(niveau).arg(q);
                continue;
            }
            f.BBConfClick();
            // Only a wrong verdict shows a correction (a refused answer shows none).
            if (f.Cycle().Question_Ouverte() || f.Dessin() != QStringLiteral("B")) continue;
            for (const QString& d : Defauts_Verdict(f))
                defauts << QStringLiteral("niveau %1, question %2 : %3").arg(niveau).arg(q).arg(d);
        }
    }
    return defauts;
}
