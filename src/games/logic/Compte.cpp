#include "games/logic/Compte.hpp"

#include <algorithm>
#include <charconv>
#include <optional>
#include <unordered_set>

#include "framework/logic/Hasard.hpp"

namespace Compte {

Tirage Tire(int niveau) {
    niveau = std::clamp(niveau, 1, 3);
    Tirage t;
    auto& p = t.plaques;
    do {
        switch (niveau) {
        case 1:
            p[0] = Random(5) + 1;
            p[1] = 2 * (Random(5) + 1);
            p[2] = Random(2) + 1;
            p[3] = 3 * (Random(5) + 1);
            p[4] = Random(10) + 1;
            p[5] = 5 * (Random(7) + 1);
            t.cible = Random(41) + 10;
            break;
        case 2:
            p[0] = Random(9) + 1;
            p[1] = 3 * (Random(4) + 1);
            p[2] = Random(10) + 1;
            p[3] = 5 * (Random(10) + 1);
            p[4] = Random(10) + 1;
            p[5] = 25 * (Random(9) + 1);
            t.cible = Random(101) + 100;
            break;
        default:
            p[0] = Random(9) + 1;
            p[1] = 25 * (Random(4) + 1);
            p[2] = Random(10) + 1;
            p[3] = 10 * (Random(10) + 1);
            p[4] = Random(10) + 1;
            p[5] = 50 * (Random(9) + 1);
            do t.cible = Random(401) + 100;
            while (t.cible % 10 == 0);
            break;
        }
    } while (std::find(p.begin(), p.end(), t.cible) != p.end());
    return t;
}

namespace {

std::string Ligne_Texte(Nombre a, char op, Nombre b, Nombre r) {
    std::string t = std::to_string(a);
    t += ' ';
    t += op;
    t += ' ';
    t += std::to_string(b);
    t += " = ";
    t += std::to_string(r);
    return t;
}

// The numbers left at a node, sorted: the outcome of the subtree below a node
// depends only on them.
struct Cle_Hash {
    std::size_t operator()(const Plaques& k) const {
        std::size_t h = 0;
        for (Nombre v : k) h = h * 1000003u ^ static_cast<std::size_t>(v);
        return h;
    }
};

class Chercheur {
public:
    explicit Chercheur(Nombre cible) : cible_(cible) {}

    bool Cherche(Plaques& s, int restants) {
        Plaques cle{};
        const bool retenue = restants >= 3;
        if (retenue) {
            cle = s;
            std::sort(cle.begin(), cle.end());
            if (vains_.count(cle)) return false;
        }
        for (int i = 0; i < 6; ++i) {
            const Nombre a = s[i];
            if (a == 0) continue;
            for (int j = i + 1; j < 6; ++j) {
                const Nombre b = s[j];
                if (b == 0) continue;
                if (Essaie(s, restants, i, j, a, '+', b, a + b)) return true;
                if (a != 1 && b != 1 && Essaie(s, restants, i, j, a, 'x', b, a * b)) return true;
            }
            for (int j = 0; j < 6; ++j) {
                const Nombre b = s[j];
                if (j == i || b == 0) continue;
                if (b < a && Essaie(s, restants, i, j, a, '-', b, a - b)) return true;
                if (b != 1 && a % b == 0 && Essaie(s, restants, i, j, a, ':', b, a / b)) return true;
            }
        }
        if (retenue) vains_.insert(cle);
        return false;
    }

    std::string Texte() const {
        std::string t;
        for (int k = 0; k < n_; ++k) {
            const Etape& e = etapes_[static_cast<std::size_t>(k)];
            t += Ligne_Texte(e.a, e.op, e.b, e.r);
            t += '\n';
        }
        return t;
    }

private:
    struct Etape {
        Nombre a, b, r;
        char op;
    };

    bool Essaie(Plaques& s, int restants, int i, int j, Nombre a, char op, Nombre b, Nombre r) {
        etapes_[static_cast<std::size_t>(n_)] = {a, b, r, op};
        ++n_;
        if (r == cible_) return true;
        // With a single number left there is no operation to try.
        if (restants > 2) {
            const Nombre si = s[i], sj = s[j];
            s[i] = r;
            s[j] = 0;
            const bool trouve = Cherche(s, restants - 1);
            s[i] = si;
            s[j] = sj;
            if (trouve) return true;
        }
        --n_;
        return false;
    }

