#include "shell/Fenetres.hpp"

#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <array>

#include "games/UDemine.hpp"
#include "games/UMemory.hpp"
#include "games/UTaquin.hpp"
#include "games/Ucm.hpp"
#include "games/Ucompte.hpp"
#include "games/Umaxr.hpp"
#include "games/Unrange.hpp"
#include "shell/Apropos.hpp"
#include "shell/Menu.hpp"
#include "shell/Uscore.hpp"
#include "topics/algebra/Uderiv.hpp"
#include "topics/algebra/Uec_sci.hpp"
#include "topics/algebra/Uequat1D0.hpp"
#include "topics/algebra/Uequat1d.hpp"
#include "topics/algebra/Uequat2d.hpp"
#include "topics/algebra/Uinequat.hpp"
#include "topics/algebra/Uraci.hpp"
#include "topics/algebra/Usari.hpp"
#include "topics/algebra/Usgeo.hpp"
#include "topics/algebra/Usyst.hpp"
#include "topics/decimal/Udaddi.hpp"
#include "topics/decimal/Udarrond.hpp"
#include "topics/decimal/Udencad.hpp"
#include "topics/decimal/Uddiv.hpp"
#include "topics/decimal/Udins.hpp"
#include "topics/decimal/Udmult.hpp"
#include "topics/decimal/Udrange.hpp"
#include "topics/decimal/Udsous.hpp"
#include "topics/fraction/Uqaddi.hpp"
#include "topics/fraction/Uqdiv.hpp"
#include "topics/fraction/Uqmelang.hpp"
#include "topics/fraction/Uqmult.hpp"
#include "topics/fraction/Uqpuiss.hpp"
#include "topics/fraction/Uqreduc.hpp"
#include "topics/fraction/Uqsimpl.hpp"
#include "topics/fraction/Uqsous.hpp"
#include "topics/integer/Uzaddi.hpp"
#include "topics/integer/Uzdiv.hpp"
#include "topics/integer/Uzmelang.hpp"
#include "topics/integer/Uzmult.hpp"
#include "topics/integer/Uzparent.hpp"
#include "topics/integer/Uzpuiss.hpp"
#include "topics/integer/Uzsous.hpp"
#include "topics/natural/Udecomp.hpp"
#include "topics/natural/Unaddi.hpp"
#include "topics/natural/Undiv.hpp"
#include "topics/natural/Undivis.hpp"
#include "topics/natural/Unmult.hpp"
#include "topics/natural/Unmultip.hpp"
#include "topics/natural/Unpuiss.hpp"
#include "topics/natural/Uprem.hpp"
#include "topics/natural/Unsous.hpp"

