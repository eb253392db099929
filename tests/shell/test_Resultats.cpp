#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

#include "framework/logic/Commune.hpp"
#include "shell/Chemins.hpp"
#include "shell/Resultats.hpp"
#include "shell/Uscore.hpp"
#include "support/Faux_Services.hpp"

namespace {

QByteArray Lit(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs f in a child process that is not root, so that file permissions
// apply even when the tests run as root; the child's exit code.
int Hors_Root(const std::function<int()>& f) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(90);
        ::_exit(f());
    }
    int statut = 0;
    if (pid < 0 || ::waitpid(pid, &statut, 0) != pid) return -1;
    return WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
}

void Ecrit(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(octets);
}

// One line of an appending process, long enough for a torn write to show.
QString Ligne_Ajoutee(int processus, int numero) {
    return QStringLiteral("P%1 L%2 ").arg(processus, 2, 10, QLatin1Char('0')).arg(numero, 4, 10, QLatin1Char('0')) +
           QString(90, QLatin1Char('a' + processus % 26)) + QStringLiteral(" fin");
}

constexpr int Processus = 20;
constexpr int Lignes_Par_Processus = 500;

}  // namespace

class test_Resultats : public QObject {
    Q_OBJECT

    QTemporaryDir dossier_;
    Emplacements chemins_;

    void Serie_Dupont() {
        Commune::Nom = "DUPONT";
        Commune::Prenom = "Marie";
        Commune::Classe = "4B";
        Commune::Serie.Remet_A_Zero();
        for (int i = 0; i < 7; ++i) {
            Commune::Compte_Exercice();
            if (i < 5) Commune::Note_Juste(10, 1);
            else Commune::Note_Faux(10, 1);
        }
    }

private slots:
    void init() {
        QDir(dossier_.path()).removeRecursively();
        QDir().mkpath(dossier_.filePath(QStringLiteral("prog")));
        QDir().mkpath(dossier_.filePath(QStringLiteral("donnees")));
        chemins_ = Chemins::Calcule(dossier_.filePath(QStringLiteral("prog")),
                                    dossier_.filePath(QStringLiteral("donnees")), false);
    }

    void cleanup() {
        Commune::Nom.clear();
        Commune::Prenom.clear();
        Commune::Classe.clear();
        Commune::Serie.Remet_A_Zero();
    }

    void textes_de_date_et_de_duree() {
        const QLocale fr(QLocale::French, QLocale::France);
        QCOMPARE(Resultats::Texte_Date_Heure(QDateTime(QDate(2026, 12, 7), QTime(15, 42, 10)), fr),
                 QStringLiteral("07/12/2026 15:42:10"));
        QCOMPARE(Resultats::Texte_Duree(12 * 60000 + 34000, fr), QStringLiteral("00:12:34"));
        QCOMPARE(Resultats::Texte_Heure_Longue(QTime(9, 5, 0), fr), QStringLiteral("09:05:00"));
        // The same on every computer, whatever its own settings.
        QCOMPARE(Resultats::Texte_Date_Heure(QDateTime(QDate(2026, 12, 8), QTime(4, 5, 6))),
                 QStringLiteral("08/12/2026 04:05:06"));
    }

    void emplacements_des_fichiers() {
        const QString prog = dossier_.filePath(QStringLiteral("prog/"));
        const QString donnees = dossier_.filePath(QStringLiteral("donnees/"));
        QCOMPARE(chemins_.fichier_scores, prog + QStringLiteral("TAVELUNE.SCO"));
        QCOMPARE(chemins_.fichier_general, prog + QStringLiteral("TAVELUNE.LOG"));
        QCOMPARE(chemins_.fichier_local, donnees + QStringLiteral("TAVELUNE.LOC"));
        QCOMPARE(QString::fromStdString(Commune::Fichier_Scores), chemins_.fichier_scores);

        // A TEMP folder inside the data folder takes the local file.
        QDir().mkpath(donnees + QStringLiteral("TEMP"));
        Emplacements e = Chemins::Calcule(prog, donnees, false);
        QCOMPARE(e.fichier_local, donnees + QStringLiteral("TEMP/TAVELUNE.LOC"));

        // From a CD-ROM: the table and the general file go to the local folder.
        e = Chemins::Calcule(prog, donnees, true);
        QCOMPARE(e.fichier_scores, donnees + QStringLiteral("TEMP/TAVELUNE.SCO"));
        QCOMPARE(e.fichier_general, donnees + QStringLiteral("TEMP/TAVELUNE.LOG"));
        QCOMPARE(QString::fromStdString(Commune::Fichier_Scores), e.fichier_scores);
    }

