#include "topics/integer/logic/Zmelang.hpp"

#include <cstdlib>

#include "framework/logic/Commune.hpp"
#include "topics/integer/logic/Relatifs.hpp"

namespace Zmelang {

namespace {
int32_t Opere(int32_t x, int k, int32_t y) {
    switch (k) {
    case Plus: return x + y;
    case Moins: return x - y;
    case Fois: return x * y;
    default: return y == 0 ? 0 : x / y;
    }
}

std::string Texte(int64_t n) { return std::to_string(n); }
std::string Entre_Parentheses(int64_t n) { return Commune::Parenthese_Negatif(n); }
}  // namespace

const char* Signe(int operation) {
    switch (operation) {
    case Plus: return "+";
    case Moins: return "-";
    case Fois: return "x";
    default: return ":";
    }
}

void Sujet::Genere(int niveau) {
    niveau_ = niveau < 1 ? 1 : (niveau > 3 ? 3 : niveau);
    using Relatifs::Non_Nul;
    using Relatifs::Tire;
    if (niveau_ < 3) {
        const int32_t n = niveau_ == 1 ? 18 : 25;
        const int32_t decalage = niveau_ == 1 ? 7 : 12;
        k1_ = Random(4);
        k2_ = Plus;
        a_ = Tire(n, decalage, Non_Nul);
        if (k1_ == Divise) {
            const int32_t a = a_;
            b_ = Tire(n, decalage, [a](int32_t x) { return x != 0 && a % x == 0; });
        } else {
            b_ = Tire(n, decalage, Non_Nul);
        }
        c_ = 0;
    } else {
        k1_ = Random(3);
        k2_ = Random(3);
        const auto loin = [](int32_t x) { return std::abs(x) >= 2; };
        a_ = Tire(25, 12, loin);
        b_ = Tire(25, 12, loin);
        c_ = Tire(25, 12, loin);
    }
    Calcule();
}

void Sujet::Fixe(int niveau, int32_t a, int k1, int32_t b, int k2, int32_t c) {
    niveau_ = niveau;
    a_ = a;
    k1_ = k1;
    b_ = b;
    k2_ = niveau >= 3 ? k2 : Plus;
    c_ = niveau >= 3 ? c : 0;
    Calcule();
}

void Sujet::Calcule() {
    if (niveau_ < 3) {
        r_ = Opere(a_, k1_, b_);
        correction_ = Texte(r_);
        return;
    }
    const int32_t r1 = Opere(a_, k1_, b_);
    const std::string egal = " = ";
    switch (k2_) {
    case Plus:
        r_ = r1 + c_;
        correction_ = Texte(r1) + " " + Commune::Terme_Signe(c_) + egal + Texte(r_);
        break;
    case Moins:
        r_ = r1 - c_;
        correction_ = Texte(r1) + " " + Commune::Terme_Signe(-int64_t{c_}) + egal + Texte(r_);
        break;
    default:  // the product b x c comes first
        if (k1_ == Plus) {
            r_ = a_ + b_ * c_;
            correction_ = Texte(a_) + " " + Commune::Terme_Signe(int64_t{b_} * c_) + egal + Texte(r_);
        } else if (k1_ == Moins) {
            r_ = a_ - b_ * c_;
            correction_ = Texte(a_) + " " + Commune::Terme_Signe(-(int64_t{b_} * c_)) + egal + Texte(r_);
        } else {
            r_ = a_ * b_ * c_;
            correction_ = Texte(int64_t{a_} * b_) + " x " + Entre_Parentheses(c_) + egal + Texte(r_);
        }
        break;
    }
}

std::string Sujet::Cle() const { return Texte(a_) + " " + Texte(b_) + " " + Texte(c_); }

Affichage Sujet::Affiche(int32_t nb_exercices) const {
    Affichage f;
    const bool impair = nb_exercices % 2 != 0;
    f.s1 = Signe(k1_);
    if (niveau_ == 1) {
        f.a = Relatifs::Operande(a_);
        f.b = Relatifs::Operande(b_);
        return f;
    }
    f.a = Texte(a_);
    f.b = Entre_Parentheses(b_);
    if (niveau_ == 2) {
        if (impair && k1_ == Plus && b_ < 0) {
            f.s1 = "-";
            f.b = Texte(-int64_t{b_});
        }
        return f;
    }
    f.trois_termes = true;
    f.s2 = Signe(k2_);
    f.c = Entre_Parentheses(c_);
    if (impair && k2_ == Plus && c_ < 0 && b_ < 0) {
        f.s2 = "-";
        f.c = Texte(-int64_t{c_});
    }
    return f;
}

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    return Relatifs::Juge_Entier(reponses, Attendu(), correction_, Entete);
}

}  // namespace Zmelang
