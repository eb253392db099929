#include "topics/algebra/logic/Inequat.hpp"

#include <array>

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"
#include "framework/logic/Symbole.hpp"

namespace Inequat {

using Commune::Coef_Texte;
using Commune::Groupe_Chiffres;
using Commune::Normalise_Decimal;
using Exercice::Decision;

namespace {

std::string N(int64_t n) { return std::to_string(n); }

const std::array<const char*, 4> Signes{"<", Symbole::Inferieur_Egal, ">", Symbole::Superieur_Egal};

std::string Sans_Plus(std::string t) {
    std::erase(t, '+');
    return t;
}

}  // namespace

std::string Signe_Texte(int signe) { return Signes[static_cast<std::size_t>(signe & 3)]; }

std::string Signe_Bulle(int signe) {
    static const std::array<const char*, 4> bulles{"strictement inférieur", "inférieur ou égal",
                                                   "strictement supérieur", "supérieur ou égal"};
    return bulles[static_cast<std::size_t>(signe & 3)];
}

std::string Intervalle_Solution(int64_t a, int64_t b, int signe) {
    const std::string inf = Symbole::Infini;
    const std::string tout = "]-" + inf + ";+" + inf + "[";
    const std::string vide = Symbole::Ensemble_Vide;
    if (a == 0) {
        // 0 < b, 0 <= b, 0 > b or 0 >= b: all reals or none.
        const bool vrai = signe == 0 ? 0 < b : signe == 1 ? 0 <= b : signe == 2 ? 0 > b : 0 >= b;
        return vrai ? tout : vide;
    }
    std::string v = Commune::Texte_Reel(static_cast<long double>(b) / static_cast<long double>(a), 1);
    if (v == "+0" || v == "-0") v = "0";
    const std::string gauche = "]-" + inf + ";" + v;  // the reals below v
    const std::string droite = ";+" + inf + "[";      // the reals above v
    // Dividing by a negative a reverses the sign.
    const int s = a > 0 ? signe : (signe + 2) % 4;
    switch (s) {
    case 0: return gauche + "[";
    case 1: return gauche + "]";
    case 2: return "]" + v + droite;
    default: return "[" + v + droite;
    }
}

std::string Signe_Inverse(const std::string& s, int64_t a) {
    if (a >= 1) return s;
    if (s == "<") return ">";
    if (s == ">") return "<";
    if (s == Symbole::Inferieur_Egal) return Symbole::Superieur_Egal;
    if (s == Symbole::Superieur_Egal) return Symbole::Inferieur_Egal;
    return s;
}

std::string Etapes(int niveau, int64_t C, int64_t D, int signe) {
    const std::string s = Signe_Texte(signe);
    const std::string si = Signe_Inverse(s, C);
    const std::string ecart = "           c  ";
    if (niveau <= 2 && C == 1) return "c " + s + " " + N(D);
    if (niveau == 2 && C == 0) return "0 c " + s + " " + N(D);
    if (niveau <= 2) {
        std::string t = Coef_Texte(C) + " c  " + s + " " + N(D) + ecart + si + " " + N(D) + "/" + N(C);
        if (niveau == 1) return t + ecart + si + " " + N(D / C);  // the root is an integer at level 1
        const long double q = static_cast<long double>(D) / static_cast<long double>(C);
        const std::string F3 = Normalise_Decimal(Commune::Texte_Fixe(q, 3));
        const std::string F1 = Normalise_Decimal(Commune::Texte_Fixe(q, 1));
        t += ecart + si + " " + Groupe_Chiffres(F3);
        if (F1 != F3) t += ecart + si + " " + Groupe_Chiffres(F1);
        return t;
    }
    if (niveau == 3) return Coef_Texte(C) + " c  " + s + "  " + N(D);
    return {};
}

Decision Filtre_Intervalle(char32_t c) {
    static const std::u32string admis = U"+-.0123456789;[]";
    if (c == Exercice::Retour_Arriere) return Decision::Accepte(c);
    if (c == U',') return Decision::Accepte(U'.');
    return admis.find(c) != std::u32string::npos ? Decision::Accepte(c) : Decision::Refus();
}

bool Meme_Intervalle(const std::string& reponse, const std::string& attendu) {
    const std::string t = Normalise_Decimal(reponse);
    return t == attendu || Sans_Plus(t) == Sans_Plus(attendu);
}

void Sujet::Prepare(int) { signe_ = Random(4); }

bool Sujet::Hors_Clavier(int, char32_t c) const {
    return c == Symbole::Signe(U'\u00A5') || c == Symbole::Signe(U'\u00C6');
}

std::string Sujet::Attendu() const {
    const Termes::Reduite r = Reduite();
    return Intervalle_Solution(r.C, r.D, signe_);
}

std::string Sujet::Etapes() const {
    const Termes::Reduite r = Reduite();
    return Inequat::Etapes(Equation().niveau, r.C, r.D, signe_);
}

Exercice::Verdict Sujet::Juge(const std::vector<std::string>& reponses) const {
    Exercice::Verdict v;
    v.juste = Meme_Intervalle(Exercice::Reponse(reponses, 0), Attendu());
    v.titre_faux = "Faux c'est :";
    v.correction = Attendu();
    return v;
}

}  // namespace Inequat
