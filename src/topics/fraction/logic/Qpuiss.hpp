// Power of a fraction: (n/d) raised to e, or, at the last level, n raised to e over d.
#pragma once

#include "topics/fraction/logic/Fractions.hpp"

namespace Qpuiss {

struct Correction {
    // Whole number at levels 1 to 3: "C'est", base with its exponent, "=", nombre.
    bool court = false;
    std::string un;        // the raised numerator (or the whole base)
    std::string ud;        // the raised denominator
    std::string exposant;  // exponent written on un and ud ("" in the numerator shape)
    Fractions::Affichage resultat;  // digits grouped by three
    std::string nombre;    // the whole-number result, grouped; empty when not whole
};

class Sujet : public Exercice::Sujet {
public:
    void Genere(int niveau) override;
    std::string Cle() const override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 20; }
    Exercice::Decision Filtre(int entree, char32_t c, int curseur, const std::u32string& texte) const override;
    bool Evite_Repetitions(int) const override { return false; }

    Fractions::Fraction Question() const { return q_; }
    int Exposant() const { return e_; }
    // True when only the numerator is raised (no brackets).
    bool Forme_Numerateur() const { return numerateur_; }
    int Niveau() const { return niveau_; }
    Fractions::Fraction Attendue() const;
    Correction Corrige() const;
    void Pose(int niveau, Fractions::Fraction q, int e, bool numerateur = false) {
        niveau_ = niveau;
        q_ = q;
        e_ = e;
        numerateur_ = numerateur;
    }

private:
    int64_t Diviseur() const;
    int niveau_ = 1;
    Fractions::Fraction q_{1, 2};
    int e_ = 2;
    bool numerateur_ = false;
};

}  // namespace Qpuiss
