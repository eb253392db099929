#include "topics/decimal/logic/Multiples_Voisins.hpp"

#include <algorithm>
#include <cmath>

#include "framework/logic/Commune.hpp"
#include "topics/decimal/logic/Decimaux.hpp"

namespace Multiples_Voisins {

using Commune::Normalise_Decimal;
using Commune::Texte_Fixe;

Precision Texte_Precision(int k) {
    switch (k) {
    case 3: return {"10", "3", " près (1 000 : au millier)"};
    case 2: return {"10", "2", " près (100 : à la centaine)"};
    case 1: return {"10", "", " près (à la dizaine)"};
    case 0: return {"1", "", " près (à l'unité)"};
    case -1: return {"10", "-1", " près (0,1 : au dixième)"};
    case -2: return {"10", "-2", " près (0,01 : au centième)"};
    default: return {"10", "-3", " près (0,001 : au millième)"};
    }
}

namespace {
long double Dix_Puissance(int n) {
    long double p = 1;
    for (int i = 0; i < n; ++i) p *= 10;
    return p;
}
}  // namespace

Voisins Calcule(long double x, bool confondus) {
    // The factor absorbs the representation error of a value that is a
    // multiple in decimal (2.35 is stored a little below 2.35).
    constexpr long double f = 1.00000000000001L;
    Voisins v;
    v.k = Commune::Ordre_Grandeur(x);
    const int decimales = std::max(0, -v.k);
    const long double u = Dix_Puissance(std::max(0, v.k));
    const long double p = Dix_Puissance(decimales);
    // n counts multiples of 10^k; the value of n multiples is n·u / p.
    const long double n = v.k >= 0 ? std::trunc(x / u * f) : std::trunc(x * p * f);
    const long double bas = x > 0 ? n : n - 1;
    const long double haut = x > 0 ? n + 1 : n;
    auto valeur = [&](long double m) { return v.k >= 0 ? m * u : m / p; };
    v.inferieur = Texte_Fixe(valeur(bas), decimales);
    v.superieur = Texte_Fixe(valeur(haut), decimales);
    if (confondus) {
        const std::string& proche = x > 0 ? v.inferieur : v.superieur;
        if (Normalise_Decimal(proche) == Normalise_Decimal(Texte_Fixe(x, 10))) {
            v.inferieur = v.superieur = proche;
            v.multiple = true;
        }
    }
    return v;
}

std::vector<std::string> Plus_Proches(long double x, const Voisins& v) {
    const long double bas = Decimaux::Lit_Decimal(v.inferieur);
    const long double haut = Decimaux::Lit_Decimal(v.superieur);
    const long double d = x - bas - (haut - bas) / 2;
    if (std::fabs(d) < 0.00001L) return {v.inferieur, v.superieur};
    if (d >= 0) return {v.superieur};
    return {v.inferieur};
}

std::string Texte_Entre(long double x, int n, const Voisins& v) {
    const std::string arrondi = Texte_Fixe(x, n);
    const std::string& dehors = x > 0 ? v.superieur : v.inferieur;
    if (v.inferieur == v.superieur || Normalise_Decimal(arrondi) != Normalise_Decimal(dehors)) return arrondi;
    // Cut after the n-th decimal of the full writing instead.
    const std::string long_ = Texte_Fixe(x, 18);
    const std::size_t point = long_.find('.');
    return n > 0 ? long_.substr(0, point + 1 + static_cast<std::size_t>(n)) : long_.substr(0, point);
}

}  // namespace Multiples_Voisins
