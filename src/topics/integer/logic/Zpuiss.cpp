#include "topics/integer/logic/Zpuiss.hpp"

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"
#include "topics/integer/logic/Relatifs.hpp"

namespace Zpuiss {

using Commune::Signe_Aleatoire;

void Sujet::Niveau1() {
    switch (Random(6)) {
    case 0:
        a_ = Signe_Aleatoire(2);
        n_ = Random(9) + 2;
        break;
    case 1:
        a_ = Signe_Aleatoire(3);
        n_ = Random(4) + 2;
        break;
    case 2:
        a_ = Signe_Aleatoire(4);
        n_ = Random(3) + 2;
        break;
    case 3:
        a_ = Signe_Aleatoire(5);
        n_ = Random(3) + 2;
        break;
    case 4:
        a_ = Signe_Aleatoire(Random(5) + 5);
        n_ = 2;
        break;
    default:
        a_ = Signe_Aleatoire(10);
        n_ = Random(8) + 2;
        break;
    }
    parentheses_ = true;
}

void Sujet::Niveaux2et3() {
    // Every case stays within a signed 32-bit result: 1290³ and 73⁵ are
    // both below 2³¹.
    switch (Random(4)) {
    case 0:
        a_ = Signe_Aleatoire(Random(1191) + 100);
        n_ = Random(2) + 2;
        break;
    case 1:
        a_ = Signe_Aleatoire(Random(54) + 20);
        n_ = Random(4) + 2;
        break;
    case 2:
        a_ = Signe_Aleatoire(Random(16));
        n_ = Random(6) + 2;
        break;
    default:
        a_ = Signe_Aleatoire(Random(74));
        n_ = Random(6);
        if (a_ == 0 && n_ == 0) {  // 0 to the power 0 is never asked
            if (niveau_ == 2) a_ = Signe_Aleatoire(Random(9000) + 1000);
            else n_ = Random(256) + 1;
        }
        break;
    }
    parentheses_ = niveau_ < 3 || Random(100) % 2 == 1;
}

void Sujet::Genere(int niveau) {
    niveau_ = niveau < 1 ? 1 : (niveau > 3 ? 3 : niveau);
    if (niveau_ == 1) Niveau1();
    else Niveaux2et3();
}

void Sujet::Fixe(int niveau, int32_t a, int n, bool parentheses) {
    niveau_ = niveau;
    a_ = a;
    n_ = n;
    parentheses_ = parentheses;
}

int32_t Sujet::Resultat() const {
    if (parentheses_ || a_ >= 0) return Commune::Puissance_Entiere(a_, n_);
    return -Commune::Puissance_Entiere(-a_, n_);
}

std::string Sujet::Cle() const { return std::to_string(a_) + " " + std::to_string(n_); }

std::string Sujet::Correction() const { return Relatifs::Groupe_Entier(Resultat()); }

std::string Sujet::Base() const {
    if (parentheses_) return "(" + Relatifs::Groupe_Entier(a_, true) + ")";
    return Relatifs::Groupe_Entier(a_);
}

std::string Sujet::Consigne() const { return niveau_ == 1 ? "Calculer (sans machine)" : "Calculer"; }

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    return Relatifs::Juge_Entier(reponses, Attendu(), Correction());
}

Exercice::Decision Sujet::Filtre(int, char32_t c, int curseur, const std::u32string& texte) const {
    return Relatifs::Filtre_Signe_Ou_Barre(c, curseur, texte);
}

}  // namespace Zpuiss
