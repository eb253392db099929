#include "framework/FenetreExercice.hpp"

#include <algorithm>

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include "framework/Accessibilite.hpp"
#include "framework/logic/Commune.hpp"
#include "platform/Polices.hpp"
#include "platform/Services.hpp"

namespace {

const QColor Sarcelle(0, 128, 128);
const QColor Fuchsia(255, 0, 255);
const QColor Vert(0, 255, 0);
const QColor Rouge(255, 0, 0);

}  // namespace

QFont TExerciceForm::Police_Question() {
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans")});
    f.setPixelSize(24);
    f.setBold(true);
    return f;
}

QLabel* TExerciceForm::Etiquette_Question(const QString& texte) {
    auto* l = new QLabel(texte);
    l->setFont(Police_Question());
    return l;
}

int TExerciceForm::Largeur_Entree(int chiffres) {
    return QFontMetrics(Police_Question()).horizontalAdvance(QString(chiffres, QLatin1Char('0'))) + 20;
}

void TExerciceForm::Change_Consigne(const QString& texte) {
    Label1->setText(texte);
    Label1->adjustSize();
}

TExerciceForm::TExerciceForm(const Description& d, std::unique_ptr<Exercice::Sujet> sujet,
                             Exercice::Memoire_Enonces memoire, QWidget* parent)
    : TFenetreBase(d, parent), description_(d), sujet_(std::move(sujet)), cycle_(*sujet_, std::move(memoire)) {}

void TExerciceForm::Construit_Enfants() {
    TFenetreBase::Construit_Enfants();
    const Description& d = description_;
    const int W = d.client.width();

    // Question panel across the top.
    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);
    Panel1->setGeometry(8, 8, W - 16, 112);
    Colore(Panel1, Sarcelle, Qt::white);
    Label1 = new QLabel(d.consigne, Panel1);
    QFont fc = Label1->font();
    fc.setPixelSize(15);
    fc.setBold(true);
    Label1->setFont(fc);
    Label1->move(12, 8);
    Label1->adjustSize();
    l_niv->setParent(Panel1);
    l_niv->setGeometry(Panel1->width() - 48, 6, 36, 22);
    ligne_ = new QWidget(Panel1);
    auto* lay = new QHBoxLayout(ligne_);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(8);
    Edit1 = new TEntree(Panel1);
    Edit1->setFont(Police_Question());
    Edit1->setFixedSize(96, 38);

    // Verdict panel, hidden between verdicts.
    WinPanel1 = new TWinPanel(this);
    WinPanel1->setBordSimple(true);
    WinPanel1->setGeometry(16, 132, 319, 101);
    WinPanel1->setCouleur(Qt::white);
    WinPanel1->setCoulTitre(Qt::black);
    WinPanel1->setPosTitre(Qt::AlignHCenter);
    QFont fv = WinPanel1->font();
    fv.setPixelSize(21);
    fv.setBold(true);
    WinPanel1->setCaptionFont(fv);
    LRep1 = new QLabel(WinPanel1);
    QFont fr = LRep1->font();
    fr.setPixelSize(15);
    LRep1->setFont(fr);
    LRep1->setAlignment(Qt::AlignCenter);
    LRep1->setGeometry(6, 22, 307, 24);
    LRep2 = new QLabel(WinPanel1);
    LRep2->setFont(fv);
    LRep2->setAlignment(Qt::AlignCenter);
    LRep2->setGeometry(6, 50, 307, 42);
    WinPanel1->hide();

    // Status glyph in its frame.
    Cadre_Dessin = new QFrame(this);
    Cadre_Dessin->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Cadre_Dessin->setLineWidth(2);
    Cadre_Dessin->setGeometry(W - 282, 130, 112, 108);
    L_Dessin = new QLabel(Cadre_Dessin);
    L_Dessin->setGeometry(3, 3, 106, 102);
    L_Dessin->setAlignment(Qt::AlignCenter);
    L_Dessin->setFont(Plateforme::Police_Symboles(67));
    Colore(L_Dessin, d.dessin, Fuchsia);
    L_Dessin->installEventFilter(this);

    // Buttons.
    BBConf = new QPushButton(QStringLiteral("&Confirmer"), this);
    BBConf->setGeometry(W - 152, 132, 136, 36);
    BBCont = new QPushButton(QStringLiteral("C&ontinuer"), this);
    BBCont->setGeometry(W - 152, 176, 136, 36);
    BBScore->setGeometry(W - 152, 222, 64, 38);
    BBAide->setGeometry(W - 80, 222, 64, 38);
    // Enter presses the focused button (Continue after a verdict).
    for (QPushButton* b : {BBConf, BBCont, BBScore, BBAide}) b->setAutoDefault(true);
    // Tab goes from the answer through Confirm and Continue to the shared buttons and the slider.
    setTabOrder(BBCont, BBScore);
    setTabOrder(BBScore, BBAide);
    setTabOrder(BBAide, SlideBar1);

    connect(BBCont, &QPushButton::clicked, this, &TExerciceForm::BBContClick);
    connect(BBConf, &QPushButton::clicked, this, &TExerciceForm::BBConfClick);
    L_Dessin->setAccessibleName(QStringLiteral("Symbole du résultat"));
    L_Dessin->setAccessibleDescription(QStringLiteral("Un clic remontre la correction de la question"));

    FormCreate();
    Branche(Edit1, 0);
    BBConf->setEnabled(false);
    BBCont->setEnabled(false);
    Montre_Dessin(QStringLiteral("F"));
}

