#include "shell/Demarrage.hpp"

#include <QApplication>
#include <QElapsedTimer>
#include <QSessionManager>

#include "framework/Accessibilite.hpp"
#include "platform/Services.hpp"
#include "platform/Signaux.hpp"
#include "platform/Systeme_X11.hpp"
#include "platform/Visionneuse_Aide.hpp"
#include "shell/CheckPrevious.hpp"
#include "shell/Fenetres.hpp"
#include "shell/Menu.hpp"
#include "shell/Splash.hpp"

namespace Demarrage {

void Branche_Services() {
    auto& s = Plateforme::Actuels();
    s.aide = std::make_unique<Aide_Fenetre>();
    Accessibilite::Installe();
    s.montre_scores = [](QWidget* parent) {
        Fenetres::Montre_Modale(Fenetres::Programme().Trouve(QStringLiteral("TScorForm")), parent);
    };
}

TMenuForm* Cree_Fenetres(Instance_Partagee& instance) {
    auto* splash = new TSplForm;
    splash->Montre();
    // The splash is drawn again now and then while the windows are built
    // (something may have covered it), not after each window.
    QElapsedTimer depuis;
    depuis.start();
    Fenetres::Programme().Cree_Toutes([splash, &depuis](int, QWidget*) {
        if (splash->isVisible() && depuis.elapsed() >= 100) {
            splash->repaint();
            depuis.restart();
        }
    });
    auto* menu = qobject_cast<TMenuForm*>(Fenetres::Programme().Trouve(QStringLiteral("TMenuForm")));
    instance.Fenetre(menu);
    Branche_Fin_De_Session(menu);
    splash->hide();
    delete splash;
    if (menu) menu->showMaximized();
    return menu;
}

void Branche_Fin_De_Session(TMenuForm* menu) {
    if (!menu) return;
    new Signaux_Fin([menu](int) { menu->Fin_De_Session(); }, menu);
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, menu,
                     [menu](QSessionManager&) { menu->Fin_De_Session(); }, Qt::DirectConnection);
}

void Termine() {
    Fenetres::Programme().Detruit_Toutes();
    auto& s = Plateforme::Actuels();
    s.aide = Plateforme::Aide_Provisoire();
    s.montre_scores = nullptr;
    Systeme_X11::Ferme();
}

}  // namespace Demarrage
