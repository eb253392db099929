#include "framework/FenetreBase.hpp"

#include <algorithm>

#include <QPainter>
#include <QShortcut>
#include <QShowEvent>

#include "framework/logic/Commune.hpp"
#include "platform/Polices.hpp"
#include "platform/Services.hpp"

namespace {

const QColor Sarcelle(0, 128, 128);

QLabel* Panneau_Etat(QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QFont f = l->font();
    f.setPixelSize(13);
    f.setBold(true);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, Sarcelle);
    p.setColor(QPalette::WindowText, Qt::white);
    l->setPalette(p);
    l->setAutoFillBackground(true);
    return l;
}

// The pictures of the score and help buttons.
QIcon Icone(const QString& signe, const QColor& couleur) {
    QPixmap image(28, 28);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(couleur);
    p.setPen(QPen(couleur.darker(160), 1.5));
    p.drawEllipse(QRectF(1.5, 1.5, 25, 25));
    QFont f = Plateforme::Police_Symboles(18);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 28, 28), Qt::AlignCenter, signe);
    return QIcon(image);
}

}  // namespace

void TFenetreBase::Colore(QWidget* w, const QColor& fond, const QColor& texte) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, fond);
    if (texte.isValid()) p.setColor(QPalette::WindowText, texte);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

bool TFenetreBase::Construction_Differee = false;

TFenetreBase::TFenetreBase(const Description& d, QWidget* parent)
    : QDialog(parent), base_(d), riche_(Commune::Couleurs_Riches != d.palette_si_pauvre) {
    setWindowTitle(d.caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    setFixedSize(d.client);
    Colore(this, riche_ && d.fond_riche.isValid() ? d.fond_riche : d.fond);
}

void TFenetreBase::Fin_Constructeur() {
    if (!Construction_Differee) Construit();
}

void TFenetreBase::Construit() {
    if (construite_) return;
    construite_ = true;
    Construit_Enfants();
}

void TFenetreBase::setVisible(bool visible) {
    if (visible) Construit();
    QDialog::setVisible(visible);
}

void TFenetreBase::Construit_Enfants() {
    const Description& d = base_;
    const int W = d.client.width();
    const int H = d.client.height();

    l_niv = new QLabel(this);
    QFont fn = l_niv->font();
    fn.setPixelSize(15);
    fn.setBold(true);
    l_niv->setFont(fn);
    l_niv->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l_niv->setToolTip(QStringLiteral("Niveau de la question"));

    BBScore = new QPushButton(this);
    // The two pictures are drawn once and shared by every window.
    static const QIcon etoile = Icone(QString(QChar(0x2605)), QColor(220, 160, 0));
    static const QIcon aide = Icone(QStringLiteral("?"), QColor(40, 90, 200));
    BBScore->setIcon(etoile);
    BBScore->setIconSize(QSize(28, 28));
    BBScore->setToolTip(QStringLiteral("Les meilleurs scores"));
    BBAide = new QPushButton(this);
    BBAide->setIcon(aide);
    BBAide->setIconSize(QSize(28, 28));
    BBAide->setToolTip(QStringLiteral("Aide"));

    // Status panels along the bottom.
    const int y = H - 26;
    // The level panel keeps room for its longest label beside the slider;
    // a narrow window takes it from the name.
    const int niveau = W - W * 36 / 100 - W * 23 / 100 - W * 17 / 100;
    P_nom = Panneau_Etat(this);
    P_nom->setGeometry(0, y, W * 36 / 100 - std::max(0, 152 - niveau), 26);
    P_justes = Panneau_Etat(this);
    P_justes->setGeometry(P_nom->geometry().right() + 1, y, W * 23 / 100, 26);
    P_score = Panneau_Etat(this);
    P_score->setGeometry(P_justes->geometry().right() + 1, y, W * 17 / 100, 26);
    P_niveau = Panneau_Etat(this);
    P_niveau->setGeometry(P_score->geometry().right() + 1, y, W - P_score->geometry().right() - 1, 26);
    SlideBar1 = new TSlideBar(P_niveau);
    SlideBar1->setLoading(true);
    SlideBar1->setGeometry(P_niveau->width() - 70, 4, 64, 18);
    SlideBar1->setThumbStyle(TSlideBar::tsBar2);
    SlideBar1->setMax(d.niveaux);
    SlideBar1->setLabels({QStringLiteral("Niveau I"), QStringLiteral("Niveau II"), QStringLiteral("Niveau III"),
                          QStringLiteral("Niveau IV")});
    SlideBar1->setPosition(1);
    SlideBar1->setLoading(false);
    SlideBar1->setToolTip(QStringLiteral("Choisir le niveau"));
    P_niveau->setText(" " + SlideBar1->Label());

    connect(SlideBar1, &TSlideBar::Change, this, &TFenetreBase::SlideBar1Change);
    connect(BBScore, &QPushButton::clicked, this, &TFenetreBase::BBScoreClick);
    connect(BBAide, &QPushButton::clicked, this, &TFenetreBase::BBAideClick);
    // F1 opens the help too, so the keyboard alone reaches it.
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, &TFenetreBase::BBAideClick);

    if (Palette_Riche()) {
        const Commune::Couleur c = Commune::Couleur_Panneaux;
        for (QLabel* p : {P_nom, P_justes, P_score, P_niveau}) Colore(p, QColor(c.r, c.g, c.b), Qt::white);
    }
}

bool TFenetreBase::Palette_Riche() const { return riche_; }

void TFenetreBase::Met_A_Jour_Panneaux() {
    P_justes->setText(QStringLiteral(" Juste(s) : %1/%2").arg(Commune::Serie.NbJustes).arg(Commune::Serie.NbExercices));
    P_score->setText(QStringLiteral(" Score : %1").arg(Commune::Serie.Score));
}

void TFenetreBase::FormActivate() {
    P_nom->setText(QString::fromStdString(" " + Commune::Nom + " " + Commune::Prenom));
    Met_A_Jour_Panneaux();
}

void TFenetreBase::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) FormActivate();
}

void TFenetreBase::SlideBar1Change() { P_niveau->setText(" " + SlideBar1->Label()); }

void TFenetreBase::BBScoreClick() { Plateforme::Montre_Scores(this); }

void TFenetreBase::BBAideClick() { Plateforme::Ouvre_Aide(this, base_.aide); }

void TFenetreBase::reject() {
    // The title-bar close reaches here through QDialog::closeEvent; a window
    // still shown afterwards makes that close event ignored.
    if (!isVisible() || !FormCloseQuery()) return;
    FormClose();
    QDialog::reject();
}
