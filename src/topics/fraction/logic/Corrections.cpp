#include "topics/fraction/logic/Corrections.hpp"

#include <cstdlib>

namespace Fractions {

std::string Par(int64_t g) { return g > 1 ? "(par " + Texte(g) + ")" : std::string(); }

namespace {
struct Commun {
    std::vector<Reduction> reduites;
    int64_t D = 1;
    std::vector<int64_t> N;
};

Commun Denominateur_Commun(const std::vector<Fraction>& fractions) {
    Commun c;
    for (const Fraction& f : fractions) c.reduites.push_back(Reduit(f));
    const auto q = [&](std::size_t i) { return i < c.reduites.size() ? c.reduites[i].f.d : 1; };
    c.D = Ppcm(q(0), q(1), q(2));
    for (const Reduction& r : c.reduites) c.N.push_back(c.D / r.f.d * r.f.n);
    return c;
}

int64_t Numerateur(const Commun& c, bool soustraction) {
    int64_t s = c.N.empty() ? 0 : c.N[0];
    for (std::size_t i = 1; i < c.N.size(); ++i) s += soustraction ? -c.N[i] : c.N[i];
    return s;
}
}  // namespace

Fraction Somme(const std::vector<Fraction>& fractions, bool soustraction) {
    const Commun c = Denominateur_Commun(fractions);
    return Reduit({Numerateur(c, soustraction), c.D}).f;
}

Ligne_Somme Corrige_Somme(const std::vector<Fraction>& fractions, bool soustraction, bool montre_communs) {
    const Commun c = Denominateur_Commun(fractions);
    const std::string signe = soustraction ? "-" : "+";
    Ligne_Somme l;
    for (std::size_t i = 0; i < c.reduites.size(); ++i) {
        l.termes.push_back(Affiche(c.reduites[i].f));
        l.par_termes.push_back(Par(c.reduites[i].par));
        if (montre_communs) l.communs.push_back(Affiche({c.N[i], c.D}));
        if (i > 0) {
            l.signes.push_back(signe);
            if (montre_communs) l.signes_communs.push_back(signe);
        }
    }
    const int64_t S = Numerateur(c, soustraction);
    const Reduction r = Reduit({S, c.D});
    l.brute = Affiche({S, c.D});
    if (r.par > 1) {
        l.simplifiee = Affiche(r.f);
        l.par_resultat = Par(r.par);
    }
    if (r.f.d == 1) l.entier = "= " + Texte(r.f.n);
    return l;
}

namespace {
Affichage Produit(const std::vector<std::pair<int64_t, int64_t>>& facteurs, const std::string& signe) {
    Affichage a;
    a.numer = signe;
    for (std::size_t i = 0; i < facteurs.size(); ++i) {
        a.numer += (i ? "x" : "") + Texte(facteurs[i].first);
        a.deno += (i ? "x" : "") + Texte(facteurs[i].second);
    }
    return a;
}
}  // namespace

Annulations Annule(std::vector<std::pair<int64_t, int64_t>> facteurs, const std::string& signe, Fraction resultat) {
    Annulations a;
    a.fractions.push_back(Produit(facteurs, signe));
    for (int etape = 0; etape < 5; ++etape) {
        int64_t meilleur = 1;
        std::size_t bi = 0, bj = 0;
        for (std::size_t i = 0; i < facteurs.size(); ++i)
            for (std::size_t j = 0; j < facteurs.size(); ++j) {
                const int64_t g = Pgcd(facteurs[i].first, facteurs[j].second);
                if (g > meilleur) {
                    meilleur = g;
                    bi = i;
                    bj = j;
                }
            }
        if (meilleur == 1) break;
        a.etapes.push_back("(" + Texte(facteurs[bi].first) + "," + Texte(facteurs[bj].second) + ")/" + Texte(meilleur));
        facteurs[bi].first /= meilleur;
        facteurs[bj].second /= meilleur;
        a.fractions.push_back(Produit(facteurs, signe));
    }
    a.resultat = Affiche(resultat);
    if (resultat.d == 1) a.entier = "= " + Texte(resultat.n);
    return a;
}

}  // namespace Fractions
