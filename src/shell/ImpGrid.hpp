// A string grid that writes its column and row headers from two lists and
// saves itself to, or loads itself from, a small text file (single-byte
// Windows Latin, CR LF).
#pragma once

#include <QStringList>
#include <QTableWidget>

#include "shell/logic/Grille.hpp"

class TImpGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit TImpGrid(QWidget* parent = nullptr);

    // Texts of row 0, one per column, and of column 0 from row 1 on;
    // assigning them writes them into the cells at once.
    QStringList HCol() const { return hcol_; }
    void setHCol(const QStringList& textes);
    QStringList HRow() const { return hrow_; }
    void setHRow(const QStringList& textes);
    void Applique_Entetes();

    // Bounds of the sizes a loaded file may give the grid; equal bounds fix
    // the size.
    void setLimites(Grille::Taille minimum, Grille::Taille maximum);

    QString Cellule(int colonne, int ligne) const;
    void setCellule(int colonne, int ligne, const QString& texte);

    // Writes the grid over the file in one piece (never a torn file).
    bool Sauve_Grille(const QString& chemin) const;
    // Reads the file over the grid. A file that cannot be opened leaves the
    // grid as it is, returns false and gives "Fichier <path> non trouvé" in
    // erreur. Malformed lines are skipped; a file is read up to
    // Taille_Max_Fichier bytes.
    bool Charge_Grille(const QString& chemin, QString* erreur = nullptr);
    static constexpr qint64 Taille_Max_Fichier = 1 << 20;

    // The cell's text as a real (an empty cell gives 0); throws
    // Grille::Erreur_Cellule when the text is no number.
    long double Valeur_Cellule(int colonne, int ligne) const;

    // The content as a grid of UTF-8 texts, and back.
    Grille::Grille_Texte Contenu() const;
    void setContenu(const Grille::Grille_Texte& g);

private:
    QStringList hcol_;
    QStringList hrow_;
    Grille::Taille minimum_{1, 1};
    Grille::Taille maximum_{100, 1000};
};
