#include "topics/natural/logic/Colonnes.hpp"

#include "framework/logic/Commune.hpp"

namespace Colonnes {

Exercice::Decision Filtre_Resultat(char32_t c, std::size_t taille, std::size_t longueur) {
    if (c == Exercice::Retour_Arriere) return Exercice::Decision::Accepte(c);
    if (c >= U'0' && c <= U'9' && taille < longueur) return Exercice::Decision::Accepte(c);
    return Exercice::Decision::Silence();
}

Exercice::Decision Filtre_Brouillon(char32_t c) {
    if (c == Exercice::Retour_Arriere || (c >= U'0' && c <= U'9')) return Exercice::Decision::Accepte(c);
    return Exercice::Decision::Refus();
}

Exercice::Verdict Sujet_Resultat::Juge(const std::vector<std::string>& reponses) const {
    const std::string attendu = std::to_string(Resultat());
    return {!reponses.empty() && reponses.front() == attendu, Commune::Groupe_Chiffres(attendu)};
}

Exercice::Decision Sujet_Resultat::Filtre(int entree, char32_t c, int, const std::u32string& texte) const {
    return entree == 0 ? Filtre_Resultat(c, texte.size(), Chiffres_Max) : Filtre_Brouillon(c);
}

}  // namespace Colonnes
