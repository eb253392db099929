#include "topics/fraction/logic/Qsimpl.hpp"

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"

namespace Qsimpl {

using namespace Fractions;

void Sujet::Genere(int niveau) {
    niveau_ = niveau < 1 ? 1 : niveau > 4 ? 4 : niveau;
    const int m = Random(10);
    switch (niveau_) {
    case 1:
        for (;;) {
            q_.n = Random(20) + 1;
            q_.d = Random(19) + 2;
            const int64_t g = Pgcd(q_.n, q_.d);
            if (g == 2 || g == 3 || g == 5) break;
        }
        break;
    case 2:
        if (m <= 7) {
            q_ = Facteur_Commun(Random(9) + 1);
        } else {
            q_.n = Random(30) + 1;
            q_.d = Random(50) + 2;
        }
        break;
    case 3:
        if (m <= 7) {
            q_ = Facteur_Commun(Random(19) + 5);
        } else {
            q_.n = Random(150);
            q_.d = Random(250) + 20;
        }
        break;
    default:
        if (m <= 8) {
            q_ = Facteur_Commun(Random(39) + 15);
        } else {
            q_.n = Random(250) + 150;
            q_.d = Random(350) + 120;
        }
        break;
    }
}

std::string Sujet::Cle() const { return Texte(q_.n) + "/" + Texte(q_.d); }

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    Exercice::Verdict v = Juge_Fraction(Attendue().f, reponses);
    v.entete = Exercice::C_Est;
    return v;
}

Exercice::Decision Sujet::Filtre(int, char32_t c, int, const std::u32string&) const { return Exercice::Filtre_Entier(c); }

Correction Sujet::Corrige() const {
    const Reduction r = Attendue();
    Correction c;
    c.entier = r.f.d == 1;
    if (c.entier) c.nombre = Texte(r.f.n);
    else c.fraction = Affiche(r.f);
    if (q_.n != 0) {
        if (r.par < 2) {
            c.par = "(irréductible)";
        } else {
            const bool seul = Commune::Est_Premier(r.par) || q_.n == q_.d;
            c.par = "(par " + Texte(r.par) + (seul ? "" : " (ou ses diviseurs)") + ")";
        }
    }
    return c;
}

}  // namespace Qsimpl
