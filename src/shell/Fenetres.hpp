// Every window of the program, in the order they are created at start-up,
// each with the menu item that opens it. A window that is not built yet has
// no factory: its menu item is shown disabled. Adding a window is filling in
// its factory in the table of Fenetres.cpp.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <span>
#include <vector>

namespace Fenetres {

using Fabrique = QWidget* (*)();

template <class T>
QWidget* Cree() {
    return new T();
}

struct Fenetre_Prevue {
    const char* classe;
    Fabrique fabrique;  // nullptr: not built yet
    // Where the pupil opens it: menu captions joined by " > ", exactly as
    // shown; empty for the main window.
    const char* menu;
};

// The 52 windows in creation order; the main window is the first.
std::span<const Fenetre_Prevue> Table();
const Fenetre_Prevue* Prevue(const QString& classe);
const Fenetre_Prevue* Prevue_Par_Menu(const QString& menu);

// The windows of the running program. They live until Detruit_Toutes.
class Registre {
public:
    ~Registre();
    // Creates every window of the table that can be built, in order; `apres`
    // is called after each creation (the splash keeps painting meanwhile).
    void Cree_Toutes(const std::function<void(int rang, QWidget*)>& apres = {});
    void Ajoute(const QString& classe, QWidget* w);  // takes ownership
    void Detruit_Toutes();                          // last created first
    QWidget* Trouve(const QString& classe) const;
    QStringList Ordre() const;  // classes created, in order

private:
    std::vector<std::pair<QString, std::unique_ptr<QWidget>>> fenetres_;
};

Registre& Programme();

// Shows a window modally over `parent` and returns when it is hidden again.
void Montre_Modale(QWidget* w, QWidget* parent);

}  // namespace Fenetres
