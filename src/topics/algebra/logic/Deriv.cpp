#include "topics/algebra/logic/Deriv.hpp"

#include <algorithm>

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"

namespace Deriv {

using Commune::Coef_Texte;
using Commune::Enleve_Plus;
using Commune::Groupe_Chiffres;
using Commune::Signe_Plus;

namespace {
std::string N(int64_t n) { return std::to_string(n); }
int R21() { return Random(21) - 10; }
int64_t Puissance(int64_t x, int k) {
    int64_t r = 1;
    for (int i = 0; i < k; ++i) r *= x;
    return r;
}
// Digits grouped by three, the sign kept in front of them.
std::string Groupe(int64_t n) { return (n < 0 ? "-" : "") + Groupe_Chiffres(N(n < 0 ? -n : n)); }
bool Signe_En_Tete(const std::string& t) { return !t.empty() && (t[0] == '+' || t[0] == '-'); }
}  // namespace

std::string Terme_Texte(int64_t c, int e) { return c != 0 && e != 0 ? Coef_Texte(c) + "x" : N(c); }

std::string Exposant_Texte(int64_t c, int e) { return c != 0 && e != 0 && e != 1 ? N(e) : std::string(); }

int Exposant_Choisi::Courant() const {
    if (!vu.exposant.empty()) return std::stoi(vu.exposant);
    return Montre_X() ? 1 : 0;
}

void Exposant_Choisi::Monte() {
    valeur = std::min(Courant() + 1, 99);
    if (valeur == 0) vu = {};
    else if (valeur == 1) vu = {"x", ""};
    else vu.exposant = N(valeur);
}

void Exposant_Choisi::Descend(bool negatif) {
    const int e = Courant();
    valeur = negatif ? std::max(e - 1, -99) : (e > 0 ? e - 1 : e);
    if (valeur == 1) vu.exposant.clear();
    else if (valeur != 0) vu = {"x", N(valeur)};
    else {
        vu.exposant.clear();
        if (Montre_X()) vu.unite.pop_back();
    }
}

void Sujet::Genere(int niveau) {
    niveau_ = niveau;
    f_ = {};
    coef_ = {};
    exp_ = {};
    derive_x0_ = f_x0_ = p_ = 0;
    x0_ = 0;
    choisi_ = {};
    if (niveau == 1) {
        int a = 0;
        do a = R21();
        while (a == 0);
        const int n = Random(10) - 1;
        f_[0] = {Terme_Texte(a, n), Exposant_Texte(a, n)};
        coef_[0] = int64_t{a} * n;
        exp_[0] = n - 1;
    } else if (niveau == 2) {
        int c = 0, b = 0, d = 0;
        do {
            c = R21();
            b = R21();
            d = R21();
        } while (c == 0 || b == 0 || d == 0);
        const int k2 = Random(2) + 2;
        const int k1 = k2 + 1 + Random(2);
        x0_ = Random(11) - 5;
        f_ = {Monome{Terme_Texte(c, k1), Exposant_Texte(c, k1)},
              Monome{Signe_Plus(Terme_Texte(b, k2)), Exposant_Texte(b, k2)}, Monome{Signe_Plus(Terme_Texte(d, 1)), ""}};
        coef_ = {int64_t{c} * k1, int64_t{b} * k2, d};
        exp_ = {k1 - 1, k2 - 1};
        derive_x0_ = coef_[0] * Puissance(x0_, exp_[0]) + coef_[1] * Puissance(x0_, exp_[1]) + d;
    } else {
        int a2 = 0, b1 = 0, e = 0;
        do {
            a2 = R21();
            b1 = R21();
            e = R21();
        } while (a2 == 0 || b1 == 0 || e == 0);
        x0_ = R21();
        f_ = {Monome{Terme_Texte(a2, 2), "2"}, Monome{Signe_Plus(Terme_Texte(b1, 1)), ""}, Monome{Signe_Plus(N(e)), ""}};
        coef_ = {2 * int64_t{a2}, b1, 0};
        exp_ = {1, 0};
        derive_x0_ = 2 * int64_t{a2} * x0_ + b1;
        f_x0_ = int64_t{a2} * x0_ * x0_ + int64_t{b1} * x0_ + e;
        p_ = f_x0_ - derive_x0_ * x0_;
    }
}

std::string Sujet::Cle() const {
    return N(niveau_) + " " + f_[0].unite + "^" + f_[0].exposant + f_[1].unite + "^" + f_[1].exposant + f_[2].unite +
           " " + N(x0_);
}

Exercice::Decision Sujet::Filtre(int, char32_t c, int curseur, const std::u32string& texte) const {
    return Exercice::Filtre_Entier_Signe(c, curseur, texte);
}

std::string Sujet::Refuse_Apres_Compte(const std::vector<std::string>& r) const {
    using Exercice::Reponse;
    if (niveau_ >= 2 && !Signe_En_Tete(Reponse(r, Coef2))) return "En 2, il faut mettre un signe puis un coefficient !";
    if (niveau_ == 2 && !Signe_En_Tete(Reponse(r, Constante)))
        return "En 3, il faut mettre un signe puis un coefficient !";
    if (niveau_ == 3 && N(p_) != "0" && !Signe_En_Tete(Reponse(r, Ordonnee)))
        return "En 6, il faut mettre un signe puis un coefficient !";
    return {};
}

std::array<std::string, 6> Sujet::Complete(const std::vector<std::string>& r) const {
    std::array<std::string, 6> b;
    for (std::size_t i = 0; i < b.size(); ++i) b[i] = Exercice::Reponse(r, i);
    // Beside an x a coefficient 1 or -1 may be left implicit; a lone "+" never is.
    for (int t = 0; t < 2; ++t) {
        std::string& c = b[t == 0 ? Coef1 : Coef2];
        if (!choisi_[t].Montre_X()) continue;
        if (c.empty()) c = "1";
        else if (c == "-") c = "-1";
    }
    if (niveau_ == 3) {
        if (derive_x0_ == 1 && b[Pente].empty()) b[Pente] = "1";
        if (derive_x0_ == -1 && b[Pente] == "-") b[Pente] = "-1";
    }
    return b;
}

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    const std::array<std::string, 6> b = Complete(reponses);
    const auto E = [&b](Boite i) { return Enleve_Plus(b[i]); };
    bool juste = false;
    if (niveau_ == 1) {
        juste = (E(Coef1) == N(coef_[0]) && choisi_[0].valeur == exp_[0] && E(Coef1) != "0") ||
                (E(Coef1) == "0" && coef_[0] == 0 && !choisi_[0].Montre_X());
    } else {
        const bool termes = E(Coef1) == N(coef_[0]) && choisi_[0].valeur == exp_[0] &&
                            b[Coef2] == Signe_Plus(N(coef_[1])) && choisi_[1].valeur == exp_[1];
        if (niveau_ == 2) {
            juste = termes && b[Constante] == Signe_Plus(N(coef_[2])) && E(Nombre_Derive) == N(derive_x0_);
        } else {
            const bool ordonnee =
                b[Ordonnee] == Signe_Plus(N(p_)) || (p_ == 0 && (b[Ordonnee].empty() || E(Ordonnee) == "0"));
            juste = termes && (b[Constante].empty() || E(Constante) == "0") && E(Nombre_Derive) == N(derive_x0_) &&
                    E(Pente) == N(derive_x0_) && ordonnee;
        }
    }
    Exercice::Verdict v;
    v.juste = juste;
    v.titre_faux = "Faux";
    v.correction = Ligne_Nombre_Derive();
    return v;
}

std::array<Monome, 3> Sujet::Derivee() const {
    std::array<Monome, 3> d;
    d[0] = {"f'(x)=" + Terme_Texte(coef_[0], exp_[0]), Exposant_Texte(coef_[0], exp_[0])};
    if (niveau_ >= 2) d[1] = {Signe_Plus(Terme_Texte(coef_[1], exp_[1])), Exposant_Texte(coef_[1], exp_[1])};
    if (niveau_ == 2) d[2] = {Signe_Plus(N(coef_[2])), ""};
    return d;
}

std::string Sujet::Ligne_Nombre_Derive() const {
    if (niveau_ == 1) return {};
    return "f'(" + N(x0_) + ") = " + Groupe(derive_x0_);
}

std::string Sujet::Ligne_Tangente() const {
    if (niveau_ != 3) return {};
    const std::string p = Signe_Plus(Groupe(p_));
    return "M (" + N(x0_) + ";" + Groupe(f_x0_) + ")" + "\r\n\r\n" + "D : y = " + Coef_Texte(derive_x0_) +
           "x " + (p == "0" ? std::string() : p);
}

}  // namespace Deriv
