// The two multiples of a power of ten that enclose a result, the precision
// chosen from the size of the result, and the writing of the result between
// them. Shared by the bracketing and the rounding windows.
#pragma once

#include <string>
#include <vector>

namespace Multiples_Voisins {

// The precision 10^k as the instruction line shows it: "10" with its
// exponent (or "1"), then the words after it.
struct Precision {
    std::string unite, exposant, libelle;
};
Precision Texte_Precision(int k);

struct Voisins {
    int k = 0;                         // the precision is 10^k
    std::string inferieur, superieur;  // written with max(0, -k) decimals
    bool multiple = false;             // x is itself a multiple: both texts are that multiple
};

// k is Ordre_Grandeur(x). `confondus`: a result that is itself a multiple
// gives that multiple as both neighbours (rounding); otherwise it is the
// lower one (bracketing).
Voisins Calcule(long double x, bool confondus);

// The multiples nearest to x: both at an exact half (within 0.00001).
std::vector<std::string> Plus_Proches(long double x, const Voisins& v);

// x written with n decimals for a correction that shows it between its
// neighbours: rounded, unless rounding would carry it onto the outer
// neighbour (upper for a positive x, lower otherwise); it is then cut.
std::string Texte_Entre(long double x, int n, const Voisins& v);

}  // namespace Multiples_Voisins
