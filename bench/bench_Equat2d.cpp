// Times the level-1 questions of the second-degree equations (drawn until two
// differences are perfect squares), the anti-repeat memory included.
#include <chrono>
#include <cstdio>
#include <ctime>

#include "framework/logic/Exercice.hpp"
#include "topics/algebra/logic/Equat2d.hpp"

int main() {
    Equat2d::Sujet sujet;
    Exercice::Cycle cycle(sujet);
    constexpr int Questions = 10000;
    const auto debut = std::chrono::steady_clock::now();
    const std::clock_t processeur = std::clock();
    for (int i = 0; i < Questions; ++i) cycle.Pose(1);
    const std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
    // The processor time too: on a busy machine the elapsed time says little.
    std::printf("%d questions de niveau 1 : %.3f s (processeur : %.3f s)\n", Questions, duree.count(),
                static_cast<double>(std::clock() - processeur) / CLOCKS_PER_SEC);
    return 0;
}
