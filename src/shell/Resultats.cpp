#include "shell/Resultats.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QLockFile>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include "framework/logic/Commune.hpp"
#include "platform/Services.hpp"
#include "shell/Uscore.hpp"
#include "shell/logic/Liste_Notes.hpp"
#include "shell/logic/Notes.hpp"
#include "shell/logic/Windows1252.hpp"

namespace Resultats {

namespace {

QByteArray En_1252(const QString& texte) {
    const std::string o = Windows1252::Depuis_Utf8(texte.toStdString());
    return QByteArray(o.data(), static_cast<qsizetype>(o.size()));
}

std::vector<std::string> Vers_Std(const QStringList& lignes) {
    std::vector<std::string> r;
    r.reserve(static_cast<std::size_t>(lignes.size()));
    for (const auto& l : lignes) r.push_back(l.toStdString());
    return r;
}

QStringList Vers_Qt(const std::vector<std::string>& lignes) {
    QStringList r;
    r.reserve(static_cast<qsizetype>(lignes.size()));
    for (const auto& l : lignes) r.append(QString::fromStdString(l));
    return r;
}

// Holds the lock beside a shared file for as long as it lives, when it can
// be had within the wait.
class Verrou_Partage {
public:
    Verrou_Partage(const QString& chemin, int attente_max_ms) : verrou_(chemin + QStringLiteral(".lock")) {
        verrou_.setStaleLockTime(30000);
        QElapsedTimer attente;
        attente.start();
        while (!verrou_.tryLock(0)) {
            if (verrou_.error() == QLockFile::PermissionError || verrou_.error() == QLockFile::UnknownError) return;
            if (attente.elapsed() >= attente_max_ms) return;
            QThread::usleep(500 + QRandomGenerator::global()->bounded(1500));
        }
    }

private:
    QLockFile verrou_;
};

std::function<QString(QWidget*)>& Choix_Pdf() {
    static std::function<QString(QWidget*)> choix = [](QWidget* parent) {
        QString dossier = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (dossier.isEmpty()) dossier = QDir::homePath();
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Aucune imprimante : enregistrer la liste en PDF"),
                                            dossier + QStringLiteral("/Notes TAVELUNE.pdf"),
                                            QStringLiteral("Documents PDF (*.pdf)"));
    };
    return choix;
}

std::function<bool()>& Imprimante_Presente() {
    static std::function<bool()> presente = [] { return !QPrinterInfo::defaultPrinter().isNull(); };
    return presente;
}

}  // namespace

// ---------------------------------------------------------------------------
// Time texts

QLocale Langue_Fichiers() { return QLocale(QLocale::French, QLocale::France); }

QString Texte_Heure_Longue(const QTime& heure, const QLocale& langue) {
    QString format = langue.timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b\\s*")));
    return langue.toString(heure, format.trimmed());
}

