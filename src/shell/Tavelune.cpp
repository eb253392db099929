// The program: one copy per program file, a splash while every window is
// built, then the main window's event loop.
#include <QApplication>
#include <QIcon>

#include "shell/CheckPrevious.hpp"
#include "shell/Demarrage.hpp"
#include "shell/Icone.hpp"
#include "platform/Installation.hpp"
#include "platform/Services.hpp"

int main(int argc, char* argv[]) {
    // The pictures are compiled into the window library: bring them in.
    Q_INIT_RESOURCE(tavelune);
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Tavelune"));
    app.setWindowIcon(Icone_Programme());
    // The launcher and the AppStream component of an installed program.
    QGuiApplication::setDesktopFileName(Installation::Identifiant());

    // A copy of this program file already runs: it comes to the front and
    // this one ends without a word.
    Instance_Partagee instance(QCoreApplication::applicationFilePath());
    if (instance.Deja_Active(1)) return 0;

    // Standard buttons and dialogs in French.
    Plateforme::Installe_Francais();

    Demarrage::Branche_Services();
    Demarrage::Cree_Fenetres(instance);
    const int fin = app.exec();
    Demarrage::Termine();
    return fin;
}
