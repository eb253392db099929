// Times the target-number game's draw at level 3: plates and target drawn
// until the search finds a solution, as the window does before showing a
// draw, over seeded episodes; the window's events are handled while the
// search runs. Beside it, for reference, the search with nothing skipped and
// the step text built at every trial (fewer episodes: it is slow).
//
//   bench_compte [episodes] [reference_episodes]
#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Chrono.hpp"
#include "framework/logic/Hasard.hpp"
#include "games/logic/Compte.hpp"
#include "support/Recherche_Simple.hpp"

using namespace Compte;

namespace {


long long essais_simples = 0;
bool pompe_simple = false;

struct Mesures {
    std::vector<double> ms;
    std::vector<double> essais;
    std::vector<double> tirages;
};

double Rang(std::vector<double> v, int pour_cent) {
    std::sort(v.begin(), v.end());
    if (v.empty()) return 0;
    return pour_cent >= 100 ? v.back() : v[v.size() * static_cast<std::size_t>(pour_cent) / 100];
}

void Rapporte(const char* nom, const Mesures& m) {
    std::printf("compte\t%s (%zu)\t%.3f\t%.3f\t%.3f\tessais p50 %.0f p99 %.0f max %.0f ; tirages max %.0f\n", nom,
                m.ms.size(), Rang(m.ms, 50), Rang(m.ms, 99), Rang(m.ms, 100), Rang(m.essais, 50), Rang(m.essais, 99),
                Rang(m.essais, 100), Rang(m.tirages, 100));
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int episodes = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int reference = argc > 2 ? std::atoi(argv[2]) : 300;
    constexpr uint64_t Graine = 20261208u;

    Mesures rapide;
    std::vector<std::string> solutions;
    {
        auto ancienne = Hasard::Installe(std::make_unique<Hasard::Source_Scriptee>(std::deque<int32_t>{}, Graine));
        for (int k = 0; k < episodes; ++k) {
            const double debut = Chrono::Maintenant_Ms();
            const auto p = Tire_Soluble(3, [] {
                QCoreApplication::processEvents();
                return true;
            });
            rapide.ms.push_back(Chrono::Maintenant_Ms() - debut);
            rapide.essais.push_back(static_cast<double>(p->essais));
            rapide.tirages.push_back(p->tirages);
            solutions.push_back(p->solution);
        }
        Hasard::Installe(std::move(ancienne));
    }
    Rapporte("niveau 3, tire jusqu'a soluble", rapide);

    // The same seed: the same draws, so the same solutions are expected.
    for (bool pompe : {false, true}) {
        Mesures simple;
        pompe_simple = pompe;
        int differentes = 0;
        auto ancienne = Hasard::Installe(std::make_unique<Hasard::Source_Scriptee>(std::deque<int32_t>{}, Graine));
        const int n = pompe ? std::max(1, reference / 3) : reference;
        for (int k = 0; k < n; ++k) {
            const double debut = Chrono::Maintenant_Ms();
            essais_simples = 0;
            int tirages = 0;
            std::string solution;
            Tirage t;
            do {
                t = Tire(3);
                ++tirages;
                solution.clear();
            } while (!Recherche_Simple(t.plaques, t.cible, "", solution, [] {
                ++essais_simples;
                if (pompe_simple) QCoreApplication::processEvents();
            }));
            solution = Une_Operation(t.plaques, t.cible, solution);
            simple.ms.push_back(Chrono::Maintenant_Ms() - debut);
            simple.essais.push_back(static_cast<double>(essais_simples));
            simple.tirages.push_back(tirages);
            if (static_cast<std::size_t>(k) < solutions.size() && solution != solutions[static_cast<std::size_t>(k)])
                ++differentes;
        }
        Hasard::Installe(std::move(ancienne));
        Rapporte(pompe ? "reference, messages a chaque essai" : "reference, sans rien sauter", simple);
        std::printf("# reference%s : %d solutions differentes sur %d\n", pompe ? " (messages)" : "", differentes, n);
    }
    return 0;
}