QString Texte_Date_Heure(const QDateTime& moment, const QLocale& langue) {
    return langue.toString(moment.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           Texte_Heure_Longue(moment.time(), langue);
}

QString Texte_Duree(qint64 millisecondes, const QLocale& langue) {
    return Texte_Heure_Longue(QTime(0, 0).addMSecs(std::max<qint64>(0, millisecondes) % 86400000), langue);
}

// ---------------------------------------------------------------------------
// Notes lists

std::optional<QStringList> Charge_Liste(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray octets = f.read(Liste_Notes::Taille_Max);
    return Vers_Qt(Windows1252::Lit_Texte(octets.toStdString()));
}

QStringList Charge_Liste_Locale(const QString& chemin) {
    if (!QFileInfo(chemin).isFile()) return {};
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return {};
    // Cut before the lines become list texts: only the kept ones are.
    auto lignes = Windows1252::Lit_Texte(f.read(Liste_Notes::Taille_Max).toStdString());
    Notes::Limite_Liste_Locale(lignes);
    return Vers_Qt(lignes);
}

bool Sauve_Liste(const QString& chemin, const QStringList& lignes, bool partage) {
    const std::string o = Windows1252::Ecrit_Texte(Vers_Std(lignes));
    std::optional<Verrou_Partage> verrou;
    if (partage) verrou.emplace(chemin, 5000);
    return Chemins::Ecrit_Entier(chemin, QByteArray(o.data(), static_cast<qsizetype>(o.size())));
}

QStringList Lignes_De(const QListWidget* liste) {
    QStringList r;
    if (liste)
        for (int i = 0; i < liste->count(); ++i) r.append(liste->item(i)->text());
    return r;
}

bool Affiche_Liste(QListWidget* liste, const QString& chemin) {
    if (!liste || !QFileInfo(chemin).isFile()) return false;
    const auto lignes = Charge_Liste(chemin);
    if (!lignes) return false;
    liste->clear();
    liste->addItems(*lignes);
    return true;
}

bool Efface_Liste(QListWidget* liste, const QString& chemin, bool partage) {
    if (!Sauve_Liste(chemin, {}, partage)) return false;
    if (liste) liste->clear();
    return true;
}

QString Titre_Liste(const QString& debut, int lignes) { return debut + QString::number(lignes) + QLatin1Char(')'); }

QString Titre_Liste(const QString& debut, const QListWidget* liste) {
    return Titre_Liste(debut, liste ? liste->count() : 0);
}

QString Erreur_Effacement(const QString& chemin) {
    return QStringLiteral("Le fichier ") + QDir::toNativeSeparators(chemin) +
           QStringLiteral(" n'a pas pu être vidé.\r\nLa liste est conservée.");
}

QString Rapport_Note() {
    return QString::fromStdString(Notes::Rapport_Note(Commune::Nom, Commune::Prenom, Commune::Classe, Commune::Serie));
}

void Montre_Note(QWidget* parent) { Plateforme::Message_Information(parent, Rapport_Note()); }

bool Ajoute_Ligne(const QString& chemin, const QString& ligne, int attente_max_ms, bool verrou) {
    const QByteArray octets = En_1252(ligne) + QByteArrayLiteral("\r\n");
    std::optional<Verrou_Partage> tenu;
    if (verrou) tenu.emplace(chemin, attente_max_ms);
    QFile f(chemin);
    // Unbuffered: the whole line goes to the file in one append.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) return false;
    const bool ecrit = f.write(octets) == octets.size();
    f.close();
    return ecrit;
}

void Avertit_Si_Gros(const QString& chemin, QWidget* parent) {
    const QFileInfo info(chemin);
    if (info.isFile() && Notes::Fichier_General_Trop_Gros(info.size()))
        Plateforme::Message_Avertissement(parent, QString::fromStdString(Notes::Avertissement_Taille(info.size())));
}

// ---------------------------------------------------------------------------
// End of a series

QString Sauve_Results(TScorForm& scores, QStringList& liste_locale, const Emplacements& chemins,
                      const QString& duree, QWidget* parent, bool messages) {
    scores.FormActivate(messages);
    scores.Sauve_Scores();
    if (Commune::Serie.NbExercices == 0) return {};

    const QString ligne = QString::fromStdString(
        Notes::Ligne_Resultats(Commune::Nom, Commune::Prenom, Commune::Classe,
                               Texte_Date_Heure(Plateforme::Maintenant()).toStdString(), duree.toStdString(),
                               Commune::Serie));
    liste_locale.append(ligne);
    Sauve_Liste(chemins.fichier_local, liste_locale);

    if (messages) Avertit_Si_Gros(chemins.fichier_general, parent);
    Ajoute_Ligne(chemins.fichier_general, ligne, 5000, !chemins.installe);
    return ligne;
}

QString Sauve_Results(TScorForm& scores, QListWidget* liste_locale, const Emplacements& chemins,
                      const QString& duree, QWidget* parent, bool messages) {
    QStringList lignes = Lignes_De(liste_locale);
    const QString ligne = Sauve_Results(scores, lignes, chemins, duree, parent, messages);
    if (liste_locale && !ligne.isEmpty()) liste_locale->addItem(ligne);
    return ligne;
}

// ---------------------------------------------------------------------------
// Printing

void Installe_Choix_Pdf(std::function<QString(QWidget*)> choix) { Choix_Pdf() = std::move(choix); }
void Installe_Imprimante_Presente(std::function<bool()> presente) { Imprimante_Presente() = std::move(presente); }

bool Dessine_Liste(QPrinter& imprimante, const QStringList& lignes) {
    QPainter p;
    if (!p.begin(&imprimante)) return false;
    QFont police(QStringLiteral("Courier New"));
    police.setStyleHint(QFont::TypeWriter);
    police.setFixedPitch(true);
    police.setPointSize(8);
    p.setFont(police);
    const QFontMetrics mesure(police, &imprimante);
    const int interligne = std::max(1, mesure.lineSpacing());
    const QRect page = imprimante.pageLayout().paintRectPixels(imprimante.resolution());
    const int hauteur = std::max(interligne, page.height());
    int y = 0;
    for (const auto& l : Vers_Qt(Notes::Lignes_Impression(Vers_Std(lignes)))) {
        if (y + interligne > hauteur) {
            if (!imprimante.newPage()) {
                p.end();
                return false;
            }
            y = 0;
        }
        p.drawText(0, y + mesure.ascent(), l);
        y += interligne;
    }
    return p.end();
}

bool Imprime_Liste(const QStringList& lignes, QWidget* parent) {
    if (lignes.isEmpty()) return false;
    QPrinter imprimante(QPrinter::HighResolution);
    if (!Imprimante_Presente()()) {
        const QString fichier = Choix_Pdf() ? Choix_Pdf()(parent) : QString();
        if (fichier.isEmpty()) return false;
        imprimante.setOutputFormat(QPrinter::PdfFormat);
        imprimante.setOutputFileName(fichier);
    }
    imprimante.setDocName(QStringLiteral("TAVELUNE Notes"));
    if (!Dessine_Liste(imprimante, lignes)) {
        Plateforme::Message_Erreur(parent, QStringLiteral("Erreur d'impression"));
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Build stamp

bool Sous_Debogueur() {
    QFile statut(QStringLiteral("/proc/self/status"));
    if (!statut.open(QIODevice::ReadOnly)) return false;
    return Notes::Suivi_Par_Debogueur(statut.read(1 << 16).toStdString());
}

void Ecrit_Date_Compilation() {
    if (!Sous_Debogueur()) return;
    QFile f(QDir::current().filePath(Chemins::Nom_Date_Compilation));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    f.write(En_1252(QCoreApplication::applicationFilePath() + QStringLiteral(" : ") +
                    Texte_Date_Heure(Plateforme::Maintenant())));
}

}  // namespace Resultats
