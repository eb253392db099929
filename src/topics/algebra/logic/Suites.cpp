#include "topics/algebra/logic/Suites.hpp"

#include "framework/logic/Commune.hpp"
#include "topics/decimal/logic/Decimaux.hpp"

namespace Suites {

using Commune::Normalise_Decimal;

const std::string D = "     déterminer : ";
const std::string DR = "     déterminer la raison : ";

std::string T(long double v) { return Commune::Texte_Reel(v, 5); }
std::string GT(long double v) { return Commune::Groupe_Chiffres(T(v)); }
std::string N(long long k) { return std::to_string(k); }

std::string R1(long double r) { return "Dans une suite arithmétique    de raison    r = " + T(r); }
std::string G1(long double q) { return "Dans une suite géométrique    de raison    q = " + T(q); }
std::string DS(int k) { return "     déterminer la somme des " + N(k) + " premiers termes : "; }

Exercice::Decision Filtre_Terme(char32_t c, int curseur, const std::u32string& texte) {
    return Decimaux::Filtre_Decimal(c, curseur, texte);
}

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    Exercice::Verdict v;
    v.juste = Normalise_Decimal(Exercice::Reponse(reponses, 0)) == Normalise_Decimal(enonce_.attendu);
    v.titre_faux = "Faux c'est :";
    v.correction = Normalise_Decimal(enonce_.attendu);
    return v;
}

}  // namespace Suites
