#include "games/logic/Compte.hpp"

#include <algorithm>
#include <charconv>
#include <chrono>
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
    Chercheur(Nombre cible, const Pompe& pompe) : cible_(cible), pompe_(pompe) {
        if (pompe_) prochaine_pompe_ = std::chrono::steady_clock::now() + Intervalle;
    }

    bool Cherche(Plaques& s, int restants) {
        if (restants == 2) return Deux(s);
        // Three numbers that cannot make the target: nothing below to search.
        if (restants == 3 && !Trois_Atteignent(s)) return false;
        Plaques cle{};
        const bool retenue = restants >= 4;
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
                if (b != 1 && b <= a && a % b == 0 && Essaie(s, restants, i, j, a, ':', b, a / b)) return true;
            }
        }
        if (retenue && !abandon_) vains_.insert(cle);
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

    long long Essais() const { return essais_; }
    bool Abandon() const { return abandon_; }

private:
    static constexpr auto Intervalle = std::chrono::milliseconds(Pompe_Intervalle_Ms);

    struct Etape {
        Nombre a, b, r;
        char op;
    };

    // The last two numbers: the operations between them in the order of the
    // loops above (a in the earlier slot), each only compared with the target.
    bool Deux(const Plaques& s) {
        int i = 0;
        while (s[i] == 0) ++i;
        int j = i + 1;
        while (s[j] == 0) ++j;
        const Nombre a = s[i], b = s[j];
        essais_ += 4;
        if (Pompe_Due()) return true;
        auto essaie = [&](Nombre x, char op, Nombre y, Nombre r) {
            if (r != cible_) return false;
            etapes_[static_cast<std::size_t>(n_++)] = {x, y, r, op};
            return true;
        };
        if (!Deux_Atteignent(a, b)) return false;
        return essaie(a, '+', b, a + b) || (a != 1 && b != 1 && essaie(a, 'x', b, a * b)) ||
               (b < a && essaie(a, '-', b, a - b)) || (b != 1 && a % b == 0 && essaie(a, ':', b, a / b)) ||
               (a < b && essaie(b, '-', a, b - a)) || (a != 1 && b % a == 0 && essaie(b, ':', a, b / a));
    }

    // Whether two numbers make the target in one operation, with the rules
    // of the search (what Deux tries).
    bool Deux_Atteignent(Nombre a, Nombre b) const {
        const Nombre t = cible_;
        return a + b == t || (a != 1 && b != 1 && a * b == t) || (b < a && a - b == t) || (a < b && b - a == t) ||
               (b != 1 && Quotient_Est(a, b)) || (a != 1 && Quotient_Est(b, a));
    }

    // a / b is exactly the target (a, b > 0): a product rather than a
    // division where it cannot overflow, the division being the slow part.
    bool Quotient_Est(Nombre a, Nombre b) const {
        constexpr Nombre Borne = Nombre{1} << 31;
        if (b < Borne && cible_ < Borne && cible_ > -Borne) return b * cible_ == a;
        return a % b == 0 && a / b == cible_;
    }

    // Whether the subtree of three numbers holds a solution: an operation on
    // two of them gives the target, or its result and the third one do.
    bool Trois_Atteignent(const Plaques& s) {
        Nombre v[3];
        int n = 0;
        for (Nombre x : s)
            if (x != 0) v[n++] = x;
        if (Pompe_Due()) return true;
        for (int k = 0; k < 3; ++k) {
            const Nombre a = v[k == 2 ? 1 : 0], b = v[k == 0 ? 1 : 2], c = v[k == 0 ? 2 : k == 1 ? 1 : 0];
            Nombre r[6];
            int m = 0;
            r[m++] = a + b;
            if (a != 1 && b != 1) r[m++] = a * b;
            if (b < a) r[m++] = a - b;
            if (a < b) r[m++] = b - a;
            if (b != 1 && b <= a && a % b == 0) r[m++] = a / b;
            if (a != 1 && a <= b && b % a == 0) r[m++] = b / a;
            essais_ += m;
            for (int i = 0; i < m; ++i)
                if (r[i] == cible_ || Deux_Atteignent(r[i], c)) return true;
        }
        return false;
    }

    bool Essaie(Plaques& s, int restants, int i, int j, Nombre a, char op, Nombre b, Nombre r) {
        ++essais_;
        if (Pompe_Due()) return true;
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

    // Hands the pump its turn when its interval has passed (the clock read
    // every 64 calls); true when the search is to stop.
    bool Pompe_Due() {
        if (abandon_) return true;
        if (!pompe_ || --avant_horloge_ > 0) return false;
        avant_horloge_ = 64;
        const auto maintenant = std::chrono::steady_clock::now();
        if (maintenant < prochaine_pompe_) return false;
        if (!pompe_()) abandon_ = true;
        prochaine_pompe_ = std::chrono::steady_clock::now() + Intervalle;
        return abandon_;
    }

    Nombre cible_;
    const Pompe& pompe_;
    std::chrono::steady_clock::time_point prochaine_pompe_{};
    std::array<Etape, 5> etapes_{};
    int n_ = 0;
    long long essais_ = 0;
    int avant_horloge_ = 64;
    bool abandon_ = false;
    std::unordered_set<Plaques, Cle_Hash> vains_;
};

}  // namespace

Recherche Cherche_Solution(const Plaques& plaques, Nombre cible, const Pompe& pompe) {
    Plaques s = plaques;
    int restants = 0;
    for (Nombre& v : s) {
        if (v < 0) v = 0;
        if (v != 0) ++restants;
    }
    Chercheur c(cible, pompe);
    Recherche r;
    const bool trouve = restants >= 2 && c.Cherche(s, restants);
    r.essais = c.Essais();
    if (c.Abandon()) r.interrompue = true;
    else if (trouve) {
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

std::optional<Partie> Tire_Soluble(int niveau, const Pompe& pompe) {
    Partie partie;
    for (;;) {
        partie.tirage = Tire(niveau);
        ++partie.tirages;
        const Recherche r = Cherche_Solution(partie.tirage.plaques, partie.tirage.cible, pompe);
        partie.essais += r.essais;
        if (r.interrompue) return std::nullopt;
        if (!r.trouve) continue;
        partie.solution = Une_Operation(partie.tirage.plaques, partie.tirage.cible, r.solution);
        return partie;
    }
}

Partie Tire_Soluble(int niveau) { return *Tire_Soluble(niveau, {}); }

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