namespace {
// After Confirm what the pupil typed stays readable on any box colour.
void Texte_Lisible_Desactive(QWidget* e) {
    QPalette p = e->palette();
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(48, 48, 48));
    e->setPalette(p);
}
}  // namespace

void TExerciceForm::Branche(TEntree* e, int index) {
    Texte_Lisible_Desactive(e);
    e->setFiltre([this, index](char32_t c, int curseur, const std::u32string& texte) {
        return cycle_.Sujet_Pose().Filtre(index, c, curseur, texte);
    });
    connect(e, &QLineEdit::textChanged, this, &TExerciceForm::Edit1Change);
    connect(e, &TEntree::ClicDroit, this, &TExerciceForm::Edit1MouseDown);
    connect(e, &TEntree::Entree, this, [this, e] { Entree_Validee(e); });
}

void TExerciceForm::Montre_Des_Le_Niveau(QWidget* w, int niveau) { par_niveau_.emplace_back(w, niveau); }

void TExerciceForm::Branche_Brouillon(TEntree* e, int index) {
    e->setFiltre([this, index](char32_t c, int curseur, const std::u32string& texte) {
        return cycle_.Sujet_Pose().Filtre(index, c, curseur, texte);
    });
    connect(e, &TEntree::ClicDroit, this, &TExerciceForm::Edit1MouseDown);
    Ajoute_Brouillon(e);
}

void TExerciceForm::Ajoute_Brouillon(QWidget* w) {
    Texte_Lisible_Desactive(w);
    brouillons_.push_back(w);
}

