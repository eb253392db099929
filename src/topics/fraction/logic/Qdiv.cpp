#include "topics/fraction/logic/Qdiv.hpp"

#include "framework/logic/Hasard.hpp"

namespace Qdiv {

using namespace Fractions;

void Sujet::Genere(int niveau) {
    niveau_ = niveau < 1 ? 1 : niveau > 4 ? 4 : niveau;
    signes_ = {"", "", ""};
    auto quatre = [this](int pn, int pd) {
        f_[0] = {Random(pn) + 1, Random(pd) + 2};
        f_[1] = {Random(pn) + 1, Random(pd) + 2};
    };
    switch (niveau_) {
    case 1:
        do quatre(10, 9);
        while (Pgcd(f_[0].n * f_[1].d, f_[0].d * f_[1].n) != 1);
        break;
    case 2:
        do quatre(15, 14);
        while (Pgcd(f_[0].n * f_[1].d, f_[0].d * f_[1].n) >= 4 || f_[1].n == f_[1].d || f_[0].n == f_[0].d);
        break;
    case 3:
        Tire_Paire(f_, [] { return int64_t{Random(15) + 1}; }, [] { return int64_t{Random(14) + 2}; },
                   [](const Trio&) { return true; });
        break;
    default: {
        const int s = Random(10);
        if (s == 7) signes_ = {"-", "", "-"};
        else if (s == 8) signes_ = {"", "-", "-"};
        else if (s == 9) signes_ = {"-", "-", ""};
        const int m = Random(10);
        if (m <= 6) {
            Tire_Grandes(f_, false);
        } else if (m == 7) {
            const int64_t t = Random(19) + 2;
            f_[0].n = Random(10) + 1;
            f_[1].n = Random(10) + 1;
            f_[0].d = t * (Random(10) + 1);
            f_[1].d = t * (Random(10) + 1);
        } else if (m == 8) {
            f_[0].n = Random(25) + 1;
            f_[1].n = Random(25) + 1;
            f_[0].d = (Random(10) + 1) * 25;
            f_[1].d = (Random(10) + 1) * 25;
        } else {
            f_[0].n = Random(45) + 1;
            f_[1].n = Random(45) + 1;
            f_[0].d = (Random(20) + 1) * 11;
            f_[1].d = (Random(20) + 1) * 11;
        }
        break;
    }
    }
    f_[2] = f_[1];
}

std::string Sujet::Cle() const {
    return signes_[0] + Texte(f_[0].n) + "/" + Texte(f_[0].d) + " " + signes_[1] + Texte(f_[1].n) + "/" + Texte(f_[1].d);
}

Fraction Sujet::Attendue() const {
    const Fraction a = Reduit(f_[0]).f;
    const Fraction b = Reduit(f_[1]).f;
    Fraction r = Reduit({a.n * b.d, a.d * b.n}).f;
    if (signes_[2] == "-") r.n = -r.n;
    return r;
}

Annulations Sujet::Corrige() const {
    return Annule({{f_[0].n, f_[0].d}, {f_[1].d, f_[1].n}}, signes_[2], Attendue());
}

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    return Juge_Fraction(Attendue(), reponses);
}

Exercice::Decision Sujet::Filtre(int entree, char32_t c, int curseur, const std::u32string& texte) const {
    return Filtre_Fraction_Signee(entree, c, curseur, texte);
}

}  // namespace Qdiv
