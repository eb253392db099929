// Mixed operations on relative integers: one operation of a random kind at
// levels 1 and 2, two operations (no division, multiplication first) at
// level 3. The worked correction line is prepared with the question.
#pragma once

#include <cstdint>
#include <string>

#include "framework/logic/Exercice.hpp"

namespace Zmelang {

// Operation kinds: 0 "+", 1 "-", 2 "x", 3 ":".
enum Operation { Plus = 0, Moins = 1, Fois = 2, Divise = 3 };
const char* Signe(int operation);

// The texts of the question line.
struct Affichage {
    std::string a, s1, b, s2, c;
    bool trois_termes = false;  // s2 and c shown
    bool operator==(const Affichage&) const = default;
};

class Sujet : public Exercice::Sujet {
public:
    void Genere(int niveau) override;
    std::string Cle() const override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 10; }

    // Sets a question directly (operations k1, k2; k2 only counts at level 3).
    void Fixe(int niveau, int32_t a, int k1, int32_t b, int k2 = Plus, int32_t c = 0);

    int32_t A() const { return a_; }
    int32_t B() const { return b_; }
    int32_t C() const { return c_; }
    int K1() const { return k1_; }
    int K2() const { return k2_; }
    int Niveau() const { return niveau_; }
    int32_t Resultat() const { return r_; }
    std::string Attendu() const { return std::to_string(r_); }
    const std::string& Correction() const { return correction_; }
    // The question line; a "+" of a negative may be written as a subtraction
    // when the number of exercises done so far is odd.
    Affichage Affiche(int32_t nb_exercices) const;

    static constexpr const char* Entete = Exercice::C_Est;

private:
    void Calcule();

    int niveau_ = 1;
    int k1_ = Plus, k2_ = Plus;
    int32_t a_ = 1, b_ = 1, c_ = 0;
    int32_t r_ = 2;
    std::string correction_;
};

}  // namespace Zmelang