void TExerciceForm::Entree_Validee(TEntree* e) {
    // Enter walks on to the next empty answer box; from the last one it goes
    // back to the first empty box Confirm needs; with none left, it confirms.
    const auto libre = [](TEntree* x) { return x->isVisible() && x->isEnabled() && x->text().isEmpty(); };
    const std::vector<TEntree*> entrees = Entrees();
    auto it = std::find(entrees.begin(), entrees.end(), e);
    if (it != entrees.end()) {
        auto suivante = std::find_if(std::next(it), entrees.end(), libre);
        if (suivante != entrees.end()) {
            (*suivante)->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    for (TEntree* requise : Entrees_Requises())
        if (libre(requise)) {
            requise->setFocus(Qt::TabFocusReason);
            return;
        }
    if (BBConf->isEnabled()) BBConfClick();
}

void TExerciceForm::Place_Question(const std::vector<QWidget*>& elements, int y) {
    auto* lay = static_cast<QHBoxLayout*>(ligne_->layout());
    lay->addStretch(1);
    for (QWidget* w : elements) {
        w->setParent(ligne_);
        lay->addWidget(w, 0, Qt::AlignVCenter);
    }
    lay->addStretch(1);
    ligne_->setGeometry(0, y, Panel1->width(), 44);
}

// The window's background and status panels take the richer palette in
// TFenetreBase; the glyph and the question panel here.
void TExerciceForm::FormCreate() {
    if (!Palette_Riche()) return;
    if (description_.dessin_riche.isValid()) Colore(L_Dessin, description_.dessin_riche, Fuchsia);
    if (description_.panneau_riche.isValid()) Colore(Panel1, description_.panneau_riche, Qt::white);
}

void TExerciceForm::FormActivate() {
    TFenetreBase::FormActivate();
    BBContClick();
}

void TExerciceForm::SlideBar1Change() {
    TFenetreBase::SlideBar1Change();
    if (BBCont->isEnabled()) BBContClick();
}

void TExerciceForm::Montre_Dessin(const QString& code) {
    dessin_ = code;
    L_Dessin->setText(Plateforme::Wingdings(code));
}

void TExerciceForm::BBContClick() {
    const int niveau = SlideBar1->Position();
    l_niv->setText(QString::number(niveau));
    cycle_.Pose(niveau);
    for (const auto& [w, des_le_niveau] : par_niveau_) w->setVisible(niveau >= des_le_niveau);
    for (TEntree* e : marquees_) e->setMarque(QColor());
    marquees_.clear();
    Affiche_Question();
    WinPanel1->hide();
    Montre_Dessin(QStringLiteral("F"));
    LRep1->clear();
    LRep2->clear();
    // setText, unlike clear(), also drops the undo history: Ctrl+Z cannot
    // bring the last answer back.
    for (TEntree* e : Panel1->findChildren<TEntree*>()) e->setText(QString());
    const std::vector<TEntree*> entrees = Entrees();
    for (TEntree* e : entrees) e->setEnabled(true);
    for (QWidget* w : brouillons_) {
        if (auto* e = qobject_cast<QLineEdit*>(w)) e->setText(QString());
        else if (auto* m = qobject_cast<QPlainTextEdit*>(w)) m->setPlainText(QString());
        w->setEnabled(true);
    }
    juge_ = false;
    // Tab goes through the boxes Confirm needs in the order the pupil fills
    // them (a written product's total comes after its partial products),
    // then through the others in the order they are read.
    std::vector<TEntree*> ordre = Entrees_Requises();
    for (TEntree* e : entrees)
        if (std::find(ordre.begin(), ordre.end(), e) == ordre.end()) ordre.push_back(e);
    for (std::size_t i = 1; i < ordre.size(); ++i) setTabOrder(ordre[i - 1], ordre[i]);
    Apres_Question();
    // The boxes are named after the question in front of them.
    if (ligne_->layout()) ligne_->layout()->activate();
    Accessibilite::Nomme(this);
    Premiere_Entree()->setFocus();
    BBCont->setEnabled(false);
    // Emptying and filling the boxes above was no change of the pupil's; the
    // topic says once whether its fresh question may be confirmed as it stands.
    changee_ = false;
    BBConf->setEnabled(Reponse_Complete());
}

std::vector<std::string> TExerciceForm::Reponses() const {
    std::vector<std::string> r;
    for (TEntree* e : Entrees()) r.push_back(e->text().toStdString());
    return r;
}

bool TExerciceForm::Reponse_Complete() const {
    const std::vector<TEntree*> requises = Entrees_Requises();
    return std::none_of(requises.begin(), requises.end(), [](TEntree* e) { return e->text().isEmpty(); });
}

void TExerciceForm::Edit1Change() {
    changee_ = true;
    BBConf->setEnabled(cycle_.Question_Ouverte() && Reponse_Complete());
}

void TExerciceForm::Signale_Changement() { Edit1Change(); }

void TExerciceForm::Edit1MouseDown() { Plateforme::Message_Erreur(this, QStringLiteral("Utilisez le bouton gauche !")); }

void TExerciceForm::Montre_Correction(const Exercice::Verdict& v) {
    LRep1->setText(QString::fromStdString(v.entete));
    QFont f = WinPanel1->font();
    f.setPixelSize(21);
    f.setBold(true);
    Ecrit_Sans_Couper(LRep2, QString::fromStdString(v.correction), f);
}

void TExerciceForm::Ecrit_Sans_Couper(QLabel* l, const QString& texte, QFont police) {
    l->setText(texte);
    while (police.pixelSize() > 12 && QFontMetrics(police).horizontalAdvance(texte) > l->width() - 4)
        police.setPixelSize(police.pixelSize() - 1);
    l->setFont(police);
}

void TExerciceForm::BBConfClick() {
    if (!cycle_.Question_Ouverte()) return;
    const std::vector<std::string> reponses = Reponses();
    const Exercice::Verdict v = cycle_.Confirme(reponses);
    if (!v.refus.empty()) {
        // Nothing judged: the pupil is told why and types again.
        if (v.refus_compte) Met_A_Jour_Panneaux();
        Plateforme::Message_Erreur(this, QString::fromStdString(v.refus));
        Apres_Refus(v);
        return;
    }
    Met_A_Jour_Panneaux();
    if (!v.juste) {
        Montre_Dessin(QStringLiteral("B"));
        WinPanel1->setCaption(QString::fromStdString(v.legende_faux));
        WinPanel1->setTitre(QString::fromStdString(v.titre_faux));
        const std::vector<TEntree*> entrees = Entrees();
        const bool riche = Palette_Riche();
        for (int i : v.marquees)
            if (i >= 0 && i < static_cast<int>(entrees.size())) {
                entrees[i]->setMarque(riche ? description_.marque_riche : description_.marque);
                marquees_.push_back(entrees[i]);
            }
        WinPanel1->setCoulFondTitre(Rouge);
        Montre_Correction(v);
    } else {
        WinPanel1->setTitre(QStringLiteral("Juste"));
        WinPanel1->setCoulFondTitre(Vert);
        WinPanel1->setCaption(QStringLiteral("bravo"));
        Montre_Dessin(QStringLiteral("A"));
        Montre_Juste(v);
    }
    WinPanel1->show();
    WinPanel1->raise();
    BBConf->setEnabled(false);
    BBCont->setEnabled(true);
    BBCont->setFocus();
    for (TEntree* e : Entrees()) e->setEnabled(false);
    for (QWidget* w : brouillons_) w->setEnabled(false);
    juge_ = true;
}

void TExerciceForm::Apres_Refus(const Exercice::Verdict& v) {
    if (v.refus_compte) return;  // the answer stays as typed, to be completed
    for (TEntree* e : Entrees()) e->setText(QString());
    Premiere_Entree()->setFocus();
}

void TExerciceForm::L_DessinClick() {
    if (juge_ && !BBConf->isEnabled()) {
        WinPanel1->show();
        WinPanel1->raise();
    }
}

bool TExerciceForm::eventFilter(QObject* o, QEvent* e) {
    if (o == L_Dessin && e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        L_DessinClick();
        return true;
    }
    return TFenetreBase::eventFilter(o, e);
}