namespace Fenetres {

namespace {

// clang-format off
const std::array<Fenetre_Prevue, 52> Fenetres_Du_Programme{{
    {"TMenuForm",   Cree<TMenuForm>,  ""},
    {"TScorForm",   Cree<TScorForm>,  "&Scores"},
    {"TNMultipF",   Cree<TNMultipF>,  "Entiers &Naturels > Multiples"},
    {"TNDivisF",    Cree<TNDivisF>,   "Entiers &Naturels > Diviseurs"},
    {"TDecompf",    Cree<TDecompf>,   "Entiers &Naturels > Décomposition"},
    {"TPremF",      Cree<TPremF>,     "Entiers &Naturels > Nombres premiers"},
    {"TZAddiF",     Cree<TZAddiF>,    "Entiers &Relatifs > Addition"},
    {"TZSousF",     Cree<TZSousF>,    "Entiers &Relatifs > Soustraction"},
    {"TZMultF",     Cree<TZMultF>,    "Entiers &Relatifs > Multiplication"},
    {"TZDivF",      Cree<TZDivF>,     "Entiers &Relatifs > Division"},
    {"TQSimplF",    Cree<TQSimplF>, "Ra&tionnels > Simplification"},
    {"TQReducF",    Cree<TQReducF>, "Ra&tionnels > Réduction au même dénominateur"},
    {"TQAddiF",     Cree<TQAddiF>,  "Ra&tionnels > Addition"},
    {"TQSousF",     Cree<TQSousF>,  "Ra&tionnels > Soustraction"},
    {"TQMultF",     Cree<TQMultF>,  "Ra&tionnels > Multiplication"},
    {"TQDivF",      Cree<TQDivF>,   "Ra&tionnels > Division"},
    {"TNRangeF",    Cree<TNRangeF>,   "Entiers &Naturels > Le range-nombres"},
    {"TCMForm",     Cree<TCMForm>,    "Entiers &Naturels > Calcul Mental"},
    {"TMaxRF",      Cree<TMaxRF>,     "Entiers &Relatifs > Max Relatif"},
    {"TEc_sciF",    Cree<TEc_sciF>,   "Ré&els > Ecriture scientifique"},
    {"TRaciF",      Cree<TRaciF>,     "Ré&els > Racines carrées"},
    {"Tequat1DF",   Cree<Tequat1DF>,  "Ré&els > Equations 1er degré > Exercices"},
    {"TSystForm",   Cree<TSystForm>,  "Ré&els > Systèmes"},
    {"TEquat2dF",   Cree<TEquat2dF>,  "Ré&els > Equations 2 ème degré"},
    {"TDeriForm",   Cree<TDeriForm>,  "Ré&els > Dérivées"},
    {"TNPuissF",    Cree<TNPuissF>,          "Entiers &Naturels > Puissances"},
    {"TZMelangF",   Cree<TZMelangF>,  "Entiers &Relatifs > Mélange"},
    {"TZparentF",   Cree<TZparentF>,  "Entiers &Relatifs > Parenthèses"},
    {"TInequatF",   Cree<TInequatF>,          "Ré&els > Inéquations"},
    {"TNAddiF",     Cree<TNAddiF>,    "Entiers &Naturels > Opérations > Addition"},
    {"TNSousF",     Cree<TNSousF>,    "Entiers &Naturels > Opérations > Soustraction"},
    {"TNMultF",     Cree<TNMultF>,    "Entiers &Naturels > Opérations > Multiplication"},
    {"TNDivF",      Cree<TNDivF>,     "Entiers &Naturels > Opérations > Division"},
    {"TSariForm",   Cree<TSariForm>,          "Ré&els > Suites > arithmétiques"},
    {"TSgeoForm",   Cree<TSgeoForm>,          "Ré&els > Suites > géométriques"},
    {"TDRangFrm",   Cree<TDRangFrm>,       "Décimaux > Rangement"},
    {"TDinsForm",   Cree<TDinsForm>,       "Décimaux > Insertion"},
    {"TDAddForm",   Cree<TDAddForm>,       "Décimaux > Calculs > Addition"},
    {"TDsouForm",   Cree<TDsouForm>,       "Décimaux > Calculs > Soustraction"},
    {"TDmulForm",   Cree<TDmulForm>,       "Décimaux > Calculs > Multiplication"},
    {"TDdivForm",   Cree<TDdivForm>,       "Décimaux > Calculs > Division"},
    {"TDEncForm",   Cree<TDEncForm>,  "Décimaux > Encadrement"},
    {"TDArrForm",   Cree<TDArrForm>,  "Décimaux > Arrondissement"},
    {"TAboutForm",  Cree<TAboutForm>, "A propos"},
    {"TZpuissF",    Cree<TZpuissF>,   "Entiers &Relatifs > Puissances"},
    {"TQPuissF",    Cree<TQPuissF>, "Ra&tionnels > Puissances"},
    {"TQMelangF",   Cree<TQMelangF>, "Ra&tionnels > Mélange"},
    {"TCompteF",    Cree<TCompteF>,   "Entiers &Naturels > Le compte est toujours bon"},
    {"Tequat1D0F",  Cree<Tequat1D0F>, "Ré&els > Equations 1er degré > Apprentissage"},
    {"TTaquinForm", Cree<TTaquinForm>, "Décimaux > Le taquin décimal"},
    {"TDemineForm", Cree<TDemineForm>, "Ra&tionnels > Le démineur irréductible"},
    {"TMemoryForm", Cree<TMemoryForm>, "Ré&els > La mémoire réelle"},
}};
// clang-format on

}  // namespace

std::span<const Fenetre_Prevue> Table() { return Fenetres_Du_Programme; }

const Fenetre_Prevue* Prevue(const QString& classe) {
    for (const auto& f : Fenetres_Du_Programme)
        if (classe == QLatin1String(f.classe)) return &f;
    return nullptr;
}

const Fenetre_Prevue* Prevue_Par_Menu(const QString& menu) {
    for (const auto& f : Fenetres_Du_Programme)
        if (*f.menu && menu == QString::fromUtf8(f.menu)) return &f;
    return nullptr;
}

Registre::~Registre() { Detruit_Toutes(); }

void Registre::Cree_Toutes(const std::function<void(int, QWidget*)>& apres) {
    // Every window is made now, in the table's order, and keeps its state for
    // the whole run; a drill or game window builds its controls the first
    // time it is shown.
    const bool avant = TFenetreBase::Construction_Differee;
    TFenetreBase::Construction_Differee = true;
    int rang = 0;
    for (const auto& f : Fenetres_Du_Programme) {
        ++rang;
        if (!f.fabrique || Trouve(QLatin1String(f.classe))) continue;
        QWidget* w = f.fabrique();
        Ajoute(QLatin1String(f.classe), w);
        if (apres) apres(rang, w);
    }
    TFenetreBase::Construction_Differee = avant;
}

void Registre::Ajoute(const QString& classe, QWidget* w) { fenetres_.emplace_back(classe, std::unique_ptr<QWidget>(w)); }

void Registre::Detruit_Toutes() {
    while (!fenetres_.empty()) fenetres_.pop_back();
}

QWidget* Registre::Trouve(const QString& classe) const {
    for (const auto& [nom, w] : fenetres_)
        if (nom == classe) return w.get();
    return nullptr;
}

QStringList Registre::Ordre() const {
    QStringList l;
    for (const auto& f : fenetres_) l << f.first;
    return l;
}

Registre& Programme() {
    static Registre r;
    return r;
}

namespace {

// Ends a local event loop when the window it watches is hidden.
class Guetteur : public QObject {
public:
    explicit Guetteur(QEventLoop& boucle) : boucle_(boucle) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Hide) boucle_.quit();
        return false;
    }

private:
    QEventLoop& boucle_;
};

}  // namespace

void Montre_Modale(QWidget* w, QWidget* parent) {
    if (!w) return;
    if (auto* d = qobject_cast<QDialog*>(w)) {
        d->exec();
        if (parent) parent->activateWindow();
        return;
    }
    QPointer<QWidget> garde(w);
    w->setWindowModality(Qt::ApplicationModal);
    QEventLoop boucle;
    Guetteur g(boucle);
    w->installEventFilter(&g);
    w->show();
    w->raise();
    w->activateWindow();
    boucle.exec();
    if (garde) garde->removeEventFilter(&g);
    if (parent) parent->activateWindow();
}

}  // namespace Fenetres
