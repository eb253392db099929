#include "framework/logic/Exercice.hpp"

#include <algorithm>

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"

namespace Exercice {

namespace {
bool Chiffre(char32_t c) { return c >= U'0' && c <= U'9'; }
}  // namespace

Decision Filtre_Entier_Signe(char32_t c, int curseur, const std::u32string& texte, const std::u32string& signes) {
    const bool signe_devant = !texte.empty() && signes.find(texte.front()) != std::u32string::npos;
    if (signes.find(c) != std::u32string::npos)
        return curseur == 0 && !signe_devant ? Decision::Accepte(c) : Decision::Silence();
    if (curseur == 0 && signe_devant && c != Retour_Arriere) return Decision::Refus();
    return Filtre_Entier(c);
}

Decision Filtre_Entier(char32_t c) {
    if (c == Retour_Arriere || Chiffre(c)) return Decision::Accepte(c);
    return Decision::Refus();
}

Memoire_Enonces::Memoire_Enonces(std::array<std::string, 3> depart) : cles_(std::move(depart)) {}

bool Memoire_Enonces::Contient(const std::string& cle) const {
    return std::find(cles_.begin(), cles_.end(), cle) != cles_.end();
}

void Memoire_Enonces::Retient(const std::string& cle) {
    cles_[0] = std::move(cles_[1]);
    cles_[1] = std::move(cles_[2]);
    cles_[2] = cle;
}

Decision Sujet::Filtre(int, char32_t c, int curseur, const std::u32string& texte) const {
    return Filtre_Entier_Signe(c, curseur, texte);
}

Cycle::Cycle(Sujet& sujet, Memoire_Enonces memoire) : sujet_(sujet), memoire_(std::move(memoire)) {}

void Cycle::Pose(int niveau) {
    niveau_ = niveau;
    ++posees_;
    Randomize();
    sujet_.Prepare(niveau_);
    if (!sujet_.Evite_Repetitions(niveau_)) {
        sujet_.Genere(niveau_);
        ouverte_ = true;
        return;
    }
    for (int essai = 0;; ++essai) {
        sujet_.Genere(niveau_);
        if (!memoire_.Contient(sujet_.Cle()) || essai >= Essais_Max) break;
    }
    memoire_.Retient(sujet_.Cle());
    ouverte_ = true;
}

Verdict Cycle::Confirme(const std::vector<std::string>& reponses) {
    if (std::string refus = sujet_.Refuse(reponses); !refus.empty()) {
        Verdict v;
        v.refus = std::move(refus);
        return v;
    }
    Commune::Compte_Exercice();
    if (std::string refus = sujet_.Refuse_Apres_Compte(reponses); !refus.empty()) {
        Verdict v;
        v.refus = std::move(refus);
        v.refus_compte = true;
        ++refus_comptes_;
        return v;
    }
    Verdict v = sujet_.Juge(reponses);
    if (v.juste) Commune::Note_Juste(sujet_.Points(), niveau_);
    else Commune::Note_Faux(sujet_.Points(), niveau_);
    ouverte_ = false;
    return v;
}

}  // namespace Exercice
