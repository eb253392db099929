// The lines of the general results file for a list view: read once, sorted,
// decoded only when a row is drawn. A file of a hundred thousand lines is
// listed at once.
#pragma once

#include <QAbstractListModel>
#include <QStringList>

#include "shell/logic/Liste_Notes.hpp"

class Modele_Notes : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Loads and sorts the file's lines; false (list unchanged) when the file
    // does not exist or cannot be read.
    bool Charge(const QString& chemin);
    void Vide();
    QString Ligne(int i) const;
    QStringList Lignes() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    Liste_Notes::Lignes lignes_;
};
