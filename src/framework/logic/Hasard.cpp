#include "framework/logic/Hasard.hpp"

#include <chrono>

namespace Hasard {

namespace {
uint64_t Graine_Horloge() {
    return static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

int32_t Uniforme(std::mt19937_64& moteur, int32_t n) {
    if (n <= 1) return 0;
    return std::uniform_int_distribution<int32_t>(0, n - 1)(moteur);
}

long double Reel(std::mt19937_64& moteur) {
    return std::uniform_real_distribution<long double>(0.0L, 1.0L)(moteur);
}

std::unique_ptr<Source>& Installee() {
    static std::unique_ptr<Source> source = std::make_unique<Source_Horloge>();
    return source;
}
}  // namespace

Source_Horloge::Source_Horloge() : moteur_(Graine_Horloge()) {}
int32_t Source_Horloge::Tirage(int32_t n) { return Uniforme(moteur_, n); }
long double Source_Horloge::Tirage_Reel() { return Reel(moteur_); }
void Source_Horloge::Reamorce() { moteur_.seed(Graine_Horloge()); }

Source_Scriptee::Source_Scriptee(std::deque<int32_t> tirages, uint64_t graine)
    : tirages_(std::move(tirages)), moteur_(graine) {}

void Source_Scriptee::Ajoute(std::initializer_list<int32_t> tirages) {
    tirages_.insert(tirages_.end(), tirages.begin(), tirages.end());
}

int32_t Source_Scriptee::Tirage(int32_t n) {
    if (n <= 1) {
        if (!tirages_.empty()) tirages_.pop_front();
        return 0;
    }
    if (tirages_.empty()) return Uniforme(moteur_, n);
    int32_t v = tirages_.front() % n;
    tirages_.pop_front();
    return v < 0 ? v + n : v;
}

long double Source_Scriptee::Tirage_Reel() { return Reel(moteur_); }

Source& Actuelle() { return *Installee(); }

std::unique_ptr<Source> Installe(std::unique_ptr<Source> source) {
    if (!source) source = std::make_unique<Source_Horloge>();
    std::swap(Installee(), source);
    return source;
}

}  // namespace Hasard

int32_t Random(int32_t n) { return Hasard::Actuelle().Tirage(n); }
long double Random() { return Hasard::Actuelle().Tirage_Reel(); }
void Randomize() { Hasard::Actuelle().Reamorce(); }
