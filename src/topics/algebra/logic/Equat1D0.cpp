#include "topics/algebra/logic/Equat1D0.hpp"

#include <algorithm>
#include <cmath>

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"
#include "framework/logic/Symbole.hpp"
#include "topics/decimal/logic/Decimaux.hpp"

namespace Equat1D0 {

namespace {

using Reel = long double;

std::string T(Reel x) { return Commune::Texte_Reel(x, 2); }
std::string T8(Reel x) { return Commune::Texte_Reel(x, 8); }

// The draws, one after the other in the order they are written.
Reel Dixiemes() { return Random(10) / 10.0L; }
// Random(n) + 1 + Random(10)/10
Reel Entier_Plus_Un_Et_Dixiemes(int32_t n) {
    const Reel e = Random(n) + 1;
    return e + Dixiemes();
}
// Random(n) + Random(10)/10
Reel Entier_Et_Dixiemes(int32_t n) {
    const Reel e = Random(n);
    return e + Dixiemes();
}
// Random(100) + 0.1 + Random(10)/10
Reel Au_Moins_Un_Dixieme() {
    const Reel e = Random(100) + 0.1L;
    return e + Dixiemes();
}
// 50 - Random(100)
Reel Centre_50() { return 50 - Random(100); }
// 50 - Random(100) + 0.1 + Random(10)/10
Reel Centre_50_Et_Dixiemes() {
    const Reel e = Centre_50() + 0.1L;
    return e + Dixiemes();
}
// Random(100) + 1 + Random(parts) / parts
Reel Entier_Et_Fraction(int32_t parts) {
    const Reel e = Random(100) + 1;
    return e + static_cast<Reel>(Random(parts)) / parts;
}
// 50 - Random(100) + Random(parts) / parts
Reel Centre_50_Et_Fraction(int32_t parts) {
    const Reel e = Centre_50();
    return e + static_cast<Reel>(Random(parts)) / parts;
}

constexpr std::array<int32_t, 4> Generateurs{7, 15, 2, 4};

// "c - b" written with the sign of b: "7.5 - 2.5", "7.5 + 2.5".
std::string Moins(Reel c, Reel b) { return b > 0 ? T(c) + " - " + T(b) : T(c) + " + " + T(std::fabs(b)); }

}  // namespace

void Sujet::Prepare(int niveau) {
    niveau_ = std::clamp(niveau, 1, 4);
    generateur_ = Random(Generateurs[static_cast<std::size_t>(niveau_ - 1)]);
}

void Sujet::Tire_Valeurs() {
    a_ = 1;
    b_ = c_ = d_ = 0;
    switch (niveau_) {
    case 1:
        switch (generateur_) {
        case 0: a_ = Entier_Plus_Un_Et_Dixiemes(100); c_ = Entier_Et_Dixiemes(100); break;
        case 1: a_ = Entier_Plus_Un_Et_Dixiemes(100); c_ = Entier_Et_Dixiemes(500); break;
        case 2: a_ = (Random(100) + 1) * 0.25L; c_ = Random(100) * 0.25L; break;
        case 3: a_ = Entier_Plus_Un_Et_Dixiemes(10); c_ = Random(100) * a_; break;
        case 4: a_ = Random(100) + 1; c_ = Random(100); break;
        case 5: a_ = Random(100) + 1; c_ = Random(3); break;
        default: a_ = Au_Moins_Un_Dixieme(); c_ = a_; break;
        }
        break;
    case 2:
        if (generateur_ <= 5) {
            b_ = Centre_50();
            b_ += Dixiemes();
            c_ = Entier_Et_Dixiemes(100);
        } else if (generateur_ <= 11) {
            b_ = Centre_50();
            c_ = Random(100);
        } else if (generateur_ == 12) {
            b_ = -Entier_Et_Dixiemes(100);
            c_ = 0;
        } else if (generateur_ == 13) {
            c_ = Au_Moins_Un_Dixieme();
            b_ = c_;
        } else {
            c_ = Random(100) + 1;
            b_ = -c_;
        }
        break;
    case 3:
        if (generateur_ == 0) {
            a_ = Au_Moins_Un_Dixieme();
            b_ = Centre_50_Et_Dixiemes();
            c_ = Entier_Et_Dixiemes(100);
        } else {
            a_ = Random(100) + 1;
            b_ = Centre_50();
            c_ = Random(100);
        }
        break;
    default:
        // a, b, then c and d drawn the same way.
        for (auto [x, y] : {std::pair{&a_, &b_}, std::pair{&c_, &d_}}) {
            switch (generateur_) {
            case 0: *x = Random(100) + 1; *y = Centre_50(); break;
            case 1: *x = Entier_Plus_Un_Et_Dixiemes(100); *y = Centre_50_Et_Dixiemes(); break;
            case 2: *x = Entier_Et_Fraction(2); *y = Centre_50_Et_Fraction(2); break;
            default: *x = Entier_Et_Fraction(4); *y = Centre_50_Et_Fraction(4); break;
            }
        }
        break;
    }
}

bool Sujet::Rejete() const {
    switch (niveau_) {
    case 1: return a_ == 1;
    case 2: return c_ - b_ < 0 || b_ == 0;
    case 3: return a_ == 1 || c_ - b_ < 0 || b_ == 0;
    default:
        return a_ == 1 || b_ == 1 || a_ - c_ <= 0 || a_ - c_ == 1 || a_ * c_ == 0 || b_ * d_ == 0 || d_ - b_ < 0;
    }
}

void Sujet::Genere(int niveau) {
    if (std::clamp(niveau, 1, 4) != niveau_) Prepare(niveau);
    do Tire_Valeurs(); while (Rejete());
    Resout();
}

void Sujet::Resout() {
    const std::string egal = "=";
    const std::string environ = Symbole::Environ;
    solution_ = {};
    auto& [l1, l2, l3, l4, l5] = solution_;
    // Lines 4 and 5 of a quotient q: its long form when it is not the answer.
    auto fin = [&](Reel q) {
        if (T8(q) != attendu_) {
            l4 = {"x", environ, T8(q)};
            l5 = {"x", environ, attendu_};
        } else {
            l4 = {"x", egal, attendu_};
        }
    };
    switch (niveau_) {
    case 1:
        attendu_ = T(c_ / a_);
        l1 = {T(a_) + " x", egal, T(c_)};
        l2 = {"x", egal, T(c_) + " : " + T(a_)};
        if (T8(c_ / a_) != attendu_) {
            l3 = {"x", egal, T8(c_ / a_)};
            l4 = {"x", environ, attendu_};
        } else {
            l3 = {"x", egal, attendu_};
        }
        break;
    case 2:
        attendu_ = T(c_ - b_);
        l1 = {b_ > 0 ? "x +" + T(b_) : "x -" + T(std::fabs(b_)), egal, T(c_)};
        l2 = {"x", egal, Moins(c_, b_)};
        l3 = {"x", egal, T8(c_ - b_)};
        break;
    case 3:
        attendu_ = T((c_ - b_) / a_);
        l1 = {T(a_) + " x", egal, Moins(c_, b_)};
        l2 = {T(a_) + " x", egal, T(c_ - b_)};
        l3 = {"x", egal, T(c_ - b_) + " : " + T(a_)};
        fin((c_ - b_) / a_);
        break;
    default: {
        attendu_ = T((d_ - b_) / (a_ - c_));
        const std::string droite = d_ > 0 ? Moins(d_, b_) : "- " + T(std::fabs(d_)) + (b_ > 0 ? " - " + T(b_) : " + " + T(std::fabs(b_)));
        l1 = {T(a_) + " x - " + T(c_) + " x", egal, droite};
        l2 = {T(a_ - c_) + " x", egal, T(d_ - b_)};
        l3 = {"x", egal, T(d_ - b_) + " : " + T(a_ - c_)};
        fin((d_ - b_) / (a_ - c_));
        break;
    }
    }
}

std::string Sujet::Cle() const {
    switch (niveau_) {
    case 1: return T(a_) + T(c_);
    case 2: return T(b_) + T(c_);
    case 3: return T(a_) + T(b_) + T(c_);
    default: return T(a_) + T(b_) + T(c_) + T(d_);
    }
}

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    Exercice::Verdict v;
    v.juste = Commune::Normalise_Decimal(Exercice::Reponse(reponses, 0)) == attendu_;
    v.titre_faux = "Faux c'est :";
    v.correction = attendu_;
    return v;
}

Exercice::Decision Sujet::Filtre(int, char32_t c, int curseur, const std::u32string& texte) const {
    return Decimaux::Filtre_Decimal(c, curseur, texte);
}

}  // namespace Equat1D0
