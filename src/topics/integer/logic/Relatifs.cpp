#include "topics/integer/logic/Relatifs.hpp"

#include "framework/logic/Commune.hpp"

namespace Relatifs {

std::string Groupe_Entier(int64_t n, bool plus) {
    const uint64_t grandeur = n < 0 ? 0ULL - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
    const std::string signe = n < 0 ? "-" : (plus && n > 0 ? "+" : "");
    return signe + Commune::Groupe_Chiffres(std::to_string(grandeur));
}

std::string Operande(int64_t n) { return "(" + Commune::Signe_Plus(std::to_string(n)) + ")"; }

std::string Correction_Resultat(int64_t r, int niveau) {
    if (niveau == 1) return "(" + Groupe_Entier(r, true) + ")";
    return Groupe_Entier(r);
}

Exercice::Decision Filtre_Signe_Ou_Barre(char32_t c, int curseur, const std::u32string& texte) {
    return Exercice::Filtre_Entier_Signe(c, curseur, texte, U"+-/");
}

Exercice::Verdict Juge_Entier(const std::vector<std::string>& reponses, const std::string& attendu,
                              std::string correction, const char* entete) {
    Exercice::Verdict v;
    v.juste = Commune::Enleve_Plus(reponses.empty() ? std::string() : reponses.front()) == attendu;
    v.correction = std::move(correction);
    if (entete) v.entete = entete;
    return v;
}

}  // namespace Relatifs
