// The four operations on two decimal numbers (addition, subtraction,
// multiplication, division): one family that differs by its operation, the
// draws of each level, the entry's sign, the points and the decimals shown.
#pragma once

#include <string>

#include "framework/logic/Exercice.hpp"

namespace Operations {

enum class Operation { Addition, Soustraction, Multiplication, Division };

class Sujet : public Exercice::Sujet {
public:
    explicit Sujet(Operation op) : op_(op) {}

    void Genere(int niveau) override;
    std::string Cle() const override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override;
    Exercice::Decision Filtre(int entree, char32_t c, int curseur, const std::u32string& texte) const override;
    bool Evite_Repetitions(int) const override { return false; }

    Operation Op() const { return op_; }
    int Niveau() const { return niveau_; }
    long double A() const { return a_; }
    long double B() const { return b_; }
    // a op b, in extended precision.
    long double Resultat() const;
    // The operands as the question line shows them.
    std::string Texte_A() const;
    std::string Texte_B() const;
    // The sign of the operation on the question line.
    std::string Signe() const;
    // The longest answer the entry takes.
    int Longueur_Entree() const;
    std::string Correction() const;

    // Sets the operands (tests of exact cases).
    void Pose(int niveau, long double a, long double b) {
        niveau_ = niveau;
        a_ = a;
        b_ = b;
    }

private:
    void Genere_Addition();
    void Genere_Soustraction();
    void Genere_Multiplication();
    void Genere_Division();
    // Decimals of the operands on screen and of the correction.
    int Decimales_Operandes() const;
    int Decimales_Correction() const;

    Operation op_;
    int niveau_ = 1;
    long double a_ = 0, b_ = 0;
};

}  // namespace Operations
