#include "topics/fraction/logic/Qmelang.hpp"

#include <cstdlib>

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"

namespace Qmelang {

using namespace Fractions;

namespace {
// Levels 1 and 2: two fractions, the first one the larger, not both whole.
// The first is drawn again with everything when it equals 1; the second
// alone while `refuse` holds.
template <class P1, class Q1, class P2, class Q2, class Refuse>
void Tire_Deux(Trio& f, P1 p1, Q1 q1, P2 p2, Q2 q2, Refuse refuse) {
    for (;;) {
        f[0] = {p1(), q1()};
        if (f[0].n == f[0].d) continue;
        do f[1] = {p2(), q2()};
        while (refuse(f[1]));
        if (f[1].n * f[0].d < f[0].n * f[1].d && f[0].d * f[1].d > 1) break;
    }
    f[2] = f[1];
}
}  // namespace

void Sujet::Genere(int niveau) {
    niveau_ = niveau < 1 ? 1 : niveau > 4 ? 4 : niveau;
    switch (niveau_) {
    case 1: {
        type_ = Random(4);
        auto t = [] { return int64_t{Random(9) + 1}; };
        Tire_Deux(f_, t, t, t, t, [](const Fraction& f) { return f.n == f.d; });
        break;
    }
    case 2: {
        type_ = Random(4);
        auto t16 = [] { return int64_t{Random(16) + 1}; };
        auto t20 = [] { return int64_t{Random(20) + 1}; };
        Tire_Deux(f_, t16, t16, t20, t20, [](const Fraction& f) { return f.n == f.d || Pgcd(f.n, f.d) <= 1; });
        break;
    }
    case 3:
        type_ = Random(4) + 4;
        for (Fraction& f : f_) {
            do f = {Random(10) + 1, Random(10) + 1};
            while (f.n == f.d);
        }
        break;
    default:
        type_ = Random(4) + 4;
        for (Fraction& f : f_) {
            do f = {Random(21) - 10, Random(8) + 2};
            while (f.n == 0 || f.n == f.d || std::llabs(f.n) >= 10);
        }
        break;
    }
}

std::string Sujet::Cle() const {
    std::string k = Texte(type_) + ":";
    for (const Fraction& f : f_) k += " " + Texte(f.n) + "/" + Texte(f.d);
    return k;
}

std::array<std::string, 2> Sujet::Operateurs() const {
    switch (type_) {
    case 0: return {"+", "+"};
    case 1: return {"-", "-"};
    case 2: return {"x", "x"};
    case 3: return {":", ":"};
    case 4: return {"x", "-"};
    case 5: return {"+", ":"};
    case 6: return {"-", "x"};
    default: return {":", "-"};
    }
}

Fraction Sujet::Attendue() const {
    const int64_t p1 = f_[0].n, q1 = f_[0].d, p2 = f_[1].n, q2 = f_[1].d, p3 = f_[2].n, q3 = f_[2].d;
    switch (type_) {
    case 0: return Somme({f_[0], f_[1]}, false);
    case 1: return Somme({f_[0], f_[1]}, true);
    case 2: return Reduit({p1 * p2, q1 * q2}).f;
    case 3: return Reduit({p1 * q2, q1 * p2}).f;
    case 4: return Reduit({p1 * p2 * q3 - p3 * q1 * q2, q1 * q2 * q3}).f;
    case 5: return Reduit({p1 * q2 * p3 + q1 * p2 * q3, q1 * q2 * p3}).f;
    case 6: return Reduit({p1 * q2 * q3 - q1 * p2 * p3, q1 * q2 * q3}).f;
    default: return Reduit({p1 * q2 * q3 - p3 * q1 * p2, q1 * p2 * q3}).f;
    }
}

namespace {
// "u x (v)": a factor written after another, in brackets when negative.
std::string Fois(int64_t u, int64_t v) { return Texte(u) + " x " + Commune::Parenthese_Negatif(v); }
}  // namespace

Ligne_Somme Sujet::Corrige() const {
    const int64_t p1 = f_[0].n, q1 = f_[0].d, p2 = f_[1].n, q2 = f_[1].d, p3 = f_[2].n, q3 = f_[2].d;
    const Fraction r = Attendue();
    if (type_ <= 1) {
        const bool communs = Reduit(f_[0]).f.d != Reduit(f_[1]).f.d;
        return Corrige_Somme({f_[0], f_[1]}, type_ == 1, communs);
    }
    Ligne_Somme l;
    if (type_ <= 3) {
        if (type_ == 2) l.termes.push_back({Texte(p1) + " x " + Texte(p2), Texte(q1) + " x " + Texte(q2)});
        else l.termes.push_back({Texte(p1) + " x " + Texte(q2), Texte(q1) + " x " + Texte(p2)});
        l.simplifiee = Affiche(r);
        if (r.d == 1) l.entier = "= " + Texte(r.n);
        return l;
    }
    // The first line writes the product or quotient out; the second one has
    // each term as a single reduced fraction, the sign between them in front.
    Fraction t1, t2;
    bool moins = true;  // sign between the two terms on the second line
    switch (type_) {
    case 4:
        l.termes = {{Fois(p1, p2), Fois(q1, q2)}, Affiche(f_[2])};
        l.signes = {"-"};
        t1 = {p1 * p2, q1 * q2};
        t2 = f_[2];
        break;
    case 5:
        l.termes = {Affiche(f_[0]), {Fois(p2, q3), Fois(q2, p3)}};
        l.signes = {"+"};
        t1 = f_[0];
        t2 = {p2 * q3, q2 * p3};
        moins = false;
        break;
    case 6:
        l.termes = {Affiche(f_[0]), {Fois(p2, p3), Fois(q2, q3)}};
        l.signes = {"-"};
        t1 = f_[0];
        t2 = {p2 * p3, q2 * q3};
        break;
    default:
        l.termes = {{Fois(p1, q2), Fois(q1, p2)}, Affiche(f_[2])};
        l.signes = {"-"};
        t1 = {p1 * q2, q1 * p2};
        t2 = f_[2];
        break;
    }
    const Fraction a = Reduit(t1).f;
    Fraction b = Reduit(t2).f;
    if (b.n < 0) {
        b.n = -b.n;
        moins = !moins;
    }
    l.communs = {Affiche(a), Affiche(b)};
    l.signes_communs = {moins ? "-" : "+"};
    const int64_t L = Ppcm(a.d, b.d);
    const int64_t numer = L / r.d * r.n;
    l.brute = Affiche({numer, L});
    if (Pgcd(numer, L) > 1) l.simplifiee = Affiche(r);
    if (r.d == 1) l.entier = "= " + Texte(r.n);
    return l;
}

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    return Juge_Fraction(Attendue(), reponses);
}

Exercice::Decision Sujet::Filtre(int entree, char32_t c, int curseur, const std::u32string& texte) const {
    return Filtre_Fraction_Signee(entree, c, curseur, texte);
}

}  // namespace Qmelang