    Nombre cible_;
    std::array<Etape, 5> etapes_{};
    int n_ = 0;
    std::unordered_set<Plaques, Cle_Hash> vains_;
};

}  // namespace

Recherche Cherche_Solution(const Plaques& plaques, Nombre cible) {
    Plaques s = plaques;
    int restants = 0;
    for (Nombre& v : s) {
        if (v < 0) v = 0;
        if (v != 0) ++restants;
    }
    Chercheur c(cible);
    Recherche r;
    if (restants >= 2 && c.Cherche(s, restants)) {
        r.trouve = true;
        r.solution = c.Texte();
    }
    return r;
}

std::string Une_Operation(const Plaques& p, Nombre cible, const std::string& solution) {
    std::string s = solution;
    for (int i = 0; i < 6; ++i)
        for (int j = i + 1; j < 6; ++j)
            if (p[j] != 0 && p[i] % p[j] == 0 && p[i] / p[j] == cible) s = Ligne_Texte(p[i], ':', p[j], cible);
    for (int i = 0; i < 6; ++i)
        for (int j = i + 1; j < 6; ++j)
            if (p[i] != 0 && p[j] % p[i] == 0 && p[j] / p[i] == cible) s = Ligne_Texte(p[j], ':', p[i], cible);
    for (int i = 0; i < 6; ++i)
        for (int j = i + 1; j < 6; ++j)
            if (p[i] * p[j] == cible) s = Ligne_Texte(p[i], 'x', p[j], cible);
    for (int i = 0; i < 6; ++i)
        for (int j = i + 1; j < 6; ++j)
            if (std::max(p[i], p[j]) - std::min(p[i], p[j]) == cible)
                s = Ligne_Texte(std::max(p[i], p[j]), '-', std::min(p[i], p[j]), cible);
    for (int i = 0; i < 6; ++i)
        for (int j = i + 1; j < 6; ++j)
            if (p[i] + p[j] == cible) s = Ligne_Texte(p[i], '+', p[j], cible);
    return s;
}

Partie Tire_Soluble(int niveau) {
    for (;;) {
        Partie partie;
        partie.tirage = Tire(niveau);
        const Recherche r = Cherche_Solution(partie.tirage.plaques, partie.tirage.cible);
        if (!r.trouve) continue;
        partie.solution = Une_Operation(partie.tirage.plaques, partie.tirage.cible, r.solution);
        return partie;
    }
}

Exercice::Decision Filtre_Nombre(char32_t c) { return Exercice::Filtre_Entier(c); }

Exercice::Decision Filtre_Operation(char32_t c) {
    switch (c) {
    case Exercice::Retour_Arriere:
    case U'+':
    case U'-':
    case U'x':
    case U':':
        return Exercice::Decision::Accepte(c);
    case U'*':
        return Exercice::Decision::Accepte(U'x');
    case U'/':
        return Exercice::Decision::Accepte(U':');
    default:
        return Exercice::Decision::Refus();
    }
}

namespace {

std::optional<Nombre> Lit(const std::string& t) {
    if (t.empty() || t.size() > 15) return std::nullopt;
    Nombre v = 0;
    const auto [fin, err] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (err != std::errc() || fin != t.data() + t.size() || v < 0) return std::nullopt;
    return v;
}

}  // namespace

bool Montre_Suivante(const Ligne& l, Nombre cible) {
    const auto r = Lit(l.r);
    return !l.r.empty() && !(r && *r == cible);
}

Jugement Juge(const Plaques& plaques, Nombre cible, const std::array<Ligne, Lignes>& lignes) {
    Jugement j;
    bool valide = true;
    auto erreur = [&](std::string message, Jugement::Style style) {
        if (valide) {
            j.message = std::move(message);
            j.style = style;
        }
        valide = false;
    };
    // The plates, then one slot per line's result; an empty or used slot
    // holds nothing (a 0 is available only once a line produced it).
    std::array<std::optional<Nombre>, 12> dispo{};
    for (std::size_t k = 0; k < 6; ++k) dispo[k] = plaques[k];
    auto prend = [&](Nombre v) {
        for (auto& d : dispo)
            if (d && *d == v) {
                d.reset();
                return true;
            }
        return false;
    };

    const Ligne& l1 = lignes[0];
    if (!Lit(l1.a) || !Lit(l1.b) || !Lit(l1.r)) erreur("Erreur de calcul à la ligne 1", Jugement::Simple);

    bool ligne_juste = false;
    std::optional<Nombre> dernier;
    for (std::size_t k = 0; k < lignes.size() && valide && !(dernier && *dernier == cible); ++k) {
        const std::string n = std::to_string(k + 1);
        const Ligne& l = lignes[k];
        const auto a = Lit(l.a), b = Lit(l.b), r = Lit(l.r);
        if (!(a && b && r)) {
            if (!ligne_juste) erreur("Erreur de calcul à la ligne " + n, Jugement::Simple);
            break;
        }
        for (Nombre v : {*a, *b})
            if (!prend(v))
                erreur("erreur à la ligne " + n + " : le nombre " + std::to_string(v) +
                           " n'est pas (ou plus) disponible",
                       Jugement::Erreur);
        dispo[6 + k] = *r;
        bool juste = false;
        if (l.op == "+") juste = *a + *b == *r;
        else if (l.op == "-") juste = *a - *b == *r;
        else if (l.op == "x") juste = *a * *b == *r;
        else if (l.op == ":") juste = *b != 0 && *a % *b == 0 && *a / *b == *r;
        if (!juste) erreur("erreur de calcul à la ligne " + n, Jugement::Erreur);
        ligne_juste = juste;
        dernier = *r;
    }
    j.juste = valide && dernier && *dernier == cible;
    return j;
}

}  // namespace Compte
