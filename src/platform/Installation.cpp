#include "platform/Installation.hpp"

#include <QCoreApplication>
#include <QFileInfo>

namespace Installation {

QString Dossier_Programme_Installe() { return QStringLiteral(TAVELUNE_DOSSIER_BINAIRE); }
QString Dossier_Aide_Installe() { return QStringLiteral(TAVELUNE_DOSSIER_AIDE_INSTALLE); }
QString Dossier_Partage() { return QStringLiteral(TAVELUNE_DOSSIER_PARTAGE); }
QString Identifiant() { return QStringLiteral(TAVELUNE_ID); }

bool Est_Installe(const QString& dossier_programme) {
    // Canonical paths: /bin and /usr/bin are one folder on a merged system.
    const QString ici = QFileInfo(dossier_programme).canonicalFilePath();
    return !ici.isEmpty() && ici == QFileInfo(Dossier_Programme_Installe()).canonicalFilePath();
}

bool Est_Installe() { return Est_Installe(QCoreApplication::applicationDirPath()); }

QString Dossier_Aide() {
    return Est_Installe() ? Dossier_Aide_Installe() : QCoreApplication::applicationDirPath() + QStringLiteral("/help");
}

}  // namespace Installation
