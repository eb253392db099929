// The program's help: HTML pages in the "help" folder beside the program
// (in the shared data folder for an installed program),
// one per topic number ("210.html"), "index.html" being the start page.
// They are shown in a window of the program itself.
#pragma once

#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QWidget>
#include <memory>

#include "platform/Services.hpp"

class TAideForm : public QWidget {
    Q_OBJECT
public:
    explicit TAideForm(QWidget* parent = nullptr);

    QTextBrowser* Texte;
    QPushButton* BSommaire;
    QPushButton* BRetour;
    QPushButton* BFermer;

    // Loads a page; false when it does not exist.
    bool Charge(const QString& chemin);
};

class Aide_Fenetre : public Plateforme::Aide {
public:
    // dossier: the folder of the pages (by default Installation::Dossier_Aide()).
    explicit Aide_Fenetre(const QString& dossier = QString());
    ~Aide_Fenetre() override;

    void Ouvre(QWidget* parent, int sujet) override;
    void Ferme() override;

    static QString Nom_Page(int sujet);
    QString Dossier() const { return dossier_; }
    TAideForm* Fenetre() const { return fenetre_; }

private:
    QString dossier_;
    QPointer<TAideForm> fenetre_;
};
