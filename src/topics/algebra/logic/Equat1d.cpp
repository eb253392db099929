#include "topics/algebra/logic/Equat1d.hpp"

#include "framework/logic/Commune.hpp"

namespace Equat1d {

using Commune::Coef_Texte;
using Commune::Groupe_Chiffres;
using Commune::Normalise_Decimal;
using Exercice::Decision;

namespace {
std::string N(int64_t n) { return std::to_string(n); }
}  // namespace

std::string Solution_Texte(int64_t a, int64_t b) {
    if (a == 0) return b != 0 ? "/" : "I";
    const std::string t = Commune::Texte_Reel(static_cast<long double>(b) / static_cast<long double>(a), 2);
    return t == "-0" || t == "+0" ? "0" : t;
}

std::string Correction_Texte(int niveau, int64_t C, int64_t D) {
    const std::string E = Solution_Texte(C, D);
    const std::string F4 = Commune::Texte_Fixe(static_cast<long double>(D) / static_cast<long double>(C == 0 ? 1 : C), 4);
    const bool exacte = Normalise_Decimal(F4) == E;
    const std::string equation = Coef_Texte(C) + " x = " + N(D);
    const std::string quotient = N(D) + "/" + N(C);
    switch (niveau) {
    case 1:
    case 2:
        if (C == 0) return E + "    (" + N(C) + "x = " + N(D) + ")";
        if (C == 1) return "x = " + E;
        if (exacte) return equation + "       x = " + quotient + "       x = " + E;
        return equation + "   x = " + quotient + "   x = " + Groupe_Chiffres(F4) + "   x = " + E;
    case 3:
        if (C == 0) return E + "         (0x = " + N(D) + ")";
        if (C == 1) return equation + "    ";
        if (exacte) return equation + "    " + "   x = " + E;
        return equation + "    " + " x = " + Groupe_Chiffres(Normalise_Decimal(F4)) + "     x = " + E;
    default:
        if (C == 0) return E;
        if (C == 1 || exacte) return " x = " + E;
        return " x = " + Groupe_Chiffres(F4) + " = " + E;
    }
}

std::string Commentaire_Solution(const std::string& correction) {
    if (correction.starts_with("/")) return "(Impossible, 0 solution)";
    if (correction.starts_with("I")) return "(Indeterminé, infinité de solutions)";
    return {};
}

Decision Filtre_Solution(char32_t c, int curseur, const std::u32string& texte, const std::u32string& devant) {
    if (c == Exercice::Retour_Arriere) return Decision::Accepte(c);
    const bool chiffre = c >= U'0' && c <= U'9';
    const bool point = c == U'.' || c == U',';
    if (!chiffre && !point && devant.find(c) == std::u32string::npos) return Decision::Refus();
    const bool tete = !texte.empty() && devant.find(texte.front()) != std::u32string::npos;
    // Nothing goes in front of a sign, "/" or "I", nor a second one of them.
    if (curseur == 0 && tete) return Decision::Silence();
    if (!chiffre && !point) return curseur == 0 ? Decision::Accepte(c == U'i' ? U'I' : c) : Decision::Silence();
    if (point) return texte.find(U'.') == std::u32string::npos ? Decision::Accepte(U'.') : Decision::Silence();
    return Decision::Accepte(c);
}

std::string Sujet::Attendu() const {
    const Termes::Reduite r = Reduite();
    return Solution_Texte(r.C, r.D);
}

std::string Sujet::Correction() const {
    const Termes::Reduite r = Reduite();
    return Correction_Texte(Equation().niveau, r.C, r.D);
}

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    Exercice::Verdict v;
    v.juste = Commune::Enleve_Plus(Normalise_Decimal(Exercice::Reponse(reponses, 0))) == Attendu();
    v.titre_faux = "Faux c'est :";
    v.correction = Correction();
    return v;
}

}  // namespace Equat1d
