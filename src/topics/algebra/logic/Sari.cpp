#include "topics/algebra/logic/Sari.hpp"

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"

namespace Sari {

using Suites::D;
using Suites::DR;
using Suites::GT;
using Suites::N;
using Suites::T;

void Sujet::Genere(int niveau) {
    Suites::Enonce e;
    e.niveau = niveau;
    long double attendu = 0;
    switch (niveau) {
    case 1: {
        r_ = Random(20) + 2;
        const int j = Random(10);
        u1_ = Random(50);
        attendu = U(j + 2);
        e.Label1 = Suites::R1(r_);
        e.Indice1 = {"U", "1"};
        e.Label2 = " = " + T(u1_) + D;
        e.Indice2 = {"U", N(j + 2)};
        e.IndiceRep1 = N(j + 2);
        e.LRep1 = "= " + T(u1_) + " + " + N(j + 1) + " x " + T(r_) + " = " + GT(attendu);
        break;
    }
    case 2: {
        r_ = Random(20) + 2;
        const int i = Random(15) + 6;
        int a, b;
        do {
            b = Random(2);
            b *= Random(5) + 1;
            a = Random(2);
            a *= -(Random(5) + 1);
        } while (a + b == 0);
        const int k = i + a + b;
        const long double ui = Random(50);
        u1_ = ui - static_cast<long double>(i - 1) * r_;
        attendu = ui + static_cast<long double>(k - i) * r_;
        e.Label1 = Suites::R1(r_);
        e.Indice1 = {"U", N(i)};
        e.Label2 = " = " + T(ui) + D;
        e.Indice2 = {"U", N(k)};
        e.IndiceRep1 = N(k);
        const std::string s = k - i >= 0 ? " + " + N(k - i) : " - " + N(i - k);
        e.LRep1 = "= " + T(ui) + s + " x " + T(r_) + " = " + GT(attendu);
        break;
    }
    case 3: {
        e.genre = Random(3);
        e.Label1 = "Dans une suite arithmétique";
        e.deux_termes = true;
        e.Indice2 = {"r", ""};
        r_ = Random(20) + 2;
        attendu = r_;
        if (e.genre < 2) {
            const int g = Random(20);
            u1_ = Random(50);
            e.Indice1 = {"U", "1"};
            e.Label2 = " = " + T(u1_);
            e.Indice12 = {"U", N(g + 2)};
            e.Label21 = " = " + T(U(g + 2)) + DR;
            e.IndiceRep1 = N(g + 2);
            e.LRep1 = "= " + T(u1_) + " + " + N(g + 1) + " x r";
            e.LRep2 = g >= 1 ? "r = (" + T(U(g + 2)) + " - " + T(u1_) + ")/" + N(g + 1) + " = " + GT(r_)
                             : "r = " + T(U(2)) + " - " + T(u1_) + " = " + GT(r_);
        } else {
            const int g = Random(10);
            const int h = Random(10);
            u1_ = Random(50);
            const int A = g + 2, B = h + g + 3;
            e.Indice1 = {"U", N(A)};
            e.Label2 = " = " + T(U(A));
            e.Indice12 = {"U", N(B)};
            e.Label21 = " = " + T(U(B)) + DR;
            // The derivation stands alone in its panel, over the other lines.
            e.Psup = true;
            auto& L = e.Lignes;
            if (h >= 1) {
                const std::string fb = " = U1 + " + N(B - 1) + " x r", fa = " = U1 + " + N(A - 1) + " x r";
                L[0] = "U" + N(B) + fb;
                L[1] = T(U(B)) + fb;
                L[2] = "U" + N(A) + fa;
                L[3] = T(U(A)) + fa;
                L[4] = "-------------------------------";
                L[5] = T(U(B)) + " - " + T(U(A)) + " = (" + N(B - 1) + " - " + N(A - 1) + ") x r";
                L[6] = "r = (" + T(U(B)) + " - " + T(U(A)) + ") / (" + N(B - 1) + " - " + N(A - 1) + ") = " + GT(r_);
            } else {
                L[0] = "r = " + T(U(B)) + " - " + T(U(A)) + " = " + GT(r_);
            }
        }
        break;
    }
    default: {
        e.niveau = 4;
        r_ = Random(20) + 2;
        const int m = Random(100);
        u1_ = Random(50);
        const int n = m + 1;
        attendu = n * (u1_ + U(n)) / 2;
        e.Label1 = Suites::R1(r_);
        e.Indice1 = {"U", "1"};
        e.Label2 = " = " + T(u1_) + Suites::DS(n);
        e.Indice2 = {"S", N(n)};
        e.IndiceRep1 = N(n);
        e.LRep1 = "= " + T(u1_) + " + " + N(m) + " x " + T(r_) + " = " + T(U(n));
        e.IndiceRep2 = true;
        e.IndiceRep2_Indice = N(n);
        e.LRep2 = "= " + N(n) + " x (" + T(u1_) + " + " + T(U(n)) + ") / 2 = " + GT(attendu);
        break;
    }
    }
    e.attendu = Commune::Texte_Fixe(attendu, 5);
    enonce_ = std::move(e);
}

}  // namespace Sari
