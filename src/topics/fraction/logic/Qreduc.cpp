#include "topics/fraction/logic/Qreduc.hpp"

#include "framework/logic/Hasard.hpp"

namespace Qreduc {

using namespace Fractions;

namespace {
bool Irreductible(const Fraction& f) { return Pgcd(f.n, f.d) == 1; }
}  // namespace

void Sujet::Genere(int niveau) {
    niveau_ = niveau < 1 ? 1 : niveau > 4 ? 4 : niveau;
    auto p = [] { return int64_t{Random(10) + 1}; };
    switch (niveau_) {
    case 1:
        for (;;) {
            f_[0] = {Random(10) + 1, Random(9) + 2};
            if (!Irreductible(f_[0])) continue;
            do f_[1] = {Random(10) + 1, Random(9) + 2};
            while (!Irreductible(f_[1]));
            if (f_[0].d == f_[1].d || f_[0].n * f_[1].d == f_[0].d * f_[1].n) continue;
            break;
        }
        f_[2] = f_[1];
        break;
    case 2:
        Tire_Paire(f_, p, [] { return int64_t{Random(9) + 2}; }, [](const Trio&) { return true; });
        break;
    case 3:
        for (;;) {
            Tire_Paire(f_, p, [] { return int64_t{Random(12) + 2}; }, [](const Trio&) { return true; });
            do f_[2] = {Random(10) + 1, Random(12) + 2};
            while (f_[2].n == f_[2].d);
            if (f_[0].d * f_[1].d * f_[2].d < 500) break;
        }
        break;
    default:
        Tire_Grandes(f_, true);
        break;
    }
}

int64_t Sujet::Denominateur() const {
    return Ppcm(Reduit(f_[0]).f.d, Reduit(f_[1]).f.d, Reduit(f_[2]).f.d);
}

std::vector<Ligne_Correction> Sujet::Corrige() const {
    const int64_t D = Denominateur();
    std::vector<Ligne_Correction> lignes;
    for (int i = 0; i < Nombre(); ++i) {
        const Reduction r = Reduit(f_[i]);
        lignes.push_back({Affiche(r.f), r.par > 1 ? "(par " + Texte(r.par) + ")" : std::string(),
                          Affiche({D / r.f.d * r.f.n, D})});
    }
    return lignes;
}

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& r) const {
    std::vector<std::string> boites(6);
    for (std::size_t i = 0; i < 6; ++i) boites[i] = Reponse(r, i);
    if (niveau_ <= 2) {
        boites[4] = boites[2];
        boites[5] = boites[3];
    }
    const int64_t D = Denominateur();
    bool juste = true;
    std::string correction;
    for (int i = 0; i < 3; ++i) {
        const Fraction f = Reduit(f_[i]).f;
        const std::string n = Texte(D / f.d * f.n);
        juste = juste && boites[2 * i] == n && boites[2 * i + 1] == Texte(D);
        if (i < Nombre()) correction += (i ? " " : "") + n + "/" + Texte(D);
    }
    return {juste, correction, Exercice::C_Est};
}

Exercice::Decision Sujet::Filtre(int, char32_t c, int, const std::u32string&) const { return Exercice::Filtre_Entier(c); }

}  // namespace Qreduc
