#include "shell/CheckPrevious.hpp"

#include <QApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace {
const QByteArray Sonnette = "montre\n";
}

namespace {

// What a starting copy needs at most to write its record into the lock.
constexpr qint64 Ecriture_Verrou_ms = 5000;

// A lock whose record cannot be read (empty, cut, garbage) names no holder:
// once older than a starting copy needs to write it, it holds nothing. A
// lock naming a running process is left alone, however old.
bool Verrou_Illisible_Et_Ancien(const QLockFile& verrou, const QString& chemin) {
    qint64 pid = 0;
    QString hote, application;
    if (verrou.getLockInfo(&pid, &hote, &application)) return false;
    const QFileInfo info(chemin);
    if (!info.exists()) return false;
    return std::abs(info.lastModified().msecsTo(QDateTime::currentDateTime())) > Ecriture_Verrou_ms;
}

// Each user's session has its own copies, as with the system's session
// namespaces elsewhere: the records live in the user's runtime folder.
QString Dossier_Session() {
    const QString d = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return d.isEmpty() ? QDir::tempPath() : d;
}

}  // namespace

Instance_Partagee::Instance_Partagee(const QString& programme, const QString& dossier)
    : programme_(programme), dossier_(dossier.isEmpty() ? Dossier_Session() : dossier), cle_(Cle(programme)) {}

Instance_Partagee::~Instance_Partagee() {
    if (serveur_) serveur_->close();
    for (auto& v : verrous_) v->unlock();
}

QString Instance_Partagee::Nom_Bloc(const QString& programme) {
    QString nom = programme;
    nom.remove(QLatin1Char('\\'));
    return nom;
}

QString Instance_Partagee::Cle(const QString& programme) {
    const QByteArray h = QCryptographicHash::hash(Nom_Bloc(programme).toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("tavelune-") + QString::fromLatin1(h.toHex().left(24));
}

QString Instance_Partagee::Chemin_Verrou(int rang) const {
    return dossier_ + QLatin1Char('/') + cle_ + QStringLiteral("-%1.lock").arg(rang);
}

QString Instance_Partagee::Chemin_Socket() const { return dossier_ + QLatin1Char('/') + cle_ + QStringLiteral(".sock"); }

bool Instance_Partagee::Deja_Active(int maximum) {
    if (Compte_Instance()) return false;  // already counted
    // One lock per allowed copy: a copy runs when it obtains any of them.
    for (int rang = 0; rang < std::max(1, maximum); ++rang) {
        auto verrou = std::make_unique<QLockFile>(Chemin_Verrou(rang));
        // Only a holder that no longer runs makes a lock stale, however old.
        verrou->setStaleLockTime(0);
        bool tenu = verrou->tryLock(0);
        if (!tenu && verrou->error() == QLockFile::LockFailedError &&
            Verrou_Illisible_Et_Ancien(*verrou, Chemin_Verrou(rang)) && verrou->removeStaleLockFile())
            tenu = verrou->tryLock(0);
        if (tenu) {
            verrous_.push_back(std::move(verrou));
            if (rang == 0) {
                // The first copy answers the knocks. A socket file left by a
                // crashed copy is ours to remove now that we hold the lock.
                QLocalServer::removeServer(Chemin_Socket());
                serveur_ = new QLocalServer(this);
                serveur_->setSocketOptions(QLocalServer::UserAccessOption);
                if (serveur_->listen(Chemin_Socket()))
                    connect(serveur_, &QLocalServer::newConnection, this, &Instance_Partagee::Appel_Recu);
            }
            return false;
        }
        // No record can be kept at all (folder missing or read-only): the
        // pupil still gets the program, without the one-copy guard.
        if (verrou->error() != QLockFile::LockFailedError) return false;
    }
    // Every place is taken: knock at the first copy's door and stop, silently
    // even when nobody answers.
    QLocalSocket porte;
    porte.connectToServer(Chemin_Socket());
    if (porte.waitForConnected(1000)) {
        porte.write(Sonnette);
        porte.waitForBytesWritten(1000);
        porte.disconnectFromServer();
        if (porte.state() != QLocalSocket::UnconnectedState) porte.waitForDisconnected(1000);
    }
    return true;
}

void Instance_Partagee::Appel_Recu() {
    while (QLocalSocket* s = serveur_->nextPendingConnection()) {
        connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        connect(s, &QLocalSocket::readyRead, this, [this, s] {
            if (!s->readAll().contains("montre")) return;
            appel_en_attente_ = true;
            Montre_Fenetre();
        });
    }
}

void Instance_Partagee::Fenetre(QWidget* w) {
    fenetre_ = w;
    if (appel_en_attente_) Montre_Fenetre();
}

void Instance_Partagee::Montre_Fenetre() {
    if (sur_appel) sur_appel();
    if (!fenetre_) return;
    appel_en_attente_ = false;
    if (fenetre_->isMinimized()) fenetre_->setWindowState(fenetre_->windowState() & ~Qt::WindowMinimized);
    if (!fenetre_->isVisible()) fenetre_->show();
    fenetre_->raise();
    fenetre_->activateWindow();
    // An exercise window open over it stays in front of it.
    if (QWidget* modale = QApplication::activeModalWidget()) {
        modale->raise();
        modale->activateWindow();
    }
}
