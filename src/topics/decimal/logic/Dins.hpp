// Inserting numbers between two decimals: 3, 8 or 13 different numbers
// strictly between a lower and an upper bound.
#pragma once

#include <string>
#include <vector>

#include "framework/logic/Exercice.hpp"

namespace Dins {

// How many numbers a level asks for.
int Nombres(int niveau);

class Sujet : public Exercice::Sujet {
public:
    void Genere(int niveau) override;
    std::string Cle() const override;
    // The answers are the pupil's entries, in order.
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 30; }
    Exercice::Decision Filtre(int entree, char32_t c, int curseur, const std::u32string& texte) const override;
    bool Evite_Repetitions(int) const override { return false; }

    int Niveau() const { return niveau_; }
    int N() const { return Nombres(niveau_); }
    long double A() const { return a_dixiemes_ / 10.0L; }
    long double B() const { return b_dixiemes_ / 10.0L; }
    std::string Texte_A() const;
    std::string Texte_B() const;
    std::string Consigne() const;
    std::string Enonce() const;
    // The examples of the correction, and their three lines.
    std::vector<std::string> Exemples() const;
    std::string Exemples1() const;
    std::string Exemples2() const;
    std::string Exemples3() const;

    // Sets the bounds, in tenths (tests of exact cases).
    void Pose(int niveau, int a_dixiemes, int b_dixiemes) {
        niveau_ = niveau;
        a_dixiemes_ = a_dixiemes;
        b_dixiemes_ = b_dixiemes;
    }

private:
    int niveau_ = 1;
    // The bounds are drawn in tenths and kept so, so that the examples'
    // step is decided on the exact difference.
    int a_dixiemes_ = 0, b_dixiemes_ = 10;
};

}  // namespace Dins
