#include "framework/logic/Commune.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <numeric>

#include "framework/logic/Hasard.hpp"

namespace Commune {

Compteurs_Serie Serie;

std::string Nom;
std::string Prenom;
std::string Classe;
std::string Fichier_Scores;
const std::string Nom_Fichier_Scores = "TAVELUNE.SCO";
const std::string Version = "V. 2.51";
bool Couleurs_Riches = false;
const Couleur Couleur_Panneaux{34, 87, 174};

// ---------------------------------------------------------------------------
// Counters and booking

namespace {
bool Niveau_Valide(int niveau) { return niveau >= 1 && niveau <= 4; }

int32_t Borne(int64_t v) {
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}
}  // namespace

int32_t Compteurs_Serie::JustesNiveau(int niveau) const {
    return Niveau_Valide(niveau) ? Niveaux[2 * (niveau - 1)] : 0;
}
int32_t Compteurs_Serie::EssaisNiveau(int niveau) const {
    return Niveau_Valide(niveau) ? Niveaux[2 * (niveau - 1) + 1] : 0;
}
int32_t& Compteurs_Serie::JustesNiveau(int niveau) { return Niveaux.at(2 * (niveau - 1)); }
int32_t& Compteurs_Serie::EssaisNiveau(int niveau) { return Niveaux.at(2 * (niveau - 1) + 1); }

void Compte_Exercice() { Serie.NbExercices = Borne(int64_t{Serie.NbExercices} + 1); }

void Note_Juste(int points, int niveau) {
    Serie.NbJustes = Borne(int64_t{Serie.NbJustes} + 1);
    Serie.Score = Borne(int64_t{Serie.Score} + int64_t{points} * niveau);
    if (Niveau_Valide(niveau)) {
        ++Serie.JustesNiveau(niveau);
        ++Serie.EssaisNiveau(niveau);
    }
}

void Note_Faux(int points, int niveau) {
    Serie.Score = Borne(std::max<int64_t>(0, int64_t{Serie.Score} - int64_t{points} * niveau));
    if (Niveau_Valide(niveau)) ++Serie.EssaisNiveau(niveau);
}

void Note_Perdu(int points) { Serie.Score = Borne(std::max<int64_t>(0, int64_t{Serie.Score} - int64_t{points})); }

// ---------------------------------------------------------------------------
// Text helpers

std::string Signe_Plus(const std::string& t) {
    if ((!t.empty() && t[0] == '-') || t == "0") return t;
    return "+" + t;
}

std::string Ajoute_Plus(const std::string& t) {
    if (!t.empty() && t[0] == '-') return t;
    return "+" + t;
}

std::string Enleve_Plus(const std::string& t) {
    std::string r = (!t.empty() && t[0] == '+') ? t.substr(1) : t;
    if (r == "-0") r = "0";
    return r;
}

std::string Terme_Signe(int64_t n) {
    if (n > 0) return "+ " + std::to_string(n);
    // n <= 0; written through unsigned so the smallest value has a magnitude too.
    return "- " + std::to_string(0ULL - static_cast<unsigned long long>(n));
}

std::string Parenthese_Negatif(int64_t n) {
    return n < 0 ? "(" + std::to_string(n) + ")" : std::to_string(n);
}

std::string Coef_Texte(int64_t n) {
    if (n == 1) return "";
    if (n == -1) return "-";
    return std::to_string(n);
}

namespace {
// Groups of three from the right; the head (1 to 3 characters) first.
std::string Groupe_Droite(const std::string& s) {
    std::string resultat;
    std::size_t reste = s.size();
    while (reste > 3) {
        resultat = " " + s.substr(reste - 3, 3) + resultat;
        reste -= 3;
    }
    return s.substr(0, reste) + resultat;
}

// Groups of three from the left; the tail (1 to 3 characters) last.
std::string Groupe_Gauche(const std::string& s) {
    std::string resultat;
    std::size_t pos = 0;
    while (s.size() - pos > 3) {
        resultat += s.substr(pos, 3) + " ";
        pos += 3;
    }
    return resultat + s.substr(pos);
}
}  // namespace

std::string Groupe_Chiffres(const std::string& t) {
    const auto point = t.find('.');
    if (point == std::string::npos) return Groupe_Droite(t);
    return Groupe_Droite(t.substr(0, point)) + "." + Groupe_Gauche(t.substr(point + 1));
}

std::string Enleve_Espaces(const std::string& t) {
    std::string r;
    std::copy_if(t.begin(), t.end(), std::back_inserter(r), [](char c) { return c != ' '; });
    return r;
}

std::string Normalise_Decimal(const std::string& t) {
    std::string r = t;
    std::replace(r.begin(), r.end(), ',', '.');
    if (r.find('.') != std::string::npos) {
        while (!r.empty() && r.back() == '0') r.pop_back();
    }
    if (!r.empty() && r.back() == '.') r.pop_back();
    if (r == "-0") r = "0";
    return r;
}

std::size_t Longueur(const std::string& t) {
    return static_cast<std::size_t>(
        std::count_if(t.begin(), t.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Cadre_Droite(const std::string& t, int largeur) {
    const auto n = Longueur(t);
    if (largeur <= 0 || n >= static_cast<std::size_t>(largeur)) return t;
    return std::string(static_cast<std::size_t>(largeur) - n, ' ') + t;
}

std::string Cadre_Gauche(const std::string& t, int largeur) {
    const auto n = Longueur(t);
    if (largeur <= 0 || n >= static_cast<std::size_t>(largeur)) return t;
    return t + std::string(static_cast<std::size_t>(largeur) - n, ' ');
}

// ---------------------------------------------------------------------------
// Writing reals

std::string Texte_Fixe(long double x, int n) {
    n = std::clamp(n, 0, 30);
    if (std::isnan(x)) return "NAN";
    if (std::isinf(x)) return x < 0 ? "-INF" : "INF";

    const bool negatif = x < 0;
    const long double m = std::fabs(x);

    // The magnitude as 18 significant digits d0 d1 ... d17 times 10^(exposant - 17).
    std::string chiffres = "0";
    int exposant = 0;
    if (m != 0) {
        char tampon[64];
        std::snprintf(tampon, sizeof tampon, "%.17Le", m);
        chiffres.clear();
        const char* p = tampon;
        for (; *p && *p != 'e'; ++p)
            if (*p >= '0' && *p <= '9') chiffres += *p;
        exposant = (*p == 'e') ? std::atoi(p + 1) : 0;
    }

    // Digit at the place whose value is 10^puissance.
    auto chiffre = [&](int puissance) -> char {
        const long idx = static_cast<long>(exposant) - puissance;
        return (idx >= 0 && idx < static_cast<long>(chiffres.size())) ? chiffres[static_cast<std::size_t>(idx)] : '0';
    };

    // Integer digits, then n decimals, as one string of digits.
    std::string nombre;
    for (int p = std::max(exposant, 0); p >= 0; --p) nombre += chiffre(p);
    for (int p = -1; p >= -n; --p) nombre += chiffre(p);

    if (chiffre(-n - 1) >= '5') {
        int i = static_cast<int>(nombre.size()) - 1;
        while (i >= 0 && nombre[static_cast<std::size_t>(i)] == '9') nombre[static_cast<std::size_t>(i--)] = '0';
        if (i < 0) nombre.insert(nombre.begin(), '1');
        else ++nombre[static_cast<std::size_t>(i)];
    }

    std::string entier = nombre.substr(0, nombre.size() - static_cast<std::size_t>(n));
    const std::string decimales = nombre.substr(entier.size());
    const auto premier = entier.find_first_not_of('0');
    entier = premier == std::string::npos ? "0" : entier.substr(premier);

    const bool nul = entier == "0" && decimales.find_first_not_of('0') == std::string::npos;
    std::string r = (negatif && !nul) ? "-" + entier : entier;
    if (n > 0) r += "." + decimales;
    return r;
}

std::string Texte_Reel(long double x, int n) { return Normalise_Decimal(Texte_Fixe(x, n)); }

// ---------------------------------------------------------------------------
// Number helpers

int32_t Signe_Aleatoire(int32_t n) { return Random(2) == 1 ? n : -n; }

long double Signe_Aleatoire_Reel(long double x) { return Random(2) == 1 ? x : -x; }

bool Est_Premier(int64_t n) {
    if (n < 3) return true;  // 0, 1 and 2 count as prime: the tables rely on it
    for (int64_t d = 2; d <= n / d; ++d)
        if (n % d == 0) return false;
    return true;
}

bool Est_Divisible(int64_t d, int64_t n) {
    if (d == 0) return false;
    return n % d == 0;
}

uint16_t Pgcd3(uint16_t a, uint16_t b, uint16_t c) {
    const unsigned g = std::gcd(std::gcd(unsigned{a}, unsigned{b}), unsigned{c});
    return static_cast<uint16_t>(g == 0 ? 1 : g);
}

uint16_t Ppcm3(uint16_t a, uint16_t b, uint16_t c) {
    constexpr uint64_t plafond = 65500;
    if (a == 0 || b == 0 || c == 0) return plafond;
    const uint64_t l = std::lcm(std::lcm(uint64_t{a}, uint64_t{b}), uint64_t{c});
    return static_cast<uint16_t>(l > plafond ? plafond : l);
}

int32_t Puissance_Entiere(int32_t base, int exposant) {
    // 32-bit arithmetic that wraps around, as the exercises expect.
    uint32_t r = 1;
    for (int i = 0; i < exposant; ++i) r *= static_cast<uint32_t>(base);
    return static_cast<int32_t>(r);
}

long double Puissance_Reelle(long double base, long double exposant) {
    return std::exp(exposant * std::log(base));
}

int Ordre_Grandeur(long double x) {
    const long double a = std::fabs(x);
    if (a > 50000) return 3;
    if (a > 5000) return 2;
    if (a > 500) return 1;
    if (a > 50) return 0;
    if (a > 5) return -1;
    if (a > 0.5L) return -2;
    return -3;
}

uint32_t Ticks_Ecoules(uint32_t debut, uint32_t maintenant) { return maintenant - debut; }

}  // namespace Commune
