#include "topics/decimal/logic/Dencad.hpp"

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"
#include "topics/decimal/logic/Decimaux.hpp"

namespace Dencad {

using Commune::Groupe_Chiffres;
using Commune::Normalise_Decimal;
using Commune::Puissance_Reelle;

long double Somme(std::initializer_list<long double> termes) {
    long double s = 0;
    for (long double t : termes) s += t;
    return s;
}

long double R(int n, int diviseur) { return static_cast<long double>(Random(n)) / diviseur; }
long double M2() {
    const int chiffre = Random(9) + 1;
    return static_cast<long double>(chiffre * Random(2));
}
long double M3() {
    const int chiffre = Random(9) + 1;
    return static_cast<long double>(chiffre * Random(3));
}

std::string Avec_Coefficient(int c, const std::string& operande) {
    if (c == 1) return operande;
    if (c == -1) return "-" + operande;
    return std::to_string(c) + " x " + operande;
}

namespace {
int Chiffre() { return Random(9) + 1; }
int Exposant() { return Random(3) + 1; }
std::string Texte_Exposant(int e) { return e == 1 ? std::string() : std::to_string(e); }
}  // namespace

void Sujet::Genere(int niveau) {
    niveau_ = niveau < 1 ? 1 : (niveau > 4 ? 4 : niveau);
    choix_ = Random(niveau_ == 1 ? 4 : 3);
    p_ = q_ = s_ = e_ = g_ = h_ = 1;
    c_ = 1;
    // A difference is drawn again, operands and all, until its result is positive.
    do Tire(niveau_);
    while (choix_ == 1 && x_ <= 0);
    v_ = Multiples_Voisins::Calcule(x_, false);
}

void Sujet::Tire(int niveau) {
    switch (niveau) {
    case 1:
        switch (choix_) {
        case 0:
            a_ = Somme({0.1L, M3() / 1000, R(1000, 100), R(10, 10)});
            b_ = Somme({0.1L, M2() / 1000, R(1000, 100), R(10, 10)});
            break;
        case 1:
            a_ = Somme({0.1L, M2() / 1000, R(1000, 10), R(10, 10)});
            b_ = Somme({0.1L, M3() / 1000, R(1000, 10), R(10, 10)});
            break;
        case 2:
            a_ = Somme({0.1L, M2() / 100, R(100, 10)});
            b_ = Somme({0.1L, M2() / 100, R(100, 10)});
            break;
        default:
            a_ = Somme({R(500, 10), 0.1L});
            b_ = Somme({R(100, 10), 0.1L});
            break;
        }
        break;
    case 2:
        switch (choix_) {
        case 0:
            a_ = Somme({0.1L, M3() / 1000, R(1000, 100)});
            b_ = Somme({0.1L, M2() / 1000, R(1000, 100)});
            break;
        case 1:
            a_ = Somme({0.1L, M2() / 1000, R(1000, 10)});
            b_ = Somme({0.1L, M3() / 1000, R(1000, 10)});
            break;
        default:
            a_ = Somme({0.1L, M2() / 100, R(100, 10)});
            b_ = Somme({0.1L, M2() / 100, R(100, 10)});
            break;
        }
        c_ = Somme({R(100, 10), 0.1L});
        break;
    case 3:
    case 4: {
        const bool produit = choix_ == 2;
        auto operande = [&] {
            if (!produit) return Somme({R(100, 10), R(10, 10), Chiffre() / 100.0L});
            return Somme({(niveau == 3 ? R(90, 10) : R(60, 10)), R(10, 10), Chiffre() / 100.0L});
        };
        a_ = operande();
        b_ = operande();
        if (niveau == 4)
            c_ = produit ? Somme({R(100, 10), R(10, 10), 0.5L}) : Somme({R(100, 10), R(10, 10), Chiffre() / 10.0L});
        p_ = Chiffre();
        q_ = Chiffre();
        if (niveau == 4) s_ = Chiffre();
        e_ = Exposant();
        g_ = Exposant();
        if (niveau == 4) h_ = Exposant();
        break;
    }
    }
    Calcule();
}

void Sujet::Calcule() {
    const long double pa = niveau_ >= 3 ? p_ * Puissance_Reelle(a_, e_) : a_;
    const long double qb = niveau_ >= 3 ? q_ * Puissance_Reelle(b_, g_) : b_;
    long double r = 0;
    switch (choix_) {
    case 0: r = pa + qb; break;
    case 1: r = pa - qb; break;
    case 2: r = pa * qb; break;
    default: r = pa / qb; break;
    }
    if (niveau_ == 2) r /= c_;
    if (niveau_ == 4) r /= s_ * Puissance_Reelle(c_, h_);
    x_ = r;
}

void Sujet::Fixe(int niveau, long double x) {
    niveau_ = niveau;
    x_ = x;
    v_ = Multiples_Voisins::Calcule(x_, false);
}

Affichage Sujet::Affiche() const {
    Affichage a;
    static const char* const signes[] = {"+", "-", "x", ":"};
    a.s1 = signes[choix_];
    a.fraction = niveau_ == 2 || niveau_ == 4;
    a.ua = {Avec_Coefficient(p_, Decimaux::Texte_Decimal(a_)), Texte_Exposant(e_)};
    a.ub = {Avec_Coefficient(q_, Decimaux::Texte_Decimal(b_)), Texte_Exposant(g_)};
    if (a.fraction) a.uc = {Avec_Coefficient(s_, Decimaux::Texte_Decimal(c_)), Texte_Exposant(h_)};
    return a;
}

std::string Sujet::Cle() const {
    const Affichage a = Affiche();
    return a.ua.texte + a.ua.exposant + a.s1 + a.ub.texte + a.ub.exposant + "/" + a.uc.texte + a.uc.exposant;
}

Exercice::Decision Sujet::Filtre(int, char32_t c, int curseur, const std::u32string& texte) const {
    return Decimaux::Filtre_Decimal(c, curseur, texte);
}

std::string Sujet::Inferieur() const { return Groupe_Chiffres(Normalise_Decimal(v_.inferieur)); }

std::string Sujet::Droite() const {
    return Groupe_Chiffres(Normalise_Decimal(Multiples_Voisins::Texte_Entre(x_, 4, v_))) + "<" +
           Groupe_Chiffres(Normalise_Decimal(v_.superieur));
}

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    Exercice::Verdict v;
    v.juste = Normalise_Decimal(Exercice::Reponse(reponses, 0)) == Normalise_Decimal(v_.inferieur) &&
              Normalise_Decimal(Exercice::Reponse(reponses, 1)) == Normalise_Decimal(v_.superieur);
    v.correction = Inferieur() + " ≤ " + Droite();
    return v;
}

}  // namespace Dencad
