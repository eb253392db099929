// The single-instance rule, with real second processes: this program runs
// itself with "--copie" to play a copy of the program that starts and stays.
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "shell/CheckPrevious.hpp"

namespace {

int Copie(const QString& programme, const QString& dossier) {
    Instance_Partagee instance(programme, dossier);
    if (instance.Deja_Active(1)) {
        std::printf("refuse\n");
        std::fflush(stdout);
        return 3;
    }
    instance.sur_appel = [] {
        std::printf("appel\n");
        std::fflush(stdout);
    };
    std::printf("pret\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

}  // namespace

class test_CheckPrevious : public QObject {
    Q_OBJECT

    QTemporaryDir dossier_;
    const QString programme_ = QStringLiteral("/opt/ecole/tavelune/tavelune");

    // Starts a copy and waits until it holds its place.
    QProcess* Lance(const QString& programme) {
        auto* p = new QProcess(this);
        p->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--copie"), programme, dossier_.path()});
        if (!p->waitForStarted(10000)) return p;
        while (p->state() == QProcess::Running && !p->canReadLine()) p->waitForReadyRead(200);
        return p;
    }

private slots:
    void leNomVientDuCheminDuProgramme() {
        QCOMPARE(Instance_Partagee::Nom_Bloc(QStringLiteral("C:\\Ecole\\TAVELUNE.EXE")), QStringLiteral("C:EcoleTAVELUNE.EXE"));
        QCOMPARE(Instance_Partagee::Cle(QStringLiteral("C:\\A\\B")), Instance_Partagee::Cle(QStringLiteral("C:A\\B")));
        QVERIFY(Instance_Partagee::Cle(QStringLiteral("/a/tavelune")) != Instance_Partagee::Cle(QStringLiteral("/b/tavelune")));
    }

    void uneDeuxiemeCopieDuMemeFichierEstRefusee() {
        QProcess* premiere = Lance(programme_);
        QCOMPARE(premiere->readLine().trimmed(), QByteArray("pret"));

        // A second start of the same file stops and knocks at the first.
        Instance_Partagee seconde(programme_, dossier_.path());
        QVERIFY(seconde.Deja_Active(1));
        QVERIFY(!seconde.Compte_Instance());
        QVERIFY(premiere->waitForReadyRead(5000));
        QCOMPARE(premiere->readLine().trimmed(), QByteArray("appel"));

        // The same program placed in another folder runs.
        Instance_Partagee ailleurs(QStringLiteral("/home/prof/tavelune/tavelune"), dossier_.path());
        QVERIFY(!ailleurs.Deja_Active(1));
        QVERIFY(ailleurs.Compte_Instance());

        premiere->kill();
        premiere->waitForFinished(5000);
    }

    void uneCopieTueeNeBloquePasLaSuivante() {
        QProcess* premiere = Lance(programme_);
        QCOMPARE(premiere->readLine().trimmed(), QByteArray("pret"));
        ::kill(static_cast<pid_t>(premiere->processId()), SIGKILL);
        QVERIFY(premiere->waitForFinished(5000));
        // The dead copy's lock and socket are still there.
        Instance_Partagee morte(programme_, dossier_.path());
        QVERIFY(QFile::exists(morte.Chemin_Verrou(0)));

        // A new start takes the place over and answers the knocks itself.
        Instance_Partagee nouvelle(programme_, dossier_.path());
        int appels = 0;
        nouvelle.sur_appel = [&] { ++appels; };
        QVERIFY(!nouvelle.Deja_Active(1));
        QProcess* suivante = Lance(programme_);
        QVERIFY(suivante->waitForFinished(10000));
        QCOMPARE(suivante->exitCode(), 3);
        QTRY_COMPARE(appels, 1);
    }

    void unVerrouIllisibleOuAbandonneNeBloquePas() {
        const QString p = QStringLiteral("/mnt/classe/tavelune");
        const QString verrou = Instance_Partagee(p, dossier_.path()).Chemin_Verrou(0);
        auto Pose = [&](const QByteArray& contenu, int age_s) {
            QFile f(verrou);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(contenu);
            f.flush();
            QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-age_s), QFileDevice::FileModificationTime));
        };
        // A copy that is still writing its fresh record is respected...
        Pose(QByteArray(), 0);
        QVERIFY(Instance_Partagee(p, dossier_.path()).Deja_Active(1));
        // ...but an empty or garbled record a few seconds old holds nothing.
        for (const QByteArray& contenu : {QByteArray(), QByteArray("\x01\xFFpas un verrou\n")}) {
            Pose(contenu, 30);
            Instance_Partagee apres(p, dossier_.path());
            QVERIFY(!apres.Deja_Active(1));
        }
        // A record left by a copy that has ended.
        QProcess morte;
        morte.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--verrou"), verrou});
        QVERIFY(morte.waitForFinished(10000));
        QCOMPARE(morte.exitCode(), 0);
        QVERIFY(QFile::exists(verrou));
        Instance_Partagee apres(p, dossier_.path());
        QVERIFY(!apres.Deja_Active(1));
        // A copy that runs keeps its place, however long it has run.
        QFile tenu(verrou);
        QVERIFY(tenu.open(QIODevice::ReadWrite));
        QVERIFY(tenu.setFileTime(QDateTime::currentDateTime().addDays(-3), QFileDevice::FileModificationTime));
        tenu.close();
        QVERIFY(Instance_Partagee(p, dossier_.path()).Deja_Active(1));
    }

    void apresLaFinDeLaPremiereUneNouvelleCopieDemarre() {
        {
            Instance_Partagee premiere(programme_, dossier_.path());
            QVERIFY(!premiere.Deja_Active(1));
            Instance_Partagee refusee(programme_, dossier_.path());
            QVERIFY(refusee.Deja_Active(1));
        }
        Instance_Partagee apres(programme_, dossier_.path());
        QVERIFY(!apres.Deja_Active(1));
    }

    void leMaximumCompteLesCopies() {
        const QString p = QStringLiteral("/srv/tavelune/tavelune");
        Instance_Partagee a(p, dossier_.path()), b(p, dossier_.path()), c(p, dossier_.path());
        QVERIFY(!a.Deja_Active(2));
        QVERIFY(!b.Deja_Active(2));
        QVERIFY(c.Deja_Active(2));
    }

    void sansDossierDeVerrousLeProgrammeDemarreQuandMeme() {
        const QString absent = dossier_.filePath(QStringLiteral("absent/encore"));
        Instance_Partagee a(programme_, absent), b(programme_, absent);
        QVERIFY(!a.Deja_Active(1));
        QVERIFY(!b.Deja_Active(1));
        QVERIFY(!a.Compte_Instance());
    }

    void lAppelAvantLaFenetreEstServiQuandElleExiste() {
        const QString p = QStringLiteral("/usr/local/tavelune/tavelune");
        Instance_Partagee premiere(p, dossier_.path());
        QVERIFY(!premiere.Deja_Active(1));
        QProcess* seconde = Lance(p);
        QVERIFY(seconde->waitForFinished(10000));
        QCOMPARE(seconde->readAll().trimmed(), QByteArray("refuse"));
        // The knock arrived before any window: it is kept.
        QTest::qWait(200);
        bool montre = false;
        premiere.sur_appel = [&] { montre = true; };
        premiere.Fenetre(nullptr);
        QVERIFY(montre);
    }
};

int main(int argc, char* argv[]) {
    if (argc == 4 && QByteArray(argv[1]) == "--copie") {
        QCoreApplication app(argc, argv);
        return Copie(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    if (argc == 3 && QByteArray(argv[1]) == "--verrou") {
        // Takes the lock and ends without giving it back, as a crash would.
        QLockFile verrou(QString::fromLocal8Bit(argv[2]));
        if (!verrou.tryLock(0)) return 1;
        std::_Exit(0);
    }
    QCoreApplication app(argc, argv);
    test_CheckPrevious t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_CheckPrevious.moc"
