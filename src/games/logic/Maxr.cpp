#include "games/logic/Maxr.hpp"

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"

namespace Maxr {

Plateau Tire_Plateau(int niveau) {
    int d = 0;
    if (niveau <= 1) d = Random(11) + 10;
    else if (niveau == 2) d = Random(21) + 10;
    else d = Random(41) + 20;
    Plateau p{};
    for (auto& colonne : p)
        for (int& v : colonne)
            do v = Random(2 * d) - d;
            while (v == 0);
    return p;
}

namespace {

// The row of the largest value among rows 1..dernier of the column (the
// first on ties), 0 when they hold none.
int Meilleure(const Plateau& p, int colonne, int dernier) {
    int rang = 0;
    for (int r = 1; r <= dernier; ++r) {
        const int v = p[colonne - 1][r - 1];
        if (v != 0 && (rang == 0 || v > p[colonne - 1][rang - 1])) rang = r;
    }
    return rang;
}

}  // namespace

int Choix_Ordi(const Plateau& p, int colonne, int niveau) {
    if (niveau <= 1) {
        const int k = Random(Taille) + 1;
        const int r = Meilleure(p, colonne, k);
        return r != 0 ? r : Meilleure(p, colonne, Taille);
    }
    if (niveau == 2) return Meilleure(p, colonne, Taille);
    // Strength 3: the value taken less the best the pupil could take back in
    // that row; a row leaving him no reply ends the game and scores the value.
    int rang = 0, meilleur = 0;
    for (int r = 1; r <= Taille; ++r) {
        const int v = p[colonne - 1][r - 1];
        if (v == 0) continue;
        bool reponse = false;
        int reprise = 0;
        for (int c = 1; c <= Taille; ++c) {
            const int w = p[c - 1][r - 1];
            if (c == colonne || w == 0) continue;
            if (!reponse || w > reprise) reprise = w;
            reponse = true;
        }
        const int score = reponse ? v - reprise : v;
        if (rang == 0 || score > meilleur) {
            rang = r;
            meilleur = score;
        }
    }
    return rang;
}

std::string Message_Fin(Issue issue, const std::string& prenom) {
    switch (issue) {
    case Issue::Gagne: return prenom + " a gagné !";
    case Issue::Nul: return "Match nul !";
    case Issue::Perdu: return prenom + " a perdu !";
    }
    return {};
}

void Partie::Pose(int niveau, const Plateau& p) {
    plateau_ = p;
    niveau_ = niveau;
    total_joueur_ = total_ordi_ = 0;
    colonne_ = 1;
    ligne_ = 0;
    tour_joueur_ = coup_libre_ = true;
    finie_ = reflechit_ = false;
    compteur_ = 0;
}

bool Partie::Colonne_Vide(int c) const {
    for (int r = 1; r <= Taille; ++r)
        if (Valeur(c, r) != 0) return false;
    return true;
}

bool Partie::Ligne_Vide(int r) const {
    for (int c = 1; c <= Taille; ++c)
        if (Valeur(c, r) != 0) return false;
    return true;
}

bool Partie::Prend_Joueur(int c, int r) {
    if (finie_ || !tour_joueur_ || !coup_libre_ || c < 1 || c > Taille || r < 1 || r > Taille) return false;
    if (Valeur(c, r) == 0 || (ligne_ != 0 && r != ligne_)) return false;
    coup_libre_ = false;
    reflechit_ = true;
    total_joueur_ += Valeur(c, r);
    plateau_[c - 1][r - 1] = 0;
    colonne_ = c;
    return true;
}

int Partie::Tic() {
    tour_joueur_ = false;
    if (compteur_ < 7) return 7 - compteur_++;
    compteur_ = 0;
    tour_joueur_ = true;
    return 0;
}

int Partie::Prend_Ordi() {
    const int r = Choix_Ordi(plateau_, colonne_, niveau_);
    if (r == 0) return 0;
    total_ordi_ += Valeur(colonne_, r);
    plateau_[colonne_ - 1][r - 1] = 0;
    ligne_ = r;
    return r;
}

void Partie::Fin_Tour() {
    reflechit_ = false;
    coup_libre_ = true;
}

Issue Partie::Termine() {
    Issue issue = Issue::Perdu;
    if (total_ordi_ < total_joueur_) issue = Issue::Gagne;
    else if (total_ordi_ == total_joueur_) issue = Issue::Nul;
    if (finie_) return issue;  // booked once
    finie_ = true;
    reflechit_ = false;
    if (issue == Issue::Gagne) Commune::Note_Juste(Points, niveau_);
    else if (issue == Issue::Nul) Commune::Note_Juste(Points / 2, niveau_);
    else Commune::Note_Faux(Points, niveau_);
    return issue;
}

void Partie::Abandonne() {
    if (finie_) return;
    finie_ = true;
    reflechit_ = false;
    Commune::Note_Faux(Points, niveau_);
}

}  // namespace Maxr
