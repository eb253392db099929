// The clock of the benchmarks: the processor time of the calling thread, so
// that a machine shared with other work (builds, other sessions) still gives
// comparable figures; TAVELUNE_BENCH_MUR=1 takes the elapsed time instead.
#pragma once

#include <time.h>

#include <cstdlib>

namespace Chrono {

inline double Maintenant_Ms() {
    static const bool mur = std::getenv("TAVELUNE_BENCH_MUR") != nullptr;
    timespec t{};
    clock_gettime(mur ? CLOCK_MONOTONIC : CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

}  // namespace Chrono
