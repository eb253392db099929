// Times every topic's question draw as a window poses it (reseed, draws,
// redraws until the key differs from the last three): 10 000 questions per
// level from a fixed seed, one row per topic and level.
//
//   bench_tirages [questions]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "Chrono.hpp"
#include "framework/logic/Exercice.hpp"
#include "framework/logic/Hasard.hpp"
#include "topics/algebra/logic/Deriv.hpp"
#include "topics/algebra/logic/Ec_sci.hpp"
#include "topics/algebra/logic/Equat1D0.hpp"
#include "topics/algebra/logic/Equat1d.hpp"
#include "topics/algebra/logic/Equat2d.hpp"
#include "topics/algebra/logic/Inequat.hpp"
#include "topics/algebra/logic/Raci.hpp"
#include "topics/algebra/logic/Sari.hpp"
#include "topics/algebra/logic/Sgeo.hpp"
#include "topics/algebra/logic/Syst.hpp"
#include "topics/decimal/logic/Darrond.hpp"
#include "topics/decimal/logic/Dencad.hpp"
#include "topics/decimal/logic/Dins.hpp"
#include "topics/decimal/logic/Drange.hpp"
#include "topics/decimal/logic/Operations.hpp"
#include "topics/fraction/logic/Qaddi.hpp"
#include "topics/fraction/logic/Qdiv.hpp"
#include "topics/fraction/logic/Qmelang.hpp"
#include "topics/fraction/logic/Qmult.hpp"
#include "topics/fraction/logic/Qpuiss.hpp"
#include "topics/fraction/logic/Qreduc.hpp"
#include "topics/fraction/logic/Qsimpl.hpp"
#include "topics/fraction/logic/Qsous.hpp"
#include "topics/integer/logic/Zaddi.hpp"
#include "topics/integer/logic/Zdiv.hpp"
#include "topics/integer/logic/Zmelang.hpp"
#include "topics/integer/logic/Zmult.hpp"
#include "topics/integer/logic/Zparent.hpp"
#include "topics/integer/logic/Zpuiss.hpp"
#include "topics/integer/logic/Zsous.hpp"
#include "topics/natural/logic/Divisibilite.hpp"
#include "topics/natural/logic/Naddi.hpp"
#include "topics/natural/logic/Ndiv.hpp"
#include "topics/natural/logic/Nmult.hpp"
#include "topics/natural/logic/Npuiss.hpp"
#include "topics/natural/logic/Nsous.hpp"

namespace {

struct Sujet_Banc {
    const char* unite;
    int niveaux;
    std::function<std::unique_ptr<Exercice::Sujet>()> fabrique;
    Exercice::Memoire_Enonces memoire{};
};

template <class S, class... A>
std::function<std::unique_ptr<Exercice::Sujet>()> F(A... a) {
    return [=] { return std::make_unique<S>(a...); };
}


}  // namespace

int main(int argc, char* argv[]) {
    const int questions = argc > 1 ? std::atoi(argv[1]) : 10000;
    using Operations::Operation;
    const Exercice::Memoire_Enonces un({"un", "deux", "trois"});
    const std::vector<Sujet_Banc> sujets{
        {"Unaddi", 3, F<Naddi::Sujet>()},
        {"Unsous", 3, F<Nsous::Sujet>()},
        {"Unmult", 3, F<Nmult::Sujet>()},
        {"Undiv", 3, F<Ndiv::Sujet>()},
        {"Unmultip", 4, F<Divisibilite::Multiples>()},
        {"Undivis", 4, F<Divisibilite::Diviseurs>()},
        {"Uprem", 4, F<Divisibilite::Premier>()},
        {"Udecomp", 4, F<Divisibilite::Decomposition>()},
        {"Unpuiss", 4, F<Npuiss::Sujet>()},
        {"Udrange", 4, F<Drange::Sujet>()},
        {"Udins", 4, F<Dins::Sujet>()},
        {"Udencad", 4, F<Dencad::Sujet>()},
        {"Udarrond", 4, F<Darrond::Sujet>()},
        {"Udaddi", 4, F<Operations::Sujet>(Operation::Addition)},
        {"Udsous", 4, F<Operations::Sujet>(Operation::Soustraction)},
        {"Udmult", 4, F<Operations::Sujet>(Operation::Multiplication)},
        {"Uddiv", 4, F<Operations::Sujet>(Operation::Division)},
        {"Uzaddi", 3, F<Zaddi::Sujet>()},
        {"Uzsous", 3, F<Zsous::Sujet>()},
        {"Uzmult", 3, F<Zmult::Sujet>()},
        {"Uzdiv", 3, F<Zdiv::Sujet>()},
        {"Uzmelang", 3, F<Zmelang::Sujet>()},
        {"Uzparent", 3, F<Zparent::Sujet>()},
        {"Uzpuiss", 3, F<Zpuiss::Sujet>()},
        {"Uqreduc", 4, F<Qreduc::Sujet>()},
        {"Uqsimpl", 4, F<Qsimpl::Sujet>()},
        {"Uqaddi", 4, F<Qaddi::Sujet>()},
        {"Uqsous", 4, F<Qsous::Sujet>()},
        {"Uqmult", 4, F<Qmult::Sujet>()},
        {"Uqdiv", 4, F<Qdiv::Sujet>()},
        {"Uqpuiss", 4, F<Qpuiss::Sujet>()},
        {"Uqmelang", 4, F<Qmelang::Sujet>()},
        {"Uequat1d", 4, F<Equat1d::Sujet>(), un},
        {"Uequat1D0", 4, F<Equat1D0::Sujet>(), un},
        {"Uinequat", 4, F<Inequat::Sujet>()},
        {"Usyst", 4, F<Syst::Sujet>()},
        {"Uequat2d", 4, F<Equat2d::Sujet>()},
        {"Uderiv", 3, F<Deriv::Sujet>()},
        {"Usari", 4, F<Sari::Sujet>()},
        {"Usgeo", 4, F<Sgeo::Sujet>()},
        {"Uec_sci", 4, F<Ec_sci::Sujet>()},
        {"Uraci", 4, F<Raci::Sujet>()},
    };
    // One row per topic and level: p50, p99 and max of a question, in ms.
    double pire_p99 = 0;
    const char* pire = "";
    for (const auto& s : sujets)
        for (int niveau = 1; niveau <= s.niveaux; ++niveau) {
            auto ancienne = Hasard::Installe(
                std::make_unique<Hasard::Source_Scriptee>(std::deque<int32_t>{}, 20261208u + niveau));
            auto sujet = s.fabrique();
            Exercice::Cycle cycle(*sujet, s.memoire);
            std::vector<double> t(static_cast<std::size_t>(questions));
            for (auto& d : t) {
                const double debut = Chrono::Maintenant_Ms();
                cycle.Pose(niveau);
                d = Chrono::Maintenant_Ms() - debut;
            }
            Hasard::Installe(std::move(ancienne));
            std::sort(t.begin(), t.end());
            const double p99 = t[t.size() * 99 / 100];
            std::printf("tirage\t%s n%d\t%.4f\t%.4f\t%.4f\n", s.unite, niveau, t[t.size() / 2], p99, t.back());
            if (p99 > pire_p99) {
                pire_p99 = p99;
                pire = s.unite;
            }
        }
    std::printf("# p99 le plus long : %s, %.4f ms\n", pire, pire_p99);
    return 0;
}
