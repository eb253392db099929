// The mental arithmetic race: a calculation slides across the board, one
// step a tick, and the pupil must press the button of its result (0..99)
// before it reaches the edge.
#pragma once

#include <string>

namespace Cm {

enum class Operation { Addition, Soustraction, Multiplication, Division };

const char* Nom(Operation op);    // "Addition", ...
const char* Signe(Operation op);  // "+", "-", "x", ":"

struct Calcul {
    Operation op = Operation::Addition;
    int a = 0, b = 0;
    int Resultat() const;
    std::string Texte() const;       // "12 x 7"
    std::string Correction() const;  // "Non 12 x 7 = 84"
};

// Draws a calculation of the operation at the level (1..4), with Random.
Calcul Tire(Operation op, int niveau);

constexpr int Points = 5;

// The race: where the calculation stands on the board and whether it waits
// for an answer.
class Course {
public:
    // Left edge of the calculation: at rest (no question on the board), when
    // posed, the step of a tick, the board's edge, and where a wrong answer
    // is written.
    static constexpr int Repos = 5, Depart = 25, Pas = 20, Bord = 240, Gauche_Faux = 80;

    enum class Etape { Posee, Temps_Ecoule, Retour, Avance };

    void Demarre() { en_course_ = true; }
    // Back to the start: nothing on the board, the question dropped unbooked.
    void Arrete();

    // One tick of the running race: poses a question at the slider's level
    // when the board is empty (the height is drawn first, then the draws are
    // reseeded), books an open question wrong at the edge, else moves on.
    Etape Tic(Operation op, int niveau_curseur);

    // A result the pupil settled, booked by Note().
    struct Reponse {
        bool prise = false;  // false: no question waited, nothing to book
        bool juste = false;
        int niveau = 1;
    };
    // The pupil pressed the button of `nombre`: closes the question.
    Reponse Presse(int nombre);
    static void Note(const Reponse& r);

    // A wrong answer is written further left; the board is emptied for the
    // next tick.
    void Montre_Faux() { gauche_ = Gauche_Faux; }
    void Au_Repos() { gauche_ = Repos; }

    bool En_Course() const { return en_course_; }
    bool Ouverte() const { return ouverte_; }
    int Gauche() const { return gauche_; }
    int Hauteur() const { return hauteur_; }
    int Niveau() const { return niveau_; }
    // The clock's interval for the current question's level.
    int Intervalle() const { return niveau_ == 4 ? 500 : 1000; }
    const Calcul& Question() const { return question_; }

private:
    bool en_course_ = false;
    bool ouverte_ = false;
    int gauche_ = Repos;
    int hauteur_ = 20;
    int niveau_ = 1;
    Calcul question_;
};

}  // namespace Cm
