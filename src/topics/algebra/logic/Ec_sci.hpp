// Powers of ten and scientific notation: write 10 to a power as a decimal
// (complete), find the exponent of a power of ten written as a decimal
// (levels 1 to 3), give the scientific form of a number (level 4). The
// exponent is set with a spin button; what it shows is held here.
#pragma once

#include <cstdint>
#include <string>

#include "framework/logic/Exercice.hpp"

namespace Ec_sci {

// 10^k written as a decimal: "1000" for 3, "0.001" for -3.
std::string Dec(int k);
// The exponent of a power of ten read back from its decimal writing
// (spaces left out): "1" is 0; with a point, 2 minus the length; else the
// length minus 1.
int Exposant_Lu(const std::string& decimal);

// n x 10^k written as a decimal, exactly (no trailing zero after the point).
std::string Texte_Exact(int64_t n, int k);
// n x 10^k in scientific form: the mantissa text (1 <= m < 10) and the exponent.
struct Forme_Scientifique {
    std::string mantisse;
    int exposant = 0;
};
Forme_Scientifique Scientifique(int64_t n, int k);

enum class Genre { Completer, Trouver_Exposant, Scientifique };

class Sujet : public Exercice::Sujet {
public:
    // The kind is drawn once per question; e may be drawn again after it.
    void Prepare(int niveau) override;
    void Genere(int niveau) override;
    std::string Cle() const override;
    bool Evite_Repetitions(int niveau) const override { return niveau <= 3; }
    // Answers: the text of Edit1, then of Edit2 (the mantissa).
    Exercice::Verdict Juge(const std::vector<std::string>& reponses) const override;
    int Points() const override { return 5; }
    Exercice::Decision Filtre(int, char32_t c, int curseur, const std::u32string& texte) const override;

    int Niveau() const { return niveau_; }
    Genre Genre_Pose() const { return genre_; }
    int E() const { return e_; }
    // "10" or "x10", with the exponent shown beside it.
    std::string Unite() const { return niveau_ == 4 ? "x10" : "10"; }
    const std::string& Exposant_Vu() const { return exposant_; }
    // The decimal number of the question (L_A).
    const std::string& Nombre() const { return nombre_; }
    const Forme_Scientifique& Forme() const { return forme_; }

    // The spin button: one up (below 99) or down (above -99); 1 is shown as
    // an empty exponent.
    void Monte();
    void Descend();
    // Whether Confirm may be pressed with these texts in Edit1 and Edit2.
    bool Confirmable(const std::string& edit1, const std::string& edit2) const;

    // The correction: the decimal or the mantissa, then the power of ten.
    std::string Correction_Texte() const;
    std::string Correction_Unite() const;
    std::string Correction_Exposant() const;

private:
    void Montre_Exposant(int e) { exposant_ = e == 1 ? std::string() : std::to_string(e); }

    int niveau_ = 1;
    int genre_tire_ = 0;
    Genre genre_ = Genre::Completer;
    int e_ = 0;
    int forme_tiree_ = 0;
    std::string nombre_;
    Forme_Scientifique forme_;
    std::string exposant_;
    bool exposant_change_ = false;
};

}  // namespace Ec_sci
