#include "topics/algebra/logic/Raci.hpp"

#include <cmath>
#include <cstdlib>

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"
#include "topics/decimal/logic/Decimaux.hpp"

namespace Raci {

using Commune::Coef_Texte;
using Commune::Normalise_Decimal;
using Commune::Signe_Plus;
using Commune::Texte_Fixe;

namespace {
std::string N(int64_t n) { return std::to_string(n); }
int64_t Carre(int64_t n) { return n * n; }
// Digits grouped by three, a leading "-" kept in front of them.
std::string Groupe(const std::string& t) {
    if (!t.empty() && t[0] == '-') return "-" + Commune::Groupe_Chiffres(t.substr(1));
    return Commune::Groupe_Chiffres(t);
}
int Coefficient() {
    int c = 0;
    do c = Random(20) - 10;
    while (c == 0 || c == -10);
    return c;
}
// "n près" as the instruction says it.
const char* const Precisions[] = {"1 près ", "0,1 près ", "0,01 près ", "0,001 près "};
}  // namespace

std::string Prefixe_Racine(std::size_t longueur) {
    if (longueur == 0) return {};
    if (longueur <= 3) return "0.";
    if (longueur <= 5) return "0.0";
    if (longueur <= 7) return "0.00";
    return "0.000";
}

std::string Racine_Exacte(int64_t x, const std::string& prefixe) {
    if (x < 0) return "/";
    int64_t k = std::llround(std::sqrt(static_cast<long double>(x)));
    while (k * k > x) --k;
    while ((k + 1) * (k + 1) <= x) ++k;
    if (k * k != x) return "/";
    return Prefixe_Racine(prefixe.size()) + N(k);
}

void Sujet::Genere(int niveau) {
    niveau_ = niveau;
    termes_ = {};
    solution_ = {};
    racine_.clear();
    K_ = 0;
    if (niveau == 1) {
        precision_ = Random(4);
        const int x = Random(64000);
        termes_[0].radicande = Commune::Groupe_Chiffres(N(x));
        const long double r = std::sqrt(static_cast<long double>(x));
        attendu_ = Normalise_Decimal(Texte_Fixe(r, precision_));
        const std::string f5 = Texte_Fixe(r, 5);
        correction_ = Normalise_Decimal(f5) != attendu_ ? Commune::Groupe_Chiffres(f5) + "... = " + attendu_ : attendu_;
        return;
    }
    if (niveau == 2) {
        int64_t x = 0;
        std::string prefixe;
        const int cas = Random(16);
        const auto petit_carre = [&](const char* si_grand, const char* sinon) {
            const int f = Random(9) + 1;
            x = Carre(f);
            prefixe = f > 3 ? si_grand : sinon;
        };
        switch (cas) {
        case 0: case 1: case 2: x = Carre(Random(11)); break;
        case 3: x = Carre(Random(13) + 1); break;
        case 4: case 5: x = Carre(10 * Random(10) + 10); break;
        case 6: x = Carre(100 * Random(10) + 100); break;
        case 7: x = Carre(1000 * Random(10) + 1000); break;
        case 8: x = -Carre(Random(10) + 1); break;
        case 9: x = Random(200); break;
        case 10: petit_carre("0.", "0.0"); break;
        case 11: petit_carre("0.00", "0.000"); break;
        case 12: petit_carre("0.0000", "0.00000"); break;
        case 13: petit_carre("0.000000", "0.0000000"); break;
        case 14:
            do x = Random(89) + 11;
            while (x % 10 == 0 || x == 16 || x == 25 || x == 36 || x == 49 || x == 64 || x == 81);
            prefixe = "0.0000";
            break;
        default: x = 10 * Carre(1000 * Random(10) + 1000); break;
        }
        termes_[0].radicande = Groupe(prefixe + N(x));
        attendu_ = Racine_Exacte(x, prefixe);
        correction_ = attendu_;
        return;
    }
    std::array<int64_t, 3> x{};
    std::array<int, 3> k{1, 1, 1};
    if (niveau == 3) {
        const int mode = Random(4);
        for (int64_t& r : x) r = mode == 0 ? Carre(Random(31) + 1)
                                 : mode == 1 ? Random(999) + 1
                                 : mode == 2 ? Carre(Random(16) + 1)
                                             : 7 * Carre(Random(10) + 1);
    } else {
        static const int Bases[] = {2, 3, 5, 7};
        B_ = Bases[Random(4)];
        for (std::size_t i = 0; i < 3; ++i) {
            k[i] = Random(10) + 1;
            x[i] = B_ * Carre(k[i]);
        }
    }
    const std::array<int, 3> c{Coefficient(), Coefficient(), Coefficient()};
    for (std::size_t i = 0; i < 3; ++i)
        termes_[i] = {i == 0 ? Coef_Texte(c[i]) : Signe_Plus(Coef_Texte(c[i])), N(x[i])};
    if (niveau == 3) {
        // The sum as the 64-bit real it is computed in.
        double somme = 0;
        for (std::size_t i = 0; i < 3; ++i) somme += c[i] * std::sqrt(static_cast<double>(x[i]));
        attendu_ = Normalise_Decimal(Texte_Fixe(somme, 2));
        const std::string f4 = Texte_Fixe(somme, 4);
        correction_ = Normalise_Decimal(f4) != attendu_ ? Groupe(f4) + "... = " + attendu_ : attendu_;
        return;
    }
    K_ = 0;
    for (std::size_t i = 0; i < 3; ++i) K_ += int64_t{c[i]} * k[i];
    attendu_ = N(K_);
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string coef = termes_[i].coefficient;
        solution_[0][i] = {coef, k[i] == 1 ? N(B_) : N(B_) + "X" + N(k[i]) + "²"};
        const std::string lien = std::abs(c[i]) == 1 ? "" : "x";
        solution_[1][i] = {k[i] == 1 ? coef : coef + lien + N(k[i]), N(B_)};
        const int64_t ck = int64_t{c[i]} * k[i];
        solution_[2][i] = {i == 0 ? Coef_Texte(ck) : Signe_Plus(Coef_Texte(ck)), N(B_)};
    }
}

