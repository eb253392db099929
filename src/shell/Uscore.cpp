#include "shell/Uscore.hpp"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

#include "framework/logic/Commune.hpp"
#include "platform/Services.hpp"

namespace {

using namespace Grille::Scores;

// Column widths and row height of the table, grid line included.
constexpr int Largeurs[Colonnes] = {104, 99, 69};
constexpr int Hauteur_Ligne = 21;

// The picture above the table: a cup on a ribbon of stars.
QPixmap Dessine_Image(QSize taille) {
    QPixmap image(taille);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal h = taille.height();
    const qreal cx = 30;

    // The cup.
    QLinearGradient or_(cx - 14, 0, cx + 14, 0);
    or_.setColorAt(0, QColor(184, 134, 11));
    or_.setColorAt(0.45, QColor(255, 223, 96));
    or_.setColorAt(1, QColor(166, 118, 8));
    p.setPen(QPen(QColor(120, 84, 0), 1));
    p.setBrush(or_);
    QPainterPath coupe;
    coupe.moveTo(cx - 14, 5);
    coupe.lineTo(cx + 14, 5);
    coupe.cubicTo(cx + 14, 24, cx + 6, 30, cx + 2, 32);
    coupe.lineTo(cx + 2, h - 14);
    coupe.lineTo(cx - 2, h - 14);
    coupe.lineTo(cx - 2, 32);
    coupe.cubicTo(cx - 6, 30, cx - 14, 24, cx - 14, 5);
    p.drawPath(coupe);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(184, 134, 11), 3));
    p.drawArc(QRectF(cx - 22, 8, 12, 14), 90 * 16, 180 * 16);
    p.drawArc(QRectF(cx + 10, 8, 12, 14), 270 * 16, 180 * 16);
    p.setPen(QPen(QColor(120, 84, 0), 1));
    p.setBrush(or_);
    p.drawRect(QRectF(cx - 10, h - 14, 20, 5));

    // The title and a row of stars.
    QFont titre(QStringLiteral("Times New Roman"));
    titre.setPixelSize(22);
    titre.setBold(true);
    titre.setItalic(true);
    p.setFont(titre);
    p.setPen(QColor(0, 0, 128));
    const QRectF zone(60, 0, taille.width() - 64, h - 12);
    p.drawText(zone, Qt::AlignCenter, QStringLiteral("Les 10 meilleurs !"));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(225, 0, 77));
    for (int i = 0; i < 10; ++i) {
        const QPointF c(zone.left() + 12 + i * (zone.width() - 24) / 9, h - 8);
        QPolygonF etoile;
        for (int k = 0; k < 10; ++k) {
            const qreal r = (k % 2) ? 2.0 : 5.0;
            const qreal a = -M_PI / 2 + k * M_PI / 5;
            etoile << c + QPointF(r * std::cos(a), r * std::sin(a));
        }
        p.drawPolygon(etoile);
    }
    return image;
}

}  // namespace

// ---------------------------------------------------------------------------
// Cell drawing

QColor TScorForm::Fond_Cellule(int, int ligne, const QPalette& palette) {
    if (ligne == 0) return palette.color(QPalette::Button);
    return (ligne % 2) ? QColor(236, 236, 255) : QColor(223, 223, 255);
}

QColor TScorForm::Texte_Cellule(int colonne, int ligne) {
    if (ligne > 0 && colonne == Col_Prenom) return Qt::black;
    if (ligne > 0 && colonne == Col_Score) return Qt::blue;
    return QColor(0, 0, 128);
}

void Dessin_Scores::paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const int colonne = index.column();
    const int ligne = index.row();
    const QRect cellule = option.rect;
    p->save();
    p->setClipRect(cellule);
    p->fillRect(cellule, TScorForm::Fond_Cellule(colonne, ligne, option.palette));
    if (ligne > 0) {
        p->setPen(QColor(150, 150, 200));
        p->setBrush(Qt::NoBrush);
        p->drawRect(cellule.adjusted(0, 0, -1, -1));
    }
    p->setFont(option.font);
    p->setPen(TScorForm::Texte_Cellule(colonne, ligne));
    const QRect texte = cellule.adjusted(2, 2, 0, 0);
    const int alignement = (colonne == Col_Score ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
    p->drawText(texte, alignement | Qt::TextSingleLine, index.data(Qt::DisplayRole).toString());
    p->restore();
}

// ---------------------------------------------------------------------------

