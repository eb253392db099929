#include "topics/decimal/logic/Darrond.hpp"

#include <algorithm>
#include <cmath>

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"
#include "topics/decimal/logic/Decimaux.hpp"

namespace Darrond {

using Commune::Groupe_Chiffres;
using Commune::Normalise_Decimal;
using Dencad::Avec_Coefficient;
using Dencad::M2;
using Dencad::M3;
using Dencad::R;
using Dencad::Somme;

namespace {
int Chiffre() { return Random(9) + 1; }
// N(n) of the rows of level 2.
long double Nd(int n) { return Somme({0.1L, M3() / 1000, R(n, 100)}); }
// A coefficient -9..9 other than 0.
int Non_Nul() {
    int c = 0;
    while (c == 0) {
        const int r = Random(10);
        c = r - Random(10);
    }
    return c;
}
constexpr long double Presque_Nul = 1e-7L;
std::string T(long double x) { return Decimaux::Texte_Decimal(x); }
std::string Signe(long double x) { return x < 0 ? "-" : "+"; }
// The absolute coefficient before a root: empty when 1.
std::string Coef_Racine(int c) { return std::abs(c) == 1 ? std::string() : std::to_string(std::abs(c)); }
}  // namespace

void Sujet::Genere(int niveau) {
    niveau_ = niveau < 1 ? 1 : (niveau > 4 ? 4 : niveau);
    j_ = k_ = m_ = n_ = p_ = q_ = sg_ = 1;
    a_ = b_ = c_ = d_ = u_ = v_ = w_ = 0;
    choix_ = niveau_ <= 2 ? Random(4) : 0;
    // A result whose multiples could not be typed in the entry (a level-4
    // denominator very near 0) is drawn again, like any other condition.
    do {
        Tire();
        voisins_ = Multiples_Voisins::Calcule(x_, true);
    } while (Normalise_Decimal(voisins_.inferieur).size() > Longueur ||
             Normalise_Decimal(voisins_.superieur).size() > Longueur);
    mode_ = static_cast<Mode>(Random(3));
}

void Sujet::Tire() {
    switch (niveau_) {
    case 1:
        do {
            switch (choix_) {
            case 0:
                a_ = Somme({M3() / 1000, R(1000, 100), R(100, 10), R(10, 10)});
                b_ = Somme({M2() / 1000, R(1000, 100), R(100, 100), R(10, 10)});
                break;
            case 1:
                a_ = Somme({M2() / 1000, R(1000, 10), R(100, 100), R(10, 10)});
                b_ = Somme({M3() / 1000, R(1000, 10), R(100, 10), R(10, 10)});
                break;
            case 2:
                a_ = Somme({M2() / 100, R(100, 10), 0.1L});
                b_ = Somme({M2() / 100, R(100, 10), 0.1L});
                break;
            default:
                a_ = Somme({R(500, 10), 0.1L});
                b_ = Somme({R(100, 10), 0.1L});
                break;
            }
        } while (choix_ == 1 && a_ - b_ <= 0);
        break;
    case 2: {
        const bool moins_haut = choix_ == 1 || choix_ == 3;
        const bool moins_bas = choix_ >= 2;
        if (choix_ == 0) {
            a_ = Nd(1000);
            p_ = Chiffre();
            b_ = Nd(1000);
        } else {
            do {
                a_ = Nd(2000);
                p_ = Chiffre();
                b_ = Nd(200);
            } while (moins_haut && a_ - p_ * b_ <= 0);
        }
        if (choix_ == 0) {
            c_ = Nd(1000);
            q_ = Chiffre();
            d_ = Nd(1000);
        } else {
            do {
                c_ = choix_ == 2 ? Nd(2000) : Nd(200);
                q_ = Chiffre();
                d_ = choix_ == 2 ? Nd(100) : Nd(500);
            } while (moins_bas && std::fabs(c_ - q_ * d_) <= Presque_Nul);
        }
        break;
    }
    case 3: {
        j_ = Non_Nul();
        switch (Random(3)) {
        case 0: a_ = Somme({R(100, 10), R(10, 10), Chiffre() / 100.0L}); break;
        case 1: a_ = Somme({R(10, 10), Chiffre() / 100.0L}); break;
        default: a_ = Chiffre() / 100.0L; break;
        }
        do {
            const int r = Random(51);
            k_ = r - Random(11);
        } while (k_ == 0);
        b_ = Somme({R(90, 10), R(10, 10), Chiffre() / 100.0L});
        sg_ = Commune::Signe_Aleatoire_Reel(1) < 0 ? -1 : 1;
        c_ = Somme({R(1000, 10), R(100, 10), R(10, 10), Chiffre() / 100.0L});
        break;
    }
    default: {
        auto operande = [] { return Somme({R(100, 10), R(10, 10), Chiffre() / 100.0L}); };
        j_ = Non_Nul();
        a_ = operande();
        k_ = Non_Nul();
        u_ = Somme({R(5000, 10), R(100, 10), R(10, 10), Chiffre() / 100.0L});
        do {
            m_ = Non_Nul();
            v_ = operande();
            n_ = Non_Nul();
            w_ = Somme({R(2000, 10), R(100, 10), R(10, 10), Chiffre() / 100.0L});
        } while (std::fabs(Denominateur()) <= Presque_Nul);
        break;
    }
    }
    Calcule();
}

long double Sujet::Denominateur() const {
    if (niveau_ == 2) return choix_ >= 2 ? c_ - q_ * d_ : c_ + q_ * d_;
    if (niveau_ == 4) return m_ * v_ + n_ * std::sqrt(w_);
    return 1;
}

void Sujet::Calcule() {
    switch (niveau_) {
    case 1:
        x_ = choix_ == 0 ? a_ + b_ : choix_ == 1 ? a_ - b_ : choix_ == 2 ? a_ * b_ : a_ / b_;
        break;
    case 2: {
        const long double haut = (choix_ == 1 || choix_ == 3) ? a_ - p_ * b_ : a_ + p_ * b_;
        x_ = haut / Denominateur();
        break;
    }
    case 3: x_ = j_ * a_ * a_ + k_ * b_ + sg_ * c_; break;
    default: {
        const long double haut = j_ * a_ + k_ * std::sqrt(u_);
        x_ = haut * haut / Denominateur();
        break;
    }
    }
}

void Sujet::Fixe(int niveau, long double x, Mode mode) {
    niveau_ = niveau;
    x_ = x;
    mode_ = mode;
    voisins_ = Multiples_Voisins::Calcule(x_, true);
}

std::string Sujet::Libelle() const {
    std::string l = Multiples_Voisins::Texte_Precision(voisins_.k).libelle;
    if (mode_ == Par_Defaut) l += "  par défaut";
    else if (mode_ == Par_Exces) l += "  par excès";
    return l;
}

Affichage Sujet::Affiche() const {
    Affichage f;
    switch (niveau_) {
    case 1: {
        static const char* const signes[] = {"+", "-", "x", ":"};
        f.ua = {T(a_), ""};
        f.s1 = signes[choix_];
        f.ub = {T(b_), ""};
        break;
    }
    case 2:
        f.fraction = true;
        f.ua = {T(a_), ""};
        f.s1 = (choix_ == 1 || choix_ == 3) ? "-" : "+";
        f.ub = {Avec_Coefficient(p_, T(b_)), ""};
        f.ud = {T(c_), ""};
        f.s3 = choix_ >= 2 ? "-" : "+";
        f.ue = {Avec_Coefficient(q_, T(d_)), ""};
        break;
    case 3:
        f.ua = {Avec_Coefficient(j_, T(a_)), "2"};
        f.s1 = Signe(k_);
        f.ub = {Avec_Coefficient(std::abs(k_), T(b_)), ""};
        f.s2 = Signe(sg_);
        f.uc = {T(c_), ""};
        break;
    default:
        f.fraction = true;
        f.ua = {"( " + Avec_Coefficient(j_, T(a_)), ""};
        f.s1 = Signe(k_);
        f.ub = {Coef_Racine(k_), ""};
        f.racine1 = T(u_);
        f.uc = {")", "2"};
        f.ud = {Avec_Coefficient(m_, T(v_)), ""};
        f.s3 = Signe(n_);
        f.ue = {Coef_Racine(n_), ""};
        f.racine2 = T(w_);
        break;
    }
    return f;
}

std::string Sujet::Cle() const {
    const Affichage f = Affiche();
    return f.ua.texte + f.s1 + f.ub.texte + f.racine1 + f.s2 + f.uc.texte + "/" + f.ud.texte + f.s3 + f.ue.texte +
           f.racine2;
}

Exercice::Decision Sujet::Filtre(int, char32_t c, int curseur, const std::u32string& texte) const {
    return Decimaux::Filtre_Decimal(c, curseur, texte);
}

std::vector<std::string> Sujet::Attendus() const {
    std::vector<std::string> t;
    if (mode_ == Par_Defaut) t = {voisins_.inferieur};
    else if (mode_ == Par_Exces) t = {voisins_.superieur};
    else t = Multiples_Voisins::Plus_Proches(x_, voisins_);
    for (std::string& s : t) s = Normalise_Decimal(s);
    // An exact multiple is its own nearest: written once.
    if (t.size() == 2 && t[0] == t[1]) t.pop_back();
    return t;
}

std::string Sujet::Ligne_C_Est() const {
    const std::string x = Groupe_Chiffres(Multiples_Voisins::Texte_Entre(x_, 5, voisins_));
    if (voisins_.inferieur == voisins_.superieur) return "C'est : " + x;
    return "C'est : " + x + "...(compris entre " + Groupe_Chiffres(voisins_.inferieur) + " et " +
           Groupe_Chiffres(voisins_.superieur) + ")";
}

std::string Sujet::Ligne_Donc() const {
    const std::vector<std::string> t = Attendus();
    if (t.size() == 2) return "donc " + Groupe_Chiffres(t[0]) + " (ou " + Groupe_Chiffres(t[1]) + ")";
    return "donc " + Groupe_Chiffres(t[0]);
}

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    Exercice::Verdict v;
    const std::vector<std::string> t = Attendus();
    v.juste = std::find(t.begin(), t.end(), Normalise_Decimal(Exercice::Reponse(reponses, 0))) != t.end();
    v.entete = Ligne_C_Est();
    v.correction = Ligne_Donc();
    return v;
}

}  // namespace Darrond
