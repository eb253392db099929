// Addition and subtraction of fractions, answered in lowest terms.
#pragma once

#include "topics/fraction/logic/Corrections.hpp"

namespace Qaddi {

// What both windows share: three question fractions (the third equal to the
// second when only two are asked), the judge and the correction.
class Sujet_Somme : public Fractions::Sujet_Trio {
public:
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;

    virtual int Nombre() const = 0;  // fractions asked
    virtual bool Soustraction() const = 0;
    Fractions::Fraction Attendue() const;
    Fractions::Ligne_Somme Corrige() const;

protected:
    std::vector<Fractions::Fraction> Termes() const;
};

class Sujet : public Sujet_Somme {
public:
    void Genere(int niveau) override;
    Exercice::Decision Filtre(int entree, char32_t c, int curseur, const std::u32string& texte) const override;
    int Nombre() const override { return niveau_ >= 4 ? 3 : 2; }
    bool Soustraction() const override { return false; }
};

// The level-4 draws by mode, shared with the subtraction window.
void Tire_Niveau4(Fractions::Trio& f, int mode, bool troisieme);

}  // namespace Qaddi
