#include "topics/algebra/logic/Equat2d.hpp"

#include <bitset>
#include <cmath>
#include <cstdlib>

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"
#include "topics/algebra/logic/Equat1d.hpp"

namespace Equat2d {

using Commune::Coef_Texte;
using Commune::Groupe_Chiffres;
using Commune::Normalise_Decimal;
using Commune::Parenthese_Negatif;
using Commune::Signe_Plus;
using Commune::Texte_Fixe;

namespace {

std::string N(int64_t n) { return std::to_string(n); }
int32_t R101() { return Random(101) - 50; }

// Lx beside a fraction: the 4-decimal value, then the rounded one when they differ.
std::string Valeur(const std::string& t2, const std::string& t4) {
    const std::string n2 = Normalise_Decimal(t2), n4 = Normalise_Decimal(t4);
    return n4 != n2 ? "= " + Groupe_Chiffres(n4) + " = " + n2 : "= " + n2;
}

void Textes_Racines(Solution& s) {
    s.x1_2 = Texte_Fixe(s.x1, 2);
    s.x1_4 = Texte_Fixe(s.x1, 4);
    s.x2_2 = Texte_Fixe(s.x2, 2);
    s.x2_4 = Texte_Fixe(s.x2, 4);
}

void Carres(const Equation& e, Solution& s) {
    const int64_t A = e.A(), G = int64_t{e.cd} - e.cg;  // A x² = G, both squares
    const long double alpha = std::sqrt(static_cast<long double>(A));
    const long double gamma = std::sqrt(static_cast<long double>(G));
    std::string a = Normalise_Decimal(Texte_Fixe(alpha, 4));
    if (a == "1") a.clear();
    const std::string g = Normalise_Decimal(Texte_Fixe(gamma, 4));
    s.LRep0 = Coef_Texte(A) + " x² - " + N(G) + " = 0" + "     soit    (" + a + " x + " + g + ")(" + a + " x - " + g +
              ") = 0";
    Ligne_Racine &r1 = s.racines[0], &r2 = s.racines[1];
    if (alpha <= 1.0000001L) {
        s.x1 = -gamma;
        s.x2 = gamma;
        Textes_Racines(s);
        r1 = {false, {}, {}, Normalise_Decimal(s.x1_2), 40};
        r2 = {false, {}, {}, Normalise_Decimal(s.x2_2), 312};
        return;
    }
    s.x1 = -gamma / alpha;
    s.x2 = gamma / alpha;
    Textes_Racines(s);
    r1 = {true, "-" + g, a, Valeur(s.x1_2, s.x1_4), 70};
    r2 = {true, g, a, Valeur(s.x2_2, s.x2_4), 334};
}

void Facteur_Commun(const Equation& e, Solution& s) {
    const int64_t A = e.A(), B = e.B();  // A x² + B x = 0
    const int64_t d = Commune::Pgcd3(static_cast<uint16_t>(std::abs(A)), static_cast<uint16_t>(std::abs(B)),
                                     static_cast<uint16_t>(std::abs(B)));
    const int64_t signe = A < 1 ? -1 : 1;
    std::string F = N(signe * d);
    if (F == "1") F.clear();
    else if (F == "-1") F = "-";
    s.LRep0 = Coef_Texte(A) + "x² " + Signe_Plus(Coef_Texte(B)) + " x = 0" + "    soit    " + F + " x (" +
              Coef_Texte(signe * A / d) + " x " + Signe_Plus(N(signe * B / d)) + ") = 0";
    s.x1 = 0;
    s.x2 = static_cast<long double>(-B / d) / static_cast<long double>(A / d);
    Textes_Racines(s);
    s.racines[0] = {false, {}, {}, Normalise_Decimal(s.x1_2), 40};
    if (A / d == 1) s.racines[1] = {false, {}, {}, Normalise_Decimal(s.x2_2), 312};
    else s.racines[1] = {true, N(-signe * B / d), N(signe * A / d), Valeur(s.x2_2, s.x2_4), 344};
}

void Discriminant(const Equation& e, Solution& s) {
    const int64_t A = e.A(), B = e.B(), C = e.C();
    const int64_t delta = B * B - 4 * C * A;
    s.discriminant = true;
    s.Ldelta = "= " + Parenthese_Negatif(B) + "² " + " -4 x " + Parenthese_Negatif(A) + " x " + Parenthese_Negatif(C) +
               " = " + Groupe_Chiffres(N(delta));
    if (e.niveau == 4) {
        const auto P = [](const std::string& t) { return !t.empty() && t[0] == '-' ? t : "+" + t; };
        s.LRep0 = Coef_Texte(A) + " x² " + P(Coef_Texte(B)) + " x " + P(N(C)) + " = 0";
    }
    if (delta < 0) {
        s.x1_2 = s.x1_4 = s.x2_2 = s.x2_4 = "/";
        s.LRacDelta = "= /";
        s.racines[0] = {false, {}, {}, " /", 40};
        s.racines[1] = {false, {}, {}, " /", 312};
        return;
    }
    const long double rd = std::sqrt(static_cast<long double>(delta));
    s.x1 = (static_cast<long double>(-B) - rd) / static_cast<long double>(2 * A);
    s.x2 = (static_cast<long double>(-B) + rd) / static_cast<long double>(2 * A);
    Textes_Racines(s);
    const std::string r = Groupe_Chiffres(Normalise_Decimal(Texte_Fixe(rd, 5)));
    s.LRacDelta = "= " + r;
    const std::string deno = "2 x " + Parenthese_Negatif(A);
    s.racines[0] = {true, "-" + Parenthese_Negatif(B) + " - " + r, deno, Valeur(s.x1_2, s.x1_4), 152};
    s.racines[1] = {true, "-" + Parenthese_Negatif(B) + " + " + r, deno, Valeur(s.x2_2, s.x2_4), 425};
}

}  // namespace

bool Est_Carre(int64_t n) {
    // Asked for at every draw of level 1: a table of the squares.
    static const std::bitset<180 * 180 + 1> carres = [] {
        std::bitset<180 * 180 + 1> b;
        for (int k = 1; k <= 180; ++k) b.set(static_cast<std::size_t>(k * k));
        return b;
    }();
    return n >= 1 && n <= 180 * 180 && carres.test(static_cast<std::size_t>(n));
}

Equation Tire(int niveau) {
    Equation e;
    e.niveau = niveau;
    switch (niveau) {
    case 1:
        e.carres = Random(3) < 2;
        if (e.carres) {
            do {
                do {
                    e.ag = R101();
                    e.ad = R101();
                } while (!Est_Carre(e.A()));
                e.bg = R101();
                e.bd = e.bg;
                e.cg = R101();
                e.cd = R101();
            } while (!Est_Carre(int64_t{e.cd} - e.cg));
        } else {
            do {
                e.ag = R101();
                do e.ad = R101();
                while (e.ad == e.ag);
                e.bg = R101();
                e.bd = R101();
                e.cg = R101();
                e.cd = e.cg;
            } while (e.bg == e.bd);
        }
        break;
    case 2:
        do {
            const int32_t r1 = Random(21) - 10, r2 = Random(21) - 10;
            e.ag = Random(21) - 10;
            e.bg = -e.ag * (r1 + r2);
            e.cg = e.ag * r1 * r2;
        } while (e.ag * e.cg == 0);
        break;
    case 3:
        do {
            e.ag = Random(20) - 3;
            e.bg = Random(20) - 10;
            e.cg = Random(20) - 17;
        } while (e.ag == 0);
        break;
    default:
        do {
            e.ag = Random(30) - 3;
            e.ad = Random(30) - 15;
            e.bg = Random(30) - 15;
            e.bd = Random(30) - 15;
            e.cg = Random(30) - 15;
            e.cd = Random(30) - 3;
        } while (e.ag == e.ad);
    }
    return e;
}

std::string Cle(const Equation& e) {
    return N(e.ag) + " " + N(e.ad) + " " + N(e.bg) + " " + N(e.bd) + " " + N(e.cg) + " " + N(e.cd);
}

Affichage Affiche(const Equation& e) {
    Affichage a;
    const bool gauche_x = e.ag != 0 || e.bg != 0;
    a.Unite1 = {Coef_Texte(e.ag) + "x", e.ag != 0};
    a.L_Bg = {(e.ag != 0 ? Signe_Plus(Coef_Texte(e.bg)) : Coef_Texte(e.bg)) + "x", e.bg != 0};
    a.L_Cg = {gauche_x ? Signe_Plus(N(e.cg)) : N(e.cg), e.cg != 0 || !gauche_x};
    a.L_Cd = {N(e.cd), e.cd != 0 || (e.ad == 0 && e.bd == 0)};
    a.L_Bd = {(e.cd != 0 ? Signe_Plus(Coef_Texte(e.bd)) : Coef_Texte(e.bd)) + "x", e.bd != 0};
    a.Unite2 = {(e.cd != 0 || e.bd != 0 ? Signe_Plus(Coef_Texte(e.ad)) : Coef_Texte(e.ad)) + "x", e.ad != 0};
    return a;
}

Solution Resout(const Equation& e) {
    Solution s;
    s.Labc = "a = " + N(e.A()) + "        b = " + N(e.B()) + "        c = " + N(e.C());
    s.LRep1 = "équation se ramenant au 1 er degré";
    if (e.niveau >= 2) Discriminant(e, s);
    else if (e.carres) Carres(e, s);
    else Facteur_Commun(e, s);
    return s;
}

std::string Consigne(int niveau) {
    return niveau == 2 ? "Résoudre" : "Résoudre, éventuellement à 0,01 près (et 3,125 ---> 3,13)";
}

void Sujet::Genere(int niveau) {
    equation_ = Tire(niveau);
    solution_ = Resout(equation_);
}

std::string Sujet::Attendu1() const { return Normalise_Decimal(solution_.x1_2); }
std::string Sujet::Attendu2() const { return Normalise_Decimal(solution_.x2_2); }

std::string Sujet::Refuse(const std::vector<std::string>& reponses) const {
    const std::string u = Exercice::Reponse(reponses, 0), v = Exercice::Reponse(reponses, 1);
    if ((u == "/" || v == "/") && u != v) return "Taper    /    POUR  x1  ET  POUR  x2";
    return {};
}

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    const auto lu = [&reponses](std::size_t i) {
        return Commune::Enleve_Plus(Normalise_Decimal(Exercice::Reponse(reponses, i)));
    };
    const std::string u1 = lu(0), u2 = lu(1), r1 = Attendu1(), r2 = Attendu2();
    Exercice::Verdict v;
    v.juste = (u1 == r1 && u2 == r2) || (u1 == r2 && u2 == r1);
    v.correction = "x1 = " + r1 + "   x2 = " + r2;
    return v;
}

Exercice::Decision Sujet::Filtre(int, char32_t c, int curseur, const std::u32string& texte) const {
    return Equat1d::Filtre_Solution(c, curseur, texte, U"+-/");
}

}  // namespace Equat2d
