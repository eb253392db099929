// Ordering decimal numbers: 3, 5, 7 or 10 numbers shown out of order, to be
// typed back in increasing (or, at some questions of levels 3 and 4,
// decreasing) order.
#pragma once

#include <string>
#include <vector>

#include "framework/logic/Exercice.hpp"

namespace Drange {

// How many numbers a level asks for.
int Nombres(int niveau);

// Draws an order of 0..n-1 other than the natural one: the string of the
// positions is shuffled (each remaining character picked at random in turn)
// until it differs from the unshuffled one.
std::vector<int> Melange(int n);

class Sujet : public Exercice::Sujet {
public:
    void Genere(int niveau) override;
    std::string Cle() const override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 30; }
    Exercice::Decision Filtre(int entree, char32_t c, int curseur, const std::u32string& texte) const override;
    bool Evite_Repetitions(int) const override { return false; }

    int Niveau() const { return niveau_; }
    int N() const { return static_cast<int>(textes_.size()); }
    bool Decroissant() const { return decroissant_; }
    // The numbers in the expected order (the order they were drawn in).
    const std::vector<std::string>& Textes() const { return textes_; }
    // The numbers in the order they are shown.
    std::vector<std::string> Montres() const;
    // The instruction, and the two lines of the question.
    std::string Consigne() const;
    std::string Ligne1() const;
    std::string Ligne2() const;
    // The two lines of the correction (the second empty at levels 1 and 2).
    std::string Correction1() const;
    std::string Correction2() const;

    // Sets a question (tests of exact cases).
    void Pose(int niveau, std::vector<std::string> textes, std::vector<int> ordre, bool decroissant = false);

private:
    int niveau_ = 1;
    bool decroissant_ = false;
    std::vector<std::string> textes_;
    std::vector<int> ordre_;  // display position -> index in textes_
};

}  // namespace Drange
