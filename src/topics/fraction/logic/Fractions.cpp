#include "topics/fraction/logic/Fractions.hpp"

#include <cstdlib>
#include <numeric>

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"

namespace Fractions {

int64_t Pgcd(int64_t a, int64_t b) {
    a = std::llabs(a);
    b = std::llabs(b);
    if (a <= 65535 && b <= 65535) return Commune::Pgcd3(static_cast<uint16_t>(a), static_cast<uint16_t>(b), static_cast<uint16_t>(b));
    const int64_t g = std::gcd(a, b);
    return g == 0 ? 1 : g;
}

int64_t Ppcm(int64_t a, int64_t b, int64_t c) {
    a = std::llabs(a);
    b = std::llabs(b);
    c = std::llabs(c);
    if (a == 0 || b == 0 || c == 0) return 1;
    const int64_t l = std::lcm(std::lcm(a, b), c);
    // Within the range of the search, the shared helper gives the same value.
    if (a <= 65535 && b <= 65535 && c <= 65535 && l <= 65000)
        return Commune::Ppcm3(static_cast<uint16_t>(a), static_cast<uint16_t>(b), static_cast<uint16_t>(c));
    return l;
}

int64_t Puissance(int64_t base, int exposant) {
    int64_t r = 1;
    for (int i = 0; i < exposant; ++i) r *= base;
    return r;
}

Reduction Reduit(Fraction f) {
    if (f.d < 0) {
        f.n = -f.n;
        f.d = -f.d;
    }
    const int64_t g = Pgcd(f.n, f.d);
    return {{f.n / g, f.d / g}, g};
}

std::string Texte(int64_t x) { return std::to_string(x); }

Affichage Affiche(Fraction f) { return {Texte(f.n), Texte(f.d)}; }

bool Juge_Reponse(Fraction attendue, const std::string& numer, const std::string& deno) {
    if (numer != Texte(attendue.n)) return false;
    if (attendue.d == 1) return deno.empty() || deno == "1";
    return deno == Texte(attendue.d);
}

Exercice::Verdict Juge_Fraction(Fraction attendue, const std::vector<std::string>& reponses) {
    const Fraction& a = attendue;
    return {Juge_Reponse(a, Reponse(reponses, 0), Reponse(reponses, 1)),
            a.d == 1 ? Texte(a.n) : Texte(a.n) + "/" + Texte(a.d)};
}

Exercice::Decision Filtre_Numerateur_Signe(char32_t c, int curseur, const std::u32string& texte) {
    return Exercice::Filtre_Entier_Signe(c, curseur, texte, U"-");
}

Exercice::Decision Filtre_Fraction_Signee(int entree, char32_t c, int curseur, const std::u32string& texte) {
    if (entree == 0) return Filtre_Numerateur_Signe(c, curseur, texte);
    return Exercice::Filtre_Entier(c);
}

}  // namespace Fractions

namespace Fractions {

Fraction Facteur_Commun(int64_t k) {
    Fraction f;
    do f.d = k * (Random(9) + 1); while (f.d < 2);
    f.n = k * (Random(15) + 1);
    return f;
}

void Tire_Grandes(Trio& f, bool troisieme) {
    for (;;) {
        f[0].n = Random(36) + 10;
        f[0].d = Random(36) + 10;
        if (f[0].n == f[0].d || Pgcd(f[0].n, f[0].d) <= 2) continue;
        do {
            f[1].n = Random(36) + 10;
            f[1].d = Random(36) + 10;
        } while (f[1].n == f[1].d || Pgcd(f[1].n, f[1].d) <= 2);
        if (f[0].d == f[1].d || f[0].n * f[1].d == f[0].d * f[1].n) continue;
        break;
    }
    if (!troisieme) {
        f[2] = f[1];
        return;
    }
    do {
        f[2].n = Random(46) + 1;
        f[2].d = Random(46) + 2;
    } while (f[2].n == f[2].d || Pgcd(f[2].n, f[2].d) < 5);
}

void Tire_Paire_Moyenne(Trio& f, int niveau) {
    if (niveau == 2)
        Tire_Paire(f, [] { return int64_t{Random(10) + 1}; }, [] { return int64_t{Random(9) + 2}; },
                   [](const Trio&) { return true; });
    else
        Tire_Paire(f, [] { return int64_t{Random(20) + 1}; }, [] { return int64_t{Random(21) + 10}; },
                   [](const Trio& t) { return t[0].d * t[1].d < 1500; });
}

std::string Sujet_Trio::Cle() const {
    std::string k;
    for (const Fraction& f : f_) k += Texte(f.n) + "/" + Texte(f.d) + " ";
    return k;
}

}  // namespace Fractions
