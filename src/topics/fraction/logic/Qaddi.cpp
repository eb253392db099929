#include "topics/fraction/logic/Qaddi.hpp"

#include "framework/logic/Hasard.hpp"

namespace Qaddi {

using namespace Fractions;

std::vector<Fraction> Sujet_Somme::Termes() const { return std::vector<Fraction>(f_.begin(), f_.begin() + Nombre()); }

Fraction Sujet_Somme::Attendue() const { return Somme(Termes(), Soustraction()); }

Ligne_Somme Sujet_Somme::Corrige() const { return Corrige_Somme(Termes(), Soustraction(), niveau_ >= 2); }

Exercice::Verdict Sujet_Somme::Juge(const std::vector<std::string>& reponses) const {
    return Juge_Fraction(Attendue(), reponses);
}

void Tire_Niveau4(Trio& f, int m, bool troisieme) {
    const int nombre = troisieme ? 3 : 2;
    if (m <= 6) {
        Tire_Grandes(f, troisieme);
        return;
    }
    const int64_t t = m == 7 ? (Random(9) + 1) * 10 : 0;
    for (int i = 0; i < nombre; ++i) {
        f[i].n = Random(5) + 1;
        if (m == 7) f[i].d = t * (Random(5) + 1);
        else if (m == 8) f[i].d = (Random(5) + 1) * 25;
        else f[i].d = (Random(5) + 1) * 50;
    }
    if (!troisieme) f[2] = f[1];
}

void Sujet::Genere(int niveau) {
    niveau_ = niveau < 1 ? 1 : niveau > 4 ? 4 : niveau;
    switch (niveau_) {
    case 1:
        do f_[0] = {Random(20) + 1, Random(19) + 2};
        while (Pgcd(f_[0].n, f_[0].d) != 1);
        f_[1].d = f_[0].d;
        do f_[1].n = Random(20) + 1;
        while (Pgcd(f_[1].n, f_[1].d) != 1);
        f_[2] = f_[1];
        break;
    case 2:
    case 3:
        Tire_Paire_Moyenne(f_, niveau_);
        break;
    default:
        Tire_Niveau4(f_, Random(10), true);
        break;
    }
}

Exercice::Decision Sujet::Filtre(int, char32_t c, int, const std::u32string&) const { return Exercice::Filtre_Entier(c); }

}  // namespace Qaddi