    // A network share: the teacher decides, file by file, what pupils may
    // write. The files are judged in a child process that is not root, so
    // that the permissions apply even when the tests run as root.
    void fichiers_partages_juges_un_par_un() {
        QFile::setPermissions(dossier_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ExeOwner | QFileDevice::ReadOther | QFileDevice::ExeOther);
        const auto lecture = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
        const auto tous = lecture | QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
        const auto dossier = lecture | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
        struct Cas {
            const char* nom;
            QFileDevice::Permissions dossier, scores, general;
            bool cdrom, scores_au_programme, general_au_programme;
        };
        const Cas cas[] = {
            {"dossier fermé, fichiers ouverts", dossier, tous, tous, false, true, true},
            {"table en lecture seule", dossier | tous, lecture, tous, false, false, true},
            {"tout en lecture seule", dossier, lecture, lecture, false, false, false},
            {"support en lecture seule", dossier | tous, tous, tous, true, false, false},
        };
        const QByteArray table = "3,11\r\n0,1,PROF\r\n2,1,480\r\n";
        for (const Cas& c : cas) {
            const QString racine = dossier_.filePath(QString::fromUtf8(c.nom)) + QLatin1Char('/');
            const QString prog = racine + QStringLiteral("prog/"), donnees = racine + QStringLiteral("donnees/");
            QDir().mkpath(prog);
            QDir().mkpath(donnees);
            QFile::setPermissions(racine, dossier);
            QFile::setPermissions(donnees, dossier | tous);
            Ecrit(prog + QStringLiteral("TAVELUNE.SCO"), table);
            Ecrit(prog + QStringLiteral("TAVELUNE.LOG"), "avant\r\n");
            QFile::setPermissions(prog + QStringLiteral("TAVELUNE.SCO"), c.scores);
            QFile::setPermissions(prog + QStringLiteral("TAVELUNE.LOG"), c.general);
            QFile::setPermissions(prog, c.dossier);

            const int r = Hors_Root([&] {
                const Emplacements e = Chemins::Calcule(prog, donnees, c.cdrom);
                // A table kept locally starts from the installation's one.
                const bool amorcee = e.scores_au_programme || Lit(e.fichier_scores) == table;
                const bool table_ecrite = Chemins::Ecrit_Entier(e.fichier_scores, "nouvelle table");
                const bool ligne_ecrite = Resultats::Ajoute_Ligne(e.fichier_general, QStringLiteral("ligne"), 100);
                return (e.scores_au_programme ? 1 : 0) | (e.general_au_programme ? 2 : 0) | (amorcee ? 4 : 0) |
                       (table_ecrite ? 8 : 0) | (ligne_ecrite ? 16 : 0);
            });
            QFile::setPermissions(prog, dossier | tous);
            const QByteArray nom = c.nom;
            QVERIFY2(r >= 0 && r < 32, nom);
            QVERIFY2(bool(r & 1) == c.scores_au_programme && bool(r & 2) == c.general_au_programme, nom);
            QVERIFY2((r & 28) == 28, nom);
            // Each file is written where it was judged writable, and only there.
            const QString scores = (c.scores_au_programme ? prog : donnees) + QStringLiteral("TAVELUNE.SCO");
            const QString general = (c.general_au_programme ? prog : donnees) + QStringLiteral("TAVELUNE.LOG");
            QVERIFY2(Lit(scores) == "nouvelle table", nom);
            QVERIFY2(Lit(general) == (c.general_au_programme ? "avant\r\nligne\r\n" : "ligne\r\n"), nom);
            if (!c.scores_au_programme) QVERIFY2(Lit(prog + QStringLiteral("TAVELUNE.SCO")) == table, nom);
            if (!c.general_au_programme) QVERIFY2(Lit(prog + QStringLiteral("TAVELUNE.LOG")) == "avant\r\n", nom);
        }
    }

