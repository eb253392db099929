// One running copy per program file. The first copy holds a lock named after
// its program's full path and listens on a local socket of the same name; a
// later start of the same file finds the lock held by a live process, asks the
// first copy to bring its main window to the front and stops.
//
// Why a lock file and a socket rather than a shared memory block: memory
// blocks survive a crash on Linux and would keep a count nobody decrements.
// The lock file records the holder's process id; when that process no longer
// runs, the next start takes the lock over, so a crashed copy never blocks
// later starts. The socket is only a doorbell: a stale socket file left by a
// crash is removed by the copy that took the lock over.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class QLocalServer;
class QLockFile;

class Instance_Partagee : public QObject {
    Q_OBJECT
public:
    // programme: full path of the program file; dossier: where the lock and
    // the socket live (the user's runtime folder by default).
    explicit Instance_Partagee(const QString& programme, const QString& dossier = QString());
    ~Instance_Partagee() override;

    // The record's name: the program path with every backslash removed.
    static QString Nom_Bloc(const QString& programme);
    // The file-system key built from that name (a hash: paths hold slashes).
    static QString Cle(const QString& programme);

    // True when this copy must stop: `maximum` copies of the program file
    // already run. Otherwise this copy is counted until it ends.
    bool Deja_Active(int maximum);
    bool Compte_Instance() const { return !verrous_.empty(); }

    // The window brought to the front when a later start knocks. A knock that
    // comes before the window exists is kept and served when it is given.
    void Fenetre(QWidget* w);
    // Called instead of (or before) raising the window; for tests.
    std::function<void()> sur_appel;

    QString Chemin_Verrou(int rang) const;
    QString Chemin_Socket() const;

private:
    void Appel_Recu();
    void Montre_Fenetre();

    QString programme_;
    QString dossier_;
    QString cle_;
    std::vector<std::unique_ptr<QLockFile>> verrous_;
    QLocalServer* serveur_ = nullptr;
    QPointer<QWidget> fenetre_;
    bool appel_en_attente_ = false;
};
