// The best-scores table "Les 10 meilleurs !": the ten best series scores of
// this installation. Each time it is shown it reloads the table from its
// file and places the running pupil where the current score would rank.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyledItemDelegate>

#include "shell/ImpGrid.hpp"

// Draws the cells of the score table.
class Dessin_Scores : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

class TScorForm : public QDialog {
    Q_OBJECT
public:
    explicit TScorForm(QWidget* parent = nullptr);

    QFrame* Panel2;
    QLabel* Image1;
    TImpGrid* ImpGrid1;
    QPushButton* BitBtn1;

    // Rebuilds the table: empties the entries, loads Commune::Fichier_Scores
    // when it exists, places the running pupil and sorts. The main window
    // calls it before saving the table at the end of a series.
    // messages: false when nothing may be shown (the session is ending).
    void FormActivate(bool messages = true);

    // Saves the table over Commune::Fichier_Scores; false on failure.
    bool Sauve_Scores() const;

    // Colours of a cell as drawn (background, text).
    static QColor Fond_Cellule(int colonne, int ligne, const QPalette& palette);
    static QColor Texte_Cellule(int colonne, int ligne);

    // The hidden reset: right button with Ctrl and Alt held in the lower
    // right corner of the grid (point in grid coordinates).
    void ImpGrid1MouseDown(Qt::MouseButton bouton, Qt::KeyboardModifiers touches, QPoint point);

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
};

// Makes Plateforme::Montre_Scores show this table modally.
void Installe_Montre_Scores(TScorForm* fenetre);
