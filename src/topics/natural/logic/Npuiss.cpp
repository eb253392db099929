#include "topics/natural/logic/Npuiss.hpp"

#include <algorithm>

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"

namespace Npuiss {

namespace {

int64_t Valeur_Texte(const std::string& t) {
    if (t.empty()) return -1;
    int64_t v = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return -1;
        v = std::min<int64_t>(v * 10 + (c - '0'), 1'000'000'000);
    }
    return v;
}

}  // namespace

void Sujet::Genere(int niveau) {
    niveau_ = std::clamp(niveau, 1, 4);
    q_ = 0;
    regle_ = Regle::Aucune;
    switch (niveau_) {
    case 1: {
        const int32_t c = Random(26);
        if (c == 0) n_ = Random(30) + 1, e_ = 0;
        else if (c <= 2) n_ = Random(30), e_ = 1;
        else if (c <= 6) n_ = Random(16), e_ = 2;
        else if (c <= 9) n_ = Random(11), e_ = 3;
        else if (c <= 12) n_ = 2, e_ = Random(9) + 4;
        else if (c <= 15) n_ = 3, e_ = Random(5) + 4;
        else if (c <= 18) n_ = 4, e_ = Random(6) + 2;
        else if (c <= 22) n_ = 5, e_ = Random(5) + 2;
        else n_ = 6, e_ = Random(5) + 2;
        break;
    }
    case 2: {
        const int32_t c = Random(20);
        if (c <= 4) n_ = 7, e_ = Random(3) + 4;
        else if (c <= 9) n_ = 9, e_ = Random(4) + 4;
        else if (c <= 13) {
            n_ = Random(6) + 10;
            e_ = Random(3) + 4;
        } else if (c <= 16) {
            n_ = Random(16) + 15;
            e_ = Random(2) + 4;
        } else {
            n_ = Random(430) + 30;
            e_ = Random(2) + 2;
        }
        break;
    }
    case 3:
        if (Random(2) == 0) {
            regle_ = Regle::Produit;
            n_ = Random(8) + 2;
            e_ = Random(9) + 1;
            q_ = Random(9) + 1;
        } else {
            regle_ = Regle::Puissance;
            n_ = Random(8) + 2;
            e_ = Random(8) + 2;
            q_ = Random(8) + 2;
        }
        break;
    default: {
        const int32_t c = Random(7);
        if (c <= 2) {
            n_ = Random(4) + 2;
            e_ = Random(6) + 2;
        } else if (c == 3) {
            n_ = Random(6);
            e_ = Random(7) + 2;
        } else if (c <= 5) {
            n_ = 10 * Random(6) + 10;
            e_ = Random(4) + 2;
        } else {
            n_ = 10;
            e_ = Random(7) + 2;
        }
        break;
    }
    }
}

std::string Sujet::Cle() const { return std::to_string(n_) + " " + std::to_string(e_) + " " + std::to_string(q_); }

int32_t Sujet::Valeur() const { return Commune::Puissance_Entiere(n_, e_); }

int32_t Sujet::Exposant_Attendu() const { return regle_ == Regle::Produit ? q_ + e_ : e_ * q_; }

std::string Sujet::Developpe() const {
    if (e_ < 2) return {};
    std::string t = std::to_string(n_);
    for (int i = 1; i < e_; ++i) t += "x" + std::to_string(n_);
    return t + " =";
}

std::string Sujet::Exposant_Detaille() const {
    return regle_ == Regle::Produit ? std::to_string(q_) + "+" + std::to_string(e_)
                                    : std::to_string(e_) + "x" + std::to_string(q_);
}

bool Sujet::Egale(int64_t base, int64_t exposant, int64_t valeur) {
    if (base < 0 || exposant < 0) return false;
    int64_t v = 1;
    for (int64_t i = 0; i < exposant; ++i) {
        v *= base;
        if (v > valeur) return false;  // never comes back down (base >= 2)
        if (base <= 1) return (base == 0 ? 0 : 1) == valeur;
    }
    return v == valeur;
}

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    const std::string typee = reponses.empty() ? std::string() : reponses[0];
    const int64_t exposant = Valeur_Texte(reponses.size() > 1 ? reponses[1] : std::string());
    Exercice::Verdict v;
    v.entete = "C'est ";
    switch (niveau_) {
    case 1:
    case 2:
        v.juste = typee == std::to_string(Valeur());
        v.entete += Developpe();
        v.correction = Commune::Groupe_Chiffres(std::to_string(Valeur()));
        break;
    case 3:
        v.juste = exposant == Exposant_Attendu();
        break;
    default:
        v.juste = Egale(Valeur_Texte(typee), exposant, Valeur());
        break;
    }
    return v;
}

}  // namespace Npuiss
