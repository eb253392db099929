#include "topics/algebra/logic/Sgeo.hpp"

#include <algorithm>
#include <cstdlib>

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"

namespace Sgeo {

using Commune::Puissance_Reelle;
using Suites::D;
using Suites::DR;
using Suites::GT;
using Suites::N;
using Suites::T;

namespace {

// 0.1 to 2.0, never 1.
long double Raison_Decimale() {
    long double q;
    do q = static_cast<long double>(Random(20) + 1) / 10; while (q == 1);
    return q;
}

}  // namespace

long double Sujet::U(long long k) const { return u1_ * Puissance_Reelle(q_, static_cast<long double>(k - 1)); }

void Sujet::Genere(int niveau) {
    Suites::Enonce e;
    e.niveau = niveau;
    long double attendu = 0;
    switch (niveau) {
    case 1: {
        q_ = Random(9) + 2;
        const int j = Random(7);
        u1_ = Random(50) + 1;
        attendu = U(j + 2);
        e.Label1 = Suites::G1(q_);
        e.Indice1 = {"U", "1"};
        e.Label2 = " = " + T(u1_) + D;
        e.Indice2 = {"U", N(j + 2)};
        e.IndiceRep1 = N(j + 2);
        e.LRep1 = "= " + T(u1_) + " x ";
        e.Unite1 = T(q_);
        if (j >= 1) e.Exposant1 = N(j + 1);
        e.LRep11 = " = " + GT(attendu);
        break;
    }
    case 2: {
        q_ = Random(7) + 2;
        const int l = Random(4), i = l + 5;
        int a, b;
        do {
            b = Random(2);
            b *= Random(4) + 1;
            a = Random(2);
            a *= -(Random(4) + 1);
        } while (a + b == 0);
        const int k = i + a + b;
        u1_ = Random(20) + 1;  // not shown
        const long double ui = u1_ * Puissance_Reelle(q_, l + 4);
        attendu = ui * Puissance_Reelle(q_, k - i);
        e.Label1 = Suites::G1(q_);
        e.Indice1 = {"U", N(i)};
        e.Label2 = " = " + GT(ui) + D;
        e.Indice2 = {"U", N(k)};
        e.IndiceRep1 = N(k);
        e.LRep1 = "= " + GT(ui) + (k > i ? " x " : " : ");
        e.Unite1 = T(q_);
        if (std::abs(k - i) != 1) e.Exposant1 = N(std::abs(k - i));
        e.LRep11 = "= " + GT(attendu);
        break;
    }
    case 3: {
        e.genre = Random(3);
        e.Label1 = "Dans une suite géométrique (q > 0)";
        e.deux_termes = true;
        e.Indice2 = {"q", ""};
        int donne, p;  // the indices of the two given terms
        if (e.genre < 2) {
            int c, t;
            do {
                q_ = static_cast<long double>(Random(20) + 1) / 10;
                c = Random(5);
                t = Random(2);
                u1_ = Random(10) * 100000 + 500000;
                p = t == 1 ? c + 1 : c + 3;
            } while (q_ == 1 || !(u1_ < 9999999999.0L && U(p) < 9999999999.0L));
            donne = c + 2;
        } else {
            q_ = Raison_Decimale();
            const int m = Random(5), t = Random(2);
            u1_ = Random(10) * 100000 + 500000;
            p = t == 1 ? m + 1 : m + 5;
            donne = m + 3;
        }
        attendu = q_;
        e.Indice1 = {"U", N(donne)};
        e.Label2 = " = " + GT(U(donne));
        e.Indice12 = {"U", N(p)};
        e.Label21 = " = " + GT(U(p)) + DR;
        const int lo = std::min(donne, p), hi = std::max(donne, p);
        e.IndiceRep1 = N(hi);
        if (e.genre < 2) {
            e.LRep1 = "= " + GT(U(lo)) + " x q";
            e.LRep2 = "q = " + GT(U(hi)) + " : " + GT(U(lo)) + " = " + T(q_);
        } else {
            // Two steps apart: q squared, then its square root.
            e.LRep1 = "= " + GT(U(lo)) + " x";
            e.Unite1 = "q";
            e.Exposant1 = "2";
            e.Psup = true;
            e.Lignes[0] = "q = ";
            e.Lignes[1] = GT(U(hi)) + " : " + GT(U(lo));
            e.Lignes[2] = "q = " + T(q_);
        }
        break;
    }
    default: {
        e.niveau = 4;
        q_ = Random(7) + 2;
        const int m = Random(9);
        u1_ = Random(20) + 1;
        const int n = m + 2;
        attendu = (q_ * U(n) - u1_) / (q_ - 1);
        e.Label1 = Suites::G1(q_);
        e.Indice1 = {"U", "1"};
        e.Label2 = " = " + T(u1_) + Suites::DS(n);
        e.Indice2 = {"S", N(n)};
        e.IndiceRep1 = N(n);
        e.LRep1 = "= " + T(u1_) + " x ";
        e.Unite1 = T(q_);
        if (n > 2) e.Exposant1 = N(m + 1);
        e.LRep11 = " = " + GT(U(n));
        e.IndiceRep2 = true;
        e.IndiceRep2_Indice = N(n);
        e.LRep2 = "= (" + T(q_) + " x " + GT(U(n)) + " - " + T(u1_) + ")/(" + T(q_) + " - 1) = " + GT(attendu);
        break;
    }
    }
    e.attendu = Commune::Texte_Fixe(attendu, 5);
    enonce_ = std::move(e);
}

}  // namespace Sgeo
