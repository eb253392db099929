// What the fraction windows add to the exercise window: the answer typed as a
// numerator box over a bar over a denominator box, a taller question panel for
// stacked fractions, a wider verdict panel for worked corrections, and the two
// worked-correction layouts several windows share.
#pragma once

#include <QGridLayout>
#include <QHBoxLayout>

#include "framework/FenetreExercice.hpp"
#include "topics/fraction/Case_Fraction.hpp"
#include "topics/fraction/logic/Corrections.hpp"


class TFenetreFraction : public TExerciceForm {
    Q_OBJECT
public:
    // The fraction windows' common design.
    static Description Design(const QString& caption, int aide, const QString& consigne);

    TFenetreFraction(const Description& d, std::unique_ptr<Exercice::Sujet> sujet, QWidget* parent);

    TEntree* Edit2 = nullptr;
    TFigure* Figure1 = nullptr;
    QWidget* Zone_Correction = nullptr;  // inside WinPanel1, holds the window's correction

    static constexpr int Hauteur_Question = 89;
    static constexpr int Hauteur_Correction = 48;

    // Pieces of a question or correction line.
    TCase_Fraction* Fraction_Question(bool entier_si_un = false);
    QLabel* Signe_Question(const QString& texte = {});
    TCase_Fraction* Fraction_Correction(bool entier_si_un = false);
    QLabel* Texte_Correction(const QString& texte = {}, int taille = 20);
    static void Montre(TCase_Fraction* f, const Fractions::Affichage& a);

protected:
    std::vector<TEntree*> Entrees() const override { return {Edit1, Edit2}; }
    // A numerator box over a bar over a denominator box.
    QWidget* Bloc_Reponse(TEntree* haut, TEntree* bas, TFigure* barre);
    // Lays out the question line from the given pieces, centred in Panel1.
    void Place_Ligne(const std::vector<QWidget*>& elements);
    // Hides the correction between questions.
    void Affiche_Question() final;
    virtual void Montre_Question() = 0;
    void Montre_Correction(const Exercice::Verdict& v) final;
    virtual void Dessine_Correction() = 0;

private:
    QWidget* ligne_question_ = nullptr;

protected:
    void Construit_Enfants() override;
};

// The one-line worked correction of a sum, a difference or a mixed expression:
//   F1s Lp1 F2s Lp2 F3s Leg1 F1r Lp3 F2r Lp4 F3r Leg2 Frep Leg3 Freps Lentier
//   Lpar1     Lpar2     Lpar3                                   Lpar
class TPanneau_Somme : public QWidget {
    Q_OBJECT
public:
    TPanneau_Somme(TFenetreFraction* f, QWidget* parent, bool premier_entier_si_un = false);
    TCase_Fraction *F1s, *F2s, *F3s, *F1r, *F2r, *F3r, *Frep, *Freps;
    QLabel *Lp1, *Lp2, *Lp3, *Lp4, *Leg1, *Leg2, *Leg3, *Lentier, *Lpar1, *Lpar2, *Lpar3, *Lpar;
    void Montre(const Fractions::Ligne_Somme& l);
};

// The worked correction of a product: the factors, then the cancellations one
// at a time (written above each fraction), then the irreducible result at the
// right. A line too long for the panel goes on over a second row that begins
// with "=".
class TPanneau_Annulations : public QWidget {
    Q_OBJECT
public:
    TPanneau_Annulations(TFenetreFraction* f, QWidget* parent);
    std::array<TCase_Fraction*, 6> F;      // F1 .. F6
    std::array<QLabel*, 5> L;         // L1 .. L5, above F1 .. F5
    std::array<QLabel*, 5> Leg;       // Leg1 .. Leg5, between the fractions
    QLabel* Leg7 = nullptr;
    TCase_Fraction* Freps = nullptr;
    QLabel* Lentier = nullptr;
    void Montre(const Fractions::Annulations& a);
};

// The question line of an operation on two or three fractions:
//   Fraction1 LS1 Fraction2 LS2 Fraction3 = numerator box over denominator box
class TFenetre_Operation : public TFenetreFraction {
    Q_OBJECT
public:
    TFenetre_Operation(const Description& d, std::unique_ptr<Exercice::Sujet> sujet, QWidget* parent,
                       const QString& operateur, bool entier_si_un = false);
    TCase_Fraction *Fraction1 = nullptr, *Fraction2 = nullptr, *Fraction3 = nullptr;
    QLabel *LS1 = nullptr, *LS2 = nullptr, *L_S1 = nullptr;

protected:
    // Shows the fractions; the third one and its sign only when `nombre` is 3.
    void Montre_Fractions(const Fractions::Trio& f, int nombre, const std::array<std::string, 3>& signes = {"", "", ""});
    void Construit_Enfants() override;

private:
    QString operateur_;
    bool entier_si_un_;
};
