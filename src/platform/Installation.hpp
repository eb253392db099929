// Where the program stands: started from a folder of its own (the build
// folder, a network share) or installed by the install rules (the package).
// An installed program reads its help from the shared data folder and keeps
// the results files in one per-computer folder every pupil account may
// write in place.
#pragma once

#include <QString>

namespace Installation {

// The folders the install rules were configured with (absolute paths).
QString Dossier_Programme_Installe();
QString Dossier_Aide_Installe();
QString Dossier_Partage();  // the per-computer folder of the results files
// The id the launcher, the icon and the AppStream component share.
QString Identifiant();

// True when `dossier_programme` is the configured install folder.
bool Est_Installe(const QString& dossier_programme);
// The same for the running program.
bool Est_Installe();

// The help pages: where they are installed for an installed program,
// "help" beside the program otherwise.
QString Dossier_Aide();

}  // namespace Installation
