// The question/answer cycle shared by every topic, without any window:
// a topic supplies its generator, key, key filter and judge; the cycle keeps
// the memory of the last questions, the level and the booking.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace Exercice {

// What happens to a typed character.
struct Decision {
    enum Genre { Passe, Ignore, Bip };
    Genre genre = Passe;
    char32_t caractere = 0;  // the character that goes in (a filter may replace it)

    static Decision Accepte(char32_t c) { return {Passe, c}; }
    static Decision Silence() { return {Ignore, 0}; }
    static Decision Refus() { return {Bip, 0}; }
    bool operator==(const Decision&) const = default;
};

constexpr char32_t Retour_Arriere = U'\b';

// Backspace and digits, with one leading sign taken from `signes`: a sign
// passes only at the very beginning of an entry that has none yet (elsewhere
// it is dropped silently), and a digit never goes in front of it (it beeps).
// `texte` is the entry's text the character goes into.
Decision Filtre_Entier_Signe(char32_t c, int curseur, const std::u32string& texte,
                             const std::u32string& signes = U"+-");
// Backspace and digits.
Decision Filtre_Entier(char32_t c);

// Keys of the last three questions, oldest first.
class Memoire_Enonces {
public:
    explicit Memoire_Enonces(std::array<std::string, 3> depart = {"une", "deux", "trois"});
    bool Contient(const std::string& cle) const;
    void Retient(const std::string& cle);
    const std::array<std::string, 3>& Cles() const { return cles_; }

private:
    std::array<std::string, 3> cles_;
};

struct Verdict {
    bool juste = false;
    std::string correction;  // the expected answer as the correction shows it
    std::string entete = "La bonne réponse est :";  // the line above the correction
    std::string titre_faux = "Faux";                 // the verdict panel's title when wrong
    // Not empty: the answer was refused before anything was counted, and
    // this is the message that says why; the question stays open.
    std::string refus{};
    // The refused answer was counted as one exercise all the same (a refusal
    // after counting); nothing was judged and the entries are left as typed.
    bool refus_compte = false;
    // The verdict panel's caption when wrong (empty by default).
    std::string legende_faux{};
    // The answers (indices in the judge's order) marked as faulty on screen.
    std::vector<int> marquees{};
};

// The i-th text of an answer, a missing one read as empty.
inline std::string Reponse(const std::vector<std::string>& reponses, std::size_t i) {
    return i < reponses.size() ? reponses[i] : std::string();
}

// The line above a worked correction.
inline constexpr const char* C_Est = "C'est :";

// What a topic supplies to the cycle.
class Sujet {
public:
    virtual ~Sujet() = default;
    // Draws what holds for the whole question, once, before the operands are
    // drawn (and drawn again for the anti-repeat rule); nothing by default.
    virtual void Prepare(int niveau) {}
    // Draws the operands of one question at the given level (drawing again
    // internally until each operand meets its condition).
    virtual void Genere(int niveau) = 0;
    // Key of the current question, compared with the last three.
    virtual std::string Cle() const = 0;
    // Judges the typed answers (one text per entry, in entry order).
    virtual Verdict Juge(const std::vector<std::string>& reponses) const = 0;
    // The message refusing an answer that cannot be judged (nothing is then
    // counted); empty to go on and judge it.
    virtual std::string Refuse(const std::vector<std::string>& reponses) const { return {}; }
    // The message refusing an answer once the exercise has been counted
    // (nothing is judged, the question stays open); empty to judge it.
    virtual std::string Refuse_Apres_Compte(const std::vector<std::string>& reponses) const { return {}; }
    // Points booked per answer, multiplied by the level.
    virtual int Points() const = 0;
    // Character filter of an entry; `texte` is the entry's text before the key.
    virtual Decision Filtre(int entree, char32_t c, int curseur, const std::u32string& texte) const;
    // A character the keyboard filter refuses but that buttons of the window
    // put in the entry (a keypad's signs); none by default.
    virtual bool Hors_Clavier(int entree, char32_t c) const { return false; }
    // Whether a new question at this level must differ from the last three
    // (at a level without that memory each question is drawn once and the
    // memory is left untouched).
    virtual bool Evite_Repetitions(int niveau) const { return true; }
};

class Cycle {
public:
    explicit Cycle(Sujet& sujet, Memoire_Enonces memoire = Memoire_Enonces());

    // Poses a new question at the given level: reseeds the generator, draws
    // until the key differs from the last three, and remembers the key.
    void Pose(int niveau);
    // Books one exercise, judges the answers and books the result; an answer
    // the topic refuses is neither counted nor judged (Verdict::refus), or,
    // refused after counting, counted but not judged (Verdict::refus_compte).
    Verdict Confirme(const std::vector<std::string>& reponses);

    int Niveau() const { return niveau_; }
    bool Question_Ouverte() const { return ouverte_; }
    const Memoire_Enonces& Memoire() const { return memoire_; }
    Sujet& Sujet_Pose() { return sujet_; }
    const Sujet& Sujet_Pose() const { return sujet_; }
    // Questions posed since the cycle was made.
    int Posees() const { return posees_; }
    // Answers counted but refused (not judged) since the cycle was made.
    int Refus_Comptes() const { return refus_comptes_; }

    // Draws allowed before a repeated key is let through (a topic with very
    // few questions must not hang the window).
    static constexpr int Essais_Max = 10000;

private:
    Sujet& sujet_;
    Memoire_Enonces memoire_;
    int niveau_ = 1;
    bool ouverte_ = false;
    int posees_ = 0;
    int refus_comptes_ = 0;
};

}  // namespace Exercice
