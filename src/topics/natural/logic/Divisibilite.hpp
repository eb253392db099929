// Divisibility of natural numbers: the multiples, the divisors, whether a
// number is prime, its decomposition into prime factors. Every entry takes
// digits and Backspace only (anything else beeps); the question key is the
// number drawn.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/logic/Exercice.hpp"

namespace Divisibilite {

// What the four topics share: the number drawn, its key, the digit filter.
class Sujet_Nombre : public Exercice::Sujet {
public:
    std::string Cle() const override { return std::to_string(n_); }
    Exercice::Decision Filtre(int, char32_t c, int, const std::u32string&) const override {
        return Exercice::Filtre_Entier(c);
    }
    int Niveau() const { return niveau_; }
    int32_t N() const { return n_; }

protected:
    int niveau_ = 1;
    int32_t n_ = 0;
};

// The first ten multiples of n, in increasing order (entries Edit1 to Edit10).
class Multiples : public Sujet_Nombre {
public:
    void Genere(int niveau) override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 10; }
    static constexpr int Cases = 10;
};

// Every divisor of n in increasing order, in 24 entries (the unused ones
// left empty).
class Diviseurs : public Sujet_Nombre {
public:
    void Genere(int niveau) override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 20; }
    static constexpr int Cases = 24;
    const std::vector<int32_t>& Liste() const { return diviseurs_; }

private:
    std::vector<int32_t> diviseurs_;
};

// Whether n is prime. Answers: entry 0 the prime divisor typed (empty when
// "Oui" was chosen), entry 1 the choice shown ("    PREMIER" or "PAS PREMIER").
class Premier : public Sujet_Nombre {
public:
    static constexpr const char* Oui = "    PREMIER";
    static constexpr const char* Non = "PAS PREMIER";

    void Genere(int niveau) override;
    std::string Refuse(const std::vector<std::string>& reponses) const override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 10; }
    // The smallest divisor between 2 and n - 1; 0 when there is none (n is
    // prime, 0 and 1 included, as the primality test counts them).
    int32_t Plus_Petit_Diviseur() const { return diviseur_; }

private:
    int32_t diviseur_ = 0;
};

// The decomposition of n into prime factors. Answers: entries 0 to 4 the
// factors (empty counts as 0), entries 5 to 9 their exponents (spin boxes).
class Decomposition : public Sujet_Nombre {
public:
    static constexpr int Cases = 5;

    void Prepare(int niveau) override;
    void Genere(int niveau) override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 15; }

    const std::array<int32_t, Cases>& Facteurs() const { return facteurs_; }
    const std::array<int32_t, Cases>& Exposants() const { return exposants_; }
    // The correction in a fixed-pitch font: the exponents, written in a font
    // 7/9 of the factors' one so that each stands after its factor, and the
    // factors ("  72 =     2 x    3").
    std::string Ligne_Exposants() const;
    std::string Ligne_Facteurs() const;

    // Prime factors and exponents of m, increasing (a prime gives itself).
    static void Decompose(int32_t m, std::array<int32_t, Cases>& facteurs, std::array<int32_t, Cases>& exposants);

private:
    int forme_ = 0;
    std::array<int32_t, Cases> facteurs_{};
    std::array<int32_t, Cases> exposants_{};
};

// The table of prime numbers shown beside the decomposition: every number
// from 1 to `jusqua` the primality test accepts (1 first), each right-aligned
// in `largeur` characters, ten to a line (the last line holds the rest).
std::vector<std::string> Table_Premiers(int32_t jusqua = 5000, int largeur = 5);

}  // namespace Divisibilite
