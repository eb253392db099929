#include "games/logic/Nrange.hpp"

#include <algorithm>

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"
#include "topics/natural/logic/Divisibilite.hpp"

namespace Nrange {

namespace {

struct Reglage {
    int intervalle;
    int plus_grand;
};

Reglage Du_Niveau(int niveau) {
    switch (niveau) {
    case 2: return {1000, 100};
    case 3: return {500, 500};
    case 4: return {250, 1000};
    default: return {1500, 50};
    }
}

}  // namespace

int Intervalle(int niveau) { return Du_Niveau(niveau).intervalle; }
int Plus_Grand(int niveau) { return Du_Niveau(niveau).plus_grand; }

bool Juste(int32_t n, int boite) {
    const bool premier = Commune::Est_Premier(n);
    switch (boite) {
    case Premiers: return premier;
    case Par_2:
    case Par_3:
    case Par_5: return !premier && n % boite == 0;
    case Autres: return !premier && n % 2 != 0 && n % 3 != 0 && n % 5 != 0;
    default: return false;
    }
}

std::vector<std::string> Table() { return Divisibilite::Table_Premiers(1000, 4); }

Etape Chute(int haut, int hauteur, int sol, bool en_glisse, int boite) {
    if (haut < sol - hauteur / 2) return Etape::Descend;
    // A number in the pupil's hand does not land: the end of the drag decides.
    if (en_glisse) return Etape::Attend;
    return boite != Aucune ? Etape::Nouveau : Etape::Perdu;
}

void Partie::Pose(int niveau) {
    Randomize();
    niveau_ = niveau;
    const int32_t n = Plus_Grand(niveau);
    do {
        nombre_ = Random(n) + 1;
    } while (std::find(derniers_.begin(), derniers_.end(), nombre_) != derniers_.end());
    derniers_ = {derniers_[1], derniers_[2], nombre_};
    boite_ = Aucune;
}

Fin Partie::Fin_De_Glisse(bool au_sol) {
    if (au_sol && boite_ == Aucune) {
        Perd();
        return Fin::Perdu;
    }
    Commune::Compte_Exercice();
    if (Juste(nombre_, boite_)) {
        Commune::Note_Juste(Points, niveau_);
        return Fin::Juste;
    }
    Commune::Note_Faux(Points, niveau_);
    return Fin::Faux;
}

void Partie::Perd() { Commune::Note_Perdu(Points_Perdu); }

}  // namespace Nrange
