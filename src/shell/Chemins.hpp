// Where the results files live. The score table and the general results
// file sit beside the program, where a teacher collects them; the local
// notes file always sits in this computer's data folder of the program. An
// installed program keeps all three in one per-computer folder instead.
// Each shared file is judged on its own: it stays beside the program as long
// as it can be written there (a file the teacher made writable in a folder
// the pupil may not write to is rewritten in place); only a file that cannot
// be written nor created there, or every file when the program runs from a
// CD-ROM, goes to the data folder.
#pragma once

#include <QString>

struct Emplacements {
    QString dossier_programme;  // ends with "/"
    QString dossier_local;      // ends with "/"
    QString fichier_scores;
    QString fichier_general;
    QString fichier_local;
    bool sur_cdrom = false;
    bool scores_au_programme = true;   // the score table beside the program
    bool general_au_programme = true;  // the general file beside the program
    // An installed program: the three files in the per-computer folder,
    // rewritten in place, with no lock nor temporary file beside them.
    bool installe = false;
};

namespace Chemins {

extern const QString Nom_Fichier_General;  // "TAVELUNE.LOG"
extern const QString Nom_Fichier_Local;    // "TAVELUNE.LOC"
extern const QString Nom_Date_Compilation;  // "_DatCompil.txt"

// This computer's data folder of the program, created when missing.
QString Dossier_Donnees();

// The data folder followed by "/", with "TEMP/" appended when a folder of
// that name exists inside it.
QString Dossier_Local(const QString& dossier_donnees);

// True when a file can be written at this path (an existing file that may
// be written, or a new one in a folder that may be written).
bool Inscriptible(const QString& chemin);

// Writes a whole file in one piece: through a temporary file renamed over
// it, or in place when only the file itself may be written. A file of the
// per-computer folder is always rewritten in place, and only when it exists.
// False when nothing could be written.
bool Ecrit_Entier(const QString& chemin, const QByteArray& octets);
// True when the file lies in the per-computer folder of an installed program.
bool Dans_Dossier_Partage(const QString& chemin);

// The file places from their inputs; also sets Commune::Fichier_Scores.
// A score table kept in the data folder for want of a writable one beside
// the program starts as a copy of the program's one, when it can be read.
Emplacements Calcule(const QString& dossier_programme, const QString& dossier_donnees, bool sur_cdrom);
// The places of an installed program: the three files in the per-computer
// folder (dossier_local then names it). A file missing there or that may not
// be written (a folder no install script prepared) goes to the data folder
// rather than be lost; nothing is created in the per-computer folder.
Emplacements Calcule_Installe(const QString& dossier_partage, const QString& dossier_donnees);
// The same for the running program, installed or not.
Emplacements Calcule();

}  // namespace Chemins
