// Bracketing the result of a computation on decimals between two consecutive
// multiples of a precision chosen from the size of the result. Answers: entry
// 0 the lower multiple, entry 1 the upper one.
#pragma once

#include <initializer_list>
#include <string>

#include "framework/logic/Exercice.hpp"
#include "topics/decimal/logic/Multiples_Voisins.hpp"

namespace Dencad {

// A term of the computation: its text and its raised exponent (empty for 1).
struct Terme {
    std::string texte, exposant;
    bool operator==(const Terme&) const = default;
};

// The question: ua s1 ub, over uc when `fraction`.
struct Affichage {
    Terme ua, ub, uc;
    std::string s1;
    bool fraction = false;
};

// The drawing shared with the rounding window: Rn/10 and the like are real
// divisions; M2 and M3 are a digit 1..9 times 0, 1 or 2.
long double R(int n, int diviseur);
// A sum whose terms are drawn in the order written.
long double Somme(std::initializer_list<long double> termes);
long double M2();
long double M3();
// A coefficient before its operand: 1 omitted, -1 as "-", others "c x ".
std::string Avec_Coefficient(int c, const std::string& operande);

class Sujet : public Exercice::Sujet {
public:
    void Genere(int niveau) override;
    std::string Cle() const override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 30; }
    Exercice::Decision Filtre(int, char32_t c, int curseur, const std::u32string& texte) const override;
    bool Evite_Repetitions(int) const override { return false; }

    // Sets a result directly (the question texts are left as they were).
    void Fixe(int niveau, long double x);

    int Niveau() const { return niveau_; }
    int Choix() const { return choix_; }  // the row of the level: 0 "+", 1 "-", 2 "x", 3 ":"
    long double X() const { return x_; }
    long double A() const { return a_; }
    long double B() const { return b_; }
    long double C() const { return c_; }
    int P() const { return p_; }
    int Q() const { return q_; }
    int S() const { return s_; }
    int E() const { return e_; }
    int G() const { return g_; }
    int H() const { return h_; }
    const Multiples_Voisins::Voisins& Voisins() const { return v_; }
    Multiples_Voisins::Precision Precision() const { return Multiples_Voisins::Texte_Precision(v_.k); }
    Affichage Affiche() const;
    // The correction line: Inferieur() ≤ Droite(), that is lower ≤ x<upper.
    std::string Inferieur() const;
    std::string Droite() const;

    static constexpr int Longueur = 10;  // characters an entry takes

private:
    void Tire(int niveau);
    void Calcule();

    int niveau_ = 1, choix_ = 0;
    long double a_ = 0, b_ = 0, c_ = 1, x_ = 0;
    int p_ = 1, q_ = 1, s_ = 1, e_ = 1, g_ = 1, h_ = 1;
    Multiples_Voisins::Voisins v_;
};

}  // namespace Dencad
