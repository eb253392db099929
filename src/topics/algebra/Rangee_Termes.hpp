// The row of an equation (or inequation) of up to four terms, two a member:
// each term a panel (factor, "(", coefficient, "x", constant, ")") with,
// under it, a denominator over a fraction bar; the signs between the terms of
// a member, and the sign between the members. The row shows what
// Termes::Affiche decides and lays itself out from left to right; its tops
// are those of the question panel it sits in.
#pragma once

#include <QLabel>
#include <QWidget>
#include <array>

#include "controls/Figures.hpp"
#include "topics/algebra/logic/Termes.hpp"

class TRangee_Termes : public QWidget {
    Q_OBJECT
public:
    // `milieu`: the sign between the members ("=" for an equation).
    TRangee_Termes(QWidget* panneau, const QString& milieu);

    struct Terme {
        QWidget* PN;  // the term
        QLabel *L_K, *PARO, *L_A, *L_x, *L_B, *PARF;
        QWidget* PD;  // its denominator
        QLabel* L_D;
        TFigure* Figure;
    };
    // 1g, 2g, 1d, 2d.
    std::array<Terme, 4> termes;
    QLabel* L_Sg;
    QLabel* L_Sd;
    QLabel* Milieu;  // L_egal in an equation

    // Shows an equation and lays the row out, starting at `gauche` in the
    // panel; returns the right edge. `haut_milieu` (-1: the equation's) is the
    // top of the sign between the members.
    int Montre(const Termes::Affichage& a, int gauche, int haut_milieu = -1);
    // The line the row is read on (in the panel), for what stands beside it.
    int Axe() const { return axe_; }
    // Shows the row with the answer at its right end in the panel: the
    // name of the unknown ("x", "S"), "=" and the entry, on the row's line,
    // the entry ending at `fin`; the row centred in what is left (12 from the
    // left at least).
    void Montre_Avec_Reponse(const Termes::Affichage& a, int haut_milieu, QLabel* nom, QLabel* egal,
                             QWidget* entree, int fin);

    static constexpr int Hauteur_Terme = 44;

private:
    int axe_ = 55;
};
