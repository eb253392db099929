#include "topics/natural/logic/Ndiv.hpp"

#include <algorithm>

#include "framework/logic/Hasard.hpp"
#include "topics/natural/logic/Colonnes.hpp"

namespace Ndiv {

void Sujet::Genere(int niveau) {
    niveau_ = std::clamp(niveau, 1, 3);
    switch (niveau_) {
    case 1:
        b_ = Random(8) + 2;
        a_ = Random(950) + 50;
        break;
    case 2:
        b_ = Random(90) + 10;
        a_ = Random(9000) + 101;
        break;
    default:
        b_ = Random(950) + 50;
        a_ = Random(65000) + 1000;
        break;
    }
}

std::string Sujet::Cle() const { return std::to_string(a_) + ":" + std::to_string(b_); }

std::vector<std::string> Sujet::Dividendes_Partiels(int32_t a, int32_t b) {
    const std::string s = std::to_string(a);
    std::vector<std::string> lignes;
    std::size_t pris = 0;
    int64_t partiel = 0;
    while (pris < s.size() && partiel < b) partiel = partiel * 10 + (s[pris++] - '0');
    if (pris == s.size()) {
        lignes.push_back(std::to_string(a % b));
    } else {
        for (; pris < s.size(); ++pris) {
            const std::string ligne = std::to_string(partiel % b) + s[pris];
            lignes.push_back(ligne);
            partiel = std::stoll(ligne);
        }
        if (partiel >= b) lignes.push_back(std::to_string(a % b));
    }
    for (std::size_t k = 0; k < lignes.size(); ++k) lignes[k].insert(0, k, ' ');
    return lignes;
}

int Sujet::Colonne_Partiels(int32_t a, int32_t b) {
    const std::string s = std::to_string(a);
    std::size_t pris = 0;
    int64_t partiel = 0;
    while (pris < s.size() && partiel < b) partiel = partiel * 10 + (s[pris++] - '0');
    const auto premiere = static_cast<int>(Dividendes_Partiels(a, b).front().size());
    const int fin = pris == s.size() ? static_cast<int>(pris) - 1 : static_cast<int>(pris);
    return std::max(0, fin + 1 - premiere);
}

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    const bool juste = Exercice::Reponse(reponses, 0) == std::to_string(Quotient()) &&
                       Exercice::Reponse(reponses, 1) == std::to_string(Reste());
    std::string correction;
    for (const auto& l : Dividendes_Partiels(a_, b_)) correction += l + "\n";
    correction.pop_back();
    return {juste, correction, "C'est :"};
}

Exercice::Decision Sujet::Filtre_Calculs(char32_t c, std::size_t longueur_ligne, std::size_t chiffres) {
    if (c == Exercice::Retour_Arriere || c == U'\r' || c == U'\n') return Exercice::Decision::Accepte(c);
    if (longueur_ligne >= chiffres) return Exercice::Decision::Silence();
    if (c >= U'A' && c <= U'z') return Exercice::Decision::Silence();
    if (std::u32string_view(U"&é\"'()-èçà=").find(c) != std::u32string_view::npos) return Exercice::Decision::Silence();
    return Exercice::Decision::Accepte(c);
}

Exercice::Decision Sujet::Filtre(int entree, char32_t c, int curseur, const std::u32string& texte) const {
    if (entree != Zone_Calculs) return Colonnes::Filtre_Brouillon(c);
    // The caret's line, without its spaces.
    const std::size_t pos = std::min<std::size_t>(static_cast<std::size_t>(std::max(0, curseur)), texte.size());
    const std::size_t avant = pos == 0 ? std::u32string::npos : texte.rfind(U'\n', pos - 1);
    const std::size_t d = avant == std::u32string::npos ? 0 : avant + 1;
    std::size_t f = texte.find(U'\n', pos);
    if (f == std::u32string::npos) f = texte.size();
    const auto ligne = texte.substr(d, f - d);
    const auto longueur = static_cast<std::size_t>(std::count_if(ligne.begin(), ligne.end(), [](char32_t x) { return x != U' '; }));
    return Filtre_Calculs(c, longueur, std::to_string(a_).size());
}

}  // namespace Ndiv
