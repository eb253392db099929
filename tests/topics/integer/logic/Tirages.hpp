// Random sources for the relative-integer generator tests.
#pragma once

#include <deque>
#include <memory>

#include "framework/logic/Hasard.hpp"

// Installs a scripted source for the life of the object, then puts the
// previous one back. Past the script, draws come from a generator seeded with
// `graine`.
class Tirages {
public:
    explicit Tirages(std::deque<int32_t> script = {}, uint64_t graine = 1)
        : ancienne_(Hasard::Installe(std::make_unique<Hasard::Source_Scriptee>(std::move(script), graine))) {}
    ~Tirages() { Hasard::Installe(std::move(ancienne_)); }
    Tirages(const Tirages&) = delete;
    Tirages& operator=(const Tirages&) = delete;

private:
    std::unique_ptr<Hasard::Source> ancienne_;
};

// Calls f(sujet) after each of many generations at the level, over many seeds.
template <class S, class F>
void Sur_Beaucoup_De_Tirages(S& sujet, int niveau, F f, int graines = 30, int par_graine = 300) {
    for (int g = 1; g <= graines; ++g) {
        Tirages t({}, static_cast<uint64_t>(g) * 7919u);
        for (int i = 0; i < par_graine; ++i) {
            sujet.Prepare(niveau);
            sujet.Genere(niveau);
            f(sujet);
        }
    }
}
