// The program: starts the application and opens its windows.
#include <QApplication>
#include <QIcon>
#include <QScreen>

#include "framework/logic/Commune.hpp"
#include "platform/Services.hpp"
#include "topics/integer/Uzaddi.hpp"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Tavelune"));
    app.setWindowIcon(QIcon(QStringLiteral(":/tavelune.svg")));

    Plateforme::Installe_Francais();

    if (QScreen* ecran = app.primaryScreen()) Commune::Couleurs_Riches = ecran->depth() > 8;

    // Until the main window exists, the addition window opens for a test pupil.
    Commune::Nom = "ESSAI";
    Commune::Prenom = "Élève";
    Commune::Classe = "5A";
    TZAddiF fenetre;
    fenetre.exec();
    return 0;
}
