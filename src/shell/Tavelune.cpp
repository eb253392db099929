// The program: starts the application and opens its windows.
#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

#include "framework/logic/Commune.hpp"
#include "topics/integer/Uzaddi.hpp"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Tavelune"));
    app.setWindowIcon(QIcon(QStringLiteral(":/tavelune.svg")));

    // Standard buttons and dialogs in French.
    QTranslator traduction;
    if (traduction.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&traduction);

    if (QScreen* ecran = app.primaryScreen()) Commune::Couleurs_Riches = ecran->depth() > 8;

    // Until the main window exists, the addition window opens for a test pupil.
    Commune::Nom = "ESSAI";
    Commune::Prenom = "Élève";
    Commune::Classe = "5A";
    TZAddiF fenetre;
    fenetre.exec();
    return 0;
}
