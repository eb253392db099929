// Division of relative integers, where the pupil types "/" when the quotient
// is not an integer. Nine questions in ten are exact divisions; the tenth
// draws dividend and divisor freely.
#pragma once

#include <cstdint>
#include <string>

#include "framework/logic/Exercice.hpp"

namespace Zdiv {

class Sujet : public Exercice::Sujet {
public:
    void Prepare(int niveau) override;
    void Genere(int niveau) override;
    std::string Cle() const override;
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 10; }
    Exercice::Decision Filtre(int entree, char32_t c, int curseur, const std::u32string& texte) const override;

    int32_t A() const { return a_; }
    int32_t B() const { return b_; }
    int Niveau() const { return niveau_; }
    int Mode() const { return mode_; }  // 0..8 exact division, 9 free
    bool Libre() const { return mode_ == 9; }
    bool Quotient_Existe() const { return a_ % b_ == 0; }
    std::string Attendu() const;  // "/" when the quotient does not exist
    std::string Correction() const;

    static constexpr const char* Pas_De_Quotient = "Le quotient n'existe pas dans Z";

private:
    int niveau_ = 1;
    int mode_ = 0;
    int32_t a_ = 1, b_ = 1;
};

}  // namespace Zdiv
