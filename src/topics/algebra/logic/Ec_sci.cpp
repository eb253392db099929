#include "topics/algebra/logic/Ec_sci.hpp"

#include <array>

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"
#include "topics/decimal/logic/Decimaux.hpp"

namespace Ec_sci {

using Commune::Groupe_Chiffres;

std::string Dec(int k) {
    if (k >= 0) return "1" + std::string(static_cast<std::size_t>(k), '0');
    return "0." + std::string(static_cast<std::size_t>(-k - 1), '0') + "1";
}

int Exposant_Lu(const std::string& decimal) {
    const std::string t = Commune::Enleve_Espaces(decimal);
    const int longueur = static_cast<int>(t.size());
    if (t == "1") return 0;
    if (t.find('.') != std::string::npos) return 2 - longueur;
    return longueur - 1;
}

std::string Texte_Exact(int64_t n, int k) {
    std::string chiffres = std::to_string(n);
    if (k >= 0) return chiffres + std::string(static_cast<std::size_t>(k), '0');
    const std::size_t decimales = static_cast<std::size_t>(-k);
    if (chiffres.size() <= decimales) chiffres.insert(0, decimales + 1 - chiffres.size(), '0');
    chiffres.insert(chiffres.size() - decimales, ".");
    return Commune::Normalise_Decimal(chiffres);
}

Forme_Scientifique Scientifique(int64_t n, int k) {
    const std::string chiffres = std::to_string(n);
    std::string significatifs = chiffres;
    while (significatifs.size() > 1 && significatifs.back() == '0') significatifs.pop_back();
    Forme_Scientifique f;
    f.mantisse = significatifs.substr(0, 1);
    if (significatifs.size() > 1) f.mantisse += "." + significatifs.substr(1);
    f.exposant = static_cast<int>(chiffres.size()) - 1 + k;
    return f;
}

namespace {
// Level 4: v = (Random(tirage) + ajout) x 10^puissance.
struct Forme_Tiree {
    int tirage, ajout, puissance;
};
constexpr std::array<Forme_Tiree, 21> Formes{{
    {990, 11, 0},    {1000, 2, 1},    {1000, 1, 2},    {100, 1, 5},     {1000, 1, 4},    {10, 1, 8},
    {1000, 1, 9},    {1000, 1, 10},   {1000, 1, 11},   {100, 1, 12},    {100, 1, 13},    {100, 1, 14},
    {9, 1, -1},      {99, 1, -2},     {1000, 1, -4},   {10, 1, -9},     {100, 1, -10},   {1000, 1, -11},
    {1000, 1, -12},  {100, 1, -12},   {10, 1, -12},
}};
}  // namespace

void Sujet::Prepare(int) { genre_tire_ = Random(2); }

void Sujet::Genere(int niveau) {
    niveau_ = niveau;
    exposant_.clear();
    exposant_change_ = false;
    if (niveau <= 3) {
        genre_ = genre_tire_ == 0 ? Genre::Completer : Genre::Trouver_Exposant;
        e_ = niveau == 1 ? Random(9) : niveau == 2 ? Random(25) : Random(39) - 14;
        nombre_ = Groupe_Chiffres(Dec(e_));
        if (genre_ == Genre::Completer) exposant_ = std::to_string(e_);
        return;
    }
    // Powers of ten are counted in digits, not computed: the number and its
    // mantissa are written exactly.
    genre_ = Genre::Scientifique;
    forme_tiree_ = Random(21);
    const Forme_Tiree& f = Formes[static_cast<std::size_t>(forme_tiree_)];
    const int64_t n = Random(f.tirage) + f.ajout;
    nombre_ = Groupe_Chiffres(Texte_Exact(n, f.puissance));
    forme_ = Scientifique(n, f.puissance);
}

std::string Sujet::Cle() const {
    if (niveau_ <= 3) return "10 " + std::to_string(e_);
    return std::to_string(forme_tiree_) + " " + nombre_;
}

Exercice::Decision Sujet::Filtre(int, char32_t c, int curseur, const std::u32string& texte) const {
    return Decimaux::Filtre_Decimal(c, curseur, texte, true);
}

void Sujet::Monte() {
    const int e = exposant_.empty() ? 1 : std::stoi(exposant_);
    Montre_Exposant(e < 99 ? e + 1 : e);
    exposant_change_ = true;
}

void Sujet::Descend() {
    const int e = exposant_.empty() ? 1 : std::stoi(exposant_);
    Montre_Exposant(e > -99 ? e - 1 : e);
    exposant_change_ = true;
}

bool Sujet::Confirmable(const std::string& edit1, const std::string& edit2) const {
    switch (genre_) {
    case Genre::Completer: return !edit1.empty();
    // 10 without an exponent already reads 10 to the power 1.
    case Genre::Trouver_Exposant: return exposant_change_ || e_ == 1;
    default: return !edit2.empty();
    }
}

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    Exercice::Verdict v;
    v.titre_faux = "Faux c'est : ";
    switch (genre_) {
    case Genre::Completer: v.juste = Exercice::Reponse(reponses, 0) == Dec(e_); break;
    case Genre::Trouver_Exposant:
        v.juste = exposant_ == std::to_string(Exposant_Lu(nombre_)) || (e_ == 1 && exposant_.empty());
        break;
    default: {
        const std::string p = forme_.exposant == 1 ? std::string() : std::to_string(forme_.exposant);
        v.juste = exposant_ == p && Exercice::Reponse(reponses, 1) == forme_.mantisse;
    }
    }
    v.correction = Correction_Texte();
    return v;
}

std::string Sujet::Correction_Texte() const {
    switch (genre_) {
    case Genre::Completer: return nombre_;
    case Genre::Trouver_Exposant: return {};
    default: return forme_.mantisse;
    }
}

std::string Sujet::Correction_Unite() const { return genre_ == Genre::Completer ? std::string() : Unite(); }

std::string Sujet::Correction_Exposant() const {
    switch (genre_) {
    case Genre::Completer: return {};
    case Genre::Trouver_Exposant: return Groupe_Chiffres(std::to_string(Exposant_Lu(nombre_)));
    default: return std::to_string(forme_.exposant);
    }
}

}  // namespace Ec_sci