TScorForm::TScorForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Les 10 meilleurs !"));
    setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint) & ~Qt::WindowContextHelpButtonHint);
    setFixedSize(293, 325);

    Panel2 = new QFrame(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameShape(QFrame::Panel);
    Panel2->setFrameShadow(QFrame::Raised);
    Panel2->setGeometry(0, 0, 293, 54);
    Panel2->setAutoFillBackground(true);
    Image1 = new QLabel(Panel2);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(4, 2, 285, 50);

    ImpGrid1 = new TImpGrid(this);
    ImpGrid1->setObjectName(QStringLiteral("ImpGrid1"));
    ImpGrid1->setLimites({Colonnes, Lignes}, {Colonnes, Lignes});
    ImpGrid1->setColumnCount(Colonnes);
    ImpGrid1->setRowCount(Lignes);
    ImpGrid1->horizontalHeader()->setMinimumSectionSize(1);
    ImpGrid1->verticalHeader()->setMinimumSectionSize(1);
    for (int c = 0; c < Colonnes; ++c) ImpGrid1->setColumnWidth(c, Largeurs[c]);
    for (int r = 0; r < Lignes; ++r) ImpGrid1->setRowHeight(r, Hauteur_Ligne);
    ImpGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ImpGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ImpGrid1->setFrameShape(QFrame::Box);
    ImpGrid1->setLineWidth(1);
    int largeur = 2, hauteur = 2;
    for (int l : Largeurs) largeur += l;
    hauteur += Lignes * Hauteur_Ligne;
    ImpGrid1->setGeometry((293 - largeur) / 2, 57, largeur, hauteur);
    QFont police(QStringLiteral("Times New Roman"));
    police.setStyleHint(QFont::Serif);
    police.setPixelSize(12);
    ImpGrid1->setFont(police);
    ImpGrid1->setItemDelegate(new Dessin_Scores(ImpGrid1));
    ImpGrid1->setHCol({QStringLiteral("          Nom"), QStringLiteral("        Prénom"), QStringLiteral("      Score")});
    ImpGrid1->viewport()->installEventFilter(this);

    BitBtn1 = new QPushButton(QStringLiteral("&Fermer"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry((293 - 90) / 2, 57 + hauteur + 6, 90, 25);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

void TScorForm::showEvent(QShowEvent* e) {
    // The main window reads and writes the grid of a table never shown: the
    // picture and the button's icon are made for the first show.
    if (Image1->pixmap().isNull()) {
        Image1->setPixmap(Dessine_Image(Image1->size()));
        BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    }
    QDialog::showEvent(e);
    if (!e->spontaneous()) FormActivate();
}

void TScorForm::FormActivate(bool messages) {
    if (Commune::Couleurs_Riches) {
        QPalette grille = ImpGrid1->palette();
        grille.setColor(QPalette::Base, QColor(255, 255, 229));
        ImpGrid1->setPalette(grille);
        QPalette panneau = Panel2->palette();
        panneau.setColor(QPalette::Window, QColor(235, 235, 235));
        Panel2->setPalette(panneau);
    }

    Grille::Grille_Texte g = ImpGrid1->Contenu();
    g.Vide_Lignes(1, Lignes - 1);
    ImpGrid1->setContenu(g);

    const QString fichier = QString::fromStdString(Commune::Fichier_Scores);
    if (!fichier.isEmpty() && QFileInfo(fichier).isFile()) ImpGrid1->Charge_Grille(fichier);

    g = ImpGrid1->Contenu();
    Assainit(g);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        Place_Eleve(g, Commune::Nom, Commune::Prenom, Commune::Serie.Score);
    } catch (const Grille::Erreur_Cellule& erreur) {
        QApplication::restoreOverrideCursor();
        if (messages) Plateforme::Message_Erreur(this, QString::fromStdString(erreur.what()));
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    QApplication::restoreOverrideCursor();
    ImpGrid1->setContenu(g);
}

bool TScorForm::Sauve_Scores() const {
    const QString fichier = QString::fromStdString(Commune::Fichier_Scores);
    return !fichier.isEmpty() && ImpGrid1->Sauve_Grille(fichier);
}

void TScorForm::ImpGrid1MouseDown(Qt::MouseButton bouton, Qt::KeyboardModifiers touches, QPoint point) {
    if (bouton != Qt::RightButton) return;
    if (!(touches & Qt::ControlModifier) || !(touches & Qt::AltModifier)) return;
    if (point.x() <= 229 || point.y() <= 220) return;
    if (Plateforme::Message(this, Plateforme::Style::Avertissement,
                            QStringLiteral("Voulez-vous vraiment effacer les scores"),
                            {Plateforme::Bouton::Oui, Plateforme::Bouton::Non}) != Plateforme::Bouton::Oui)
        return;
    Grille::Grille_Texte g = ImpGrid1->Contenu();
    g.Vide_Lignes(1, Lignes - 1);
    ImpGrid1->setContenu(g);
    Sauve_Scores();
}

bool TScorForm::eventFilter(QObject* o, QEvent* e) {
    if (o == ImpGrid1->viewport() && e->type() == QEvent::MouseButtonPress) {
        auto* souris = static_cast<QMouseEvent*>(e);
        const QPoint point = ImpGrid1->viewport()->mapTo(ImpGrid1, souris->position().toPoint());
        ImpGrid1MouseDown(souris->button(), souris->modifiers(), point);
        return true;
    }
    return QDialog::eventFilter(o, e);
}

void Installe_Montre_Scores(TScorForm* fenetre) {
    Plateforme::Actuels().montre_scores = [fenetre](QWidget*) {
        if (fenetre) fenetre->exec();
    };
}
