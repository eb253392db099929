// First-degree inequations: the equations of the exercises window with the
// "=" replaced by an inequality sign, answered with the solution set written
// as an interval (Symbol-font codes for infinity and the empty set).
#pragma once

#include <string>

#include "framework/logic/Exercice.hpp"
#include "topics/algebra/logic/Termes.hpp"

namespace Inequat {

// The four signs, by their code 0 to 3: "<", less or equal, ">", greater or
// equal (Symbol-font codes), and the hint naming each.
std::string Signe_Texte(int signe);
std::string Signe_Bulle(int signe);

// The solution set of a x (sign) b: an interval such as "]-" infinity ";2.5]"
// (bound b / a to one decimal) or the empty-set code alone.
std::string Intervalle_Solution(int64_t a, int64_t b, int signe);
// The sign once both members are divided by a: reversed when a < 1.
std::string Signe_Inverse(const std::string& s, int64_t a);
// The solving steps of C x (sign) D at the level, "c" standing for x.
std::string Etapes(int niveau, int64_t C, int64_t D, int signe);

// Backspace, digits, "+", "-", ".", ";", "[" and "]" anywhere ("," goes in
// as "."); infinity and the empty set only come from the keypad.
Exercice::Decision Filtre_Intervalle(char32_t c);
// Right when equal as texts, or equal once every "+" is removed from both.
bool Meme_Intervalle(const std::string& reponse, const std::string& attendu);

class Sujet : public Termes::Sujet_Termes {
public:
    // The sign, drawn once a question and kept while the integers are drawn
    // again; it is not part of the key.
    void Prepare(int niveau) override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 20; }
    Exercice::Decision Filtre(int, char32_t c, int, const std::u32string&) const override {
        return Filtre_Intervalle(c);
    }
    // The signs of infinity and of the empty set, as the entry shows them.
    bool Hors_Clavier(int, char32_t c) const override;

    int Signe() const { return signe_; }
    std::string Attendu() const;
    std::string Etapes() const;

private:
    int signe_ = 0;
};

}  // namespace Inequat
