#include "shell/Apropos.hpp"

#include <QFrame>
#include <QIcon>

#include "framework/logic/Commune.hpp"
#include "shell/Icone.hpp"

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("A propos"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    setFixedSize(330, 230);

    auto* cadre = new QFrame(this);
    cadre->setGeometry(8, 8, 314, 170);
    cadre->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    Image1 = new QLabel(cadre);
    Image1->setGeometry(12, 12, 48, 48);
    Image1->setPixmap(Image_Programme(48));

    ProductName = new QLabel(QStringLiteral("Tavelune"), cadre);
    ProductName->setGeometry(76, 12, 220, 28);
    QFont grand = ProductName->font();
    grand.setPixelSize(22);
    grand.setBold(true);
    ProductName->setFont(grand);
    ProductName->setStyleSheet(QStringLiteral("color: navy"));

    Version = new QLabel(QString::fromStdString(Commune::Version), cadre);
    Version->setGeometry(76, 42, 220, 20);

    Copyright = new QLabel(QStringLiteral("L'équipe Tavelune"), cadre);
    Copyright->setGeometry(12, 80, 290, 20);

    Comments = new QLabel(QStringLiteral("Exercices et jeux de calcul : entiers naturels, relatifs, "
                                         "rationnels, décimaux et réels."),
                          cadre);
    Comments->setGeometry(12, 104, 290, 56);
    Comments->setWordWrap(true);
    Comments->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setGeometry(127, 190, 76, 28);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}