    // An installed program: a folder only root may write, the files the
    // package made writable by all. A pupil's account rewrites and appends
    // in place, leaving nothing beside them; a file the package did not make
    // goes to the pupil's data folder.
    void installe_dans_le_dossier_de_l_ordinateur() {
        const QString partage = dossier_.filePath(QStringLiteral("var/lib/tavelune/"));
        const QString donnees = dossier_.filePath(QStringLiteral("donnees/"));
        QDir().mkpath(partage);
        QDir().mkpath(donnees);
        QFile::setPermissions(dossier_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ExeOwner | QFileDevice::ReadOther | QFileDevice::ExeOther);
        const auto tous = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                          QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
        const auto ouvert = tous | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
        for (const char* nom : {"TAVELUNE.SCO", "TAVELUNE.LOG"}) {
            Ecrit(partage + QLatin1String(nom), "avant\r\n");
            QFile::setPermissions(partage + QLatin1String(nom), tous);
        }
        QFile::setPermissions(donnees, ouvert);
        QFile::setPermissions(partage, ouvert & ~(QFileDevice::WriteGroup | QFileDevice::WriteOther));
        const int r = Hors_Root([&] {
            const Emplacements e = Chemins::Calcule_Installe(partage, donnees);
            const bool places = e.installe && e.fichier_scores == partage + QStringLiteral("TAVELUNE.SCO") &&
                                e.fichier_general == partage + QStringLiteral("TAVELUNE.LOG") &&
                                e.fichier_local == donnees + QStringLiteral("TAVELUNE.LOC");
            const bool ecrits = Chemins::Ecrit_Entier(e.fichier_scores, "table") &&
                                Resultats::Ajoute_Ligne(e.fichier_general, QStringLiteral("ligne"), 100, false) &&
                                Resultats::Sauve_Liste(e.fichier_local, {QStringLiteral("ligne")});
            return (places ? 1 : 0) | (ecrits ? 2 : 0);
        });
        QCOMPARE(r, 3);
        QCOMPARE(Lit(partage + QStringLiteral("TAVELUNE.SCO")), QByteArray("table"));
        QCOMPARE(Lit(partage + QStringLiteral("TAVELUNE.LOG")), QByteArray("avant\r\nligne\r\n"));
        QCOMPARE(QDir(partage).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList({QStringLiteral("TAVELUNE.LOG"), QStringLiteral("TAVELUNE.SCO")}));
    }

    void liste_locale_chargee_et_limitee() {
        QVERIFY(!Resultats::Charge_Liste(chemins_.fichier_local));
        QVERIFY(Resultats::Charge_Liste_Locale(chemins_.fichier_local).isEmpty());
        QByteArray contenu;
        for (int i = 1; i <= 61; ++i) contenu += "ligne " + QByteArray::number(i) + (i % 2 ? "\r\n" : "\n");
        Ecrit(chemins_.fichier_local, contenu);
        const QStringList l = Resultats::Charge_Liste_Locale(chemins_.fichier_local);
        QCOMPARE(l.size(), 30);
        QCOMPARE(l.first(), QStringLiteral("ligne 32"));
        QCOMPARE(l.last(), QStringLiteral("ligne 61"));
        // The file itself changes only at the next save.
        QCOMPARE(Lit(chemins_.fichier_local), contenu);

        QVERIFY(Resultats::Sauve_Liste(chemins_.fichier_local, {QStringLiteral("Élève"), QString()}));
        QCOMPARE(Lit(chemins_.fichier_local), QByteArray("\xC9l\xE8ve\r\n\r\n"));
        QVERIFY(Resultats::Sauve_Liste(chemins_.fichier_general, {}, true));
        QCOMPARE(Lit(chemins_.fichier_general), QByteArray());
        QVERIFY(!Resultats::Sauve_Liste(dossier_.filePath(QStringLiteral("absent/x.loc")), {QStringLiteral("x")}));
    }

