#include "topics/integer/logic/Zparent.hpp"

#include "framework/logic/Commune.hpp"
#include "topics/integer/logic/Relatifs.hpp"

namespace Zparent {

namespace {
bool Ni_Zero_Ni_Un(int32_t x) { return x != 0 && x != 1; }
const char* Signe(int k) { return k == Plus ? "+" : (k == Moins ? "-" : "x"); }
}  // namespace

void Sujet::Genere(int niveau) {
    niveau_ = niveau < 1 ? 1 : (niveau > 3 ? 3 : niveau);
    using Relatifs::Non_Nul;
    using Relatifs::Tire;
    switch (niveau_) {
    case 1:
        k_ = Random(2);
        m_ = Random(2);
        a_ = Tire(31, 15, Non_Nul);
        b_ = Tire(31, 15, Non_Nul);
        c_ = Tire(31, 15, Non_Nul);
        break;
    case 2:
        k_ = Fois;
        m_ = Random(2);
        a_ = Tire(31, 15, Ni_Zero_Ni_Un);
        b_ = Tire(31, 15, Non_Nul);
        c_ = Tire(31, 15, Non_Nul);
        break;
    default:
        k_ = Random(3);
        m_ = Random(2);
        a_ = k_ == Fois ? Tire(31, 15, Ni_Zero_Ni_Un) : Tire(101, 50, Ni_Zero_Ni_Un);
        b_ = Tire(81, 40, Non_Nul);
        c_ = Tire(101, 50, Non_Nul);
        break;
    }
    Calcule();
}

void Sujet::Fixe(int niveau, int32_t a, int k, int32_t b, int m, int32_t c) {
    niveau_ = niveau;
    a_ = a;
    k_ = k;
    b_ = b;
    m_ = m;
    c_ = c;
    Calcule();
}

void Sujet::Calcule() {
    const int32_t v = Parenthese();
    const std::string a = std::to_string(a_);
    r_ = k_ == Plus ? a_ + v : (k_ == Moins ? a_ - v : a_ * v);
    const std::string resultat = Relatifs::Groupe_Entier(r_);
    if (k_ == Fois) {
        correction_ = a + " x " + Commune::Parenthese_Negatif(v) + " = " + resultat;
        return;
    }
    // First with the bracket's value, then, when it reads differently, with
    // the sign rule applied.
    const std::string f1 = a + (k_ == Plus ? " + " : " - ") + Commune::Parenthese_Negatif(v) + " = ";
    const std::string f2 = a + " " + Commune::Terme_Signe(k_ == Plus ? int64_t{v} : -int64_t{v}) + " = ";
    correction_ = (f1 != f2 && v != 0) ? f1 + f2 + resultat : f1 + resultat;
}

std::string Sujet::Cle() const {
    return std::to_string(a_) + " " + std::to_string(b_) + " " + std::to_string(c_);
}

Affichage Sujet::Affiche(int32_t nb_exercices) const {
    Affichage f;
    f.a = std::to_string(a_);
    f.b = std::to_string(b_);
    f.c = std::to_string(c_ < 0 ? -int64_t{c_} : int64_t{c_});
    if (m_ == 0) f.s2 = c_ < 1 ? "-" : "+";
    else f.s2 = c_ < 1 ? "+" : "-";
    f.s1 = Signe(k_);
    if (niveau_ == 3 && k_ == Fois && nb_exercices % 2 == 0) f.s1.clear();
    return f;
}

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    return Relatifs::Juge_Entier(reponses, Attendu(), correction_, Entete);
}

}  // namespace Zparent
