// Expressions with a bracket: a + (b ± c), a - (b ± c) and a x (b ± c). The
// worked correction line is prepared with the question.
#pragma once

#include <cstdint>
#include <string>

#include "framework/logic/Exercice.hpp"

namespace Zparent {

// Outer operations: 0 "+", 1 "-", 2 "x"; inside the bracket 0 for b + c,
// 1 for b - c.
enum Operation { Plus = 0, Moins = 1, Fois = 2 };

// The texts of the question line a s1 ( b s2 c ).
struct Affichage {
    std::string a, s1, b, s2, c;
    bool operator==(const Affichage&) const = default;
};

class Sujet : public Exercice::Sujet {
public:
    void Genere(int niveau) override;
    std::string Cle() const override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 10; }

    // Sets a question directly: a k (b m c).
    void Fixe(int niveau, int32_t a, int k, int32_t b, int m, int32_t c);

    int32_t A() const { return a_; }
    int32_t B() const { return b_; }
    int32_t C() const { return c_; }
    int K() const { return k_; }
    int M() const { return m_; }
    int Niveau() const { return niveau_; }
    int32_t Parenthese() const { return m_ == 0 ? b_ + c_ : b_ - c_; }
    int32_t Resultat() const { return r_; }
    std::string Attendu() const { return std::to_string(r_); }
    const std::string& Correction() const { return correction_; }
    // The question line; at level 3 the "x" is left out (a (b + c)) when the
    // number of exercises done so far is even.
    Affichage Affiche(int32_t nb_exercices) const;

    static constexpr const char* Entete = Exercice::C_Est;

private:
    void Calcule();

    int niveau_ = 1;
    int k_ = Plus, m_ = 0;
    int32_t a_ = 1, b_ = 1, c_ = 1;
    int32_t r_ = 3;
    std::string correction_;
};

}  // namespace Zparent
