// The best-scores table.
#pragma once

#include <QDialog>

class TScorForm : public QDialog {
    Q_OBJECT
public:
    explicit TScorForm(QWidget* parent = nullptr);
};
