#include "topics/algebra/logic/Termes.hpp"

#include <cstdlib>

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"

namespace Termes {

namespace {

int32_t R21() { return Random(21) - 10; }
int32_t R11() { return Random(11) - 5; }
int32_t R21_Non_Nul() {
    int32_t x;
    do x = R21(); while (x == 0);
    return x;
}
int32_t R11_Non_Nul() {
    int32_t x;
    do x = R11(); while (x == 0);
    return x;
}

int Zeros(std::initializer_list<int32_t> v) {
    int n = 0;
    for (int32_t x : v) n += x == 0;
    return n;
}

// Levels 1 and 2: one term a side, A2g x + B2g = A1d x + B1d.
Equation Un_Terme_Par_Membre(int niveau) {
    Equation e;
    e.niveau = niveau;
    e.T1g() = {0, 0, 0, 1};
    e.T2d() = {0, 0, 0, 1};
    e.T2g().K = 1;
    e.T1d().K = 1;
    return e;
}

void Tire_Niveau1(Equation& e) {
    do {
        e.k = R21();
        e.T2g().B = R21();
        e.T1d().A = R21();
        e.T2g().A = R21();
        e.T1d().B = e.k * (e.T2g().A - e.T1d().A) + e.T2g().B;
    } while (e.T2g().A == e.T1d().A || Zeros({e.T2g().A, e.T2g().B, e.T1d().A, e.T1d().B}) > 1);
}

void Tire_Niveau2(Equation& e) {
    do {
        e.T2g().A = R21();
        e.T2g().B = R21();
        e.T1d().A = R21();
        e.T1d().B = R21();
    } while (Zeros({e.T2g().A, e.T2g().B, e.T1d().A, e.T1d().B}) > 1);
}

// The coefficients, constants and factors of levels 3 and 4, after A2g.
void Tire_Facteurs(Equation& e) {
    e.T2g().B = R21_Non_Nul();
    e.T1d().A = R21_Non_Nul();
    e.T1d().B = R21_Non_Nul();
    e.T1g().A = R21_Non_Nul();
    e.T1g().B = R21_Non_Nul();
    e.T2d().A = R21_Non_Nul();
    e.T2d().B = R21_Non_Nul();
    e.T1g().K = R11();
    e.T2d().K = R11();
    e.T2g().K = R11_Non_Nul();
    e.T1d().K = R11_Non_Nul();
}

void Tire_Niveau4(Equation& e) {
    for (;;) {
        e.T2g().A = R21();
        if (e.T2g().A == 0) continue;
        Tire_Facteurs(e);
        e.T1g().D = e.T1g().K > 0 ? Random(6) + 1 : 1;
        e.T2g().D = Random(6) + 1;
        e.T1d().D = Random(6) + 1;
        e.T2d().D = e.T2d().K > 0 ? Random(6) + 1 : 1;
        if (e.T1g().D * e.T2g().D * e.T1d().D * e.T2d().D > 1) return;
    }
}

Etiquette Montre(std::string texte, bool visible = true) { return {std::move(texte), visible}; }

std::string N(int64_t n) { return std::to_string(n); }

}  // namespace

Equation Tire(int niveau) {
    Equation e = Un_Terme_Par_Membre(niveau);
    switch (niveau) {
    case 1: Tire_Niveau1(e); break;
    case 2: Tire_Niveau2(e); break;
    case 3:
        e.T2g().A = R21_Non_Nul();
        Tire_Facteurs(e);
        for (Terme& t : e.termes) t.D = 1;
        break;
    default:
        e.niveau = 4;
        Tire_Niveau4(e);
        break;
    }
    return e;
}

std::string Cle(const Equation& e) {
    std::string cle = e.niveau == 1 ? N(e.k) + " " : std::string();
    cle += N(e.T2g().B) + " " + N(e.T1d().A) + " " + N(e.T2g().A) + " " + N(e.T1d().B);
    if (e.niveau >= 3)
        for (const Terme& t : e.termes) cle += " " + N(t.K) + " " + N(t.A) + " " + N(t.B) + " " + N(t.D);
    return cle;
}

Reduite Reduit(const Equation& e) {
    // Every term over the common product of the denominators (all 1 below
    // level 4; at levels 1 and 2 the factors are 0 or 1).
    const Terme &a = e.T1g(), &b = e.T2g(), &c = e.T1d(), &d = e.T2d();
    const int64_t P = int64_t{a.K} * b.D * c.D * d.D;
    const int64_t Q = int64_t{b.K} * a.D * c.D * d.D;
    const int64_t R = int64_t{c.K} * a.D * b.D * d.D;
    const int64_t S = int64_t{d.K} * a.D * b.D * c.D;
    return {P * a.A + Q * b.A - R * c.A - S * d.A, R * c.B + S * d.B - P * a.B - Q * b.B};
}

Affichage Affiche(const Equation& e) {
    using Commune::Coef_Texte;
    using Commune::Signe_Plus;
    Affichage r;
    auto& [t1g, t2g, t1d, t2d] = r.termes;
    const Terme &a = e.T1g(), &b = e.T2g(), &c = e.T1d(), &d = e.T2d();

    if (e.niveau <= 2) {
        // One term a side: "A x" then the constant, each only when not zero.
        for (auto [t, v] : {std::pair{&t2g, &b}, std::pair{&t1d, &c}}) {
            t->visible = true;
            t->A = Montre(Coef_Texte(v->A), v->A != 0);
            t->X = Montre("x", v->A != 0);
            t->B = Montre(v->A == 0 ? N(v->B) : Signe_Plus(N(v->B)), v->B != 0);
        }
        r.haut_milieu = 43;
        return r;
    }

    const bool niveau4 = e.niveau >= 4;
    // 1. Which terms show.
    t1g.visible = a.K != 0;
    t2g.visible = t1d.visible = true;
    t2d.visible = d.K != 0;
    r.Sg.visible = t1g.visible;
    r.Sd.visible = t2d.visible;
    // 5. Coefficients, "x" and constants.
    for (auto [t, v] : {std::pair{&t1g, &a}, std::pair{&t2g, &b}, std::pair{&t1d, &c}, std::pair{&t2d, &d}}) {
        t->A = Montre(Coef_Texte(v->A));
        t->X = Montre("x");
        t->B = Montre(Signe_Plus(N(v->B)));
    }
    // 2. The first terms' factors, bracketed unless 1.
    for (auto [t, v] : {std::pair{&t1g, &a}, std::pair{&t1d, &c}}) {
        t->K = Montre(Coef_Texte(v->K));
        t->PARO = Montre("(", v->K != 1);
        t->PARF = Montre(")", v->K != 1);
    }
    // 3. The second terms' factors: their sign goes between the terms.
    t2g.K = Montre(Coef_Texte(t1g.visible ? std::abs(b.K) : b.K));
    r.Sg.texte = b.K < 0 ? "-" : "+";
    t2d.K = Montre(Coef_Texte(std::abs(d.K)));
    r.Sd.texte = d.K < 0 ? "-" : "+";
    // 4. Their brackets: over a denominator a factor 1 or -1 needs none.
    for (auto [t, v] : {std::pair{&t2g, &b}, std::pair{&t2d, &d}}) {
        const bool avec = niveau4 && v->D != 1 ? std::abs(v->K) != 1 : v->K != 1;
        t->PARO = Montre("(", avec);
        t->PARF = Montre(")", avec);
    }
    // 6. A bracket-free second term whose coefficient is negative shows its
    // minus sign between the terms.
    if (b.K == 1 && a.K != 0 && b.A < 0 && (!niveau4 || b.D == 1)) {
        t2g.A.texte = Coef_Texte(std::abs(b.A));
        r.Sg.texte = "-";
    }
    if (d.K == 1 && d.A < 0 && (!niveau4 || d.D == 1)) {
        t2d.A.texte = Coef_Texte(std::abs(d.A));
        r.Sd.texte = "-";
    }
    // 7. Alone on its side over a denominator, -1 shows as a minus in front
    // of the fraction bar.
    if (niveau4 && b.K == -1 && b.D > 1 && a.K == 0) {
        t2g.K.texte = "";
        r.Sg = Montre("-");
    }
    // 8. Denominators.
    if (niveau4) {
        for (std::size_t i = 0; i < 4; ++i) r.termes[i].D = N(e.termes[i].D);
        t1g.denominateur = a.D != 1 && a.K != 0;
        t2g.denominateur = b.D != 1;
        t1d.denominateur = c.D != 1;
        t2d.denominateur = d.D != 1 && d.K != 0;
    }
    // 9. Tops: at level 4 a term without denominator stands on the bars' line.
    if (niveau4) {
        r.haut_signes = r.haut_milieu = 68;
        r.axe = 77;
        for (std::size_t i = 0; i < 4; ++i) r.termes[i].haut = e.termes[i].D == 1 ? 55 : 33;
    } else {
        r.haut_signes = r.haut_milieu = 44;
    }
    return r;
}

}  // namespace Termes
