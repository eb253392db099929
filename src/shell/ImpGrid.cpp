#include "shell/ImpGrid.hpp"

#include <QFile>
#include <QHeaderView>

#include "shell/Chemins.hpp"
#include "shell/logic/Windows1252.hpp"

TImpGrid::TImpGrid(QWidget* parent) : QTableWidget(parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setWordWrap(false);
}

void TImpGrid::setHCol(const QStringList& textes) {
    hcol_ = textes;
    Applique_Entetes();
}

void TImpGrid::setHRow(const QStringList& textes) {
    hrow_ = textes;
    Applique_Entetes();
}

void TImpGrid::Applique_Entetes() {
    if (rowCount() > 0)
        for (int c = 0; c < columnCount(); ++c) setCellule(c, 0, c < hcol_.size() ? hcol_[c] : QString());
    if (columnCount() > 0)
        for (int r = 1; r < rowCount(); ++r) {
            const int i = r - 1;
            if (i < hrow_.size()) setCellule(0, r, hrow_[i]);
            else if (!hrow_.isEmpty()) setCellule(0, r, QString());
        }
}

void TImpGrid::setLimites(Grille::Taille minimum, Grille::Taille maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
    setContenu(Contenu());
}

QString TImpGrid::Cellule(int colonne, int ligne) const {
    const QTableWidgetItem* i = item(ligne, colonne);
    return i ? i->text() : QString();
}

void TImpGrid::setCellule(int colonne, int ligne, const QString& texte) {
    if (colonne < 0 || ligne < 0 || colonne >= columnCount() || ligne >= rowCount()) return;
    if (QTableWidgetItem* i = item(ligne, colonne)) {
        i->setText(texte);
        return;
    }
    if (texte.isEmpty()) return;
    auto* i = new QTableWidgetItem(texte);
    i->setFlags(Qt::ItemIsEnabled);
    setItem(ligne, colonne, i);
}

Grille::Grille_Texte TImpGrid::Contenu() const {
    Grille::Grille_Texte g(columnCount(), rowCount(), minimum_, maximum_);
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            if (const QTableWidgetItem* i = item(r, c); i && !i->text().isEmpty())
                g.Fixe(c, r, i->text().toStdString());
    return g;
}

void TImpGrid::setContenu(const Grille::Grille_Texte& g) {
    setColumnCount(g.Colonnes());
    setRowCount(g.Lignes());
    for (int r = 0; r < g.Lignes(); ++r)
        for (int c = 0; c < g.Colonnes(); ++c) setCellule(c, r, QString::fromStdString(g.Cellule(c, r)));
}

bool TImpGrid::Sauve_Grille(const QString& chemin) const {
    const std::string octets = Windows1252::Depuis_Utf8(Contenu().Texte());
    return Chemins::Ecrit_Entier(chemin, QByteArray(octets.data(), static_cast<qsizetype>(octets.size())));
}

bool TImpGrid::Charge_Grille(const QString& chemin, QString* erreur) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) {
        if (erreur) *erreur = QStringLiteral("Fichier ") + chemin + QStringLiteral(" non trouvé");
        return false;
    }
    QByteArray octets = f.read(Taille_Max_Fichier);
    // A file cut by the size bound loses its unfinished last line.
    if (!f.atEnd()) {
        const qsizetype fin = octets.lastIndexOf('\n');
        octets.truncate(fin < 0 ? 0 : fin + 1);
    }
    Grille::Grille_Texte g = Contenu();
    g.Lit(Windows1252::Texte_Lu(octets.toStdString()));
    setContenu(g);
    return true;
}

long double TImpGrid::Valeur_Cellule(int colonne, int ligne) const {
    long double v = 0;
    if (const std::size_t pos = Grille::Lit_Reel(Cellule(colonne, ligne).toStdString(), v))
        throw Grille::Erreur_Cellule(pos, colonne, ligne);
    return v;
}
