#include "shell/Chemins.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "framework/logic/Commune.hpp"
#include "platform/Installation.hpp"
#include "platform/Services.hpp"

namespace Chemins {

const QString Nom_Fichier_General = QStringLiteral("TAVELUNE.LOG");
const QString Nom_Fichier_Local = QStringLiteral("TAVELUNE.LOC");
const QString Nom_Date_Compilation = QStringLiteral("_DatCompil.txt");

namespace {
QString Avec_Barre(QString dossier) {
    if (!dossier.endsWith(QLatin1Char('/'))) dossier += QLatin1Char('/');
    return dossier;
}
}  // namespace

QString Dossier_Donnees() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.local/share");
    const QString dossier = base + QStringLiteral("/tavelune");
    QDir().mkpath(dossier);
    return dossier;
}

QString Dossier_Local(const QString& dossier_donnees) {
    const QString local = Avec_Barre(dossier_donnees);
    if (QFileInfo(local + QStringLiteral("TEMP")).isDir()) return local + QStringLiteral("TEMP/");
    return local;
}

bool Inscriptible(const QString& chemin) {
    const QFileInfo info(chemin);
    if (info.exists()) return info.isFile() && info.isWritable();
    QTemporaryFile essai(info.absolutePath() + QStringLiteral("/.tavelune-essai-XXXXXX"));
    return essai.open();
}

bool Dans_Dossier_Partage(const QString& chemin) {
    const QString dossier = QFileInfo(QFileInfo(chemin).absolutePath()).canonicalFilePath();
    return !dossier.isEmpty() && dossier == QFileInfo(Installation::Dossier_Partage()).canonicalFilePath();
}

bool Ecrit_Entier(const QString& chemin, const QByteArray& octets) {
    if (Dans_Dossier_Partage(chemin)) {
        // Every account rewrites the same files: they keep their owner and
        // mode, and nothing is ever created beside them, even by an account
        // that could (where QSaveFile would write a temporary file first).
        QFile f(chemin);
        if (!f.exists() || !f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) return false;
        const bool ecrit = f.write(octets) == octets.size();
        f.close();
        return ecrit && f.error() == QFileDevice::NoError;
    }
    QSaveFile f(chemin);
    f.setDirectWriteFallback(true);
    if (!f.open(QIODevice::WriteOnly)) return false;
    if (f.write(octets) != octets.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

Emplacements Calcule(const QString& dossier_programme, const QString& dossier_donnees, bool sur_cdrom) {
    Emplacements e;
    e.dossier_programme = Avec_Barre(dossier_programme);
    e.dossier_local = Dossier_Local(dossier_donnees);
    e.sur_cdrom = sur_cdrom;
    const QString nom_scores = QString::fromStdString(Commune::Nom_Fichier_Scores);
    const QString scores = e.dossier_programme + nom_scores;
    const QString general = e.dossier_programme + Nom_Fichier_General;
    e.scores_au_programme = !sur_cdrom && Inscriptible(scores);
    e.general_au_programme = !sur_cdrom && Inscriptible(general);
    e.fichier_scores = e.scores_au_programme ? scores : e.dossier_local + nom_scores;
    e.fichier_general = e.general_au_programme ? general : e.dossier_local + Nom_Fichier_General;
    e.fichier_local = e.dossier_local + Nom_Fichier_Local;
    Commune::Fichier_Scores = e.fichier_scores.toStdString();

    // The pupil keeps seeing the installation's best scores.
    if (!e.scores_au_programme && !QFileInfo::exists(e.fichier_scores)) {
        QFile source(scores);
        if (source.open(QIODevice::ReadOnly)) Ecrit_Entier(e.fichier_scores, source.read(1 << 20));
    }
    return e;
}

namespace {
// The install script makes the files of the per-computer folder; the
// program only writes those that exist and that it may write.
bool Inscriptible_Sur_Place(const QString& chemin) {
    const QFileInfo info(chemin);
    return info.isFile() && info.isWritable();
}
}  // namespace

Emplacements Calcule_Installe(const QString& dossier_partage, const QString& dossier_donnees) {
    Emplacements e;
    e.installe = true;
    e.dossier_programme = Avec_Barre(QCoreApplication::applicationDirPath());
    e.dossier_local = Avec_Barre(dossier_partage);
    e.scores_au_programme = e.general_au_programme = false;
    const auto place = [&](const QString& nom) {
        const QString ici = e.dossier_local + nom;
        return Inscriptible_Sur_Place(ici) ? ici : Avec_Barre(dossier_donnees) + nom;
    };
    e.fichier_scores = place(QString::fromStdString(Commune::Nom_Fichier_Scores));
    e.fichier_general = place(Nom_Fichier_General);
    e.fichier_local = place(Nom_Fichier_Local);
    Commune::Fichier_Scores = e.fichier_scores.toStdString();
    return e;
}

Emplacements Calcule() {
    if (Installation::Est_Installe()) {
        const QString partage = Installation::Dossier_Partage();
        bool tous_ici = true;
        for (const QString& nom : {QString::fromStdString(Commune::Nom_Fichier_Scores), Nom_Fichier_General,
                                   Nom_Fichier_Local})
            tous_ici = tous_ici && Inscriptible_Sur_Place(Avec_Barre(partage) + nom);
        // The data folder is made only when a file has to go there.
        return Calcule_Installe(partage, tous_ici ? QString() : Dossier_Donnees());
    }
    return Calcule(QCoreApplication::applicationDirPath(), Dossier_Donnees(), Plateforme::Sur_CDROM());
}

}  // namespace Chemins
