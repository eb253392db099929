// The program's one source of random draws. Windows reseed it from the clock
// when they pose a question; tests install a scripted source instead.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <random>

namespace Hasard {

class Source {
public:
    virtual ~Source() = default;
    // Uniform integer in 0..n-1 (0 when n <= 0).
    virtual int32_t Tirage(int32_t n) = 0;
    // Uniform real in [0, 1).
    virtual long double Tirage_Reel() = 0;
    virtual void Reamorce() = 0;  // reseed from the clock
};

// Mersenne twister seeded from the clock.
class Source_Horloge : public Source {
public:
    Source_Horloge();
    int32_t Tirage(int32_t n) override;
    long double Tirage_Reel() override;
    void Reamorce() override;

private:
    std::mt19937_64 moteur_;
};

// Replays the given draws in order; each value is reduced modulo n. Once the
// script is exhausted it falls back on a fixed-seed generator, so a test that
// scripts only the first draws stays deterministic.
class Source_Scriptee : public Source {
public:
    explicit Source_Scriptee(std::deque<int32_t> tirages = {}, uint64_t graine = 1);
    void Ajoute(std::initializer_list<int32_t> tirages);
    int32_t Tirage(int32_t n) override;
    long double Tirage_Reel() override;
    void Reamorce() override { ++reamorcages_; }
    int Reamorcages() const { return reamorcages_; }
    std::size_t Restants() const { return tirages_.size(); }

private:
    std::deque<int32_t> tirages_;
    std::mt19937_64 moteur_;
    int reamorcages_ = 0;
};

// The installed source (a clock-seeded one until something else is installed).
Source& Actuelle();
// Installs a source; returns the previous one so a test can put it back.
std::unique_ptr<Source> Installe(std::unique_ptr<Source> source);

}  // namespace Hasard

// The draws as the rest of the program writes them.
int32_t Random(int32_t n);
long double Random();
void Randomize();
