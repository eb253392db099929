#include "games/logic/Memoire.hpp"

#include <cstdio>

#include "framework/logic/Hasard.hpp"

namespace Memoire {

Niveau_Jeu Du_Niveau(int niveau) {
    switch (niveau) {
    case 2: return {24, 6, 30};
    case 3: return {32, 8, 50};
    case 4: return {40, 8, 90};
    default: return {20, 5, 20};
    }
}

int Tire_Decalage(int niveau) {
    switch (niveau) {
    case 2: return 3 + Random(4);
    case 3: return 3 + Random(5);
    case 4: return 4 + Random(3);
    default: return 0;
    }
}

Note Note_Partie(int reference, int essais) {
    const int r = reference;
    if (essais > 2 * r) return {"mais c'est un peu laborieux !", 5};
    if (essais > r + r / 2) return {"c'est correct !", 10};
    if (essais > r + r / 4) return {"c'est pas mal !", 20};
    return {"c'est excellent !", 30};
}

void Partie::Distribue(int niveau) {
    niveau_ = niveau;
    const Niveau_Jeu n = Du_Niveau(niveau);
    reference_ = n.essais_reference;
    decalage_ = Tire_Decalage(niveau);
    Randomize();
    valeurs_.assign(n.cartes, 0);
    trouvees_.assign(n.cartes, false);
    montrees_.assign(n.cartes, false);
    for (int p = 1; p <= n.cartes / 2; ++p)
        for (int fois = 0; fois < 2; ++fois) {
            int k;
            do k = Random(n.cartes);
            while (valeurs_[k] != 0);
            valeurs_[k] = p;
        }
    premiere_ = 0;
    essais_ = paires_ = 0;
    en_cours_ = true;
    retour_ = false;
}

std::string Partie::Valeur(int carte) const {
    char t[4];
    std::snprintf(t, sizeof t, "%02d", Paire(carte));
    return t;
}

int Partie::Image(int carte) const { return montrees_[carte - 1] ? Face(carte) : 0; }

Clic Partie::Clique(int carte) {
    if (!en_cours_ || retour_ || carte < 1 || carte > Nb_Cartes() || paires_ == Nb_Cartes() / 2) return Clic::Ignore;
    if (trouvees_[carte - 1] || carte == premiere_) return Clic::Ignore;
    montrees_[carte - 1] = true;
    if (premiere_ == 0) {
        premiere_ = carte;
        return Clic::Premiere;
    }
    ++essais_;
    const int premiere = premiere_;
    premiere_ = 0;
    if (Paire(premiere) != Paire(carte)) {
        retour_ = true;
        return Clic::Erreur;
    }
    trouvees_[premiere - 1] = trouvees_[carte - 1] = true;
    ++paires_;
    if (paires_ == Nb_Cartes() / 2) {
        en_cours_ = false;
        return Clic::Gagne;
    }
    return Clic::Paire;
}

void Partie::Retourne() {
    if (!retour_) return;
    retour_ = false;
    for (int k = 0; k < Nb_Cartes(); ++k)
        if (!trouvees_[k]) montrees_[k] = false;
}

void Partie::Abandonne() {
    en_cours_ = false;
    retour_ = false;
    montrees_.assign(valeurs_.size(), true);
}

}  // namespace Memoire
