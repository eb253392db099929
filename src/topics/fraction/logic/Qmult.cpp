#include "topics/fraction/logic/Qmult.hpp"

#include "framework/logic/Hasard.hpp"

namespace Qmult {

using namespace Fractions;

void Sujet::Genere(int niveau) {
    niveau_ = niveau < 1 ? 1 : niveau > 4 ? 4 : niveau;
    switch (niveau_) {
    case 1:
        do {
            f_[0] = {Random(12) + 1, Random(11) + 2};
            f_[1] = {Random(12) + 1, Random(11) + 2};
        } while (Pgcd(f_[0].n * f_[1].n, f_[0].d * f_[1].d) != 1);
        f_[2] = f_[1];
        break;
    case 2:
    case 3:
        Tire_Paire_Moyenne(f_, niveau_);
        break;
    default: {
        const int m = Random(10);
        if (m <= 6) {
            Tire_Grandes(f_, true);
        } else if (m == 7) {
            const int64_t t = Random(8) + 2;
            f_[0].n = Random(10) + 1;
            f_[1].n = Random(10) + 1;
            f_[2].n = Random(20) + 1;
            f_[0].d = t * (Random(4) + 1);
            f_[1].d = t * (Random(4) + 1);
            f_[2].d = t * (Random(5) + 1);
        } else if (m == 8) {
            for (Fraction& f : f_) f.n = Random(25) + 1;
            f_[0].d = (Random(4) + 1) * 25;
            f_[1].d = (Random(2) + 1) * 25;
            f_[2].d = 2 * Random(6) + 2;
        } else {
            for (Fraction& f : f_) f.n = Random(45) + 1;
            for (Fraction& f : f_) f.d = (Random(8) + 1) * 5;
        }
        break;
    }
    }
}

Fraction Sujet::Attendue() const {
    Fraction p{1, 1};
    for (int i = 0; i < Nombre(); ++i) {
        const Fraction r = Reduit(f_[i]).f;
        p.n *= r.n;
        p.d *= r.d;
    }
    return Reduit(p).f;
}

Annulations Sujet::Corrige() const {
    std::vector<std::pair<int64_t, int64_t>> facteurs;
    for (int i = 0; i < Nombre(); ++i) facteurs.emplace_back(f_[i].n, f_[i].d);
    return Annule(facteurs, "", Attendue());
}

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    return Juge_Fraction(Attendue(), reponses);
}

Exercice::Decision Sujet::Filtre(int, char32_t c, int, const std::u32string&) const { return Exercice::Filtre_Entier(c); }

}  // namespace Qmult
