#include "games/logic/Demineur.hpp"

#include <algorithm>
#include <numeric>

#include "framework/logic/Hasard.hpp"

namespace Demineur {

uint16_t Pgcd2(uint16_t a, uint16_t b) { return std::gcd(a, b); }

uint16_t Plus_Petit_Diviseur(uint16_t a, uint16_t b) {
    const uint16_t g = Pgcd2(a, b);
    if (std::max(a, b) <= 1 || g <= 1) return 1;
    for (uint16_t d = 2; d * d <= g; ++d)
        if (g % d == 0) return d;
    return g;
}

uint16_t Borne(int niveau) {
    switch (niveau) {
    case 1: return 9;
    case 2: return 99;
    case 3: return 256;
    default: return 999;
    }
}

bool Mine_Du_Niveau(uint16_t a, uint16_t b, int niveau) {
    const uint16_t p = Plus_Petit_Diviseur(a, b);
    const uint16_t g = Pgcd2(a, b);
    switch (niveau) {
    case 1: return p >= 2 && g <= 5;
    case 2: return p >= 2 && g <= 11;
    case 3: return p >= 3 && g <= 13;
    default: return p >= 3;
    }
}

std::vector<std::pair<int, int>> Cellules(std::string_view chemin) {
    std::vector<std::pair<int, int>> v;
    auto nombre = [](std::string_view t) { return (t[0] - '0') * 10 + (t[1] - '0'); };
    for (std::size_t i = 0; i + 4 <= chemin.size(); i += 4)
        v.emplace_back(nombre(chemin.substr(i, 2)), nombre(chemin.substr(i + 2, 2)));
    return v;
}

void Champ::Genere(int niveau) {
    const uint16_t b = Borne(niveau);
    auto tire = [b](Case& k) {
        k.numer = static_cast<uint16_t>(Random(b) + 1);
        k.deno = static_cast<uint16_t>(Random(b - 1) + 2);
    };
    for (Case& k : cases_) {
        k = Case{};
        do tire(k);
        while (!Mine_Du_Niveau(k.numer, k.deno, niveau));
    }
    chemin_ = std::string(Chemins_Demineur()[Random(100)]);
    for (const auto& [c, r] : Cellules(chemin_)) {
        Case& k = cases_[Index(c, r)];
        k.chemin = true;
        do tire(k);
        while (Pgcd2(k.numer, k.deno) != 1);
    }
    for (int r = 1; r <= Rangees; ++r)
        for (int c = 1; c <= Colonnes; ++c) cases_[Index(c, r)].active = r == Rangees;
    chemin_montre_ = false;
    fini_ = false;
}

void Champ::Fige() {
    for (Case& k : cases_)
        if (!k.jouee) k.active = false;
}

Issue Champ::Joue(int c, int r) {
    if (c < 1 || c > Colonnes || r < 1 || r > Rangees) return Issue::Ignore;
    Case& k = cases_[Index(c, r)];
    if (fini_ || chemin_montre_ || k.jouee || !k.active) return Issue::Ignore;
    k.jouee = true;
    Fige();
    if (Pgcd2(k.numer, k.deno) >= 2) {
        fini_ = true;
        return Issue::Mine;
    }
    if (r == 1) {
        fini_ = true;
        return Issue::Arrivee;
    }
    auto ouvre = [this](int cc, int rr) {
        Case& v = cases_[Index(cc, rr)];
        if (!v.jouee) v.active = true;
    };
    if (c > 1) ouvre(c - 1, r);
    if (c < Colonnes) ouvre(c + 1, r);
    ouvre(c, r - 1);
    return Issue::Pas;
}

void Champ::Montre_Chemin() {
    chemin_montre_ = true;
    fini_ = true;
    for (const auto& [c, r] : Cellules(chemin_)) cases_[Index(c, r)].active = true;
}

}  // namespace Demineur
