#include "games/logic/Cm.hpp"

#include "framework/logic/Commune.hpp"
#include "framework/logic/Hasard.hpp"

namespace Cm {

const char* Nom(Operation op) {
    switch (op) {
    case Operation::Addition: return "Addition";
    case Operation::Soustraction: return "Soustraction";
    case Operation::Multiplication: return "Multiplication";
    case Operation::Division: return "Division";
    }
    return "";
}

const char* Signe(Operation op) {
    switch (op) {
    case Operation::Addition: return "+";
    case Operation::Soustraction: return "-";
    case Operation::Multiplication: return "x";
    case Operation::Division: return ":";
    }
    return "";
}

int Calcul::Resultat() const {
    switch (op) {
    case Operation::Addition: return a + b;
    case Operation::Soustraction: return a - b;
    case Operation::Multiplication: return a * b;
    case Operation::Division: return b != 0 ? a / b : 0;
    }
    return 0;
}

std::string Calcul::Texte() const { return std::to_string(a) + " " + Signe(op) + " " + std::to_string(b); }

std::string Calcul::Correction() const { return "Non " + Texte() + " = " + std::to_string(Resultat()); }

namespace {

Calcul Addition(int niveau) {
    Calcul c{Operation::Addition};
    if (niveau == 1) {
        if (Random(5) == 0) {
            c.a = Random(10);
            c.b = Random(10);
        } else {
            c.a = Random(9) + 1;
            c.b = Random(9) + 1;
        }
    } else if (niveau == 2) {
        c.a = Random(20) + 11;
        c.b = Random(20) + 11;
    } else {
        do {
            c.a = Random(80) + 20;
            c.b = Random(80) + 20;
        } while (c.a + c.b >= 100);
    }
    return c;
}

Calcul Soustraction(int niveau) {
    Calcul c{Operation::Soustraction};
    do {
        if (niveau == 1) {
            c.a = Random(20);
            c.b = Random(10);
        } else if (niveau == 2) {
            c.a = Random(40) + 11;
            c.b = Random(20) + 11;
        } else {
            c.a = Random(80) + 20;
            c.b = Random(80) + 20;
        }
    } while (c.a < c.b);
    return c;
}

Calcul Multiplication(int niveau) {
    Calcul c{Operation::Multiplication};
    for (;;) {
        if (niveau == 1) {
            c.a = Random(10) + 1;
            c.b = Random(10) + 1;
        } else if (niveau == 2) {
            c.a = Random(20) + 11;
            c.b = Random(5) + 2;
        } else {
            c.a = Random(95) + 5;
            c.b = Random(95) + 5;
        }
        const int p = c.a * c.b;
        if (p < 100 && (niveau < 3 || p > 30)) return c;
    }
}

Calcul Division(int niveau) {
    Calcul c{Operation::Division};
    if (niveau >= 3) {
        // The divisor is drawn once; only the dividend is drawn again.
        c.b = Random(4) + 2;
        do c.a = c.b * Random(100);
        while (c.a / c.b >= 99);
        return c;
    }
    for (;;) {
        if (niveau == 1) {
            c.a = Random(100);
            c.b = Random(10) + 1;
        } else {
            c.a = Random(99) + 1;
            c.b = Random(9) + 2;
        }
        if (c.a % c.b != 0) continue;
        const int q = c.a / c.b;
        if (niveau == 1 ? q <= 10 : q > 10) return c;
    }
}

}  // namespace

Calcul Tire(Operation op, int niveau) {
    switch (op) {
    case Operation::Addition: return Addition(niveau);
    case Operation::Soustraction: return Soustraction(niveau);
    case Operation::Multiplication: return Multiplication(niveau);
    case Operation::Division: return Division(niveau);
    }
    return {};
}

void Course::Arrete() {
    en_course_ = false;
    ouverte_ = false;
    gauche_ = Repos;
}

Course::Etape Course::Tic(Operation op, int niveau_curseur) {
    if (gauche_ == Repos) {
        hauteur_ = Random(280) + 20;
        niveau_ = niveau_curseur;
        Randomize();
        question_ = Tire(op, niveau_);
        ouverte_ = true;
        gauche_ = Depart;
        return Etape::Posee;
    }
    if (gauche_ >= Bord) {
        gauche_ = Repos;
        // A question answered meanwhile (its result shown during a pause) is
        // booked by its answer, not here.
        if (!ouverte_) return Etape::Retour;
        ouverte_ = false;
        Commune::Compte_Exercice();
        Commune::Note_Faux(Points, niveau_);
        return Etape::Temps_Ecoule;
    }
    gauche_ += Pas;
    return Etape::Avance;
}

Course::Reponse Course::Presse(int nombre) {
    if (!en_course_ || !ouverte_) return {};
    ouverte_ = false;
    return {true, nombre == question_.Resultat(), niveau_};
}

void Course::Note(const Reponse& r) {
    if (!r.prise) return;
    Commune::Compte_Exercice();
    if (r.juste) Commune::Note_Juste(Points, r.niveau);
    else Commune::Note_Faux(Points, r.niveau);
}

}  // namespace Cm