    void panneaux_des_listes_et_rapport() {
        Faux_Services services;
        QListWidget liste;
        liste.addItem(QStringLiteral("reste"));
        QVERIFY(!Resultats::Affiche_Liste(&liste, chemins_.fichier_general));
        QCOMPARE(liste.count(), 1);
        Ecrit(chemins_.fichier_general, "un\r\ndeux\n");
        QVERIFY(Resultats::Affiche_Liste(&liste, chemins_.fichier_general));
        QCOMPARE(Resultats::Lignes_De(&liste), (QStringList{"un", "deux"}));
        QCOMPARE(Resultats::Titre_Liste(QStringLiteral("Fichier général  ("), &liste),
                 QStringLiteral("Fichier général  (2)"));
        // A file that cannot be written keeps its list.
        const QString dossier = dossier_.filePath(QStringLiteral("un dossier"));
        QDir().mkpath(dossier);
        QVERIFY(!Resultats::Efface_Liste(&liste, dossier, false));
        QCOMPARE(liste.count(), 2);
        QVERIFY(Resultats::Efface_Liste(&liste, chemins_.fichier_general, true));
        QCOMPARE(liste.count(), 0);
        QCOMPARE(Lit(chemins_.fichier_general), QByteArray());
        QCOMPARE(Resultats::Titre_Liste(QStringLiteral("Fichier local  ("), &liste), QStringLiteral("Fichier local  (0)"));

        Serie_Dupont();
        Resultats::Montre_Note(nullptr);
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(services.messages[0].style, Plateforme::Style::Information);
        QVERIFY(services.messages[0].texte.startsWith(QStringLiteral("DUPONT Ma. 4B\r\n")));
        QVERIFY(services.messages[0].texte.endsWith(QStringLiteral("N = 14.3 / 20")));
    }

    void fin_de_serie_sans_exercice_ne_sauve_que_la_table() {
        Faux_Services services;
        TScorForm scores;
        Commune::Nom = "DUPONT";
        Commune::Serie.Score = 0;
        QStringList liste;
        QVERIFY(Resultats::Sauve_Results(scores, liste, chemins_, QStringLiteral("00:01:00"), nullptr).isEmpty());
        QVERIFY(liste.isEmpty());
        QVERIFY(Lit(chemins_.fichier_scores).startsWith("3,11\r\n0,0,          Nom\r\n"));
        QVERIFY(!QFile::exists(chemins_.fichier_local));
        QVERIFY(!QFile::exists(chemins_.fichier_general));
        QVERIFY(services.messages.isEmpty());
    }

    void fin_de_serie_ecrit_la_ligne_partout() {
        Faux_Services services;
        services.maintenant = QDateTime(QDate(2026, 12, 7), QTime(15, 42, 10));
        Serie_Dupont();
        TScorForm scores;
        QListWidget liste;
        liste.addItem(QStringLiteral("ancienne ligne"));
        Ecrit(chemins_.fichier_general, "d\xE9j\xE0 l\xE0\r\n");
        const QString ligne = Resultats::Sauve_Results(scores, &liste, chemins_,
                                                       Resultats::Texte_Duree(12 * 60000 + 5000), nullptr);
        const QString date = Resultats::Texte_Date_Heure(services.maintenant).chopped(3);
        const QString attendue = QStringLiteral("DUPONT Marie                ") + date +
                                 QStringLiteral(" 4B       n1   5/7   n2   0/0   n3   0/0   n4   0/0   00:12 N = 14.3/20");
        QCOMPARE(ligne, attendue);
        QCOMPARE(liste.count(), 2);
        QCOMPARE(liste.item(1)->text(), attendue);
        QCOMPARE(Lit(chemins_.fichier_local), "ancienne ligne\r\n" + attendue.toLatin1() + "\r\n");
        QCOMPARE(Lit(chemins_.fichier_general), "d\xE9j\xE0 l\xE0\r\n" + attendue.toLatin1() + "\r\n");
        // The pupil (5 right and 2 wrong at 10 points: 30) is now in the saved table.
        QVERIFY(Lit(chemins_.fichier_scores).contains("0,1,DUPONT\r\n1,1,Marie\r\n2,1,30\r\n"));
        QVERIFY(services.messages.isEmpty());
        QVERIFY(!QFile::exists(chemins_.fichier_general + QStringLiteral(".lock")));
    }

