#include "topics/decimal/logic/Drange.hpp"

#include "framework/logic/Hasard.hpp"
#include "topics/decimal/logic/Decimaux.hpp"

namespace Drange {

namespace {

long double A() { return Random(2); }
long double D() { return Random(10); }
long double E() { return Random(100); }

// a1·d1 + a2·d2/10 + a3·e3/100, drawn in that order.
long double Tirage() {
    long double s = 0;
    long double a = A();
    s += a * D();
    a = A();
    s += a * D() / 10;
    a = A();
    s += a * E() / 100;
    return s;
}

long double Pas_Croissant() { return 0.01L + Tirage(); }

// Joins texts[debut, fin) with `sep`.
std::string Joint(const std::vector<std::string>& t, std::size_t debut, std::size_t fin, const std::string& sep) {
    std::string r;
    for (std::size_t i = debut; i < fin && i < t.size(); ++i) {
        if (i > debut) r += sep;
        r += t[i];
    }
    return r;
}

}  // namespace

int Nombres(int niveau) {
    switch (niveau) {
    case 1: return 3;
    case 2: return 5;
    case 3: return 7;
    default: return 10;
    }
}

std::vector<int> Melange(int n) {
    std::vector<int> naturel(n);
    for (int i = 0; i < n; ++i) naturel[i] = i;
    std::vector<int> ordre;
    do {
        std::vector<int> reste = naturel;
        ordre.clear();
        while (!reste.empty()) {
            const int k = Random(static_cast<int32_t>(reste.size()));
            ordre.push_back(reste[k]);
            reste.erase(reste.begin() + k);
        }
    } while (n > 1 && ordre == naturel);
    return ordre;
}

void Sujet::Genere(int niveau) {
    niveau_ = niveau < 1 ? 1 : niveau > 4 ? 4 : niveau;
    const int n = Nombres(niveau_);
    decroissant_ = niveau_ >= 3 && Random(2) == 1;
    std::vector<long double> x;
    long double x0 = 0;
    switch (niveau_) {
    case 1:
        x0 = static_cast<long double>(Random(20)) / 10;
        for (int k = 0; k < n; ++k) x.push_back(x0 += (Random(20) + 1) / 10.0L);
        break;
    case 2:
        x0 = static_cast<long double>(Random(500)) / 100;
        for (int k = 0; k < n; ++k) {
            long double s = 0.01L;
            long double a = A();
            s += a * D() / 100;
            a = A();
            s += a * D() / 10;
            a = A();
            s += a * D();
            x.push_back(x0 += s);
        }
        break;
    case 3:
        if (decroissant_) {
            x0 = static_cast<long double>(Random(500)) / 100 + 60;
            for (int k = 0; k < n; ++k) x.push_back(x0 -= (Random(1000) + 1) / 100.0L);
        } else {
            x0 = Tirage();
            for (int k = 0; k < n; ++k) x.push_back(x0 += Pas_Croissant());
        }
        break;
    default:
        if (decroissant_) {
            x0 = static_cast<long double>(Random(500)) / 100 + 5;
            for (int k = 0; k < n; ++k) x.push_back(x0 -= (Random(300) + 1) / 100.0L);
        } else {
            // a1·d1/10 + d2·(a2 - 3) + a3·e3/100
            long double a = A();
            x0 = a * D() / 10;
            const long double d = D();
            x0 += d * (A() - 3);
            a = A();
            x0 += a * E() / 100;
            for (int k = 0; k < n; ++k) x.push_back(x0 += Pas_Croissant());
        }
        break;
    }
    textes_.clear();
    for (long double v : x) textes_.push_back(Decimaux::Texte_Decimal(v));
    ordre_ = Melange(n);
}

void Sujet::Pose(int niveau, std::vector<std::string> textes, std::vector<int> ordre, bool decroissant) {
    niveau_ = niveau;
    textes_ = std::move(textes);
    ordre_ = std::move(ordre);
    decroissant_ = decroissant;
}

std::vector<std::string> Sujet::Montres() const {
    std::vector<std::string> m;
    for (int i : ordre_) m.push_back(textes_[i]);
    return m;
}

std::string Sujet::Cle() const { return Joint(textes_, 0, textes_.size(), " "); }

std::string Sujet::Consigne() const {
    return decroissant_ ? "Ranger dans l'ordre décroissant : " : "Ranger dans l'ordre croissant : ";
}

std::string Sujet::Ligne1() const { return Joint(Montres(), 0, 5, ",  "); }
std::string Sujet::Ligne2() const { return Joint(Montres(), 5, textes_.size(), ",  "); }

std::string Sujet::Correction1() const { return Joint(textes_, 0, 5, niveau_ == 4 ? ", " : ",  "); }
std::string Sujet::Correction2() const { return Joint(textes_, 5, textes_.size(), niveau_ == 4 ? ", " : ",  "); }

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    Exercice::Verdict v;
    v.juste = true;
    // The texts as they are written: 0.50 or .5 is not 0.5.
    for (std::size_t k = 0; k < textes_.size(); ++k)
        if (Exercice::Reponse(reponses, k) != textes_[k]) v.juste = false;
    v.titre_faux = "Faux c'est :";
    v.correction = Correction1();
    if (!Correction2().empty()) v.correction += (niveau_ == 4 ? ", " : ",  ") + Correction2();
    return v;
}

Exercice::Decision Sujet::Filtre(int, char32_t c, int curseur, const std::u32string& texte) const {
    return Decimaux::Filtre_Decimal(c, curseur, texte, true);
}

}  // namespace Drange
