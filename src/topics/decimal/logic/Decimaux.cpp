#include "topics/decimal/logic/Decimaux.hpp"

#include <charconv>

#include "framework/logic/Commune.hpp"

namespace Decimaux {

using Exercice::Decision;

namespace {
bool Chiffre(char32_t c) { return c >= U'0' && c <= U'9'; }
}  // namespace

Decision Filtre_Decimal(char32_t c, int curseur, const std::u32string& texte, bool signe) {
    if (c == Exercice::Retour_Arriere) return Decision::Accepte(c);
    const bool est_point = c == U'.' || c == U',';
    if (!Chiffre(c) && !est_point && !(c == U'-' && signe)) return Decision::Refus();

    const bool moins = texte.find(U'-') != std::u32string::npos;
    if (c == U'-') return curseur == 0 && !moins ? Decision::Accepte(c) : Decision::Silence();
    // Nothing goes in front of a sign.
    if (moins && curseur <= static_cast<int>(texte.find(U'-'))) return Decision::Silence();
    if (est_point) {
        if (texte.find(U'.') != std::u32string::npos) return Decision::Silence();
        return Decision::Accepte(U'.');
    }
    return Decision::Accepte(c);
}

bool A_Un_Chiffre(const std::string& t) {
    for (char c : t)
        if (c >= '0' && c <= '9') return true;
    return false;
}

long double Lit_Decimal(const std::string& t) {
    // Digits are read by hand so that no locale and no exception get in.
    std::size_t i = 0;
    while (i < t.size() && t[i] == ' ') ++i;
    bool negatif = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) negatif = t[i++] == '-';
    std::string entier, decimales;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') entier += t[i++];
    if (i < t.size() && (t[i] == '.' || t[i] == ',')) {
        ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') decimales += t[i++];
    }
    if (entier.empty() && decimales.empty()) return 0;
    // from_chars reads the clean text whatever the process's locale (Qt sets
    // the user's, where the decimal separator may be a comma).
    const std::string propre = (entier.empty() ? "0" : entier) + "." + (decimales.empty() ? "0" : decimales);
    long double v = 0;
    std::from_chars(propre.data(), propre.data() + propre.size(), v);
    return negatif ? -v : v;
}

std::string Texte_Decimal(long double x) { return Commune::Normalise_Decimal(Commune::Texte_Fixe(x, 5)); }

}  // namespace Decimaux
