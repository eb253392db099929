#include "shell/Uscore.hpp"

TScorForm::TScorForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Les 10 meilleurs !"));
    setFixedSize(293, 325);
}
