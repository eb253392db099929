// Systems of two linear equations in x and y, at four levels:
//   1, 2: A1g x + B1g y = C1 (C1 held in A1d), likewise for equation 2;
//   3:    A1g x + B1g y + K1g = A1d x + B1d y + K1d;
//   4:    (A1g x + B1g y)/D1g + K1g = (A1d x + B1d y)/D1d + K1d;
// their draws, the reduced system, the solution texts ("/" impossible, "I"
// indeterminate), the method hint and what the labels of the question show.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/logic/Exercice.hpp"

namespace Syst {

// One member (A x + B y)/D + K.
struct Membre {
    int32_t A = 0, B = 0, K = 0, D = 1;
};

struct Systeme {
    int niveau = 1;
    int32_t X = 0, Y = 0;  // level 1: the solution the system is built on
    // In the order 1g, 1d, 2g, 2d.
    std::array<Membre, 4> membres{};
    Membre& M1g() { return membres[0]; }
    Membre& M1d() { return membres[1]; }
    Membre& M2g() { return membres[2]; }
    Membre& M2d() { return membres[3]; }
    const Membre& M1g() const { return membres[0]; }
    const Membre& M1d() const { return membres[1]; }
    const Membre& M2g() const { return membres[2]; }
    const Membre& M2d() const { return membres[3]; }
};

// Draws one system at the level, drawing again until the level's conditions hold.
Systeme Tire(int niveau);
// A1g, A1d, B1g, A2g, B2g, A2d joined by spaces.
std::string Cle(const Systeme& s);

// P1 x + Q1 y = R1, P2 x + Q2 y = R2.
struct Reduit {
    int64_t P1 = 0, Q1 = 0, R1 = 0, P2 = 0, Q2 = 0, R2 = 0;
};
Reduit Reduit_De(const Systeme& s);

// x and y at 2 decimals (the expected answers) and at 5 (the exact display);
// "/" everywhere for an impossible system, "I" for an indeterminate unknown.
struct Solution {
    std::string x2, y2, x5, y5;
};
Solution Resout(const Reduit& r);

// "x = ..." + seven spaces + "y = ...", the 5-decimal value shown when it
// differs from the 2-decimal one.
std::string Ligne_Solution(const Solution& s);
// What an impossible or indeterminate system means (empty otherwise).
std::string Commentaire(const Solution& s);
// The method hint of levels 1 and 2 (empty when x is "/" or "I").
std::string Methode(const Systeme& s, const Solution& sol);
// One line of the simplified system of level 3: "  P x +Q  y = R".
std::string Ligne_Simplifiee(int64_t P, int64_t Q, int64_t R);

// What the labels of the question show.
struct Etiquette {
    std::string texte;
    bool visible = false;
    bool operator==(const Etiquette&) const = default;
};
struct Affichage_Membre {
    Etiquette A, X, B, Y, K;
    bool denominateur = false;  // the denominator panel is shown
    std::string D;
    int haut = 46;  // top of the member's panel in the question panel
};
struct Affichage {
    std::array<Affichage_Membre, 4> membres{};  // 1g, 1d, 2g, 2d
    std::string consigne, sup;
    bool simplifie = false;  // the "Système simplifié" box
};
Affichage Affiche(const Systeme& s);

class Sujet : public Exercice::Sujet {
public:
    void Genere(int niveau) override;
    std::string Cle() const override { return Syst::Cle(systeme_); }
    std::string Refuse(const std::vector<std::string>& reponses) const override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 10; }
    Exercice::Decision Filtre(int, char32_t c, int curseur, const std::u32string& texte) const override;

    const Systeme& Question() const { return systeme_; }
    const Solution& Attendu() const { return solution_; }
    const std::string& Methode() const { return methode_; }

private:
    Systeme systeme_;
    Solution solution_;
    std::string methode_;
};

}  // namespace Syst
