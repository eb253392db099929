#include "topics/decimal/logic/Dins.hpp"

#include "framework/logic/Hasard.hpp"
#include "topics/decimal/logic/Decimaux.hpp"

namespace Dins {

namespace {
// " x1, x2, ..." from the examples [debut, fin).
std::string Liste(const std::vector<std::string>& x, std::size_t debut, std::size_t fin) {
    std::string r;
    for (std::size_t i = debut; i < fin && i < x.size(); ++i) r += ", " + x[i];
    return r.empty() ? r : r.substr(1);
}
}  // namespace

int Nombres(int niveau) { return niveau <= 1 ? 3 : niveau == 2 ? 8 : 13; }

void Sujet::Genere(int niveau) {
    niveau_ = niveau < 1 ? 1 : niveau > 4 ? 4 : niveau;
    switch (niveau_) {
    case 1:
        a_dixiemes_ = Random(100);
        b_dixiemes_ = a_dixiemes_ + 10 + Random(10);
        break;
    case 2:
        a_dixiemes_ = Random(100);
        b_dixiemes_ = a_dixiemes_ + 1 + Random(20);
        break;
    case 3:
        a_dixiemes_ = Random(101);
        b_dixiemes_ = a_dixiemes_ + 1 + Random(20);
        break;
    default:
        a_dixiemes_ = 30 - Random(101);
        b_dixiemes_ = a_dixiemes_ + 1 + Random(20);
        break;
    }
}

std::string Sujet::Texte_A() const { return Decimaux::Texte_Decimal(A()); }
std::string Sujet::Texte_B() const { return Decimaux::Texte_Decimal(B()); }

std::string Sujet::Cle() const { return Texte_A() + " " + Texte_B(); }

std::string Sujet::Consigne() const {
    return "Insérer " + std::to_string(N()) + " nombres différents strictement compris entre : ";
}

std::string Sujet::Enonce() const { return Texte_A() + " et " + Texte_B(); }

std::vector<std::string> Sujet::Exemples() const {
    // A narrow interval is cut in equal parts (4, 10 or 20), a wider one
    // walked through by tenths.
    const int diff = b_dixiemes_ - a_dixiemes_;
    const int parts = niveau_ == 1 ? 4 : niveau_ == 2 ? 10 : 20;
    const int seuil = niveau_ == 1 ? 3 : niveau_ == 2 ? 8 : 13;
    std::vector<std::string> x;
    for (int i = 1; i <= N(); ++i) {
        const long double v = diff <= seuil
                                  ? static_cast<long double>(a_dixiemes_ * parts + i * diff) / (10 * parts)
                                  : static_cast<long double>(a_dixiemes_ + i) / 10;
        x.push_back(Decimaux::Texte_Decimal(v));
    }
    return x;
}

std::string Sujet::Exemples1() const {
    const std::vector<std::string> x = Exemples();
    return (niveau_ == 1 ? "Ex : " : "Ex :") + Liste(x, 0, niveau_ <= 2 ? x.size() : 5);
}

std::string Sujet::Exemples2() const { return niveau_ <= 2 ? std::string() : Liste(Exemples(), 5, 10); }
std::string Sujet::Exemples3() const { return niveau_ <= 2 ? std::string() : Liste(Exemples(), 10, 13); }

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    Exercice::Verdict v;
    const std::size_t n = static_cast<std::size_t>(N());
    // A text without a digit is no number: out of range, and never the same
    // as another. Numbers are compared by value (".5" is "0.5").
    std::vector<long double> valeurs;
    std::vector<bool> nombre;
    for (std::size_t i = 0; i < n; ++i) {
        const std::string t = Exercice::Reponse(reponses, i);
        nombre.push_back(Decimaux::A_Un_Chiffre(t));
        valeurs.push_back(Decimaux::Lit_Decimal(t));
    }
    for (std::size_t i = 0; i < n; ++i)
        if (!nombre[i] || !(valeurs[i] > A() && valeurs[i] < B())) v.marquees.push_back(static_cast<int>(i));
    bool differents = true;
    for (std::size_t i = 0; i < n; ++i) {
        if (!nombre[i]) continue;
        for (std::size_t j = i + 1; j < n; ++j)
            if (nombre[j] && valeurs[j] == valeurs[i]) differents = false;
        // At the first two levels the upper bound's box stands among the
        // pupil's: typing the bound again counts as a repetition.
        if (niveau_ <= 2 && valeurs[i] == B()) differents = false;
    }
    const int erreurs = static_cast<int>(v.marquees.size());
    v.juste = differents && erreurs == 0;
    v.titre_faux = "C'est faux !";
    if (!differents) v.legende_faux = "Les nombres doivent tous être différents !";
    else v.legende_faux = erreurs == 1 ? "1 erreur" : std::to_string(erreurs) + " erreurs";
    v.correction = Liste(Exemples(), 0, n);
    return v;
}

Exercice::Decision Sujet::Filtre(int, char32_t c, int curseur, const std::u32string& texte) const {
    return Decimaux::Filtre_Decimal(c, curseur, texte, true);
}

}  // namespace Dins
