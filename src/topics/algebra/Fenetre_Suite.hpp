// What the windows of arithmetic and geometric sequences share: the question
// lines (the given terms written with their index, what is asked, "=" and the
// entry) and the correction lines (the term computed with its index, the sum
// with its own), shown from a Suites::Enonce. Each window adds its longer
// derivation in Psup (and the geometric one its power of q).
#pragma once

#include <QFrame>

#include "controls/Indice.hpp"
#include "framework/FenetreExercice.hpp"
#include "topics/algebra/logic/Suites.hpp"

class TFenetre_Suite : public TExerciceForm {
    Q_OBJECT
public:
    TFenetre_Suite(const Description& d, std::unique_ptr<Suites::Sujet> sujet, int longueur, QWidget* parent);

    TIndice* Indice1 = nullptr;
    QLabel* Label2 = nullptr;
    TIndice* Indice12 = nullptr;
    QLabel* Label21 = nullptr;
    TIndice* Indice2 = nullptr;
    QLabel* Legal = nullptr;
    TIndice* IndiceRep1 = nullptr;
    TIndice* IndiceRep2 = nullptr;
    QFrame* Psup = nullptr;

    const Suites::Enonce& Question() const { return Sujet_De<Suites::Sujet>().Question(); }

protected:
    void Affiche_Question() override;
    void Apres_Question() override;
    void Montre_Correction(const Exercice::Verdict& v) override;
    void Montre_Juste(const Exercice::Verdict& v) override;

    // A label of the correction, in its font.
    QLabel* Ligne_Correction(QWidget* parent);
    // Lays controls out from left to right from x, centred on the line y.
    static int Aligne(const std::vector<QWidget*>& elements, int x, int y);
    // Writes a label's text and fits it to it.
    static void Ecrit(QLabel* l, const std::string& texte);
    // What follows LRep1 on the first line of the correction (a power of q).
    virtual std::vector<QWidget*> Suite_Ligne1() { return {}; }
    // Fills Psup from the question (shown only when the question says so),
    // and the lines of the correction it covers.
    virtual void Remplit_Psup(const Suites::Enonce& e) = 0;
    // The correction's controls of the window, hidden after a right answer.
    virtual std::vector<QWidget*> Correction() const;

    static constexpr int Haut_Indice = 30;
    static constexpr int Ligne1 = 38, Ligne2 = 82;  // the lines of the correction (their middle)
    void Construit_Enfants() override;

private:
    int longueur_;
};
