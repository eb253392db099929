// Times the level-1 questions of the second-degree equations (drawn until two
// differences are perfect squares), the anti-repeat memory included.
#include <chrono>
#include <cstdio>

#include "framework/logic/Exercice.hpp"
#include "topics/algebra/logic/Equat2d.hpp"

int main() {
    Equat2d::Sujet sujet;
    Exercice::Cycle cycle(sujet);
    constexpr int Questions = 10000;
    const auto debut = std::chrono::steady_clock::now();
    for (int i = 0; i < Questions; ++i) cycle.Pose(1);
    const std::chrono::duration<double> duree = std::chrono::steady_clock::now() - debut;
    std::printf("%d questions de niveau 1 : %.3f s\n", Questions, duree.count());
    return 0;
}
