#include "topics/natural/logic/Nmult.hpp"

#include <algorithm>

#include "framework/logic/Hasard.hpp"
#include "topics/natural/logic/Colonnes.hpp"

namespace Nmult {

void Sujet::Genere(int niveau) {
    niveau_ = std::clamp(niveau, 1, 3);
    switch (niveau_) {
    case 1:
        m_ = Random(900) + 100;
        d_ = Random(8) + 2;
        break;
    case 2:
        m_ = Random(89) + 11;
        d_ = Random(89) + 11;
        break;
    default:
        m_ = Random(899) + 101;
        d_ = Random(899) + 101;
        break;
    }
}

std::string Sujet::Cle() const { return std::to_string(m_) + "x" + std::to_string(d_); }

int32_t Sujet::Chiffre(int rang) const {
    int32_t v = d_;
    for (int i = 0; i < rang; ++i) v /= 10;
    return v % 10;
}

std::string Sujet::Partiel(int rang) const {
    const int32_t p = m_ * Chiffre(rang);
    if (p == 0) return std::string(static_cast<std::size_t>(niveau_ == 3 ? 3 : 2), '0');
    return std::to_string(p);
}

std::array<std::string, 8> Sujet::Lignes_Correction() const {
    const std::string regle = "------";
    std::array<std::string, 8> l{std::to_string(m_), "x   " + std::to_string(d_), regle};
    const std::string produit = std::to_string(m_ * d_);
    if (niveau_ == 1) {
        l[3] = produit;
    } else if (niveau_ == 2) {
        l[3] = Partiel(0);
        l[4] = std::to_string(m_ * Chiffre(1)) + " ";
        l[5] = regle;
        l[6] = produit;
    } else {
        l[3] = Partiel(0);
        l[4] = Partiel(1) + " ";
        l[5] = std::to_string(m_ * Chiffre(2)) + "  ";
        l[6] = regle;
        l[7] = produit;
    }
    return l;
}

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    bool juste = Exercice::Reponse(reponses, 0) == std::to_string(m_ * d_);
    for (int rang = 0; rang < Partiels(); ++rang)
        juste = juste && Exercice::Reponse(reponses, static_cast<std::size_t>(rang) + 1) == Partiel(rang);
    const auto l = Lignes_Correction();
    std::string correction;
    for (const auto& ligne : l) correction += ligne + "\n";
    correction.pop_back();
    return {juste, correction, "C'est :"};
}

Exercice::Decision Sujet::Filtre(int entree, char32_t c, int, const std::u32string& texte) const {
    return entree < Cellules_Resultat ? Colonnes::Filtre_Resultat(c, texte.size(), Chiffres_Max)
                                      : Colonnes::Filtre_Brouillon(c);
}

}  // namespace Nmult
