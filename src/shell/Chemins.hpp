// Where the results files live. The score table and the general results
// file sit beside the program, where a teacher collects them; the local
// notes file always sits in this computer's data folder of the program.
// When the program runs from a CD-ROM, or its folder cannot be written, the
// score table and the general file go to the data folder too.
#pragma once

#include <QString>

struct Emplacements {
    QString dossier_programme;  // ends with "/"
    QString dossier_local;      // ends with "/"
    QString fichier_scores;
    QString fichier_general;
    QString fichier_local;
    bool sur_cdrom = false;
    bool programme_inscriptible = true;
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

// The file places from their inputs; also sets Commune::Fichier_Scores.
Emplacements Calcule(const QString& dossier_programme, const QString& dossier_donnees, bool sur_cdrom);
// The same for the running program.
Emplacements Calcule();

}  // namespace Chemins
