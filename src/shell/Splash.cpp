#include "shell/Splash.hpp"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>

#include "framework/logic/Commune.hpp"
#include "shell/Icone.hpp"

TSplForm::TSplForm(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setFixedSize(207, 73);

    Panel1 = new QLabel(this);
    Panel1->setGeometry(0, 0, 207, 73);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(3);
    Panel1->setMidLineWidth(1);
    // The leading spaces of the text keep it clear of the picture.
    Panel1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Panel1->setIndent(10);
    Panel1->setAutoFillBackground(true);
    QFont f;
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                   QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(13);
    Panel1->setFont(f);
    QPalette p = Panel1->palette();
    p.setColor(QPalette::WindowText, QColor(128, 0, 128));
    p.setColor(QPalette::Window, QColor(240, 240, 240));
    Panel1->setPalette(p);

    Bevel1 = new QFrame(Panel1);
    Bevel1->setGeometry(6, 7, 194, 59);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);

    Image1 = new QLabel(Panel1);
    Image1->setGeometry(20, 18, 37, 33);
    Image1->setPixmap(Image_Programme(33));
    Image1->setAlignment(Qt::AlignCenter);

    Label1 = new QLabel(Panel1);
    Label1->move(96, 52);

    FormCreate();

    if (QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());
}

void TSplForm::FormCreate() {
    Panel1->setText(QString(12, QLatin1Char(' ')) + QString::fromStdString(Commune::Version) +
                    QStringLiteral("  Chargement ..."));
}

void TSplForm::Montre() {
    show();
    raise();
    repaint();
    QApplication::processEvents();
}