    void fichier_general_trop_gros_avertit_mais_ajoute() {
        Faux_Services services;
        Serie_Dupont();
        TScorForm scores;
        QStringList liste;
        Ecrit(chemins_.fichier_general, QByteArray(100000, 'x'));
        Resultats::Sauve_Results(scores, liste, chemins_, QStringLiteral("00:00:10"), nullptr);
        QVERIFY(services.messages.isEmpty());
        const qint64 taille = QFileInfo(chemins_.fichier_general).size();
        QVERIFY(taille > 100000);
        Resultats::Sauve_Results(scores, liste, chemins_, QStringLiteral("00:00:10"), nullptr);
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(services.messages[0].style, Plateforme::Style::Avertissement);
        QCOMPARE(services.messages[0].texte,
                 QStringLiteral("Le fichier général de résultats a une taille de %1 octets.\r\n"
                                "Il conviendrait prochainement de le vider !\r\n"
                                "(Dans le menu principal : CTRL-SHIFT-F9 puis bouton [E])")
                     .arg(taille));
        QCOMPARE(Lit(chemins_.fichier_general).count('\n'), 2);
        QCOMPARE(liste.size(), 2);
    }

    void fichier_general_impossible_a_ouvrir_ignore() {
        Faux_Services services;
        Serie_Dupont();
        TScorForm scores;
        QStringList liste;
        Emplacements e = chemins_;
        e.fichier_general = dossier_.filePath(QStringLiteral("absent/TAVELUNE.LOG"));
        QVERIFY(!Resultats::Ajoute_Ligne(e.fichier_general, QStringLiteral("x"), 50));
        QVERIFY(!Resultats::Sauve_Results(scores, liste, e, QStringLiteral("00:00:10"), nullptr).isEmpty());
        QVERIFY(services.messages.isEmpty());
        QCOMPARE(liste.size(), 1);
    }

    void verrou_tenu_ailleurs_n_empeche_pas_l_ajout() {
        QLockFile autre(chemins_.fichier_general + QStringLiteral(".lock"));
        QVERIFY(autre.tryLock(0));
        QElapsedTimer t;
        t.start();
        QVERIFY(Resultats::Ajoute_Ligne(chemins_.fichier_general, QStringLiteral("malgré tout"), 300));
        QVERIFY(t.elapsed() >= 250);
        QCOMPARE(Lit(chemins_.fichier_general), QByteArray("malgr\xE9 tout\r\n"));
    }

    void vingt_processus_ajoutent_sans_perdre_ni_meler() {
        const QString fichier = chemins_.fichier_general;
        QList<QProcess*> processus;
        for (int p = 0; p < Processus; ++p) {
            auto* proc = new QProcess(this);
            proc->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            proc->start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--ajouteur"), fichier, QString::number(p)});
            processus.append(proc);
        }
        for (auto* proc : processus) {
            QVERIFY(proc->waitForFinished(240000));
            QCOMPARE(proc->exitStatus(), QProcess::NormalExit);
            QCOMPARE(proc->exitCode(), 0);
        }
        const QList<QByteArray> lignes = Lit(fichier).split('\n');
        QCOMPARE(lignes.size(), Processus * Lignes_Par_Processus + 1);
        QVERIFY(lignes.last().isEmpty());
        QSet<QByteArray> vues;
        for (int i = 0; i + 1 < lignes.size(); ++i) vues.insert(lignes[i]);
        QCOMPARE(vues.size(), Processus * Lignes_Par_Processus);
        for (int p = 0; p < Processus; ++p)
            for (int n = 0; n < Lignes_Par_Processus; ++n)
                QVERIFY(vues.contains(Ligne_Ajoutee(p, n).toLatin1() + "\r"));
    }

