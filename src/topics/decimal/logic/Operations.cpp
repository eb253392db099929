#include "topics/decimal/logic/Operations.hpp"

#include <cmath>

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"
#include "topics/decimal/logic/Decimaux.hpp"

namespace Operations {

namespace {
// Random(n) / d as a real division.
long double R(int n, int d) { return static_cast<long double>(Random(n)) / d; }
long double Sgn(long double x) { return Commune::Signe_Aleatoire_Reel(x); }

// The six powers of ten of the first level of multiplication and division.
long double Puissance_De_Dix(int choix) {
    static constexpr long double p[] = {0.1L, 0.01L, 0.001L, 10, 100, 1000};
    return p[choix];
}
}  // namespace

void Sujet::Genere(int niveau) {
    niveau_ = niveau < 1 ? 1 : niveau > 4 ? 4 : niveau;
    switch (op_) {
    case Operation::Addition: Genere_Addition(); break;
    case Operation::Soustraction: Genere_Soustraction(); break;
    case Operation::Multiplication: Genere_Multiplication(); break;
    case Operation::Division: Genere_Division(); break;
    }
}

void Sujet::Genere_Addition() {
    switch (niveau_) {
    case 1:
        // One whole number and one tenth-decimal, in either order.
        if (Random(2) == 0) {
            a_ = Random(90) + 1;
            b_ = R(100, 10) + 0.1L;
        } else {
            b_ = Random(90) + 1;
            a_ = R(100, 10) + 0.1L;
        }
        break;
    case 2:
        a_ = R(100, 10) + 0.1L;
        b_ = R(100, 10) + 0.1L;
        break;
    case 3:
        a_ = Random(10) + (Random(4) + 1) * 0.25L;
        b_ = Random(10) + (Random(3) + 1) * 0.25L;
        break;
    default:
        a_ = R(500, 100) + 0.01L;
        b_ = R(800, 100) + 0.05L;
        break;
    }
}

void Sujet::Genere_Soustraction() {
    if (niveau_ == 4) {
        // The difference may be negative.
        a_ = R(200, 10) + 0.1L;
        b_ = R(100, 10) + 0.1L;
        return;
    }
    do {
        switch (niveau_) {
        case 1:
            a_ = R(299, 10) + 0.1L;
            b_ = Random(9) + 1;
            break;
        case 2:
            a_ = Random(50) + 1;
            b_ = R(99, 10) + 0.1L;
            break;
        default:
            a_ = R(199, 10) + 0.1L;
            b_ = R(100, 10) + 0.1L;
            break;
        }
    } while (a_ - b_ < 0);
}

void Sujet::Genere_Multiplication() {
    switch (niveau_) {
    case 1: {
        const int choix = Random(6);
        a_ = R(1001, 100) + 0.1L;
        b_ = Puissance_De_Dix(choix);
        break;
    }
    case 2: {
        const int choix = Random(5);
        a_ = choix <= 2 ? R(499, 10) + 0.1L : R(499, 100) + 0.01L;
        const long double f = Random(8) + 2;
        b_ = choix == 0 ? f : (choix == 1 || choix == 3) ? f * 0.1L : f * 0.01L;
        break;
    }
    case 3: {
        static constexpr long double facteurs[] = {0.25L, 0.5L, 25, 50, 500, 1.5L};
        const int choix = Random(6);
        a_ = R(200, 10) + 0.1L;
        b_ = facteurs[choix];
        break;
    }
    default: {
        // Signs at random.
        const int choix = Random(4);
        a_ = choix <= 1 ? Sgn(R(800, 100) + 0.01L) : Sgn(R(800, 10) + 0.1L);
        const long double f = Random(9) + 1;
        b_ = Sgn(choix % 2 == 0 ? f * 0.1L : f * 0.01L);
        break;
    }
    }
}

void Sujet::Genere_Division() {
    switch (niveau_) {
    case 1: {
        const int choix = Random(6);
        a_ = R(1001, 100) + 0.1L;
        b_ = Puissance_De_Dix(choix);
        break;
    }
    case 2:
        // An exact quotient with two decimals.
        b_ = Random(9) + 1;
        a_ = (R(500, 100) + 0.05L) * b_;
        break;
    case 3: {
        static constexpr long double diviseurs[] = {0.25L, 0.5L, 25, 50, 500};
        b_ = diviseurs[Random(5)];
        a_ = (R(400, 10) + 0.1L) * b_;
        break;
    }
    default: {
        static constexpr long double echelles[] = {0.1L, 0.01L, 0.001L};
        const long double echelle = echelles[Random(3)];
        b_ = Sgn((Random(9) + 1) * echelle);
        const long double q = R(800, 10) + 0.1L;
        a_ = Sgn(q * b_);
        break;
    }
    }
}

long double Sujet::Resultat() const {
    switch (op_) {
    case Operation::Addition: return a_ + b_;
    case Operation::Soustraction: return a_ - b_;
    case Operation::Multiplication: return a_ * b_;
    case Operation::Division: return a_ / b_;
    }
    return 0;
}

int Sujet::Decimales_Operandes() const {
    return op_ == Operation::Addition || op_ == Operation::Soustraction ? 3 : 8;
}

int Sujet::Decimales_Correction() const {
    return op_ == Operation::Addition || op_ == Operation::Soustraction ? 4 : 6;
}

std::string Sujet::Texte_A() const {
    const std::string t = Commune::Texte_Reel(a_, Decimales_Operandes());
    return op_ == Operation::Division ? Commune::Groupe_Chiffres(t) : t;
}

std::string Sujet::Texte_B() const {
    const std::string t = Commune::Texte_Reel(b_, Decimales_Operandes());
    const bool produit = op_ == Operation::Multiplication || op_ == Operation::Division;
    return produit && b_ <= 0 ? "(" + t + ")" : t;
}

std::string Sujet::Signe() const {
    switch (op_) {
    case Operation::Addition: return "+";
    case Operation::Soustraction: return "-";
    case Operation::Multiplication: return "x";
    case Operation::Division: return ":";
    }
    return "";
}

int Sujet::Longueur_Entree() const {
    return op_ == Operation::Addition || op_ == Operation::Soustraction ? 7 : 10;
}

int Sujet::Points() const {
    switch (op_) {
    case Operation::Addition:
    case Operation::Soustraction: return 10;
    case Operation::Multiplication: return 20;
    case Operation::Division: return 30;
    }
    return 10;
}

std::string Sujet::Cle() const { return Texte_A() + " " + Signe() + " " + Texte_B(); }

std::string Sujet::Correction() const { return Commune::Texte_Reel(Resultat(), Decimales_Correction()); }

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    Exercice::Verdict v;
    const long double lu = Decimaux::Lit_Decimal(Exercice::Reponse(reponses, 0));
    v.juste = std::fabs(lu - Resultat()) < 0.000001L;
    v.correction = Correction();
    return v;
}

Exercice::Decision Sujet::Filtre(int, char32_t c, int curseur, const std::u32string& texte) const {
    return Decimaux::Filtre_Decimal(c, curseur, texte, op_ != Operation::Addition);
}

}  // namespace Operations
