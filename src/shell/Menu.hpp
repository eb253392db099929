// The main window: the pupil's identity, the menus that open every exercise
// window and game, the usage clock of the series and the two hidden panels
// listing the local and general results files.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QListView>
#include <QMainWindow>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "framework/WinPanel.hpp"
#include "platform/Veille.hpp"
#include "shell/Chemins.hpp"
#include "shell/Modele_Notes.hpp"
#include "shell/logic/Identite.hpp"

class TScorForm;

class TMenuForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMenuForm(QWidget* parent = nullptr);
    ~TMenuForm() override;

    static const QString Adresse_Catalogue;
    static const QString Titre_Programme;
    static constexpr int Aide_Fenetre = 10;

    // Controls, under the names the handlers use.
    QMenuBar* MainMenu1;
    QFrame* Panel1;
    QLabel* Label2;
    QLineEdit* Edit1;
    QLabel* Label3;
    QLineEdit* Edit2;
    QLabel* Label1;
    QLineEdit* Edit3;
    QPushButton* BitBtn2;
    QLabel* Panel2;
    QPushButton* BitBtn1;
    TWinPanel* WinPanel1;
    QListWidget* ListBox1;
    QPushButton* BitBtn3;
    QPushButton* BitBtn4;
    TWinPanel* WinPanel2;
    QListView* ListBox2;       // the general file can be very long:
    Modele_Notes* Modele2;     // its lines, sorted, behind a list view
    QPushButton* BitBtn5;
    QPushButton* BitBtn6;
    QLabel* StaticText1;
    QTimer* Timer1;
    QPixmap Image1;   // background tile, rich colours
    QPixmap Image11;  // background tile, 256 colours
    QAction* Nouveau1;
    QAction* Aide1;
    QAction* Scores1;
    QAction* Apropos1;

    // The top-level items of the menu bar, in order.
    QList<QAction*> Menus_Principaux() const;
    // The item at a menu path ("Entiers &Relatifs > Addition"), or nullptr.
    QAction* Action(const QString& chemin) const;
    QStringList Chemins() const;  // every item of the tree, in order

    // Files of the series (computed at the start of each series).
    Emplacements Chemins_Series;  // where this series' files live
    QString Fichier_Local;    // the local notes file
    QString Fichier_General;  // the general results file

    // Handlers.
    void FormCreate();
    // The look for a screen of rich colours, or the plain one.
    void Applique_Couleurs(bool riches);
    void FormResize();
    void FormActivate();  // starts a series
    void Edit3Change();
    void BitBtn2Click();
    void Timer1Timer();
    void Nouveau1Click();
    void Aide1Click();
    void Scores1Click();
    void Apropos1Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn5Click();
    void BitBtn6Click();
    bool FormCloseQuery();
    void FormClose();
    void StaticText1Click();
    // Opens the window of a menu item modally.
    void Ouvre(const QString& classe);

    // Ends the series: updates the score table and records the results line,
    // once per series whoever asks. Without messages nothing is asked nor
    // shown (the size warning is skipped, the line still written).
    void Sauve_Results(bool messages = true);
    // The session ends (logout, shutdown, a termination signal): what a close
    // does at its end, without any question or message, even with an exercise
    // window or a message open; then the program quits.
    void Fin_De_Session();
    // How the program quits then (tests replace it).
    std::function<void()> Quitte;
    // The mark report shown by Ctrl+F3.
    QString Rapport_Note() const;
    // The score table window created at start-up (none when tested alone).
    TScorForm* Scores() const;
    // Works out Fichier_Local and Fichier_General.
    void Calcule_Chemins();

    bool Serie_Demarree() const { return serie_demarree_; }
    const Identite::Horloge_Serie& Horloge() const { return horloge_; }
    const Empeche_Veille& Veille() const { return veille_; }
    const QPixmap& Tuile() const { return *tuile_; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    friend class Surface_Menu;
    void FormPaint(QPainter& p, const QRect& zone);
    bool FormKeyDown(QKeyEvent* e);
    bool Edit_Touche(QLineEdit* edit, QKeyEvent* e);
    void Construit_Menus();
    void Active_Menus(bool actifs);
    void Montre_Liste(TWinPanel* panneau, const QString& fichier, const QString& titre, const QString& erreur);
    void Titre_Liste(TWinPanel* panneau, const QString& titre);
    // What closing does at its end (once); messages: false at a session's end.
    void Fin_Fermeture(bool messages);

    QList<QAction*> principaux_;
    QMap<QString, QAction*> actions_;
    QStringList chemins_;
    const QPixmap* tuile_ = &Image11;
    Identite::Horloge_Serie horloge_;
    Empeche_Veille veille_;
    bool serie_demarree_ = false;
    bool fin_ = false;
    bool resultats_sauves_ = false;  // the running series is recorded
    bool session_finie_ = false;     // the session ends: nothing more is asked
};
