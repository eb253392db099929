// Powers of natural numbers: computing a power (levels 1 and 2), the rules
// for a product of powers and a power of a power (level 3), writing a number
// as a power (level 4). Answers: entry 0 the number typed, entry 1 the
// exponent of the spin box.
#pragma once

#include <cstdint>
#include <string>

#include "framework/logic/Exercice.hpp"

namespace Npuiss {

enum class Regle { Aucune, Produit, Puissance };  // level 3's rule

class Sujet : public Exercice::Sujet {
public:
    void Genere(int niveau) override;
    std::string Cle() const override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 10; }
    Exercice::Decision Filtre(int, char32_t c, int, const std::u32string&) const override {
        return Exercice::Filtre_Entier(c);
    }

    int Niveau() const { return niveau_; }
    int32_t N() const { return n_; }
    int32_t E() const { return e_; }
    int32_t Q() const { return q_; }
    Regle Regle_Posee() const { return regle_; }
    int32_t Valeur() const;              // n to the power e
    int32_t Exposant_Attendu() const;    // level 3: q + e or e x q
    // The correction's pieces: the line after "C'est " at levels 1 and 2
    // ("3x3x3x3 =" when e >= 2), and the exponent text of the worked power
    // at level 3 ("3+4" or "3x4").
    std::string Developpe() const;
    std::string Exposant_Detaille() const;

    // The typed base to the typed exponent equals `valeur`, computed without
    // overflow (an answer that leaves the range is simply wrong).
    static bool Egale(int64_t base, int64_t exposant, int64_t valeur);

private:
    int niveau_ = 1;
    int32_t n_ = 0, e_ = 0, q_ = 0;
    Regle regle_ = Regle::Aucune;
};

}  // namespace Npuiss
