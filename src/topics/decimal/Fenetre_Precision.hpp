// What the bracketing and rounding windows share: the instruction line that
// ends with the precision (10 with its exponent, then the words), a taller
// question panel where the computation is drawn with its terms, roots and
// fraction bar, and the sign ≤ drawn as a picture.
#pragma once

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>

#include "controls/Racine.hpp"
#include "framework/FenetreExercice.hpp"
#include "topics/decimal/logic/Dencad.hpp"
#include "topics/fraction/Case_Fraction.hpp"

// A square root inside a layout, following the width of its sign.
class TCase_Racine : public QWidget {
    Q_OBJECT
public:
    explicit TCase_Racine(QWidget* parent = nullptr, int hauteur = 36);
    QString Nombre() const { return racine_->Nombre(); }
    void setNombre(const QString& t);
    void setCouleur_Police(const QColor& c) { racine_->setCouleur_Police(c); }
    TRacine* Controle() const { return racine_; }

private:
    TRacine* racine_ = nullptr;
};

// The sign ≤ at a height, in a colour.
QPixmap Image_Inferieur_Egal(int hauteur, const QColor& couleur);

class TFenetre_Precision : public TExerciceForm {
    Q_OBJECT
public:
    TFenetre_Precision(const Description& d, std::unique_ptr<Exercice::Sujet> sujet, QWidget* parent);

    TCase_Unite* Unite1 = nullptr;
    QLabel* L_precis = nullptr;
    TFigure* Figure1 = nullptr;

    static constexpr int Hauteur_Terme = 36;
    // The client area of both windows.
    static QSize Taille() { return {960, 410}; }

protected:
    // Pieces of the question, in Panel1's colours.
    TCase_Unite* Terme();
    QLabel* Signe(const QString& texte = {});
    TCase_Racine* Racine();
    static void Montre(TCase_Unite* u, const Dencad::Terme& t);
    static void Montre(QLabel* l, const std::string& t);

    // The instruction line: Label1, then the precision and its words.
    void Montre_Precision(const Multiples_Voisins::Precision& p, const std::string& libelle);
    // The computation: a row of pieces, over a second row when `fraction`
    // (the bar as wide as the wider of the two).
    QWidget* Bloc_Calcul(const std::vector<QWidget*>& haut, const std::vector<QWidget*>& bas);
    void Montre_Fraction(bool fraction);
    // Lays out the question line inside Panel1, centred.
    void Place_Ligne(const std::vector<QWidget*>& elements);

private:
    QWidget* bas_ = nullptr;
    QWidget* ligne_question_ = nullptr;

protected:
    void Construit_Enfants() override;
};
