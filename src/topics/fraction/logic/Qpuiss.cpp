#include "topics/fraction/logic/Qpuiss.hpp"

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"

namespace Qpuiss {

using namespace Fractions;

namespace {
std::string Groupe(int64_t x) { return Commune::Groupe_Chiffres(Texte(x)); }
}  // namespace

void Sujet::Genere(int niveau) {
    niveau_ = niveau < 1 ? 1 : niveau > 4 ? 4 : niveau;
    numerateur_ = false;
    const int m = Random(10);
    switch (niveau_) {
    case 1:
        do q_ = {Random(20) + 1, Random(19) + 2};
        while (Pgcd(q_.n, q_.d) != 1);
        e_ = Random(3) + 2;
        break;
    case 2:
        if (m <= 7) {
            q_ = Facteur_Commun(Random(9) + 1);
            e_ = Random(4) + 2;
        } else {
            q_ = {Random(30) + 1, Random(50) + 2};
            e_ = Random(3) + 2;
        }
        break;
    case 3:
        if (m <= 7) {
            q_ = Facteur_Commun(Random(19) + 5);
            e_ = Random(3) + 2;
        } else {
            q_ = {Random(150), Random(250) + 20};
            e_ = Random(2) + 2;
        }
        break;
    default:
        if (m <= 6) {
            q_ = Facteur_Commun(Random(39) + 15);
            e_ = Random(3) + 2;
        } else if (m == 7) {
            q_ = {Random(250) + 150, Random(350) + 120};
            e_ = Random(2) + 2;
        } else {
            numerateur_ = true;
            e_ = Random(2) + 2;
            if (e_ == 3) q_ = {Random(31) + 10, Random(31) + 10};
            else q_ = {Random(90) + 10, Random(90) + 10};
        }
        break;
    }
}

std::string Sujet::Cle() const {
    return Texte(q_.n) + "/" + Texte(q_.d) + "^" + Texte(e_) + (numerateur_ ? "n" : "");
}

int64_t Sujet::Diviseur() const {
    return numerateur_ ? Pgcd(Puissance(q_.n, e_), q_.d) : Pgcd(q_.n, q_.d);
}

Fraction Sujet::Attendue() const {
    const int64_t g = Diviseur();
    if (numerateur_) return {Puissance(q_.n, e_) / g, q_.d / g};
    return {Puissance(q_.n / g, e_), Puissance(q_.d / g, e_)};
}

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    Exercice::Verdict v = Juge_Fraction(Attendue(), reponses);
    v.entete = "C'est";
    return v;
}

Correction Sujet::Corrige() const {
    const int64_t g = Diviseur();
    const Fraction a = Attendue();
    Correction c;
    if (a.d == 1) c.nombre = Groupe(a.n);
    if (a.d == 1 && niveau_ <= 3) {
        c.court = true;
        c.un = Groupe(q_.n / g);
        c.exposant = Texte(e_);
        return c;
    }
    if (numerateur_) {
        for (int i = 0; i < e_; ++i) c.un += (i ? "x" : "") + Texte(q_.n);
        c.ud = Texte(q_.d);
    } else {
        c.un = Texte(q_.n / g);
        c.ud = Texte(q_.d / g);
        c.exposant = Texte(e_);
    }
    c.resultat = {Groupe(a.n), a.d == 1 ? std::string() : Groupe(a.d)};
    return c;
}

Exercice::Decision Sujet::Filtre(int entree, char32_t c, int curseur, const std::u32string& texte) const {
    return Filtre_Fraction_Signee(entree, c, curseur, texte);
}

}  // namespace Qpuiss
