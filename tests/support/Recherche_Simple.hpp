// The target-number search with nothing skipped, the step text built at
// every trial: what the fast search must give back byte for byte, and the
// reference the benchmark times it against. `par_essai` runs before every
// trial (the benchmark counts trials and handles events there).
#pragma once

#include <string>

#include "games/logic/Compte.hpp"

template <class Par_Essai>
bool Recherche_Simple(Compte::Plaques s, Compte::Nombre cible, const std::string& etapes, std::string& solution,
                      Par_Essai&& par_essai) {
    using Compte::Nombre;
    auto essaie = [&](int i, int j, Nombre a, const char* op, Nombre b, Nombre r) {
        par_essai();
        const std::string t = etapes + std::to_string(a) + op + std::to_string(b) + " = " + std::to_string(r) + "\n";
        if (r == cible) {
            solution = t;
            return true;
        }
        Compte::Plaques suite = s;
        suite[i] = r;
        suite[j] = 0;
        return Recherche_Simple(suite, cible, t, solution, par_essai);
    };
    for (int i = 0; i < 6; ++i) {
        const Nombre a = s[i];
        if (!a) continue;
        for (int j = i + 1; j < 6; ++j) {
            const Nombre b = s[j];
            if (!b) continue;
            if (essaie(i, j, a, " + ", b, a + b)) return true;
            if (a != 1 && b != 1 && essaie(i, j, a, " x ", b, a * b)) return true;
        }
        for (int j = 0; j < 6; ++j) {
            const Nombre b = s[j];
            if (j == i || !b) continue;
            if (b < a && essaie(i, j, a, " - ", b, a - b)) return true;
            if (b != 1 && a % b == 0 && essaie(i, j, a, " : ", b, a / b)) return true;
        }
    }
    return false;
}

inline bool Recherche_Simple(Compte::Plaques s, Compte::Nombre cible, std::string& solution) {
    return Recherche_Simple(s, cible, "", solution, [] {});
}
