#include "framework/FenetreJeu.hpp"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>

#include "platform/Services.hpp"

void TBoutonJeu::mousePressEvent(QMouseEvent* e) {
    QPushButton::mousePressEvent(e);
    if (isEnabled()) emit Presse();
}

TJeuForm::TJeuForm(const Description& d, QWidget* parent) : TFenetreBase(d, parent) {}

void TJeuForm::Construit_Enfants() {
    TFenetreBase::Construit_Enfants();
    Timer1 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, [this] {
        if (!pilote_) Timer1Timer();
    });
}

void TJeuForm::Tic() {
    if (Timer1->isActive()) Timer1Timer();
}

bool TJeuForm::Fenetre_Active() const { return active_ ? *active_ : isActiveWindow(); }

bool TJeuForm::Pause(uint16_t ms) {
    const int partie = partie_;
    QPointer<TJeuForm> garde(this);
    Plateforme::Attente(ms);
    return garde && isVisible() && partie == partie_;
}

std::function<bool()> TJeuForm::Tour_Evenements() {
    const int partie = partie_;
    QPointer<TJeuForm> garde(this);
    return [this, partie, garde] {
        QCoreApplication::processEvents();
        return garde && isVisible() && partie == partie_;
    };
}

void TJeuForm::FormClose() {
    Timer1->stop();
    Nouvelle_Partie();
}
