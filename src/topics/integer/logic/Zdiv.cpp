#include "topics/integer/logic/Zdiv.hpp"

#include "framework/logic/Commune.hpp"
#include "topics/integer/logic/Relatifs.hpp"

namespace Zdiv {

void Sujet::Prepare(int) { mode_ = Random(10); }

void Sujet::Genere(int niveau) {
    niveau_ = niveau < 1 ? 1 : (niveau > 3 ? 3 : niveau);
    using Relatifs::Non_Nul;
    using Relatifs::Tire;
    if (!Libre()) {
        // The quotient is drawn and the dividend built from it; only the
        // dividend takes a random sign.
        switch (niveau_) {
        case 1:
            b_ = Tire(21, 10, Non_Nul);
            a_ = Commune::Signe_Aleatoire((Random(10) + 1) * b_);
            break;
        case 2:
            b_ = Tire(41, 10, [](int32_t x) { return x > 10; });
            a_ = Commune::Signe_Aleatoire((Random(20) + 1) * b_);
            break;
        default:
            b_ = Tire(51, 25, Non_Nul);
            a_ = Commune::Signe_Aleatoire((Random(48) + 3) * b_);
            break;
        }
        return;
    }
    switch (niveau_) {
    case 1:
        a_ = Random(21) - 10;
        b_ = Tire(21, 10, Non_Nul);
        break;
    case 2:
        a_ = Random(41) - 10;
        b_ = Tire(41, 10, Non_Nul);
        break;
    default:
        a_ = Random(251) - 125;
        b_ = Tire(51, 25, Non_Nul);
        break;
    }
}

std::string Sujet::Cle() const { return std::to_string(a_) + " " + std::to_string(b_); }

std::string Sujet::Attendu() const { return Quotient_Existe() ? std::to_string(a_ / b_) : "/"; }

std::string Sujet::Correction() const {
    return Quotient_Existe() ? Relatifs::Correction_Resultat(a_ / b_, niveau_) : std::string();
}

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    const std::string tape = reponses.empty() ? std::string() : reponses.front();
    if (!Quotient_Existe()) return {tape == "/", std::string(), Pas_De_Quotient};
    return Relatifs::Juge_Entier(reponses, Attendu(), Correction());
}

Exercice::Decision Sujet::Filtre(int, char32_t c, int curseur, const std::u32string& texte) const {
    return Relatifs::Filtre_Signe_Ou_Barre(c, curseur, texte);
}

}  // namespace Zdiv
