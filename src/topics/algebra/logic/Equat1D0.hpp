// First-degree equations with decimal coefficients (learning): a x = c,
// x + b = c, a x + b = c and a x + b = c x + d, each with one root, never
// negative, expected to two decimals at most, and a worked solution of up to
// five lines.
#pragma once

#include <array>
#include <string>

#include "framework/logic/Exercice.hpp"

namespace Equat1D0 {

// One line of the worked solution: left member, sign ("=" or the Symbol code
// of the approximately-equal sign), right member; all three empty on an
// empty line.
struct Ligne {
    std::string gauche, egal, droite;
    bool Vide() const { return gauche.empty() && egal.empty() && droite.empty(); }
    bool operator==(const Ligne&) const = default;
};

class Sujet : public Exercice::Sujet {
public:
    // The generator of the question's values, drawn once per question.
    void Prepare(int niveau) override;
    void Genere(int niveau) override;
    std::string Cle() const override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 10; }
    Exercice::Decision Filtre(int, char32_t c, int curseur, const std::u32string& texte) const override;

    int Niveau() const { return niveau_; }
    int Generateur() const { return generateur_; }
    long double A() const { return a_; }
    long double B() const { return b_; }
    long double C() const { return c_; }
    long double D() const { return d_; }
    const std::string& Attendu() const { return attendu_; }
    const std::array<Ligne, 5>& Solution() const { return solution_; }

private:
    void Tire_Valeurs();
    bool Rejete() const;
    // The expected answer and the worked solution of the values drawn.
    void Resout();

    int niveau_ = 1;
    int generateur_ = 0;
    long double a_ = 0, b_ = 0, c_ = 0, d_ = 0;
    std::string attendu_;
    std::array<Ligne, 5> solution_{};
};

}  // namespace Equat1D0
