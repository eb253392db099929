// The results of a series: the end-of-series save into the score table and
// the two notes files, loading and saving the notes lists, their printing,
// and the build stamp written when the program runs under a debugger.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QStringList>
#include <functional>
#include <optional>

#include "shell/Chemins.hpp"

class QListWidget;
class QPrinter;
class QWidget;
class TScorForm;

namespace Resultats {

// The results files are read by teachers on many computers: their dates and
// times are written the French way whatever this computer's settings.
QLocale Langue_Fichiers();
// The long time format without a time zone ("15:42:10").
QString Texte_Heure_Longue(const QTime& heure, const QLocale& langue = Langue_Fichiers());
// The short date, a space and the long time ("07/12/2026 15:42:10").
QString Texte_Date_Heure(const QDateTime& moment, const QLocale& langue = Langue_Fichiers());
// A duration written as a time of day in the long time format ("00:12:34").
QString Texte_Duree(qint64 millisecondes, const QLocale& langue = Langue_Fichiers());

// The lines of a notes file (Windows Latin, CR LF or LF line ends);
// nothing when the file does not exist or cannot be read.
std::optional<QStringList> Charge_Liste(const QString& chemin);
// The local notes list as a series starts: the file's lines, the oldest
// ones dropped once there are more than 60 (an empty list without a file).
QStringList Charge_Liste_Locale(const QString& chemin);
// Writes the lines over the file in one piece. With partage, the file is
// one many computers append to: the rewrite waits for their appends.
bool Sauve_Liste(const QString& chemin, const QStringList& lignes, bool partage = false);

// The two list panels of the main window. Affiche_Liste fills the list box
// with the file's lines (false, list unchanged, when the file does not
// exist); Efface_Liste saves the empty list over the file and, once it is
// written, empties the list box (false, list kept, when the file could not
// be written); Titre_Liste gives "Fichier local  (" + count + ")" and the like.
bool Affiche_Liste(QListWidget* liste, const QString& chemin);
bool Efface_Liste(QListWidget* liste, const QString& chemin, bool partage);
QString Titre_Liste(const QString& debut, int lignes);
QString Titre_Liste(const QString& debut, const QListWidget* liste);
// The message shown when a list's file could not be emptied.
QString Erreur_Effacement(const QString& chemin);
QStringList Lignes_De(const QListWidget* liste);

// The mark report of the running series, shown as an information message.
QString Rapport_Note();
void Montre_Note(QWidget* parent);

// Appends one line to a file many computers append to at once: one write
// under a lock beside the file, so that no line is lost or mixed with
// another. When the lock cannot be had within the wait, the line is still
// appended. Without verrou (the per-computer folder of an installed program,
// where no file may be created) the line is one append and nothing else.
// False when the file cannot be opened or written.
bool Ajoute_Ligne(const QString& chemin, const QString& ligne, int attente_max_ms = 5000, bool verrou = true);

// Shows the size warning when the general results file has grown too big.
void Avertit_Si_Gros(const QString& chemin, QWidget* parent);

// What is done at the end of a series once the usage clock is stopped: the
// score table is refreshed and saved; when at least one exercise was done,
// the results line (dated by Plateforme::Maintenant(), with duree the usage
// time in the long time format) is added to the local list, which is saved
// whole, and appended to the general file. Failures are ignored. Without
// messages (the session is ending), nothing is asked nor shown: the size
// warning is skipped, the line still appended. Returns the results line,
// empty when none was written.
QString Sauve_Results(TScorForm& scores, QStringList& liste_locale, const Emplacements& chemins,
                      const QString& duree, QWidget* parent, bool messages = true);
QString Sauve_Results(TScorForm& scores, QListWidget* liste_locale, const Emplacements& chemins,
                      const QString& duree, QWidget* parent, bool messages = true);

// Prints a notes list (nothing for an empty list) on the default printer.
// Without any printer, the same pages may be saved as a PDF file chosen by
// the pupil. Shows "Erreur d'impression" when printing fails. Returns true
// when the pages were produced.
bool Imprime_Liste(const QStringList& lignes, QWidget* parent);
// Draws the pages of a list on an open-ready printer; false on failure.
bool Dessine_Liste(QPrinter& imprimante, const QStringList& lignes);
// Replaces the dialog that asks where to save the PDF (empty: cancelled),
// and the test telling whether a printer is installed.
void Installe_Choix_Pdf(std::function<QString(QWidget*)> choix);
void Installe_Imprimante_Presente(std::function<bool()> presente);

// The build stamp: only when a debugger follows the program.
bool Sous_Debogueur();
void Ecrit_Date_Compilation();

}  // namespace Resultats
