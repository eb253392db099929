// The end of a session (logout, shutdown, kill -TERM) records the series as a
// close does, with real processes: this program, copied into a folder of its
// own, runs itself with "--programme" to play the program, a pupil's series
// under way and a window or a message open, until it is sent SIGTERM.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <cstdio>

#include "framework/logic/Commune.hpp"
#include "shell/CheckPrevious.hpp"
#include "shell/Demarrage.hpp"
#include "shell/Menu.hpp"
#include "support/Faux_Clavier.hpp"

namespace {

void Dit(const char* texte) {
    std::printf("%s\n", texte);
    std::fflush(stdout);
}

int Programme(const QByteArray& ouvert) {
    Faux_Clavier clavier;
    Instance_Partagee instance(QCoreApplication::applicationFilePath());
    if (instance.Deja_Active(1)) return 3;
    Demarrage::Branche_Services();
    TMenuForm* menu = Demarrage::Cree_Fenetres(instance);
    QTimer::singleShot(0, menu, [menu, ouvert] {
        menu->Edit1->setText(QStringLiteral("DUPONT"));
        menu->Edit2->setText(QStringLiteral("Marie"));
        menu->Edit3->setText(QStringLiteral("4B"));
        menu->BitBtn2Click();
        Commune::Compte_Exercice();
        Commune::Note_Juste(10, 2);
        // Ready once the window or the message is open over the main window.
        QTimer::singleShot(300, [] { Dit(QApplication::activeModalWidget() ? "pret" : "rien d'ouvert"); });
        if (ouvert == "message") menu->Nouveau1Click();
        else menu->Ouvre(QStringLiteral("TZAddiF"));
        Dit(Commune::Serie.NbExercices == 1 ? "serie intacte" : "serie changee");
    });
    const int fin = QApplication::exec();
    Dit(clavier.verrous[1] ? "verrnum allume" : "verrnum eteint");
    Demarrage::Termine();
    return fin;
}

QByteArray Lit(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class test_Fin_De_Session : public QObject {
    Q_OBJECT

private slots:
    void unSignalDeFinEnregistreLaSerie_data() {
        QTest::addColumn<QByteArray>("ouvert");
        QTest::newRow("fenêtre d'exercice ouverte") << QByteArray("fenetre");
        QTest::newRow("message ouvert") << QByteArray("message");
    }

    void unSignalDeFinEnregistreLaSerie() {
        QFETCH(QByteArray, ouvert);
        QTemporaryDir dossier;
        const QString programme = dossier.filePath(QStringLiteral("tavelune"));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), programme));
        QDir().mkpath(dossier.filePath(QStringLiteral("donnees")));
        QDir().mkpath(dossier.filePath(QStringLiteral("session")));

        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), dossier.filePath(QStringLiteral("donnees")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dossier.filePath(QStringLiteral("session")));
        p.setProcessEnvironment(env);
        p.start(programme, {QStringLiteral("--programme"), QString::fromLatin1(ouvert)});
        QVERIFY(p.waitForStarted(10000));
        while (p.state() == QProcess::Running && !p.canReadLine()) p.waitForReadyRead(200);
        QCOMPARE(p.readLine().trimmed(), QByteArray("pret"));

        ::kill(static_cast<pid_t>(p.processId()), SIGTERM);
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        // The open window or message let go; nothing was asked at the end.
        QCOMPARE(p.readAll().trimmed().split('\n'), (QList<QByteArray>{"serie intacte", "verrnum eteint"}));

        // One line in the general file and in the local one, the pupil in the table.
        const QByteArray general = Lit(dossier.filePath(QStringLiteral("TAVELUNE.LOG")));
        QCOMPARE(general.count('\n'), 1);
        QVERIFY(general.startsWith("DUPONT Marie "));
        QVERIFY(general.contains(" 4B       n1   0/0   n2   1/1 "));
        QCOMPARE(Lit(dossier.filePath(QStringLiteral("donnees/tavelune/TAVELUNE.LOC"))), general);
        QVERIFY(Lit(dossier.filePath(QStringLiteral("TAVELUNE.SCO"))).contains("0,1,DUPONT\r\n1,1,Marie\r\n2,1,20\r\n"));
    }
};

int main(int argc, char* argv[]) {
    if (argc == 3 && QByteArray(argv[1]) == "--programme") {
        QApplication app(argc, argv);
        return Programme(argv[2]);
    }
    QApplication app(argc, argv);
    test_Fin_De_Session t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_Fin_De_Session.moc"