    void impression_en_pdf_sans_imprimante() {
        Faux_Services services;
        const QString pdf = dossier_.filePath(QStringLiteral("notes.pdf"));
        int demandes = 0;
        Resultats::Installe_Imprimante_Presente([] { return false; });
        Resultats::Installe_Choix_Pdf([&](QWidget*) {
            ++demandes;
            return pdf;
        });
        // An empty list is not printed.
        QVERIFY(!Resultats::Imprime_Liste({}, nullptr));
        QCOMPARE(demandes, 0);

        QStringList lignes;
        for (int i = 0; i < 150; ++i) lignes << QStringLiteral("DUPONT Marie  n1   5/7   ligne %1").arg(i);
        QVERIFY(Resultats::Imprime_Liste(lignes, nullptr));
        QCOMPARE(demandes, 1);
        const QByteArray contenu = Lit(pdf);
        QVERIFY(contenu.startsWith("%PDF"));
        if (const QString captures = qEnvironmentVariable("TAVELUNE_CAPTURES"); !captures.isEmpty()) {
            QFile::remove(captures + QStringLiteral("/notes.pdf"));
            QFile::copy(pdf, captures + QStringLiteral("/notes.pdf"));
        }
        QVERIFY(contenu.count("/Type /Page\n") + contenu.count("/Type /Page\r") + contenu.count("/Type /Page ") >= 2 ||
                contenu.count("/Page") >= 3);
        QVERIFY(services.messages.isEmpty());

        // Cancelled: nothing, no message.
        Resultats::Installe_Choix_Pdf([](QWidget*) { return QString(); });
        QVERIFY(!Resultats::Imprime_Liste(lignes, nullptr));
        QVERIFY(services.messages.isEmpty());

        // A file that cannot be written: the printing error.
        Resultats::Installe_Choix_Pdf(
            [this](QWidget*) { return dossier_.filePath(QStringLiteral("absent/notes.pdf")); });
        QVERIFY(!Resultats::Imprime_Liste(lignes, nullptr));
        QCOMPARE(services.messages.size(), 1);
        QCOMPARE(services.messages[0].style, Plateforme::Style::Erreur);
        QCOMPARE(services.messages[0].texte, QStringLiteral("Erreur d'impression"));
    }

    void date_de_compilation_seulement_sous_debogueur() {
        const QString ancien = QDir::currentPath();
        QDir::setCurrent(dossier_.path());
        Resultats::Ecrit_Date_Compilation();
        QCOMPARE(QFile::exists(QStringLiteral("_DatCompil.txt")), Resultats::Sous_Debogueur());
        QDir::setCurrent(ancien);
    }
};

// Started again with "--ajouteur <file> <number>", the program appends its
// share of lines to the file, as one of many computers would.
int main(int argc, char** argv) {
    if (argc == 4 && qstrcmp(argv[1], "--ajouteur") == 0) {
        QCoreApplication app(argc, argv);
        const QString fichier = QString::fromLocal8Bit(argv[2]);
        const int p = QByteArray(argv[3]).toInt();
        for (int n = 0; n < Lignes_Par_Processus; ++n)
            if (!Resultats::Ajoute_Ligne(fichier, Ligne_Ajoutee(p, n))) return 2;
        return 0;
    }
    QApplication app(argc, argv);
    test_Resultats essais;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&essais, argc, argv);
}

#include "test_Resultats.moc"