std::string Sujet::Cle() const {
    return N(niveau_) + " " + termes_[0].coefficient + termes_[0].radicande + termes_[1].coefficient +
           termes_[1].radicande + termes_[2].coefficient + termes_[2].radicande;
}

std::string Sujet::Consigne() const {
    switch (niveau_) {
    case 1: return std::string("Calculer à ") + Precisions[precision_] + "la racine carrée de :";
    case 2: return "Si elle existe, calculer, sans calculatrice, la racine carrée rationnelle (EXACTE) de :";
    case 3: return "Calculer aussi exactement que possible puis donner la réponse à 0.01 près";
    default: return "Ecrire sous la forme a          (a,b entiers et b minimal)";
    }
}

Exercice::Decision Sujet::Filtre(int, char32_t c, int curseur, const std::u32string& texte) const {
    if (c != U'/') return Decimaux::Filtre_Decimal(c, curseur, texte, true);
    // Like a digit, "/" goes anywhere but in front of the sign.
    const auto moins = texte.find(U'-');
    if (moins != std::u32string::npos && curseur <= static_cast<int>(moins)) return Exercice::Decision::Silence();
    return Exercice::Decision::Accepte(c);
}

void Sujet::Monte() {
    const int r = racine_.empty() ? 1 : std::stoi(racine_);
    racine_ = N(r < 999 ? r + 1 : r);
}

void Sujet::Descend() {
    const int r = racine_.empty() ? 1 : std::stoi(racine_);
    racine_ = r > 2 ? N(r - 1) : std::string();
}

bool Sujet::Confirmable(const std::string& edit1) const {
    // K = 0 is answered "0" with no root at all.
    if (niveau_ == 4) return !racine_.empty() || edit1 == "0";
    return !edit1.empty();
}

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    const std::string t = Exercice::Reponse(reponses, 0);
    Exercice::Verdict v;
    v.titre_faux = "Faux c'est :";
    if (niveau_ == 4) {
        const bool b = racine_ == N(B_);
        v.juste = (t == N(K_) && b) || (K_ == 0 && t == "0" && racine_.empty()) || (K_ == -1 && t == "-" && b) ||
                  (K_ == 1 && t.empty() && b);
    } else {
        v.juste = Normalise_Decimal(t) == attendu_;
    }
    v.correction = Correction_Texte();
    return v;
}

std::string Sujet::Correction_Texte() const { return niveau_ == 4 ? Coef_Texte(K_) : correction_; }

std::string Sujet::Correction_Racine() const { return niveau_ == 4 && K_ != 0 ? N(B_) : std::string(); }

}  // namespace Raci
