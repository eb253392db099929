// How long the teacher waits for the general results list, and what it
// costs in memory: a file of N results lines (100 000 by default) is loaded,
// sorted and drawn in the main window's list view.
//
//   bench_liste_generale [lines]
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <random>

#include "shell/Modele_Notes.hpp"
#include "shell/Resultats.hpp"

namespace {

long Memoire_Ko() {
    std::ifstream statut("/proc/self/status");
    std::string mot;
    while (statut >> mot)
        if (mot == "VmRSS:") {
            long ko = 0;
            statut >> ko;
            return ko;
        }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int lignes = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("TAVELUNE.LOG"));
    {
        // Results lines as the program writes them, pupils in random order.
        QFile f(chemin);
        if (!f.open(QIODevice::WriteOnly)) return 1;
        std::mt19937 hasard(42);
        const char* noms[] = {"DUPONT", "MARTIN", "L\xC9VY", "\x8CUVRARD", "BERNARD", "PETIT", "DURAND", "LEROY"};
        for (int i = 0; i < lignes; ++i) {
            char ligne[160];
            std::snprintf(ligne, sizeof ligne,
                          "%-27s %02u/12/2026 %02u:%02u %-8s n1 %3u/%-3u n2   0/0   n3   0/0   n4   0/0   00:12 N = "
                          "14.3/20\r\n",
                          (std::string(noms[hasard() % 8]) + " El\xE8ve" + std::to_string(hasard() % 1000)).c_str(),
                          1 + hasard() % 28, hasard() % 24, hasard() % 60, "4B", hasard() % 10, 10u);
            f.write(ligne);
        }
    }
    const qint64 taille = QFileInfo(chemin).size();

    QListView vue;
    vue.setUniformItemSizes(true);
    vue.setLayoutMode(QListView::Batched);
    vue.resize(1000, 700);
    vue.show();
    Modele_Notes modele;
    vue.setModel(&modele);
    app.processEvents();

    const long avant = Memoire_Ko();
    QElapsedTimer t;
    t.start();
    if (!modele.Charge(chemin)) return 1;
    vue.scrollToTop();
    vue.repaint();
    app.processEvents();
    const qint64 ms = t.elapsed();
    const long apres = Memoire_Ko();

    std::printf("%d lignes, %.1f Mo : listées en %lld ms, mémoire +%.1f Mo (%.2f fois le fichier)\n", lignes,
                taille / 1e6, static_cast<long long>(ms), (apres - avant) / 1024.0,
                (apres - avant) * 1024.0 / static_cast<double>(taille));
    std::printf("liste\tfichier general, %d lignes, trie et affiche\t%lld\t\t\tmemoire +%.1f Mo\n", lignes,
                static_cast<long long>(ms), (apres - avant) / 1024.0);

    // The same file as a local notes file: read, cut down to its latest
    // lines as a series starts.
    t.restart();
    const QStringList locale = Resultats::Charge_Liste_Locale(chemin);
    const qint64 ms_locale = t.elapsed();
    std::printf("liste\tfichier local, %d lignes, coupe a %lld\t%lld\t\t\t\n", lignes,
                static_cast<long long>(locale.size()), static_cast<long long>(ms_locale));
    return 0;
}
