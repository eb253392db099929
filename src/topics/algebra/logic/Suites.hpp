// What the windows of arithmetic and geometric sequences share: the texts of
// the question, what each label of the question and of the correction shows,
// the key filter and the judge. Every value is a long double; the expected
// answer is kept with five decimals.
#pragma once

#include <array>
#include <string>

#include "framework/logic/Exercice.hpp"

namespace Suites {

// Texts of the question, exactly as they read.
std::string R1(long double r);  // "Dans une suite arithmétique    de raison    r = ..."
std::string G1(long double q);  // "Dans une suite géométrique    de raison    q = ..."
extern const std::string D;     // "     déterminer : "
extern const std::string DR;    // "     déterminer la raison : "
std::string DS(int k);          // "     déterminer la somme des k premiers termes : "

// A real as these windows write it: five decimals at most.
std::string T(long double v);
// The same with its digits grouped by three.
std::string GT(long double v);
std::string N(long long k);

// A letter with a lowered index ("U" and "5"; "r" and nothing).
struct Indice {
    std::string lettre, indice;
    bool operator==(const Indice&) const = default;
};

// What a question shows and what its correction says, label by label.
struct Enonce {
    int niveau = 1;
    int genre = 0;  // level 3: 0 or 1 from two given terms, 2 from two terms further apart
    std::string Label1;
    Indice Indice1;
    std::string Label2;
    bool deux_termes = false;  // Indice12 and Label21 are shown
    Indice Indice12;
    std::string Label21;
    Indice Indice2;  // what is asked
    std::string attendu;  // Texte_Fixe(value, 5)

    // The correction.
    std::string IndiceRep1;  // the index of the term computed ("U" with it)
    std::string LRep1;
    // Geometric: q (or "q") with an exponent after LRep1, then LRep11.
    std::string Unite1, Exposant1, LRep11;
    bool IndiceRep2 = false;  // "S" with the index of the sum, before LRep2
    std::string IndiceRep2_Indice;
    std::string LRep2;
    // The longer derivation in its own panel: arithmetic L11, L12, L21, L22,
    // L32, L42, L51; geometric L1, the radical's number, L2.
    bool Psup = false;
    std::array<std::string, 7> Lignes{};
};

// Backspace, digits, one decimal point ("," goes in as ".") and "-" only at
// the front.
Exercice::Decision Filtre_Terme(char32_t c, int curseur, const std::u32string& texte);

// The part of the two topics over an Enonce: no memory of the questions, the
// judge on five decimals.
class Sujet : public Exercice::Sujet {
public:
    std::string Cle() const override { return {}; }
    bool Evite_Repetitions(int) const override { return false; }
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    Exercice::Decision Filtre(int, char32_t c, int curseur, const std::u32string& texte) const override {
        return Filtre_Terme(c, curseur, texte);
    }
    const Enonce& Question() const { return enonce_; }

protected:
    Enonce enonce_;
};

}  // namespace Suites
