#include "topics/natural/logic/Divisibilite.hpp"

#include <algorithm>

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"

namespace Divisibilite {

using Exercice::Reponse;

namespace {

bool Par_2_3_Ou_5(int32_t n) { return n % 2 == 0 || n % 3 == 0 || n % 5 == 0; }

// The value of an entry of digits; an empty entry counts as 0.
int64_t Valeur(const std::string& t) {
    int64_t v = 0;
    for (char c : t) {
        if (c < '0' || c > '9') return -1;
        v = std::min<int64_t>(v * 10 + (c - '0'), 1'000'000'000);
    }
    return v;
}

std::string G(int64_t v) { return Commune::Groupe_Chiffres(std::to_string(v)); }

}  // namespace

// ---------------------------------------------------------------------------

void Multiples::Genere(int niveau) {
    niveau_ = std::clamp(niveau, 1, 4);
    switch (niveau_) {
    case 1: n_ = Random(10) + 1; break;
    case 2: n_ = Random(40) + 11; break;
    case 3: n_ = Random(450) + 51; break;
    default: n_ = Random(500) + 500; break;
    }
}

Exercice::Verdict Multiples::Juge(const std::vector<std::string>& reponses) const {
    bool juste = true;
    for (int k = 0; k < Cases; ++k) juste = juste && Reponse(reponses, k) == std::to_string(k * n_);
    Exercice::Verdict v;
    v.juste = juste;
    v.titre_faux = "Faux c'est :";
    const std::string n = std::to_string(n_);
    v.entete = "M(" + n + ") = {0, " + n + ", " + G(2 * n_) + ", " + G(3 * n_) + ", " + G(4 * n_) + ",";
    v.correction = G(5 * n_) + ", " + G(6 * n_) + ", " + G(7 * n_) + ", " + G(8 * n_) + ", " + G(9 * n_) + ",...}";
    return v;
}

// ---------------------------------------------------------------------------

void Diviseurs::Genere(int niveau) {
    niveau_ = std::clamp(niveau, 1, 4);
    switch (niveau_) {
    case 1:
        do n_ = Random(35) + 6;
        while (!Par_2_3_Ou_5(n_) || Commune::Est_Premier(n_));
        break;
    case 2: n_ = Random(75) + 6; break;
    case 3: n_ = Random(220) + 81; break;
    default: n_ = Random(420) + 300; break;
    }
    diviseurs_.clear();
    for (int32_t d = 1; d <= n_; ++d)
        if (n_ % d == 0) diviseurs_.push_back(d);
}

Exercice::Verdict Diviseurs::Juge(const std::vector<std::string>& reponses) const {
    bool juste = true;
    for (std::size_t k = 0; k < Cases; ++k)
        juste = juste && Reponse(reponses, k) == (k < diviseurs_.size() ? std::to_string(diviseurs_[k]) : std::string());
    std::string liste;
    for (std::size_t i = 0; i < diviseurs_.size(); ++i) {
        liste += std::to_string(diviseurs_[i]);
        // A space after every eighth lets the line wrap there.
        if (i + 1 < diviseurs_.size()) liste += (i + 1) % 8 == 0 ? ", " : ",";
    }
    Exercice::Verdict v;
    v.juste = juste;
    v.titre_faux = "Faux c'est :";
    v.entete.clear();
    v.correction = "D(" + std::to_string(n_) + ")={" + liste + "}";
    return v;
}

// ---------------------------------------------------------------------------

void Premier::Genere(int niveau) {
    niveau_ = std::clamp(niveau, 1, 4);
    switch (niveau_) {
    case 1: n_ = Random(80) + 1; break;
    case 2: n_ = Random(320) + 81; break;
    case 3: n_ = Random(400) + 401; break;
    default:
        do n_ = 2 * Random(451) + 101;
        while (n_ % 5 == 0);
        break;
    }
    diviseur_ = 0;
    for (int32_t d = 2; d <= n_ - 1; ++d)
        if (n_ % d == 0) {
            diviseur_ = d;
            break;
        }
}

std::string Premier::Refuse(const std::vector<std::string>& reponses) const {
    const std::string t = Reponse(reponses, 0);
    if (t.empty()) return {};
    const int64_t d = Valeur(t);
    if (!Commune::Est_Premier(d)) return "Le diviseur doit être premier !";
    if (d == 0) return "Il est impossible de diviser par 0 !";
    if (d == 1 || d == n_) return "Le diviseur doit être différent de 1 ou du nombre lui-même  !";
    return {};
}

Exercice::Verdict Premier::Juge(const std::vector<std::string>& reponses) const {
    const std::string t = Reponse(reponses, 0);
    const std::string choix = Reponse(reponses, 1);
    const int64_t d = t.empty() ? 0 : Valeur(t);
    const bool divise = d > 0 && n_ % d == 0;
    const std::string n = std::to_string(n_);
    Exercice::Verdict v;
    v.entete.clear();
    if (diviseur_ == 0) {
        v.juste = choix == Oui;
        v.entete = n + " est premier";
    } else {
        v.juste = choix == Non && divise;
        v.entete = n + " n'est pas premier.";
        const std::string s = std::to_string(diviseur_);
        v.correction = (t.empty() || divise) ? n + " est divisible par " + s + ", ..."
                                             : "Il n'est pas divisible par " + t + " mais par " + s + ",...";
    }
    return v;
}

// ---------------------------------------------------------------------------

void Decomposition::Prepare(int) { forme_ = Random(10); }

void Decomposition::Genere(int niveau) {
    niveau_ = std::clamp(niveau, 1, 4);
    auto R = [](int32_t k) { return Random(k) + 1; };
    switch (niveau_) {
    case 1:
        do n_ = Random(71) + 2;
        while (!Par_2_3_Ou_5(n_) || Commune::Est_Premier(n_));
        break;
    case 2: n_ = Random(100) + 2; break;
    case 3:
        if (forme_ < 2) {
            n_ = Random(900) + 100;
        } else {
            n_ = R(9);
            n_ *= R(3);
            n_ *= R(25);
            n_ += 100;
        }
        break;
    default:
        if (forme_ < 2) {
            n_ = Random(4000) + 1040;
        } else if (forme_ < 8) {
            n_ = R(4);
            for (int32_t k : {3, 5, 7, 11}) n_ *= R(k);
            n_ += 1040;
        } else {
            n_ = R(7);
            for (int32_t k : {11, 13, 5}) n_ *= R(k);
            n_ += 1040;
        }
        break;
    }
    Decompose(n_, facteurs_, exposants_);
}

void Decomposition::Decompose(int32_t m, std::array<int32_t, Cases>& facteurs, std::array<int32_t, Cases>& exposants) {
    facteurs.fill(0);
    exposants.fill(0);
    std::size_t place = 0;
    for (int32_t d = 2; m > 1 && place < Cases; ++d) {
        if (m % d != 0) continue;
        facteurs[place] = d;
        while (m % d == 0) {
            ++exposants[place];
            m /= d;
        }
        ++place;
    }
}

Exercice::Verdict Decomposition::Juge(const std::vector<std::string>& reponses) const {
    bool juste = true;
    for (std::size_t k = 0; k < Cases; ++k) {
        const int64_t exposant = Valeur(Reponse(reponses, Cases + k));
        juste = juste && Valeur(Reponse(reponses, k)) == facteurs_[k] &&
                exposant == (facteurs_[k] != 0 ? exposants_[k] : 1);
    }
    Exercice::Verdict v;
    v.juste = juste;
    v.titre_faux = "Faux c'est :";
    v.entete = Ligne_Exposants();
    v.correction = Ligne_Facteurs();
    return v;
}

std::string Decomposition::Ligne_Exposants() const {
    std::string l(7, ' ');
    for (std::size_t k = 0; k < Cases && facteurs_[k] != 0; ++k)
        l += Commune::Cadre_Droite(exposants_[k] >= 2 ? std::to_string(exposants_[k]) : std::string(), 9);
    return l;
}

std::string Decomposition::Ligne_Facteurs() const {
    std::string l = Commune::Cadre_Droite(std::to_string(n_), 4) + " =  ";
    for (std::size_t k = 0; k < Cases && facteurs_[k] != 0; ++k)
        l += (k ? " x " : "") + Commune::Cadre_Droite(std::to_string(facteurs_[k]), 4);
    if (facteurs_[1] == 0 && exposants_[0] == 1) l += "  (nombre premier)";
    return l;
}

std::vector<std::string> Table_Premiers(int32_t jusqua, int largeur) {
    std::vector<std::string> lignes;
    int dans_la_ligne = 0;
    for (int32_t n = 1; n <= jusqua; ++n) {
        if (!Commune::Est_Premier(n)) continue;
        if (dans_la_ligne == 0) lignes.emplace_back();
        lignes.back() += Commune::Cadre_Droite(std::to_string(n), largeur);
        dans_la_ligne = (dans_la_ligne + 1) % 10;
    }
    return lignes;
}

}  // namespace Divisibilite
