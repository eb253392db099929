#include "topics/natural/Undiv.hpp"

#include <algorithm>

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextDocument>

#include "topics/natural/Colonnes_Fenetre.hpp"

// ---- The working area ----

TZone_Calculs::TZone_Calculs(QWidget* parent) : QPlainTextEdit(parent) {
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(true);
    QPalette p = palette();
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(48, 48, 48));
    setPalette(p);
    Fond(Qt::white);
}

void TZone_Calculs::Fond(const QColor& c) {
    QPalette p = palette();
    p.setColor(QPalette::Base, c);
    setPalette(p);
}

bool TZone_Calculs::Caractere(char32_t c) {
    QTextCursor curseur = textCursor();
    // The filter sees the text the character goes into: a selection is replaced.
    if (curseur.hasSelection() && c != Exercice::Retour_Arriere) curseur.removeSelectedText();
    const QString texte = toPlainText();
    const int position = static_cast<int>(texte.left(curseur.position()).toUcs4().size());
    const Exercice::Decision d =
        filtre_ ? filtre_(c, position, texte.toStdU32String()) : Exercice::Decision::Accepte(c);
    if (d.genre != Exercice::Decision::Passe) return false;
    if (d.caractere == Exercice::Retour_Arriere) curseur.deletePreviousChar();
    else if (d.caractere == U'\n' || d.caractere == U'\r') curseur.insertBlock();
    else curseur.insertText(QString::fromUcs4(&d.caractere, 1));
    setTextCursor(curseur);
    return true;
}

void TZone_Calculs::Tape(const QString& texte) {
    for (char32_t c : texte.toUcs4()) Caractere(c);
}

void TZone_Calculs::keyPressEvent(QKeyEvent* e) {
    e->accept();
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        Caractere(U'\n');
        return;
    }
    if (e->key() == Qt::Key_Backspace) {
        Caractere(Exercice::Retour_Arriere);
        return;
    }
    if (e->matches(QKeySequence::Paste)) {
        Tape(QApplication::clipboard()->text());
        return;
    }
    // The same keys as an answer box type.
    if (TEntree::Tape_Un_Caractere(e)) {
        Tape(e->text());
        return;
    }
    // Navigation, Delete, Undo, Copy, Tab and the like keep their usual meaning.
    QPlainTextEdit::keyPressEvent(e);
}

void TZone_Calculs::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::RightButton) {
        e->accept();
        emit ClicDroit();
        return;
    }
    if (e->button() == Qt::MiddleButton) {  // no paste of the selection around the filter
        e->accept();
        return;
    }
    QPlainTextEdit::mousePressEvent(e);
}

void TZone_Calculs::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        e->accept();
        return;
    }
    QPlainTextEdit::mouseReleaseEvent(e);
}

void TZone_Calculs::contextMenuEvent(QContextMenuEvent* e) { e->accept(); }

bool TZone_Calculs::canInsertFromMimeData(const QMimeData* source) const { return source->hasText(); }

void TZone_Calculs::insertFromMimeData(const QMimeData* source) { Tape(source->text()); }

void TZone_Calculs::inputMethodEvent(QInputMethodEvent* e) {
    const QString t = e->commitString();
    QInputMethodEvent vide;
    QPlainTextEdit::inputMethodEvent(&vide);
    Tape(t);
    e->accept();
}

void TZone_Calculs::focusInEvent(QFocusEvent* e) {
    QPlainTextEdit::focusInEvent(e);
    Fond(QColor(255, 255, 128));
}

void TZone_Calculs::focusOutEvent(QFocusEvent* e) {
    QPlainTextEdit::focusOutEvent(e);
    Fond(Qt::white);
}

// ---- The window ----

namespace {

TExerciceForm::Description Description_NDiv() {
    TExerciceForm::Description d;
    d.caption = QStringLiteral("Division des nombres entiers");
    d.aide = 105;
    d.niveaux = 3;
    d.client = QSize(632, 548);
    d.fond_riche = QColor(255, 235, 235);
    d.dessin_riche = QColor();  // the glyph keeps its design colour
    d.consigne = QStringLiteral("Calculer le QUOTIENT à 1 près par défaut et le RESTE");
    return d;
}

// A label of the correction in the fixed-pitch font.
QLabel* Ligne_Fixe(QWidget* parent, Qt::Alignment a = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* l = new QLabel(parent);
    l->setFont(Colonnes_Fenetre::Police_Fixe());
    l->setAlignment(a);
    return l;
}

}  // namespace

TNDivF::TNDivF(QWidget* parent)
    : TExerciceForm(Description_NDiv(), std::make_unique<Ndiv::Sujet>(), Exercice::Memoire_Enonces(), parent) {
    Fin_Constructeur();
}

