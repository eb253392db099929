#include "topics/fraction/logic/Qsous.hpp"

#include "framework/logic/Hasard.hpp"

namespace Qsous {

using namespace Fractions;

namespace {
bool Positive(const Trio& f) { return f[0].n * f[1].d > f[0].d * f[1].n; }

// A fraction p/q irreducible, p drawn by `tire_p`, q by `tire_q`.
template <class P, class Q>
Fraction Irreductible(P tire_p, Q tire_q) {
    Fraction f;
    do {
        f.n = tire_p();
        f.d = tire_q();
    } while (Pgcd(f.n, f.d) != 1);
    return f;
}
}  // namespace

void Sujet::Genere(int niveau) {
    niveau_ = niveau < 1 ? 1 : niveau > 4 ? 4 : niveau;
    switch (niveau_) {
    case 1:
        for (;;) {
            f_[0] = {Random(20) + 1, Random(14) + 2};
            if (Pgcd(f_[0].n, f_[0].d) != 1) continue;
            const int64_t q = f_[0].d;
            f_[1] = Irreductible([] { return int64_t{Random(20) + 1}; }, [q] { return q; });
            if (Positive(f_)) break;
        }
        break;
    case 2: {
        const int mode = Random(2);
        // The smaller denominator is drawn first, the other is one of its multiples.
        const int a = mode == 0 ? 0 : 1;
        const int b = 1 - a;
        for (;;) {
            f_[a] = Irreductible([] { return int64_t{Random(15) + 1}; }, [] { return int64_t{Random(9) + 2}; });
            const int64_t q = f_[a].d;
            f_[b] = Irreductible([] { return int64_t{Random(20) + 1}; }, [q] { return q * (Random(10) + 1); });
            if (f_[0].d != f_[1].d && Positive(f_)) break;
        }
        break;
    }
    case 3:
        Tire_Paire(f_, [] { return int64_t{Random(10) + 1}; }, [] { return int64_t{Random(9) + 2}; }, Positive);
        break;
    default:
        Qaddi::Tire_Niveau4(f_, Random(10), false);
        break;
    }
    f_[2] = f_[1];
}

Exercice::Decision Sujet::Filtre(int entree, char32_t c, int curseur, const std::u32string& texte) const {
    return Filtre_Fraction_Signee(entree, c, curseur, texte);
}

}  // namespace Qsous
