#include "topics/algebra/logic/Syst.hpp"

#include <algorithm>
#include <cstdlib>

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"
#include "topics/algebra/logic/Equat1d.hpp"

namespace Syst {

using Commune::Coef_Texte;
using Commune::Signe_Plus;
using Commune::Texte_Reel;

namespace {

int32_t R21() { return Random(21) - 10; }
int32_t R31() { return Random(31) - 15; }
std::string N(int64_t n) { return std::to_string(n); }
long double Q(int64_t a, int64_t b) { return static_cast<long double>(a) / static_cast<long double>(b); }

void Tire_Niveau1(Systeme& s) {
    Membre &g1 = s.M1g(), &d1 = s.M1d(), &g2 = s.M2g(), &d2 = s.M2d();
    do {
        s.X = Random(61) - 30;
        s.Y = Random(61) - 30;
        g1.A = R21();
        g1.B = R21();
        d1.A = g1.A * s.X + g1.B * s.Y;
        g2.A = R21();
        g2.B = R21();
        d2.A = g2.A * s.X + g2.B * s.Y;
    } while (g1.A * g1.B * g2.A * g2.B == 0);
}

void Tire_Niveau2(Systeme& s) {
    Membre &g1 = s.M1g(), &d1 = s.M1d(), &g2 = s.M2g(), &d2 = s.M2d();
    do {
        g1.A = R31();
        g1.B = R31();
        d1.A = R31();
        g2.A = R31();
        g2.B = R31();
        d2.A = R31();
    } while (g1.A * g1.B * g2.A * g2.B == 0 || (g1.A == d1.A && g2.A == d2.A));
}

void Tire_Niveaux34(Systeme& s, int niveau) {
    Membre &g1 = s.M1g(), &d1 = s.M1d(), &g2 = s.M2g(), &d2 = s.M2d();
    do {
        g1.A = R21();
        g1.B = R21();
        d1.A = R21();
        g2.A = R21();
        g2.B = R21();
        d2.A = R21();
    } while (g1.A == 0 || g1.B == 0 || d1.A == 0 || g2.A == 0 || g2.B == 0 || d2.A == 0);
    d1.B = R21();
    d2.B = R21();
    if (niveau == 4) {
        do {
            g1.D = Random(6) + 1;
            g2.D = Random(6) + 1;
            d1.D = Random(6) + 1;
            d2.D = Random(6) + 1;
        } while (g1.D * g2.D * d1.D * d2.D < 2);
    }
    // A constant on the right only beside a y term (and, at level 4, over a
    // denominator).
    const auto constante_droite = [niveau](const Membre& d) {
        return d.B != 0 && (niveau != 4 || d.D != 1) ? R21() : 0;
    };
    g1.K = R21();
    d1.K = constante_droite(d1);
    g2.K = R21();
    d2.K = constante_droite(d2);
}

// The substitution that draws the unknown of coefficient `c` out of its equation.
std::string Substitution(int rang, int64_t a1, int64_t b1, int64_t c1, int64_t a2, int64_t b2, int64_t c2) {
    const auto k = [](long double v) {
        const std::string t = Texte_Reel(v, 4);
        return t == "1" ? std::string() : t == "-1" ? std::string("-") : t;
    };
    const auto t = [](long double v) {
        const std::string s = Texte_Reel(v, 4);
        if (s == "0") return std::string();
        return v > 0 ? "+" + s : s;
    };
    const std::string debut = "Méthode de substitution, tirer ";
    switch (rang) {
    case 0: return debut + "x de (1) : x = " + k(-Q(b1, a1)) + "y" + t(Q(c1, a1)) + " et remplacer dans (2)";
    case 1: return debut + "y de (1) : y = " + k(-Q(a1, b1)) + "x" + t(Q(c1, b1)) + " et remplacer dans (2)";
    case 2: return debut + "x de (2) : x = " + k(-Q(b2, a2)) + "y" + t(Q(c2, a2)) + " et remplacer dans (1)";
    default: return debut + "y de (2) : y = " + k(-Q(a2, b2)) + "x" + t(Q(c2, b2)) + " et remplacer dans (1)";
    }
}

}  // namespace

Systeme Tire(int niveau) {
    Systeme s;
    s.niveau = niveau;
    if (niveau == 1) Tire_Niveau1(s);
    else if (niveau == 2) Tire_Niveau2(s);
    else Tire_Niveaux34(s, niveau);
    return s;
}

std::string Cle(const Systeme& s) {
    return N(s.M1g().A) + " " + N(s.M1d().A) + " " + N(s.M1g().B) + " " + N(s.M2g().A) + " " + N(s.M2g().B) + " " +
           N(s.M2d().A);
}

Reduit Reduit_De(const Systeme& s) {
    const Membre &g1 = s.M1g(), &d1 = s.M1d(), &g2 = s.M2g(), &d2 = s.M2d();
    if (s.niveau <= 2) return {g1.A, g1.B, d1.A, g2.A, g2.B, d2.A};
    if (s.niveau == 3)
        return {g1.A - d1.A, g1.B - d1.B, d1.K - g1.K, g2.A - d2.A, g2.B - d2.B, d2.K - g2.K};
    const auto ligne = [](const Membre& g, const Membre& d, int64_t& P, int64_t& Q, int64_t& R) {
        P = int64_t{d.D} * g.A - int64_t{g.D} * d.A;
        Q = int64_t{d.D} * g.B - int64_t{g.D} * d.B;
        R = int64_t{d.D} * g.D * (d.K - g.K);
    };
    Reduit r;
    ligne(g1, d1, r.P1, r.Q1, r.R1);
    ligne(g2, d2, r.P2, r.Q2, r.R2);
    return r;
}

Solution Resout(const Reduit& r) {
    Solution s;
    const int64_t det = r.P1 * r.Q2 - r.Q1 * r.P2;
    // An equation 0x + 0y = R with R not 0 holds for no couple at all.
    const bool sans_solution = (r.P1 == 0 && r.Q1 == 0 && r.R1 != 0) || (r.P2 == 0 && r.Q2 == 0 && r.R2 != 0);
    if (sans_solution) return {"/", "/", "/", "/"};
    if (det != 0) {
        const int64_t nx = r.R1 * r.Q2 - r.Q1 * r.R2, ny = r.P1 * r.R2 - r.P2 * r.R1;
        s = {Texte_Reel(Q(nx, det), 2), Texte_Reel(Q(ny, det), 2), Texte_Reel(Q(nx, det), 5),
             Texte_Reel(Q(ny, det), 5)};
    } else {
        s.x2 = s.x5 = r.Q1 * r.R2 == r.Q2 * r.R1 ? "I" : "/";
        s.y2 = s.y5 = r.P1 * r.R2 == r.P2 * r.R1 ? "I" : "/";
    }
    if (s.x2 == "/" || s.y2 == "/") s = {"/", "/", "/", "/"};
    return s;
}

std::string Ligne_Solution(const Solution& s) {
    const auto partie = [](const std::string& nom, const std::string& t2, const std::string& t5) {
        return t2 == t5 ? nom + " = " + t2 : nom + " = " + Commune::Groupe_Chiffres(t5) + " = " + t2;
    };
    return partie("x", s.x2, s.x5) + "       " + partie("y", s.y2, s.y5);
}

std::string Commentaire(const Solution& s) {
    if (s.x2 == "/") return "(Impossible, 0 couple-solution)";
    if (s.x2 == "I") return "(Indeterminé, infinité de couples-solutions)";
    return {};
}

std::string Methode(const Systeme& s, const Solution& sol) {
    if (s.niveau > 2 || sol.x2 == "I" || sol.x2 == "/") return {};
    const int64_t a1 = s.M1g().A, b1 = s.M1g().B, c1 = s.M1d().A;
    const int64_t a2 = s.M2g().A, b2 = s.M2g().B, c2 = s.M2d().A;
    const std::string addition = "Méthode d'addition  : ";
    if (a1 == -a2 || b1 == -b2) return addition + "ajouter les équations membre à membre";
    if (a1 == a2 || b1 == b2) return addition + "multiplier (1) par -1 et ajouter membre à membre";
    const std::array<int64_t, 4> coefs{a1, b1, a2, b2};
    // The first coefficient of absolute value v, -1 if none.
    const auto premier = [&coefs](int64_t v) {
        for (int i = 0; i < 4; ++i)
            if (std::abs(coefs[i]) == v) return i;
        return -1;
    };
    int64_t m = std::abs(a1);
    for (int64_t c : coefs) m = std::min(m, std::abs(c));
    if (m <= 2) return Substitution(premier(m), a1, b1, c1, a2, b2, c2);
    const auto par = [&addition](const char* equation, int64_t v) {
        return addition + "multiplier " + equation + " par " + N(v) + " et ajouter membre à membre";
    };
    if (Commune::Est_Divisible(a2, a1)) return par("(2)", -(a1 / a2));
    if (Commune::Est_Divisible(a1, a2)) return par("(1)", -(a2 / a1));
    if (Commune::Est_Divisible(b2, b1)) return par("(2)", -(b1 / b2));
    if (Commune::Est_Divisible(b1, b2)) return par("(1)", -(b2 / b1));
    for (int64_t v : {10, 5})
        if (const int i = premier(v); i >= 0) return Substitution(i, a1, b1, c1, a2, b2, c2);
    const auto ppcm = [](int64_t u, int64_t v) {
        return int64_t{Commune::Ppcm3(static_cast<uint16_t>(std::abs(u)), static_cast<uint16_t>(std::abs(v)),
                                      static_cast<uint16_t>(std::abs(v)))};
    };
    const int64_t La = ppcm(a1, a2), Lb = ppcm(b1, b2);
    const auto combine = [&addition](int64_t L, int64_t u, int64_t v) {
        const int64_t signe = u * v <= 0 ? 1 : -1;
        return addition + "multiplier (1) par " + N(L / std::abs(u)) + ", (2) par " + N(L / std::abs(v) * signe) +
               " puis additionner";
    };
    return Lb < La ? combine(Lb, b1, b2) : combine(La, a1, a2);
}

std::string Ligne_Simplifiee(int64_t P, int64_t Q, int64_t R) {
    return Commune::Cadre_Droite(Coef_Texte(P), 3) + " x " + Commune::Cadre_Gauche(Commune::Ajoute_Plus(Coef_Texte(Q)), 3) +
           " y = " + N(R);
}

Affichage Affiche(const Systeme& s) {
    Affichage a;
    const int n = s.niveau;
    for (std::size_t i = 0; i < 4; ++i) {
        const Membre& m = s.membres[i];
        Affichage_Membre& am = a.membres[i];
        const bool droite = i % 2 == 1;
        const bool premiere = i < 2;
        am.haut = premiere ? 46 : 110;
        if (n <= 2 && droite) {
            // The right-hand constant alone.
            am.A = {N(m.A), true};
            am.X = {"x", false};
            am.B = {Signe_Plus(Coef_Texte(m.B)), false};
            am.Y = {"y", false};
            am.K = {Signe_Plus(N(m.K)), false};
            continue;
        }
        am.A = {Coef_Texte(m.A), true};
        am.X = {"x", true};
        am.B = {Signe_Plus(Coef_Texte(m.B)), n <= 2 || m.B != 0};
        am.Y = {"y", am.B.visible};
        am.K = {Signe_Plus(N(m.K)), n >= 3 && m.K != 0};
        am.D = N(m.D);
        am.denominateur = n == 4 && m.D != 1;
        if (am.denominateur) am.haut = premiere ? 30 : 95;
    }
    if (n == 1) {
        a.consigne = "Calculer x et y";
    } else {
        a.consigne = "Calculer x et y, éventuellement à 0.01 près (et 4.125 ---> 4.13, / : impossible, I : indéterminé)";
        a.sup = "Penser à calculer la 2ème inconnue à partir d'une valeur aussi exacte que possible de la 1ère !";
    }
    a.simplifie = n == 3;
    return a;
}

void Sujet::Genere(int niveau) {
    systeme_ = Tire(niveau);
    solution_ = Resout(Reduit_De(systeme_));
    methode_ = Syst::Methode(systeme_, solution_);
}

std::string Sujet::Refuse(const std::vector<std::string>& reponses) const {
    const std::string x = Exercice::Reponse(reponses, 0), y = Exercice::Reponse(reponses, 1);
    const auto seul = [](const std::string& t) { return t == "/" || t == "I"; };
    if ((seul(x) || seul(y)) && x != y) return " / : Impossible ou I : Indeterminé  POUR x ET POUR y";
    return {};
}

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    const auto lu = [&reponses](std::size_t i) {
        return Commune::Enleve_Plus(Commune::Normalise_Decimal(Exercice::Reponse(reponses, i)));
    };
    Exercice::Verdict v;
    v.juste = lu(0) == solution_.x2 && lu(1) == solution_.y2;
    v.titre_faux = "Faux c'est :";
    v.correction = Ligne_Solution(solution_);
    return v;
}

Exercice::Decision Sujet::Filtre(int, char32_t c, int curseur, const std::u32string& texte) const {
    return Equat1d::Filtre_Solution(c, curseur, texte);
}

}  // namespace Syst