void TNDivF::Construit_Enfants() {
    TExerciceForm::Construit_Enfants();
    Panel1->setGeometry(8, 8, width() - 16, 296);
    Panel1->setLineWidth(3);
    l_niv->move(Panel1->width() - 48, 6);
    QFont police = Colonnes_Fenetre::Police_Fixe();
    police.setPixelSize(24);
    const QFontMetrics fm(police);

    // Dividend and working area at the left of the bar.
    const int gauche = 24;
    Memo1 = new TZone_Calculs(Panel1);
    Memo1->setFont(police);
    Memo1->setToolTip(QStringLiteral("calculs facultatifs (ENTREE : ligne suivante, ESPACE : vide)"));
    Memo1->setGeometry(gauche, 78, 236, 150);
    Memo1->setFiltre([this](char32_t c, int curseur, const std::u32string& texte) {
        return Cycle().Sujet_Pose().Filtre(Ndiv::Sujet::Zone_Calculs, c, curseur, texte);
    });
    connect(Memo1, &TZone_Calculs::ClicDroit, this, &TExerciceForm::Edit1MouseDown);
    Ajoute_Brouillon(Memo1);
    // The dividend's digits stand over the columns of the working area.
    const int marge = Memo1->frameWidth() + static_cast<int>(Memo1->document()->documentMargin());
    L_A = new QLabel(Panel1);
    L_A->setFont(police);
    L_A->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    L_A->setGeometry(gauche + marge, 38, 200, 36);

    Edit2 = new TEntree(Panel1);
    Edit2->setFont(Police_Question());
    Edit2->setMaxLength(6);
    Edit2->setToolTip(QStringLiteral("reste"));
    Edit2->setGeometry(gauche, 238, Largeur_Entree(6), 38);
    Branche(Edit2, 1);

    // The bracket: the bar right of the working area, the rule under the divisor.
    const int barre = Memo1->geometry().right() + 8;
    Figure2 = Colonnes_Fenetre::Regle(Panel1, true, 248);
    Figure2->move(barre, 36);
    Figure1 = Colonnes_Fenetre::Regle(Panel1, false, 250);
    Figure1->move(barre + 8, 74);
    L_B = new QLabel(Panel1);
    L_B->setFont(police);
    L_B->setGeometry(barre + 24, 38, 200, 36);

    Edit1->setMaxLength(6);
    Edit1->setToolTip(QStringLiteral("quotient"));
    Edit1->setFixedSize(Largeur_Entree(6), 38);
    Edit1->move(barre + 20, 92);

    // Scratch cells, four rows of four under the quotient.
    const int cote = Largeur_Entree(1);
    for (std::size_t i = 0; i < E.size(); ++i) {
        E[i] = Colonnes_Fenetre::Case_Brouillon(Panel1, cote);
        E[i]->resize(cote, 34);
        E[i]->move(barre + 20 + static_cast<int>(i % 4) * (cote + 6), 140 + static_cast<int>(i / 4) * 38);
        Branche_Brouillon(E[i], Ndiv::Sujet::Zone_Calculs + 1 + static_cast<int>(i));
    }

    // The verdict panel: "C'est :", then the division in small.
    const int y = Panel1->geometry().bottom() + 10;
    WinPanel1->setGeometry(16, y, 319, 196);
    LRep1->setGeometry(6, 24, 307, 22);
    const int pas = QFontMetrics(Colonnes_Fenetre::Police_Fixe()).height();
    const int haut = 48;  // the row of a and b
    const int barre_v = 150;
    Lrep_a = Ligne_Fixe(WinPanel1);
    Lrep_a->setGeometry(40, haut, barre_v - 50, pas);
    for (std::size_t i = 0; i < L.size(); ++i) {
        L[i] = Ligne_Fixe(WinPanel1);
        L[i]->setGeometry(40, haut + (static_cast<int>(i) + 1) * pas, barre_v - 50, pas);
    }
    Figure3 = Colonnes_Fenetre::Regle(WinPanel1, true, 6 * pas);
    Figure3->move(barre_v - 8, haut);
    Figure4 = Colonnes_Fenetre::Regle(WinPanel1, false, 100);
    Figure4->move(barre_v, haut + pas);
    Lrep_b = Ligne_Fixe(WinPanel1);
    Lrep_b->setGeometry(barre_v + 12, haut, 88, pas);
    L_q = Ligne_Fixe(WinPanel1);
    L_q->setGeometry(barre_v + 12, haut + pas + 16, 88, pas);
    Figure3->hide();
    Figure4->hide();
    Colonnes_Fenetre::Range_Boutons(*this, y);
}

void TNDivF::Affiche_Question() {
    const Ndiv::Sujet& s = Sujet();
    L_A->setText(QString::number(s.A()));
    L_B->setText(QString::number(s.B()));
    for (QLabel* l : {LRep1, Lrep_a, Lrep_b, L_q}) l->clear();
    for (QLabel* l : L) l->clear();
    Figure3->hide();
    Figure4->hide();
}

void TNDivF::Montre_Correction(const Exercice::Verdict& v) {
    const Ndiv::Sujet& s = Sujet();
    LRep1->setText(QString::fromStdString(v.entete));
    Lrep_a->setText(QString::number(s.A()));
    Lrep_b->setText(QString::number(s.B()));
    L_q->setText(QString::number(s.Quotient()));
    const auto lignes = Ndiv::Sujet::Dividendes_Partiels(s.A(), s.B());
    // The staircase stands under the digits of the dividend it works on.
    const int decalage = Ndiv::Sujet::Colonne_Partiels(s.A(), s.B()) *
                         QFontMetrics(Lrep_a->font()).horizontalAdvance(QLatin1Char('0'));
    for (std::size_t i = 0; i < L.size(); ++i) {
        L[i]->setText(i < lignes.size() ? QString::fromStdString(lignes[i]) : QString());
        L[i]->move(Lrep_a->x() + decalage, L[i]->y());
    }
    // The bar goes down past the quotient and the last line.
    const int pas = Lrep_a->height();
    Figure3->resize(16, std::max(static_cast<int>(lignes.size()) + 1, 2) * pas + 20);
    Figure3->show();
    Figure4->show();
}
