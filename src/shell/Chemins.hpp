// Where the results files live. The score table and the general results
// file sit beside the program, where a teacher collects them; the local
// notes file always sits in this computer's data folder of the program.
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
// it, or in place when only the file itself may be written. False when
// nothing could be written.
bool Ecrit_Entier(const QString& chemin, const QByteArray& octets);

// The file places from their inputs; also sets Commune::Fichier_Scores.
// A score table kept in the data folder for want of a writable one beside
// the program starts as a copy of the program's one, when it can be read.
Emplacements Calcule(const QString& dossier_programme, const QString& dossier_donnees, bool sur_cdrom);
// The same for the running program.
Emplacements Calcule();

}  // namespace Chemins
